// Files that fail the user: a disk that fills in the middle of a write, a
// device that takes nothing, a place no one may write, a file that vanishes
// between the dialog and the open. None may crash the program, leave part
// of a record or mixture behind, or touch a file the user did not ask to
// replace; the next run works as ever.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <functional>
#include <string>

#include "dialog_fixture.h"
#include "res/dialogs.h"
#include "temp_dir.h"

namespace corvane {
namespace {

// A headless surface whose file dialog can do something after it answers,
// as another program might between the dialog and the open.
class Surface : public HeadlessSurface {
 public:
  std::optional<std::string> AskMixtureFileName(FileDialogKind kind) override {
    std::optional<std::string> answer = HeadlessSurface::AskMixtureFileName(kind);
    if (afterDialog) afterDialog();
    return answer;
  }
  std::function<void()> afterDialog;
};

// While alive, no file of this process may grow past `bytes`: writes beyond
// fail as on a full disk (the signal that would end the process is ignored).
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previous_ = signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    signal(SIGXFSZ, previous_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  sighandler_t previous_{};
};

class FileFaults : public ::testing::Test {
 protected:
  FileFaults() {
    dlg.OnInitDialog();
    surface.SetChecked(res::IDC_WRITE, true);
    surface.SetText(res::IDC_REPORT_FILE, report);
  }
  // A run at the start-up state; true when it showed its results.
  bool Run() {
    surface.SetText(res::IDC_PRESSURE, "1000");
    surface.SetText(res::IDC_MOLAR_DENSITY, "");
    dlg.OnRun();
    return surface.GetText(res::IDC_MOLAR_DENSITY) == "0.19757" && surface.messages.empty();
  }
  void Save(const std::string& path) { PressFileButton(surface, dlg, res::IDC_SAVE, path); }
  void Recall(const std::string& path) { PressFileButton(surface, dlg, res::IDC_RECALL, path); }

  TempDir dir;
  std::string report = dir / "report.txt";
  Surface surface;
  CCalcDlg dlg{surface};
};

TEST_F(FileFaults, ADiskThatFillsMidWriteLeavesNoPartOfARecordOrMixture) {
  ASSERT_TRUE(Run());
  ASSERT_TRUE(Run());
  const std::string twoRecords = ReadBytes(report);
  const std::size_t record = twoRecords.size() / 2;
  // The disk fills within the header, within the composition, within the results.
  for (std::size_t room : {std::size_t{5}, record / 3, record - 20}) {
    {
      const FileSizeLimit full(twoRecords.size() + room);
      EXPECT_TRUE(Run()) << room;
    }
    EXPECT_TRUE(ReadBytes(report) == twoRecords) << room;
  }
  ASSERT_TRUE(Run());
  EXPECT_TRUE(ReadBytes(report) == twoRecords + twoRecords.substr(0, record));

  // A replacement of the report (its name edited) that does not fit keeps
  // the old report whole, and the next run replaces it after all.
  const std::string whole = ReadBytes(report);
  for (std::size_t room : {std::size_t{0}, record / 2}) {
    dlg.reportFileIsNew = 1;
    {
      const FileSizeLimit full(room);
      EXPECT_TRUE(Run()) << room;
    }
    EXPECT_TRUE(ReadBytes(report) == whole) << room;
    EXPECT_EQ(dlg.LastReportWrite().what, ReportWrite::kFailed);
  }
  ASSERT_TRUE(Run());
  EXPECT_TRUE(ReadBytes(report) == twoRecords.substr(0, record));

  // So does a mixture saved over an older one: the older stays byte for byte.
  const std::string mix = dir / "mix.dat";
  Save(mix);
  const std::string saved = ReadBytes(mix);
  ASSERT_EQ(saved.size(), 128u);
  surface.SetText(res::IDC_METHANE, "0.5");
  {
    const FileSizeLimit full(64);
    Save(mix);
  }
  EXPECT_TRUE(ReadBytes(mix) == saved);
  std::size_t files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir / "")) ++files;
  EXPECT_EQ(files, 2u);  // the report and the mixture, no temporary left
}

TEST_F(FileFaults, ADeviceThatTakesNothingOrAReadOnlyPlaceChangesNothing) {
  // /dev/full opens and refuses every byte; sysfs refuses new files even to
  // root; /proc/version opens for root and refuses writes.
  for (const std::string name : {"/dev/full", "/sys/corvane-report.txt", "/proc/version"}) {
    surface.SetText(res::IDC_REPORT_FILE, name);
    EXPECT_TRUE(Run()) << name;
  }
  // Save names get ".dat": /dev/full under a name of ours.
  const std::string full = dir / "full.dat";
  std::filesystem::create_symlink("/dev/full", full);
  for (const std::string& name : {full, std::string("/sys/corvane-mix.dat")}) Save(name);
  EXPECT_TRUE(std::filesystem::is_character_file(full));
  EXPECT_FALSE(std::filesystem::exists("/sys/corvane-mix.dat"));
  surface.SetText(res::IDC_REPORT_FILE, report);
  EXPECT_TRUE(Run());
  EXPECT_FALSE(ReadBytes(report).empty());
}

TEST_F(FileFaults, AFileThatVanishesAfterTheDialogIsNotRecalled) {
  const std::string mix = dir / "mix.dat";
  Save(mix);
  surface.SetText(res::IDC_METHANE, "0.5");
  surface.afterDialog = [&] { std::filesystem::remove(mix); };
  Recall(mix);
  EXPECT_EQ(surface.GetText(res::IDC_METHANE), "0.5");
  EXPECT_FALSE(std::filesystem::exists(mix));
  surface.afterDialog = nullptr;
  surface.SetText(res::IDC_METHANE, "0.96");
  EXPECT_TRUE(Run());
}

}  // namespace
}  // namespace corvane
