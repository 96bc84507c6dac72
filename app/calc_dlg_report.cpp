// The report file: one record per written run, its header, composition and
// results put in with one write (files/report_file.h), so that several
// processes writing the same report keep every record whole. The Append box
// and reportFileIsNew decide whether the record replaces the file or
// extends it.
#include <string>

#include "app/calc_dlg.h"
#include "files/report_file.h"
#include "files/report_text.h"
#include "res/dialogs.h"

namespace corvane {

void CCalcDlg::WriteReportRecord() {
  ReportResultValues values;
  values.eosChoice = eosChoice;
  values.entryPressure = entryPressure;
  values.entryTemperatureF = entryTemperatureF;
  values.results = results;
  values.enthalpyReference = enthalpyReference;
  values.viscosityRequested = viscosityRequested;
  values.cpRequested = cpRequested;
  values.jtRequested = jtRequested;
  const std::string record =
      ReportHeaderAndComposition(eosChoice, solveMethod, entryFractions) + ReportResultsBlock(values);

  const std::string name = surface_.GetText(res::IDC_REPORT_FILE);
  if (!surface_.IsChecked(res::IDC_APPEND) && reportFileIsNew == 1) {
    // The first record under this name replaces whatever the file held;
    // until a replacement succeeds, the next record tries again.
    lastReportWrite_ = ReplaceReport(name, record);
    if (lastReportWrite_.what == ReportWrite::kWritten) reportFileIsNew = 0;
  } else {
    // Appending never creates the file.
    lastReportWrite_ = AppendReportRecord(name, record);
  }
}

}  // namespace corvane
