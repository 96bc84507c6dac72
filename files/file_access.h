// Opening the report and mixture files, each within one command.
//
// A name names a file only when it is not empty, holds no NUL byte (the C
// library would silently open the shorter name before it) and is not a
// directory (which Linux would open for reading). Every open that fails,
// for whatever reason, is simply "not opened": the callers then change
// nothing and show no message.
#pragma once

#include <cstddef>
#include <cstdint>
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
  // Creates a file that must not exist yet, for writing.
  static std::optional<OpenFile> CreateNew(const std::string& path);

  OpenFile(OpenFile&& other) noexcept;
  OpenFile& operator=(OpenFile&& other) noexcept;
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;
  ~OpenFile();

  // Writes the bytes as they are (no line-end translation), all or none:
  // when not all of them reach the file (a full disk, a file size limit, a
  // device that takes nothing) the file is cut back to the length it had
  // when it was opened, and the answer is false.
  bool Write(std::string_view bytes);
  bool Write(std::span<const unsigned char> bytes);
  // The file's length when it was opened (0 after Create), bytes.
  std::uintmax_t LengthAtOpen() const { return lengthAtOpen_; }
  // Cuts a regular file back to `length` bytes, never lengthening it: for
  // undoing what an earlier open of the same file wrote.
  void CutBackTo(std::uintmax_t length);
  // Waits for the writers' lock of the file (see file_open.h) and holds it
  // until the file is closed; false when the system refuses it.
  bool LockForWriting();
  // Whether `path` still names this very file: a replacement renamed over
  // the name while this one waited for its lock would not. Always true for
  // what is no regular file (a device), which nothing renames over.
  bool IsNamedBy(const std::string& path) const;
  // Under the lock: writes the bytes at the file's end, all or none. When
  // not all of them fit, only what this write added is taken back, and only
  // while the file still ends where this write stopped.
  bool AppendWhole(std::string_view bytes);
  // The system's words for why the last write failed; empty while none has.
  const std::string& ErrorText() const { return errorText_; }
  // Closes the file now; false when what was written could not be flushed.
  bool Close();
  // Reads up to bytes.size() bytes; the count read (short at the end of the file).
  std::size_t Read(std::span<unsigned char> bytes);

 private:
  explicit OpenFile(std::FILE* file);
  static std::optional<OpenFile> Adopt(std::FILE* file);  // nothing for nullptr
  std::FILE* file_ = nullptr;
  std::uintmax_t lengthAtOpen_ = 0;
  std::string errorText_;
};

// Whether `path` may name a file at all (see above); says nothing about
// whether it exists.
bool IsUsableFileName(const std::string& path);

}  // namespace corvane
