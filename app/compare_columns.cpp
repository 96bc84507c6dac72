#include "app/compare_columns.h"

#include "res/dialogs.h"
#include "text/number_text.h"

namespace corvane {

const std::array<EquationColumn, 3> kEquationColumns = {{
    {CompareColumn::Bwrs, res::IDC_BWRS, res::IDC_FP, "BWRS", {0, 90, 200}},
    {CompareColumn::PengRobinson, res::IDC_PR, res::IDC_NEWTON, "PR", {200, 60, 0}},
    {CompareColumn::RedlichKwongSoave, res::IDC_RKS, res::IDC_NEWTON, "RKS", {0, 140, 60}},
}};

namespace {

// The window's inputs with this column's equation and method, the report
// off so that no record is written, and the optional boxes given.
TypedInputs ColumnInputs(const TypedInputs& window, const EquationColumn& column) {
  TypedInputs inputs = window;
  inputs.checks.emplace_back(column.eosRadio, true);
  inputs.checks.emplace_back(column.methodRadio, true);
  inputs.checks.emplace_back(res::IDC_WRITE, false);
  inputs.checks.emplace_back(res::IDC_APPEND, false);
  return inputs;
}

// The note of a run, then the texts of the message boxes it raised; the
// note is left out while it still says what it said at start-up.
std::string NoteWithMessages(const HeadlessSurface& surface) {
  const std::string note = surface.GetText(res::IDC_METHOD_NOTE);
  const res::ControlResource* startUp = res::FindControl(res::CalculatorDialog(), res::IDC_METHOD_NOTE);
  std::string text = startUp != nullptr && note == startUp->text ? std::string() : note;
  for (const ShownMessage& message : surface.messages) text += (text.empty() ? "" : " / ") + message.text;
  return text;
}

// The Joule-Thomson coefficient on the textbook sign, positive when the gas
// cools on expansion: the Run's value negated, in the Run's format.
std::string CoolingPositive(double runValue) {
  const double cooling = -runValue;
  return FormatFixed(cooling == 0 ? 0.0 : cooling, 4);
}

}  // namespace

EquationRun RunEquation(FreshCalculator& calculator, const TypedInputs& window, const EquationColumn& column) {
  TypedInputs inputs = ColumnInputs(window, column);
  inputs.checks.emplace_back(res::IDC_CP, true);
  inputs.checks.emplace_back(res::IDC_JT, true);
  calculator.Run(inputs);
  const HeadlessSurface& surface = calculator.surface();
  const CCalcDlg& dialog = calculator.dialog();

  EquationRun run;
  run.compressibility = surface.GetText(res::IDC_COMPRESSIBILITY);
  run.shown = !run.compressibility.empty();
  run.zFactor = run.shown ? dialog.results.zFactor : 0.0;
  run.molarDensity = surface.GetText(res::IDC_MOLAR_DENSITY);
  run.specificVolume = surface.GetText(res::IDC_SPECIFIC_VOLUME);
  run.molecularWeight = surface.GetText(res::IDC_MOLECULAR_WEIGHT);
  run.specificHeat = surface.GetText(res::IDC_SPECIFIC_HEAT);
  const std::string jouleThomson = surface.GetText(res::IDC_JOULE_THOMSON);
  run.jouleThomson = jouleThomson.empty() || jouleThomson == res::kBwrsOnlyText
                         ? jouleThomson
                         : CoolingPositive(dialog.results.jouleThomson);
  run.note = NoteWithMessages(surface);
  run.raisedMessage = !surface.messages.empty();
  return run;
}

std::vector<std::optional<double>> EquationZAlongIsotherm(FreshCalculator& calculator, const TypedInputs& window,
                                                          const EquationColumn& column,
                                                          const std::vector<double>& pressures) {
  std::vector<std::optional<double>> z;
  z.reserve(pressures.size());
  TypedInputs inputs = ColumnInputs(window, column);
  for (int box : {res::IDC_CP, res::IDC_JT, res::IDC_VISCOSITY_BOX, res::IDC_POLYTROPIC_BOX})
    inputs.checks.emplace_back(box, false);
  inputs.texts.emplace_back(res::IDC_PRESSURE, "");
  std::string& pressureText = inputs.texts.back().second;
  for (double pressure : pressures) {
    pressureText = FormatFixed(pressure, 1);
    calculator.Run(inputs);
    const double value = calculator.dialog().results.zFactor;
    if (calculator.surface().messages.empty() && value > 0) z.emplace_back(value);
    else z.emplace_back(std::nullopt);
  }
  return z;
}

}  // namespace corvane
