#include "files/report_file.h"

#include <filesystem>
#include <optional>
#include <system_error>
#include <utility>

#include "files/file_access.h"
#include "files/file_open.h"
#include "files/file_replacement.h"

namespace corvane {
namespace {

ReportWriteResult Failed(std::string reason) { return {ReportWrite::kFailed, std::move(reason)}; }

// Why a name opened nothing, read before anything else touches the
// system's error.
ReportWriteResult NotOpened(const std::string& path) {
  if (path.empty() || path.find('\0') != std::string::npos) return Failed("not a file name");
  if (file_open::IsDirectory(path)) return Failed(std::make_error_code(std::errc::is_a_directory).message());
  std::string reason = file_open::LastErrorText();
  std::error_code ignored;
  if (!std::filesystem::exists(std::filesystem::symlink_status(std::filesystem::path(path), ignored)))
    return {ReportWrite::kNoFileToAppend, {}};
  return Failed(std::move(reason));
}

// The existing file of the name, open for appending with its writers' lock
// held. A replacement may rename a new file over the name while this one
// waits for the lock; the lock is then taken again, on the new file.
std::optional<OpenFile> OpenLocked(const std::string& path) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::optional<OpenFile> file = OpenFile::OpenForAppending(path);
    if (!file || !file->LockForWriting()) return std::nullopt;
    if (file->IsNamedBy(path)) return file;
  }
  return std::nullopt;
}

}  // namespace

ReportWriteResult AppendReportRecord(const std::string& path, std::string_view record) {
  std::optional<OpenFile> file = OpenLocked(path);
  if (!file) return NotOpened(path);
  if (!file->AppendWhole(record)) return Failed(file->ErrorText());
  return {ReportWrite::kWritten, {}};
}

ReportWriteResult ReplaceReport(const std::string& path, std::string_view record) {
  // The old file's lock, held until the new one has taken its name: no
  // other writer appends a record to a file about to go.
  std::optional<OpenFile> old = OpenLocked(path);
  std::optional<FileReplacement> replacement = FileReplacement::Begin(path);
  if (!replacement) return Failed(IsUsableFileName(path) ? file_open::LastErrorText() : NotOpened(path).reason);
  if (!replacement->Write(record)) return Failed(replacement->ErrorText());
  // Where no file can be renamed over an open one, the lock goes just
  // before the rename: a record another process appends in that moment
  // goes with the old file.
  if (!file_open::RenamesOverOpenFiles()) old.reset();
  if (!replacement->Finish()) return Failed(replacement->ErrorText());
  return {ReportWrite::kWritten, {}};
}

}  // namespace corvane
