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

OpenFile::OpenFile(OpenFile&& other) noexcept : file_(std::exchange(other.file_, nullptr)) {}

OpenFile& OpenFile::operator=(OpenFile&& other) noexcept {
  if (this != &other) {
    if (file_ != nullptr) std::fclose(file_);
    file_ = std::exchange(other.file_, nullptr);
  }
  return *this;
}

OpenFile::~OpenFile() {
  if (file_ != nullptr) std::fclose(file_);
}

bool OpenFile::Write(std::string_view bytes) {
  if (bytes.empty()) return true;
  return std::fwrite(bytes.data(), 1, bytes.size(), file_) == bytes.size();
}

bool OpenFile::Write(std::span<const unsigned char> bytes) {
  if (bytes.empty()) return true;
  return std::fwrite(bytes.data(), 1, bytes.size(), file_) == bytes.size();
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
