// The directory the program runs in, which the default report file name
// starts with; one implementation per system.
#pragma once

#include <optional>
#include <string>

namespace corvane {

// What the system writes between a directory and a name in it.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// The current working directory in UTF-8; nothing when it cannot be named
// (it was removed).
std::optional<std::string> CurrentDirectory();

}  // namespace corvane
