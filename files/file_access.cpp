#include "files/file_access.h"

#include <utility>

#include "files/file_open.h"

namespace corvane {

bool IsUsableFileName(const std::string& path) {
  return !path.empty() && path.find('\0') == std::string::npos && !file_open::IsDirectory(path);
}

namespace {

std::FILE* OpenUsable(const std::string& path, file_open::Mode mode) {
  return IsUsableFileName(path) ? file_open::Open(path, mode) : nullptr;
}

}  // namespace

std::optional<OpenFile> OpenFile::Adopt(std::FILE* file) {
  if (file == nullptr) return std::nullopt;
  return OpenFile(file);
}

std::optional<OpenFile> OpenFile::Create(const std::string& path) {
  return Adopt(OpenUsable(path, file_open::Mode::kCreate));
}

std::optional<OpenFile> OpenFile::OpenForAppending(const std::string& path) {
  return Adopt(OpenUsable(path, file_open::Mode::kAppend));
}

std::optional<OpenFile> OpenFile::OpenForReading(const std::string& path) {
  return Adopt(OpenUsable(path, file_open::Mode::kRead));
}

std::optional<OpenFile> OpenFile::CreateNew(const std::string& path) {
  return Adopt(OpenUsable(path, file_open::Mode::kCreateNew));
}

bool OpenFile::Close() {
  if (file_ == nullptr) return true;
  const bool closed = std::fclose(std::exchange(file_, nullptr)) == 0;
  return closed;
}

OpenFile::OpenFile(std::FILE* file)
    : file_(file), lengthAtOpen_(file_open::RegularFileLength(file).value_or(0)) {}

OpenFile::OpenFile(OpenFile&& other) noexcept
    : file_(std::exchange(other.file_, nullptr)), lengthAtOpen_(other.lengthAtOpen_) {}

OpenFile& OpenFile::operator=(OpenFile&& other) noexcept {
  if (this != &other) {
    if (file_ != nullptr) std::fclose(file_);
    file_ = std::exchange(other.file_, nullptr);
    lengthAtOpen_ = other.lengthAtOpen_;
  }
  return *this;
}

OpenFile::~OpenFile() {
  if (file_ != nullptr) std::fclose(file_);
}

bool OpenFile::Write(std::string_view bytes) {
  if (file_open::WriteDirect(file_, bytes.data(), bytes.size())) return true;
  errorText_ = file_open::LastErrorText();
  CutBackTo(lengthAtOpen_);
  return false;
}

bool OpenFile::Write(std::span<const unsigned char> bytes) {
  if (file_open::WriteDirect(file_, bytes.data(), bytes.size())) return true;
  errorText_ = file_open::LastErrorText();
  CutBackTo(lengthAtOpen_);
  return false;
}

bool OpenFile::LockForWriting() { return file_open::LockForWriting(file_); }

bool OpenFile::IsNamedBy(const std::string& path) const {
  const std::optional<file_open::FileIdentity> mine = file_open::IdentityOfFile(file_);
  return !mine || file_open::IdentityOfPath(path) == mine;
}

bool OpenFile::AppendWhole(std::string_view bytes) {
  // Every writer appends under the lock, so the length seen now is where
  // these bytes start.
  const std::optional<std::uintmax_t> start = file_open::RegularFileLength(file_);
  std::size_t written = 0;
  if (file_open::WriteDirect(file_, bytes.data(), bytes.size(), &written)) return true;
  errorText_ = file_open::LastErrorText();
  // A writer that does not take the lock may have written after these
  // bytes, or cut the file: then cutting back would take its bytes too.
  if (start && file_open::RegularFileLength(file_) == *start + written) file_open::Truncate(file_, *start);
  return false;
}

void OpenFile::CutBackTo(std::uintmax_t length) {
  const std::optional<std::uintmax_t> current = file_open::RegularFileLength(file_);
  if (current && *current > length) file_open::Truncate(file_, length);
}

std::size_t OpenFile::Read(std::span<unsigned char> bytes) {
  std::size_t total = 0;
  while (total < bytes.size()) {
    const std::size_t count = std::fread(bytes.data() + total, 1, bytes.size() - total, file_);
    if (count == 0) break;  // end of file or a read error: keep what arrived
    total += count;
  }
  return total;
}

}  // namespace corvane
