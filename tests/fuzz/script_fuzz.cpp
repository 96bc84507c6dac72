// corvane-cli's script reader and interpreter on arbitrary bytes: every
// script ends with status 0 and nothing on standard error, or with status 2
// and one line there. Paths lose their slashes, so every file a script
// names lies in the target's sandbox.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "cli/script_runner.h"
#include "fuzz_sandbox.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  corvane::fuzz::EnterSandbox(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string script(reinterpret_cast<const char*>(data), size);
  std::replace(script.begin(), script.end(), '/', '_');
  std::ostringstream out;
  std::ostringstream err;
  const int status = corvane::RunScript(script, out, err);
  const std::string complaint = err.str();
  const bool oneLine = !complaint.empty() && complaint.find('\n') == complaint.size() - 1;
  if (!(status == 0 && complaint.empty()) && !(status == 2 && oneLine)) std::abort();
  corvane::fuzz::EmptySandbox();
  return 0;
}
