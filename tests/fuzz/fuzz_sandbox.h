// A private working directory for a fuzz target: made under TMPDIR when the
// target starts, entered, emptied after each input and removed at exit, so
// that files an input names are made there and nowhere else.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace corvane::fuzz {

const std::filesystem::path& Sandbox();

inline void RemoveSandbox() {
  std::error_code ignored;
  std::filesystem::remove_all(Sandbox(), ignored);
}

// Made and entered on first use; never destroyed, so that the removal at
// exit still finds it.
inline const std::filesystem::path& Sandbox() {
  static const std::filesystem::path* const dir = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "corvane-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr || chdir(pattern.c_str()) != 0) std::abort();
    std::atexit(RemoveSandbox);
    return new std::filesystem::path(pattern);
  }();
  return *dir;
}

// Removes everything an input left in the sandbox.
inline void EmptySandbox() {
  std::error_code ignored;
  for (const auto& entry : std::filesystem::directory_iterator(Sandbox(), ignored))
    std::filesystem::remove_all(entry.path(), ignored);
}

}  // namespace corvane::fuzz
