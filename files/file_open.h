// What opening a file asks of the operating system, one implementation per
// system: file_open_posix.cpp and file_open_win32.cpp. Names are UTF-8.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
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

// The length of an open regular file, bytes; nothing for a pipe or device.
std::optional<std::uintmax_t> RegularFileLength(std::FILE* file);

// Writes straight to the file's descriptor, past the stream's buffer: a
// buffered stream would report a full disk only when closed, and keep the
// bytes it could not write to try again. False when not all of them went.
bool WriteDirect(std::FILE* file, const void* data, std::size_t size);

// Cuts an open regular file to `length` bytes; nothing else is touched.
void Truncate(std::FILE* file, std::uintmax_t length);

}  // namespace corvane::file_open
