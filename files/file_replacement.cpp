#include "files/file_replacement.h"

#include <atomic>
#include <chrono>
#include <utility>

#include "files/file_open.h"

namespace corvane {
namespace {

// A name beside `target` that no other writer picks: the target's name, the
// process's clock and a counter.
std::string TemporaryName(const std::string& target, int attempt) {
  static std::atomic<unsigned> counter{0};
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  return target + ".~" + std::to_string(ticks % 1000000007) + "-" + std::to_string(counter++) + "-" +
         std::to_string(attempt) + ".tmp";
}

}  // namespace

std::optional<FileReplacement> FileReplacement::Begin(const std::string& path) {
  if (!IsUsableFileName(path)) return std::nullopt;
  if (const std::optional<std::string> target = file_open::ReplaceableTarget(path)) {
    for (int attempt = 0; attempt < 8; ++attempt) {
      const std::string temporary = TemporaryName(*target, attempt);
      if (std::optional<OpenFile> file = OpenFile::CreateNew(temporary))
        return FileReplacement(std::move(*file), *target, temporary);
    }
  }
  // Nothing to rename over: the file itself, in place.
  std::optional<OpenFile> file = OpenFile::Create(path);
  if (!file) return std::nullopt;
  return FileReplacement(std::move(*file), path, "");
}

FileReplacement::FileReplacement(OpenFile file, std::string target, std::string temporary)
    : file_(std::move(file)), target_(std::move(target)), temporary_(std::move(temporary)) {}

FileReplacement::FileReplacement(FileReplacement&& other) noexcept
    : file_(std::move(other.file_)),
      target_(std::move(other.target_)),
      temporary_(std::exchange(other.temporary_, std::string())),
      failed_(other.failed_),
      errorText_(std::move(other.errorText_)) {
  other.file_.reset();
}

FileReplacement& FileReplacement::operator=(FileReplacement&& other) noexcept {
  if (this != &other) {
    Abandon();
    file_ = std::move(other.file_);
    other.file_.reset();
    target_ = std::move(other.target_);
    temporary_ = std::exchange(other.temporary_, std::string());
    failed_ = other.failed_;
    errorText_ = std::move(other.errorText_);
  }
  return *this;
}

FileReplacement::~FileReplacement() { Abandon(); }

void FileReplacement::Abandon() {
  file_.reset();
  if (!temporary_.empty()) file_open::Remove(temporary_);
  temporary_.clear();
}

bool FileReplacement::Write(std::string_view bytes) {
  if (!file_ || failed_) return false;
  if (!file_->Write(bytes)) {
    failed_ = true;
    errorText_ = file_->ErrorText();
  }
  return !failed_;
}

bool FileReplacement::Finish() {
  if (!file_) return false;
  const bool flushed = file_->Close();
  if (!flushed) errorText_ = file_open::LastErrorText();
  file_.reset();
  if (failed_ || !flushed) return false;
  if (temporary_.empty()) return true;
  if (!file_open::RenameOver(temporary_, target_)) {
    errorText_ = file_open::LastErrorText();
    return false;
  }
  temporary_.clear();
  return true;
}

}  // namespace corvane
