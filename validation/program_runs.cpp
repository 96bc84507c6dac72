#include "validation/program_runs.h"

#include "app/calc_dlg.h"
#include "platform/headless_surface.h"
#include "res/resource.h"

namespace corvane::validation {

ProgramRun RunProgram(const ReferenceState& state, int equationButton, int methodButton, bool caloric,
                      const std::optional<std::string>& pressureText) {
  HeadlessSurface surface;
  CCalcDlg dlg(surface);
  dlg.OnInitDialog();
  surface.SetText(res::IDC_TEMPERATURE, state.temperatureText);
  surface.SetText(res::IDC_PRESSURE, pressureText.value_or(state.pressureText));
  for (std::size_t i = 0; i < FractionColumns().size(); ++i)
    surface.SetText(FractionColumns()[i].editId, state.fractionTexts[i]);
  surface.SetChecked(equationButton, true);
  surface.SetChecked(methodButton, true);
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
