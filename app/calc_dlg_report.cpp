// The report file: one record per written run, its first two blocks from
// WriteReportInputs and the third from WriteReportResults, each opening and
// closing the file. The Append box and reportFileIsNew decide whether the
// record replaces the file or extends it.
#include <optional>
#include <string>

#include "app/calc_dlg.h"
#include "files/file_access.h"
#include "files/report_text.h"
#include "res/dialogs.h"

namespace corvane {

void CCalcDlg::WriteReportInputs() {
  reportRecordStart_.reset();
  const std::string name = surface_.GetText(res::IDC_REPORT_FILE);
  std::optional<OpenFile> file;
  if (!surface_.IsChecked(res::IDC_APPEND) && reportFileIsNew == 1) {
    // The first record under this name replaces whatever the file held.
    file = OpenFile::Create(name);
    if (file) reportFileIsNew = 0;
  } else {
    // Appending never creates the file.
    file = OpenFile::OpenForAppending(name);
  }
  if (!file) return;
  if (file->Write(ReportHeaderAndComposition(eosChoice, solveMethod, entryFractions)))
    reportRecordStart_ = file->LengthAtOpen();
}

// A record is whole or absent: the results go only under their own header
// and composition, and when they do not fit, the header and composition go
// too, so that the next record does not follow half of this one.
void CCalcDlg::WriteReportResults() {
  if (!reportRecordStart_) return;
  std::optional<OpenFile> file = OpenFile::OpenForAppending(surface_.GetText(res::IDC_REPORT_FILE));
  if (!file) return;
  ReportResultValues values;
  values.eosChoice = eosChoice;
  values.entryPressure = entryPressure;
  values.entryTemperatureF = entryTemperatureF;
  values.results = results;
  values.enthalpyReference = enthalpyReference;
  values.viscosityRequested = viscosityRequested;
  values.cpRequested = cpRequested;
  values.jtRequested = jtRequested;
  if (!file->Write(ReportResultsBlock(values))) file->CutBackTo(*reportRecordStart_);
}

}  // namespace corvane
