// Reading a whole script, or opening a stream of input, from a path or from
// standard input ("-"), with one clear reason when it cannot be done.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace corvane {

// No real script comes near this; /dev/zero and the like stop here.
constexpr std::size_t kMaxScriptBytes = std::size_t{64} << 20;  // 64 MiB

struct InputBytes {
  std::string bytes;
  std::string error;  // empty when all was read: "cannot read PATH: WHY"
};

// All of `path`'s bytes ("-": standard input), at most `limit` of them.
InputBytes ReadWholeInput(const std::string& path, std::size_t limit);

// An open input: its descriptor (standard input for "-"), its size when it
// is a regular file, or the reason it cannot be read.
struct OpenedInput {
  int fd = -1;
  std::optional<long long> size;
  std::string error;
};
OpenedInput OpenInput(const std::string& path);
void CloseInput(const OpenedInput& input);

// "PATH" or "standard input", as messages name an input.
std::string InputName(const std::string& path);

}  // namespace corvane
