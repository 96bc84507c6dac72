// What became of the report record a run was to write: kept by the dialog,
// read by a face that must say when a file it was asked to write stayed
// unwritten.
#pragma once

#include <string>

namespace corvane {

// What became of the record a run was to write.
enum class ReportWrite {
  kNotAsked,        // no record: Write unticked, or the run wrote none
  kWritten,         // the record is in the file
  kNoFileToAppend,  // Append ticked and no file of the name: nothing written, none created
  kFailed,          // the file could not be opened or written; it is as it was
};

struct ReportWriteResult {
  ReportWrite what = ReportWrite::kNotAsked;
  std::string reason;  // the system's words, for kFailed
};

}  // namespace corvane
