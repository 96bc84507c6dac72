// A whole run from bytes: a state in the accepted range, a composition (a
// methane-rich mixture, a pure gas, a mixture without methane, fractions of
// either sign summing to 1, or any fifteen doubles), an equation, a method
// and the optional boxes. Whatever the run does, every result it shows is
// a finite number or one of the display's words, and no density, volume,
// Z or molecular weight it keeps is negative. The reference equation then
// runs on the state and composition the dialog read, and on a state far
// outside the accepted range: bounded work, and every value of a result it
// calls good is a finite number (density, Z and molecular weight above
// zero); otherwise a status says why. The stability test runs on the
// entered state too.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numeric>
#include <string>

#include "app/calc_dlg.h"
#include "fuzz_sandbox.h"
#include "gerg/reference.h"
#include "model/unit_factors.h"
#include "phase/stability.h"
#include "platform/headless_surface.h"
#include "res/dialogs.h"

namespace {

namespace res = corvane::res;

// The shortest text that reads back as `value`.
std::string Text(double value) {
  std::array<char, 64> buffer{};
  const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
  return std::string(buffer.data(), end);
}

// "-12.3456": a sign, digits, a point, digits; nothing else.
bool FixedNumber(const std::string& text) {
  std::size_t i = text.rfind('-', 0) == 0 ? 1 : 0;
  const std::size_t point = text.find('.');
  if (point == std::string::npos || point == i || point + 1 == text.size()) return false;
  for (; i < text.size(); ++i)
    if (i != point && (text[i] < '0' || text[i] > '9')) return false;
  return true;
}

// Fractions in the order of res::kCompositionEdits (methane first).
std::array<double, 15> Composition(FuzzedDataProvider& in) {
  std::array<double, 15> x{};
  const int kind = in.ConsumeIntegralInRange(0, 4);
  if (kind == 4) {  // anything at all
    for (double& value : x) value = in.ConsumeFloatingPoint<double>();
    return x;
  }
  if (kind == 1) {  // a pure gas
    x[in.ConsumeIntegralInRange<std::size_t>(0, 14)] = 1.0;
    return x;
  }
  // Every gas but methane, in an order from the input; the first `count`
  // take part. Methane, or without methane the last of them, takes up the rest.
  const bool methaneFree = kind == 2;
  const bool eitherSign = kind == 3;
  std::array<std::size_t, 14> gases{};
  std::iota(gases.begin(), gases.end(), std::size_t{1});
  for (std::size_t i = gases.size() - 1; i > 0; --i) std::swap(gases[i], gases[in.ConsumeIntegralInRange<std::size_t>(0, i)]);
  const std::size_t count = in.ConsumeIntegralInRange<std::size_t>(methaneFree ? 2 : 1, 14);
  const std::size_t chosen = methaneFree ? count - 1 : count;
  double sum = 0.0;
  for (std::size_t k = 0; k < chosen; ++k) {
    const double value = eitherSign ? in.ConsumeFloatingPointInRange(-2.0, 2.0)
                                    : in.ConsumeFloatingPointInRange(0.0, 0.3 / static_cast<double>(count));
    x[gases[k]] = value;
    sum += value;
  }
  x[methaneFree ? gases[count - 1] : 0] = 1.0 - sum;
  return x;
}

void CheckReference(const corvane::gerg::ReferenceResult& r) {
  namespace gerg = corvane::gerg;
  if (r.evaluations > 2 * gerg::kMostEvaluations + 8) std::abort();
  if (!r.HasValues()) {
    if (r.StatusText().empty()) std::abort();
    return;
  }
  if ((r.status == gerg::ReferenceStatus::kGasLike) != r.StatusText().empty()) std::abort();
  for (const gerg::ReferenceValues* v : {&r.us, &r.si}) {
    for (double value : {v->z, v->density, v->specificVolume, v->molecularWeight, v->enthalpy, v->entropy, v->cp,
                         v->cv, v->speedOfSound, v->jouleThomson, v->isentropicExponent, v->gibbsEnergy})
      if (!std::isfinite(value)) std::abort();
    if (!(v->density > 0) || !(v->z > 0) || !(v->molecularWeight > 0)) std::abort();
  }
}

// The stability test at the entered state: an answer of the four, and a
// two-phase answer a split of finite densities that lowers the Gibbs energy.
void CheckPhases(const std::array<double, 15>& fractions, double pressurePsia, double temperatureF) {
  namespace phase = corvane::phase;
  const corvane::gerg::ReferenceComposition c = corvane::gerg::FromEntryFractions(fractions);
  if (!c.accepted) return;
  const phase::FugacityModel model(c.x);
  const phase::StabilityResult r = phase::AnalysePhases(model, corvane::si::KelvinFromFahrenheit(temperatureF),
                                                        pressurePsia * corvane::si::kKilopascalPerPsi, c.x);
  if (!std::isfinite(r.leastTpd)) std::abort();
  if (r.answer == phase::PhaseAnswer::kTwoPhase) {
    const phase::FlashResult& f = r.flash;
    if (!(f.vapourFraction > 0.0 && f.vapourFraction < 1.0) || !(f.gibbsChange < 0.0)) std::abort();
    if (!(f.vapourPhase.density > 0.0) || !(f.liquidPhase.density > 0.0)) std::abort();
    if (!std::isfinite(f.vapourPhase.density) || !std::isfinite(f.liquidPhase.density)) std::abort();
  }
}

void CheckReference(const corvane::gerg::ReferenceRoots& roots) {
  CheckReference(roots.primary);
  if (roots.other) {
    if (!roots.primary.HasValues()) std::abort();
    CheckReference(*roots.other);
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  corvane::fuzz::EnterSandbox(argc, argv);  // the default report name lies there
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  corvane::HeadlessSurface surface;
  corvane::CCalcDlg dlg(surface);
  dlg.OnInitDialog();

  surface.SetText(res::IDC_PRESSURE, Text(in.ConsumeFloatingPointInRange(14.7, 3000.0)));
  surface.SetText(res::IDC_TEMPERATURE, Text(in.ConsumeFloatingPointInRange(-100.0, 300.0)));
  const std::array<double, 15> x = Composition(in);
  for (std::size_t i = 0; i < x.size(); ++i) surface.SetText(res::kCompositionEdits[i], Text(x[i]));
  constexpr int kEquations[] = {res::IDC_BWRS, res::IDC_PR, res::IDC_RKS};
  constexpr int kMethods[] = {res::IDC_JC, res::IDC_FP, res::IDC_NEWTON};
  surface.SetChecked(kEquations[in.ConsumeIntegralInRange(0, 2)], true);
  surface.SetChecked(kMethods[in.ConsumeIntegralInRange(0, 2)], true);
  for (int box : {res::IDC_CP, res::IDC_JT, res::IDC_VISCOSITY_BOX, res::IDC_POLYTROPIC_BOX})
    surface.SetChecked(box, in.ConsumeBool());

  dlg.OnRun();

  for (int id : res::kResultStatics) {
    const std::string shown = surface.GetText(id);
    if (!shown.empty() && shown != "No solution" && shown != "BWRS only" && !FixedNumber(shown)) std::abort();
  }
  const std::string pressure = surface.GetText(res::IDC_PRESSURE);
  if (pressure.find("inf") != std::string::npos || pressure.find("nan") != std::string::npos) std::abort();
  const corvane::RunResults& r = dlg.results;
  if (r.density < 0 || r.specVolume < 0 || r.zFactor < 0 || r.molWeight < 0) std::abort();
  if ((r.density > 0) != (r.zFactor > 0)) std::abort();

  corvane::gerg::ReferenceCalculator reference;
  CheckReference(reference.CalculateRoots(dlg.entryFractions, dlg.entryPressure, dlg.entryTemperatureF));
  const double farPressure = in.ConsumeFloatingPointInRange(1e-6, 1e6);          // psia
  const double farTemperature = in.ConsumeFloatingPointInRange(-459.0, 2500.0);  // F
  CheckReference(reference.CalculateRoots(dlg.entryFractions, farPressure, farTemperature));
  const std::array<double, 15>& anyFifteen = x;  // as fuzzed: maybe NaN, infinite, negative
  CheckReference(reference.Calculate(anyFifteen, farPressure, farTemperature));
  CheckPhases(dlg.entryFractions, dlg.entryPressure, dlg.entryTemperatureF);
  return 0;
}
