// What opening a file asks of the operating system, one implementation per
// system: file_open_posix.cpp and file_open_win32.cpp. Names are UTF-8.
#pragma once

#include <cstdio>
#include <string>

namespace corvane::file_open {

enum class Mode {
  kCreate,  // for writing, replacing any existing file of the name
  kAppend,  // an existing file, for writing at its end; never created
  kRead,    // an existing file, for reading from its start
};

// Opens a file in binary mode without ever waiting for another process (a
// named pipe, a device): nullptr whenever it cannot be opened at once.
std::FILE* Open(const std::string& path, Mode mode);

// Whether the name names an existing directory.
bool IsDirectory(const std::string& path);

}  // namespace corvane::file_open
