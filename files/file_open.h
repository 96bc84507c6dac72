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
  kCreateNew,  // a file that must not exist yet, for writing
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
// bytes it could not write to try again. False when not all of them went;
// `written` (when given) then holds how many did.
bool WriteDirect(std::FILE* file, const void* data, std::size_t size, std::size_t* written = nullptr);

// Waits until this process alone holds the file's writers' lock, which
// every process writing a report takes around its write, and holds it until
// the file is closed. On Windows the lock covers the last byte a file could
// ever have, never its data, so readers and in-place writers are not held
// up. False when the system refuses the lock.
bool LockForWriting(std::FILE* file);

// The system's words for why the last call into it failed (errno, or on
// Windows the thread's last error), read at once after the failure.
std::string LastErrorText();

// Cuts an open regular file to `length` bytes; nothing else is touched.
void Truncate(std::FILE* file, std::uintmax_t length);

// The file a replacement of `path` renames its new bytes over: `path`, or
// the regular file a symbolic link named `path` leads to, or a name that
// does not exist yet; nothing when the name is something else (a device, a
// pipe) or its folder cannot be written, so that the file is written in
// place.
std::optional<std::string> ReplaceableTarget(const std::string& path);

// Renames `from` over `to`, replacing it in one step. False when it could not.
bool RenameOver(const std::string& from, const std::string& to);

// Whether a file can be renamed over a name while some process holds the
// file of that name open: POSIX systems can, Windows refuses the rename.
bool RenamesOverOpenFiles();

// Removes a file; nothing when it cannot.
void Remove(const std::string& path);

// What the system identifies an open file by (device and inode; on Windows
// the volume's serial number and the file index), to tell whether two names
// or descriptors reach the same file.
struct FileIdentity {
  std::uint64_t volume = 0;
  std::uint64_t index = 0;
  bool operator==(const FileIdentity&) const = default;
};
// Of a regular file open on the descriptor; nothing for anything else.
std::optional<FileIdentity> IdentityOfDescriptor(int fd);
// Of the regular file open as `file`; nothing for anything else.
std::optional<FileIdentity> IdentityOfFile(std::FILE* file);
// Of the regular file a name names (following links); nothing otherwise.
std::optional<FileIdentity> IdentityOfPath(const std::string& path);

}  // namespace corvane::file_open
