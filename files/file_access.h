// Opening the report and mixture files, each within one command.
//
// A name names a file only when it is not empty, holds no NUL byte (the C
// library would silently open the shorter name before it) and is not a
// directory (which Linux would open for reading). Only a file that can be
// opened at once is opened: never a named pipe waiting for its other end,
// and on Windows nothing but a file on a disk. Every open that fails,
// for whatever reason, is simply "not opened": the callers then change
// nothing and show no message.
#pragma once

#include <cstddef>
#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace corvane {

class OpenFile {
 public:
  // Creates the file for writing, replacing any existing file of the name.
  static std::optional<OpenFile> Create(const std::string& path);
  // Opens an existing file for writing at its end; never creates one.
  static std::optional<OpenFile> OpenForAppending(const std::string& path);
  // Opens an existing file for reading from its start.
  static std::optional<OpenFile> OpenForReading(const std::string& path);

  OpenFile(OpenFile&& other) noexcept;
  OpenFile& operator=(OpenFile&& other) noexcept;
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;
  ~OpenFile();

  // Writes the bytes as they are (no line-end translation); false when not
  // all of them reached the file.
  bool Write(std::string_view bytes);
  bool Write(std::span<const unsigned char> bytes);
  // Reads up to bytes.size() bytes; the count read (short at the end of the file).
  std::size_t Read(std::span<unsigned char> bytes);

 private:
  explicit OpenFile(std::FILE* file) : file_(file) {}
  static std::optional<OpenFile> Adopt(std::FILE* file);  // nothing for nullptr
  std::FILE* file_ = nullptr;
};

// Whether `path` may name a file at all (see above); says nothing about
// whether it exists.
bool IsUsableFileName(const std::string& path);

}  // namespace corvane
