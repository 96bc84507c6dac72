// Writing a file that takes the place of an older one without ever leaving
// it half-written: the new bytes go to a temporary file beside it, which is
// renamed over the old one once they are all there. A full disk, a killed
// process or a failed write then leaves the old file byte for byte. Where
// nothing can be renamed over the name (a device such as /dev/null, a pipe,
// a folder that cannot be written), the file is written in place.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "files/file_access.h"

namespace corvane {

class FileReplacement {
 public:
  // Starts replacing (or creating) the file `path` names; nothing when it
  // cannot be written at all.
  static std::optional<FileReplacement> Begin(const std::string& path);

  FileReplacement(FileReplacement&& other) noexcept;
  FileReplacement& operator=(FileReplacement&& other) noexcept;
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;
  // Without Finish, the new bytes are dropped and the old file stays.
  ~FileReplacement();

  // All of the bytes or, when not all could be written, none (false).
  bool Write(std::string_view bytes);
  // Puts the new file in the old one's place; false when that failed, the
  // old file then as it was.
  bool Finish();

  // The system's words for why a write or Finish failed.
  const std::string& ErrorText() const { return errorText_; }

  // The temporary file's name; empty when the file is written in place.
  const std::string& TemporaryPath() const { return temporary_; }

 private:
  FileReplacement(OpenFile file, std::string target, std::string temporary);
  // Drops the new bytes: the temporary file goes, the old file stays.
  void Abandon();

  std::optional<OpenFile> file_;
  std::string target_;
  std::string temporary_;
  bool failed_ = false;
  std::string errorText_;
};

}  // namespace corvane
