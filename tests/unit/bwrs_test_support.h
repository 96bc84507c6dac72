// Shared set-up of the BWRS tests: the program's tables with a chosen
// composition, and a dialog on a headless surface.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>

#include "app/calc_dlg.h"
#include "platform/headless_surface.h"
#include "res/resource.h"
#include "thermo/bwrs_mixing.h"
#include "thermo/component_table.h"
#include "text/number_text.h"

namespace corvane::testing {

// The component table with every fraction 0 but those given (slot, x).
inline ComponentTable TableWith(std::initializer_list<std::pair<int, double>> fractions) {
  ComponentTable table;
  FillComponentTable(table);
  for (auto& record : table) record.moleFraction = 0;
  for (const auto& [slot, x] : fractions) table[slot].moleFraction = x;
  return table;
}

inline InteractionTable Interactions() {
  InteractionTable k;
  FillInteractionTable(k);
  return k;
}

inline MixtureCoefficients PureCoefficients(int slot) {
  return PureComponentMixture(TableWith({{slot, 1.0}}), slot).coefficients;
}

constexpr double kR = 10.7335;
inline double Rankine(double fahrenheit) { return fahrenheit + 459.67; }

// A started dialog; Run() sets the state and the single-component or mixed
// composition the test names through the edits, as a user would.
class DialogHarness {
 public:
  DialogHarness() : dialog(surface) { dialog.OnInitDialog(); }

  void SetComposition(std::initializer_list<std::pair<int, std::string>> edits) {
    dialog.OnReset();
    for (const auto& [id, text] : edits) surface.SetText(id, text);
  }
  void SetState(const std::string& fahrenheit, const std::string& psia) {
    surface.SetText(res::IDC_TEMPERATURE, fahrenheit);
    surface.SetText(res::IDC_PRESSURE, psia);
  }
  void Check(int id) { surface.SetChecked(id, true); }
  void Uncheck(int id) { surface.SetChecked(id, false); }
  void UncheckOptions() {
    for (int id : {res::IDC_CP, res::IDC_JT, res::IDC_VISCOSITY_BOX, res::IDC_POLYTROPIC_BOX}) Uncheck(id);
  }
  void Run() { dialog.OnRun(); }
  std::string Text(int id) const { return surface.GetText(id); }

  HeadlessSurface surface;
  CCalcDlg dialog;
};

}  // namespace corvane::testing
