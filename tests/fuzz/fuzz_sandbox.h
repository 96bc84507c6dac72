// A private working directory for a fuzz target: made under TMPDIR when the
// target starts, entered, emptied after each input and removed at exit, so
// that files an input names are made there and nowhere else.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>
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

// Names on the command line (inputs to run again, corpus folders, and the
// paths libFuzzer's own path options take) are meant from the folder the
// target was started in: they are made absolute, then the sandbox is
// entered. libFuzzer reads the arguments only after this.
inline void EnterSandbox(int* argc, char*** argv) {
  static const char* const kPathOptions[] = {"-artifact_prefix=", "-exact_artifact_path=", "-dict=",
                                             "-seed_inputs=", "-features_dir=", "-merge_control_file="};
  // The new argument list lives as long as the process: libFuzzer keeps it.
  static std::vector<std::string> storage;
  static std::vector<char*> pointerStorage;
  auto* arguments = &storage;
  for (int i = 0; i < *argc; ++i) {
    std::string argument = (*argv)[i];
    std::error_code ignored;
    if (i > 0 && !argument.empty() && argument[0] != '-') {
      argument = std::filesystem::absolute(argument, ignored).string();
    } else {
      for (const char* option : kPathOptions) {
        const std::string prefix = option;
        if (argument.rfind(prefix, 0) == 0 && argument.size() > prefix.size())
          argument = prefix + std::filesystem::absolute(argument.substr(prefix.size()), ignored).string();
      }
    }
    arguments->push_back(std::move(argument));
  }
  auto* pointers = &pointerStorage;
  for (std::string& argument : *arguments) pointers->push_back(argument.data());
  pointers->push_back(nullptr);
  *argv = pointers->data();
  Sandbox();
}

// Removes everything an input left in the sandbox.
inline void EmptySandbox() {
  std::error_code ignored;
  for (const auto& entry : std::filesystem::directory_iterator(Sandbox(), ignored))
    std::filesystem::remove_all(entry.path(), ignored);
}

}  // namespace corvane::fuzz
