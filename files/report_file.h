// Putting one record into the report file so that processes writing the
// same report never tear or lose each other's records: the whole record
// goes in one write, under the writers' lock of the file, and a write that
// fails takes back only its own bytes. A replacement of the file takes the
// same lock and goes through a temporary file, so a full disk leaves the
// old report whole.
#pragma once

#include <string>
#include <string_view>

#include "model/report_write.h"

namespace corvane {

// Appends `record` to the existing file `path`; never creates it.
ReportWriteResult AppendReportRecord(const std::string& path, std::string_view record);

// Makes `record` the whole of the file `path`, creating it if need be.
ReportWriteResult ReplaceReport(const std::string& path, std::string_view record);

}  // namespace corvane
