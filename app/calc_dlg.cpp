// Start-up, tables, commands and the About and Help boxes of the dialog.
#include "app/calc_dlg.h"

#include <optional>
#include <string>

#include "files/working_directory.h"
#include "platform/copy_text.h"
#include "res/dialogs.h"
#include "text/number_text.h"
#include "thermo/bwrs_johnson_culver.h"

namespace corvane {

CCalcDlg::CCalcDlg(DialogSurface& surface) : surface_(surface) {
  surface_.SetEditChangedHandler([this](int id) { OnEditChanged(id); });
}

void CCalcDlg::SetDefaults() {
  entryFractions = {0.96, 0.02, 0.005, 0.002, 0.002, 0.0005, 0.0005, 0.0, 0.0, 0.007, 0.0, 0.0, 0.0, 0.003, 0.0};
  entryTemperatureF = 80.0;
  entryPressure = 1000.0;
  eosChoice = kEosBwrs;
  solveMethod = kMethodFalsePosition;
  cpRequested = 1;
  jtRequested = 1;
  viscosityRequested = 1;
  polytropicRequested = 1;
  results = RunResults{};
}

void CCalcDlg::InitComponentTable() {
  mixture = MixtureCoefficients{};
  mixtureAcentricFactor = 0.0;
  FillComponentTable(components);
  FillIdealGasComponentRows(idealGasEnthalpy);
  gasConstant = kGasConstant;
  jcStartDensityHigh = kJcStartDensityHigh;
  jcStartDensityLow = kJcStartDensityLow;
  jcTolerance = kJcTolerance;
  stateTemperature = entryTemperatureF;
  statePressure = entryPressure;
  reportFileIsNew = 1;
}

void CCalcDlg::InitInteractionTable() {
  FillInteractionTable(interaction);
  mixingTerms_ = MakeBwrsMixingTerms(components, interaction);
}

namespace {

// The fraction edits in the order the program writes their start-up values
// and the Reset text: entryFractions order, hydrogen before hydrogen sulfide.
constexpr const std::array<int, 15>& kEntryOrderEdits = res::kGasEdits;

int EosRadio(EosChoice choice) {
  switch (choice) {
    case kEosPengRobinson: return res::IDC_PR;
    case kEosRedlichKwongSoave: return res::IDC_RKS;
    case kEosBwrs: break;
  }
  return res::IDC_BWRS;
}

int MethodRadio(SolveMethod method) {
  switch (method) {
    case kMethodJohnsonCulver: return res::IDC_JC;
    case kMethodNewton: return res::IDC_NEWTON;
    case kMethodFalsePosition:
    case kMethodNotChosen: break;
  }
  return res::IDC_FP;
}

}  // namespace

const std::array<int, 15>& CCalcDlg::EntryOrderEdits() { return kEntryOrderEdits; }

bool CCalcDlg::OnInitDialog() {
  SetDefaults();
  InitComponentTable();
  InitInteractionTable();
  surface_.SetText(res::IDC_TEMPERATURE, FormatGeneral(entryTemperatureF, 7));
  surface_.SetText(res::IDC_PRESSURE, FormatGeneral(entryPressure, 7));

  // The default report file lies in the directory the program started in.
  // When that directory cannot be named (it was removed), the bare name
  // still points into it, so a write fails there and is skipped instead of
  // landing in the root directory.
  const std::optional<std::string> directory = CurrentDirectory();
  surface_.SetText(res::IDC_REPORT_FILE,
                   directory ? *directory + kPathSeparator + "corvanetest.txt" : std::string("corvanetest.txt"));

  surface_.SetChecked(EosRadio(eosChoice), true);
  surface_.SetChecked(MethodRadio(solveMethod), true);
  if (polytropicRequested == 1) surface_.SetChecked(res::IDC_POLYTROPIC_BOX, true);
  if (cpRequested == 1) surface_.SetChecked(res::IDC_CP, true);
  if (jtRequested == 1) surface_.SetChecked(res::IDC_JT, true);
  if (viscosityRequested == 1) surface_.SetChecked(res::IDC_VISCOSITY_BOX, true);

  for (std::size_t i = 0; i < kEntryOrderEdits.size(); ++i)
    surface_.SetText(kEntryOrderEdits[i], FormatFixed(entryFractions[i], 5));
  UpdateCompositionSum();
  surface_.SetFocus(res::CalculatorDialog().initialFocus);
  return true;
}

void CCalcDlg::OnCommand(int id) {
  switch (id) {
    case res::ID_HELP: OnHelp(); break;
    case res::ID_RUN: OnRun(); break;
    case res::ID_VIEW: ShowBwrsConstants(); break;
    case res::ID_COPY: OnCopy(); break;
    case res::IDM_ABOUTBOX: OnAbout(); break;
    case res::IDOK:
    case res::IDCANCEL: surface_.EndDialog(id); break;
    case res::IDC_RESET: OnReset(); break;
    case res::IDC_SAVE: SaveMixture(); break;
    case res::IDC_RECALL: RecallMixture(); break;
    default: break;
  }
}

void CCalcDlg::OnEditChanged(int id) {
  if (id == res::IDC_REPORT_FILE) {
    OnReportFileNameChanged();
    return;
  }
  for (int edit : res::kCompositionEdits) {
    if (edit == id) {
      UpdateCompositionSum();
      return;
    }
  }
}

void CCalcDlg::OnHelp() { surface_.ShowHelp(); }
void CCalcDlg::OnAbout() { surface_.ShowAbout(); }

void CCalcDlg::OnCopy() {
  const std::string selected = surface_.SelectedText();
  surface_.CopyToClipboard(selected.empty() ? TabSeparatedLines(DialogRows(res::CalculatorDialog(), surface_))
                                            : selected);
}

void CCalcDlg::ShowMessage(const res::MessageText& message) {
  surface_.ShowMessage(message.text, message.caption, message.icon);
}

double CCalcDlg::ReadNumber(int id) const { return surface_.GetNumber(id); }

}  // namespace corvane
