#include "files/file_access.h"

#include <filesystem>
#include <system_error>
#include <utility>

namespace corvane {
namespace {

bool IsDirectory(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_directory(std::filesystem::path(path), error);
}

bool Exists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(std::filesystem::path(path), error);
}

}  // namespace

bool IsUsableFileName(const std::string& path) {
  return !path.empty() && path.find('\0') == std::string::npos && !IsDirectory(path);
}

std::optional<OpenFile> OpenFile::Create(const std::string& path) {
  if (!IsUsableFileName(path)) return std::nullopt;
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return std::nullopt;
  return OpenFile(file);
}

std::optional<OpenFile> OpenFile::OpenForAppending(const std::string& path) {
  // "ab" would create a missing file; appending never does.
  if (!IsUsableFileName(path) || !Exists(path)) return std::nullopt;
  std::FILE* file = std::fopen(path.c_str(), "ab");
  if (file == nullptr) return std::nullopt;
  return OpenFile(file);
}

std::optional<OpenFile> OpenFile::OpenForReading(const std::string& path) {
  if (!IsUsableFileName(path)) return std::nullopt;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return std::nullopt;
  return OpenFile(file);
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
