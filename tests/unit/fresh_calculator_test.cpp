// A run started from a copy of a pristine dialog must be exactly the first
// run of a freshly started calculator, whatever ran on the copy before.
#include "app/fresh_calculator.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "res/dialogs.h"
#include "res/resource.h"

namespace corvane {
namespace {

// Everything a run leaves visible or stored that a later run could read.
std::string Fingerprint(const HeadlessSurface& surface, const CCalcDlg& dlg) {
  std::string text;
  for (int id : res::kResultStatics) text += surface.GetText(id) + "|";
  text += surface.GetText(res::IDC_PRESSURE) + "|" + surface.GetText(res::IDC_METHOD_NOTE) + "|" +
          surface.GetText(res::IDC_SUM) + "|";
  for (const ShownMessage& m : surface.messages) text += m.caption + ":" + m.text + "|";
  const RunResults& r = dlg.results;
  for (double v : {r.pressure, r.density, r.specVolume, r.enthalpy, r.zFactor, r.viscosity, r.specificHeat, r.molWeight,
                   r.polytropicN, r.jouleThomson, dlg.enthalpyReference, dlg.mixture.A0, dlg.mixture.gamma,
                   dlg.molarDensity, dlg.stateTemperature}) {
    char bytes[sizeof v];
    std::memcpy(bytes, &v, sizeof v);
    text.append(bytes, sizeof v);
  }
  text += std::to_string(dlg.eosChoice) + std::to_string(dlg.solveMethod) + std::to_string(dlg.compositionAccepted);
  return text;
}

TypedInputs RandomInputs(std::mt19937& random) {
  auto pick = [&](std::size_t n) { return static_cast<std::size_t>(random() % n); };
  static const char* pressures[] = {"14.7", "1000", "3000", "522.7", "2999.9", "10", "abc", "1e400", "150.5"};
  static const char* temperatures[] = {"-100", "80", "300", "0", "-40.5", "301", "212"};
  static const int equations[] = {res::IDC_BWRS, res::IDC_PR, res::IDC_RKS};
  static const int methods[] = {res::IDC_JC, res::IDC_FP, res::IDC_NEWTON};
  static const int boxes[] = {res::IDC_CP, res::IDC_JT, res::IDC_VISCOSITY_BOX, res::IDC_POLYTROPIC_BOX};
  TypedInputs inputs;
  inputs.texts.emplace_back(res::IDC_PRESSURE, pressures[pick(std::size(pressures))]);
  inputs.texts.emplace_back(res::IDC_TEMPERATURE, temperatures[pick(std::size(temperatures))]);
  switch (pick(4)) {
    case 0: break;  // the start-up gas
    case 1:
      inputs.texts = {{res::IDC_PRESSURE, "800"}, {res::IDC_TEMPERATURE, "60"}};
      for (int id : res::kCompositionEdits) inputs.texts.emplace_back(id, "0");
      inputs.texts.emplace_back(res::IDC_METHANE, "0.85");
      inputs.texts.emplace_back(res::IDC_PROPANE, "0.15");
      break;
    case 2:  // methane-free: refused by BWRS
      for (int id : res::kCompositionEdits) inputs.texts.emplace_back(id, "0");
      inputs.texts.emplace_back(res::IDC_ETHANE, "1");
      break;
    default:  // a sum the run refuses
      inputs.texts.emplace_back(res::IDC_METHANE, "0.5");
  }
  inputs.checks.emplace_back(equations[pick(3)], true);
  inputs.checks.emplace_back(methods[pick(3)], true);
  for (int box : boxes) inputs.checks.emplace_back(box, pick(3) != 0);
  return inputs;
}

TEST(FreshCalculator, EveryRunIsTheFirstRunOfAFreshlyStartedCalculator) {
  std::mt19937 random(14);
  FreshCalculator reused{TypedInputs{}};
  for (int n = 0; n < 300; ++n) {
    const TypedInputs inputs = RandomInputs(random);
    reused.Run(inputs);

    HeadlessSurface surface;
    CCalcDlg fresh(surface);
    fresh.OnInitDialog();
    for (const auto& [id, text] : inputs.texts) surface.SetText(id, text);
    for (const auto& [id, checked] : inputs.checks) surface.SetChecked(id, checked);
    fresh.OnRun();
    ASSERT_EQ(Fingerprint(reused.surface(), reused.dialog()), Fingerprint(surface, fresh)) << "run " << n;
  }
}

}  // namespace
}  // namespace corvane
