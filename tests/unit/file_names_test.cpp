// Names as users give them: letters beyond ASCII reach the disk as those
// letters, and names of pipes and devices never hold the dialog.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "cli/script_runner.h"
#include "temp_dir.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace corvane {
namespace {

namespace fs = std::filesystem;

std::string RunQuietly(const std::string& script) {
  std::ostringstream out, err;
  EXPECT_EQ(RunScript(script, out, err), 0) << err.str();
  return out.str();
}

TEST(FileNames, NonAsciiNamesReachTheDiskAsThoseLetters) {
  TempDir dir;
  // UTF-8 bytes appended to the directory's name, as a script gives them.
  const std::string mixture = (dir / "") + "Mischung \xc3\xa4\xce\xa9";  // "Mischung äΩ"
  const std::string report = (dir / "") + "Bericht \xe2\x82\xac.txt";     // "Bericht €.txt"
  const std::string out = RunQuietly("set methane 0.5\nsave " + mixture + "\nreset\nrecall " + mixture +
                              "\nshow\nset methane 0.96\nset report " + report + "\ncheck write\nrun\n");
  EXPECT_NE(out.find("\nmethane: 0.50000\n"), std::string::npos);
  // The names as the system spells them, built from UTF-16 independently of the program.
  EXPECT_EQ(fs::file_size(fs::path(dir / "") / fs::path(u"Mischung \u00e4\u03a9.dat")), 128u);
  EXPECT_GT(fs::file_size(fs::path(dir / "") / fs::path(u"Bericht \u20ac.txt")), 0u);
}

#ifdef _WIN32
// A pipe whose server never reads nor writes: a read or write on it would
// wait for ever. It and the console and null devices are not files.
TEST(FileNames, PipesAndDevicesAreNoFiles) {
  const std::wstring pipeName = L"\\\\.\\pipe\\corvane-test-" + std::to_wstring(::GetCurrentProcessId());
  const HANDLE server = ::CreateNamedPipeW(pipeName.c_str(), PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE,
                                           PIPE_UNLIMITED_INSTANCES, 512, 512, 0, nullptr);
  ASSERT_NE(server, INVALID_HANDLE_VALUE);
  const std::string pipe = "\\\\.\\pipe\\corvane-test-" + std::to_string(::GetCurrentProcessId());
  TempDir dir;
  const fs::path start = fs::current_path();
  fs::current_path(dir / "");
  std::string script = "set methane 0.5\n";
  for (const std::string& name : {pipe, std::string("NUL"), std::string("CON"), std::string("COM9")}) {
    script += "recall " + name + "\nsave " + name + "\nset report " + name + "\ncheck write\nrun\n";
    script += "check append\nrun\nuncheck append\n";
  }
  const std::string out = RunQuietly(script + "show\n");
  fs::current_path(start);
  ::CloseHandle(server);
  // No recall rewrote the fields, and nothing was written anywhere.
  EXPECT_NE(out.find("\nmethane: 0.5\n"), std::string::npos);
  EXPECT_TRUE(fs::is_empty(dir / ""));
}
#endif

}  // namespace
}  // namespace corvane
