#include "validation/program_runs.h"

#include <array>

#include "app/calc_dlg.h"
#include "platform/headless_surface.h"
#include "res/resource.h"

namespace corvane::validation {

namespace {

// The composition edits in the order of ReferenceState::fractionTexts.
constexpr std::array<int, 15> kFractionEdits = {
    res::IDC_METHANE, res::IDC_ETHANE,   res::IDC_PROPANE,  res::IDC_ISOBUTANE, res::IDC_NBUTANE,
    res::IDC_ISOPENTANE, res::IDC_NPENTANE, res::IDC_NHEXANE, res::IDC_NHEPTANE, res::IDC_CO2,
    res::IDC_HYDROGEN, res::IDC_H2S,     res::IDC_HELIUM,   res::IDC_NITROGEN,  res::IDC_OXYGEN};

int EquationButton(Equation equation) {
  switch (equation) {
    case Equation::PengRobinson: return res::IDC_PR;
    case Equation::RedlichKwongSoave: return res::IDC_RKS;
    default: return res::IDC_BWRS;
  }
}

int MethodButton(Method method) {
  switch (method) {
    case Method::JohnsonCulver: return res::IDC_JC;
    case Method::Newton: return res::IDC_NEWTON;
    default: return res::IDC_FP;
  }
}

}  // namespace

ProgramRun RunProgram(const ReferenceState& state, Equation equation, Method method, bool caloric,
                      const std::optional<std::string>& pressureText) {
  HeadlessSurface surface;
  CCalcDlg dlg(surface);
  dlg.OnInitDialog();
  surface.SetText(res::IDC_TEMPERATURE, state.temperatureText);
  surface.SetText(res::IDC_PRESSURE, pressureText.value_or(state.pressureText));
  for (std::size_t i = 0; i < kFractionEdits.size(); ++i) surface.SetText(kFractionEdits[i], state.fractionTexts[i]);
  surface.SetChecked(EquationButton(equation), true);
  surface.SetChecked(MethodButton(method), true);
  surface.SetChecked(res::IDC_CP, caloric);
  surface.SetChecked(res::IDC_JT, caloric);
  surface.SetChecked(res::IDC_VISCOSITY_BOX, true);
  surface.SetChecked(res::IDC_POLYTROPIC_BOX, false);
  surface.SetChecked(res::IDC_WRITE, false);
  dlg.OnRun();

  ProgramRun run;
  run.note = surface.GetText(res::IDC_METHOD_NOTE);
  run.z = dlg.results.zFactor;
  run.density = dlg.results.density;
  run.enthalpy = dlg.results.enthalpy;
  run.cp = dlg.results.specificHeat;
  run.jouleThomson = dlg.results.jouleThomson;
  run.viscosity = dlg.results.viscosity;
  for (const ShownMessage& message : surface.messages) {
    if (!run.messages.empty()) run.messages += "; ";
    run.messages += message.text;
  }
  // A run without a density shows zeros (and, for false position, its
  // warning first); a cubic method that gave up says so in the note.
  if (run.note.find("Failed to converge") != std::string::npos) {
    run.failure = run.note;
  } else if (!(run.z > 0) || !(run.density > 0)) {
    run.failure = run.messages.empty() ? "no density" : run.messages;
  }
  return run;
}

}  // namespace corvane::validation
