#include "cli/batch_files.h"

#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>

#include "cli/input_file.h"
#include "cli/progress_bar.h"
#include "files/file_open.h"
#include "files/file_replacement.h"

namespace corvane {
namespace {

// What a signal that ends the batch early must undo and say. Filled before
// the handlers are installed; the handler only reads them, with calls that
// are safe in a signal handler.
char gTemporaryPath[8192];
char gInterruptedLine[8192];
std::size_t gInterruptedLength = 0;

extern "C" void OnInterrupt(int signal) {
  if (gTemporaryPath[0] != '\0') ::unlink(gTemporaryPath);
  [[maybe_unused]] const auto written = ::write(STDERR_FILENO, gInterruptedLine, gInterruptedLength);
  ::_exit(128 + signal);
}

void CopyInto(char* buffer, std::size_t size, const std::string& text) {
  const std::size_t n = std::min(text.size(), size - 1);
  std::memcpy(buffer, text.data(), n);
  buffer[n] = '\0';
}

// Makes an interruption by SIGINT or SIGTERM remove the temporary output
// and say what became of the output.
void PrepareForInterruption(const std::string& temporary, const std::string& outputPath) {
  const std::string line = "corvane-cli: interrupted; " + outputPath +
                           (temporary.empty() ? " holds only the rows written so far\n" : " is left as it was\n");
  if (temporary.size() >= sizeof gTemporaryPath) return;  // a name that long cannot be cleaned up
  CopyInto(gTemporaryPath, sizeof gTemporaryPath, temporary);
  CopyInto(gInterruptedLine, sizeof gInterruptedLine, line);
  gInterruptedLength = std::strlen(gInterruptedLine);
  std::signal(SIGINT, OnInterrupt);
  std::signal(SIGTERM, OnInterrupt);
}

void NoLongerInterruptible() {
  std::signal(SIGINT, SIG_DFL);
  std::signal(SIGTERM, SIG_DFL);
  gTemporaryPath[0] = '\0';
}

// Why the output may not be written: it is the input, whose rows it would
// destroy or read back for ever.
std::optional<std::string> OutputIsInput(const OpenedInput& input, const std::string& outputPath) {
  const std::optional<file_open::FileIdentity> in = file_open::IdentityOfDescriptor(input.fd);
  if (!in) return std::nullopt;
  if (outputPath == "-") {
    if (file_open::IdentityOfDescriptor(STDOUT_FILENO) == in) return "standard output is the input; nothing written";
  } else if (file_open::IdentityOfPath(outputPath) == in) {
    return outputPath + " is the input; not overwritten";
  }
  return std::nullopt;
}

}  // namespace

int RunBatchFiles(const std::string& inputPath, const std::string& outputPath, const BatchSettings& settings) {
  const OpenedInput input = OpenInput(inputPath);
  if (!input.error.empty()) {
    std::cerr << "corvane-cli: " << input.error << '\n';
    return 2;
  }
  if (const std::optional<std::string> fault = OutputIsInput(input, outputPath)) {
    std::cerr << "corvane-cli: " << *fault << '\n';
    CloseInput(input);
    return 2;
  }
  const bool toFile = outputPath != "-";
  std::optional<FileReplacement> output;
  std::string readError, writeError;
  ProgressBar progress(::isatty(STDERR_FILENO) == 1, input.size);
  BatchStreams streams;
  streams.read = [&](char* buffer, std::size_t size) -> long long {
    for (;;) {
      const ssize_t n = ::read(input.fd, buffer, size);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) readError = std::strerror(errno);
      return n;
    }
  };
  streams.open = [&]() -> std::optional<std::string> {
    if (!toFile) return std::nullopt;
    errno = 0;
    output = FileReplacement::Begin(outputPath);
    if (!output) {
      writeError = errno != 0 ? std::strerror(errno) : "it cannot be created";
      return "cannot write the output";
    }
    PrepareForInterruption(output->TemporaryPath(), outputPath);
    return std::nullopt;
  };
  streams.notice = [&](const std::string& line) { std::cerr << "corvane-cli: " << line << '\n'; };
  streams.write = [&](std::string_view bytes) {
    // Each chunk reaches the reader of the output as soon as it is done.
    const bool written = toFile ? output->Write(bytes)
                                : std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() &&
                                      std::fflush(stdout) == 0;
    if (!written && writeError.empty()) writeError = errno != 0 ? std::strerror(errno) : "not all was written";
    return written;
  };
  streams.progress = [&](long long rows, long long bytes) { progress.Update(rows, bytes); };
  std::string error;
  int status = RunBatch(settings, streams, error);
  progress.Finish();
  CloseInput(input);
  if (output && status != 2 && !output->Finish()) {
    status = 2;
    error = "cannot write the output";
    if (writeError.empty()) writeError = errno != 0 ? std::strerror(errno) : "it could not be put in place";
  }
  output.reset();  // a batch that failed leaves any older file as it was
  NoLongerInterruptible();
  if (status == 2) {
    if (!writeError.empty())
      std::cerr << "corvane-cli: cannot write " << (toFile ? outputPath : "standard output") << ": " << writeError
                << '\n';
    else if (!readError.empty())
      std::cerr << "corvane-cli: cannot read " << InputName(inputPath) << ": " << readError << '\n';
    else
      std::cerr << "corvane-cli: " << InputName(inputPath) << ": " << error << '\n';
  }
  return status;
}

}  // namespace corvane
