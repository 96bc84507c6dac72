// Seeded random runs over the whole accepted domain: 14.7 to 3000 psia and
// -100 to 300 F; methane-rich mixtures of 2 to 15 gases, pure gases,
// mixtures without methane, and fractions of either sign summing to 1;
// every equation, method and optional box. Every run ends within bounded
// work, no result shown as a solution is impossible, and the report file
// holds one record per run that wrote one.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iostream>
#include <numeric>
#include <random>
#include <set>
#include <string>

#include "app/calc_dlg.h"
#include "platform/headless_surface.h"
#include "res/dialogs.h"
#include "temp_dir.h"
#include "thermo/work_counts.h"

namespace corvane {
namespace {

constexpr int kRuns = 5000;

// Johnson-Culver relaxes its tolerance tenfold after every 100 steps, so
// within 100 x 313 steps the tolerance times the pressure overflows and
// admits any pressure; false position takes at most 3 passes of 59 points,
// and a run solves at most 8 times (the density, 2 for Cp, 3 for JT, 2 for N).
constexpr std::uint64_t kMaxBwrsPressures = 100 * 313 + 8 * 3 * 59;
// One cubic solve a run: Johnson-Culver fails at 100 steps of one
// evaluation, Newton at 50 of two (the pressure and its slope), false
// position at 100 passes of two after its fixed end.
constexpr std::uint64_t kMaxCubicEvaluations = 1 + 2 * 100;

const std::set<std::string> kStoppingMessages = {
    "Pressure < 14.7 or > 3000.0 psia, run aborted", "Temperature < -100 or > 300 F, run aborted",
    "Mixture component sum not equal to 1.0 - Process aborted.", "Newton method not available for BWRS.",
    "Sorry, only methane component mixes are presently supported.", "This mixture is not supported."};

constexpr std::array<const char*, 15> kGasNames = {"methane", "ethane",   "propane", "isobutane", "nbutane",
                                                   "isopentane", "npentane", "nhexane", "nheptane", "co2",
                                                   "h2s",     "nitrogen", "helium",  "hydrogen",  "oxygen"};
constexpr std::array<int, 3> kEquations = {res::IDC_BWRS, res::IDC_PR, res::IDC_RKS};
constexpr std::array<int, 3> kMethods = {res::IDC_JC, res::IDC_FP, res::IDC_NEWTON};
constexpr std::array<int, 4> kBoxes = {res::IDC_CP, res::IDC_JT, res::IDC_VISCOSITY_BOX, res::IDC_POLYTROPIC_BOX};

// The shortest text that reads back as `value`: the edits hold the drawn values exactly.
std::string Text(double value) {
  std::array<char, 64> buffer{};
  return std::string(buffer.data(), std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr);
}

struct RunInput {
  double fahrenheit = 0;
  double psia = 0;
  std::array<double, 15> fractions{};  // res::kCompositionEdits order
  std::size_t equation = 0;
  std::size_t method = 0;
  std::array<bool, 4> boxes{};
  bool write = false;

  std::string Describe() const {
    std::string text = Text(psia) + " psia, " + Text(fahrenheit) + " F, " +
                       std::array{"bwrs", "pr", "rks"}[equation] + " " + std::array{"jc", "fp", "newton"}[method];
    for (std::size_t i = 0; i < fractions.size(); ++i)
      if (fractions[i] != 0) text += std::string(", ") + kGasNames[i] + " " + Text(fractions[i]);
    return text;
  }
};

class Draws {
 public:
  explicit Draws(std::uint64_t seed) : rng_(seed) {}

  RunInput Next() {
    RunInput in;
    in.psia = Uniform(14.7, 3000.0);
    in.fahrenheit = Uniform(-100.0, 300.0);
    in.fractions = Composition();
    in.equation = Pick(3);
    in.method = Pick(3);
    for (bool& box : in.boxes) box = Pick(2) == 0;
    in.write = Pick(4) == 0;
    return in;
  }

 private:
  double Uniform(double low, double high) { return std::uniform_real_distribution<double>(low, high)(rng_); }
  std::size_t Pick(std::size_t n) { return static_cast<std::size_t>(rng_() % n); }

  std::array<double, 15> Composition() {
    std::array<double, 15> x{};
    const std::size_t kind = Pick(4);
    if (kind == 1) {  // a pure gas
      x[Pick(15)] = 1.0;
      return x;
    }
    // Some gases besides methane; methane, or without it the last of them,
    // takes up the rest.
    const bool methaneFree = kind == 2;
    const bool eitherSign = kind == 3;
    std::array<std::size_t, 14> gases{};
    std::iota(gases.begin(), gases.end(), std::size_t{1});
    std::shuffle(gases.begin(), gases.end(), rng_);
    const std::size_t count = methaneFree ? 2 + Pick(13) : 1 + Pick(14);
    const std::size_t chosen = methaneFree ? count - 1 : count;
    double sum = 0.0;
    for (std::size_t k = 0; k < chosen; ++k) {
      x[gases[k]] = eitherSign ? Uniform(-2.0, 2.0) : Uniform(0.0, 0.3 / static_cast<double>(count));
      sum += x[gases[k]];
    }
    x[methaneFree ? gases[count - 1] : 0] = 1.0 - sum;
    return x;
  }

  std::mt19937_64 rng_;
};

std::size_t Occurrences(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++count;
  return count;
}

bool FiniteText(const std::string& text) {
  return text.find("inf") == std::string::npos && text.find("nan") == std::string::npos;
}

TEST(DomainSweep, EveryRunEndsInBoundedWorkAndShowsNoImpossibleResult) {
  TempDir dir;
  const std::string report = dir / "sweep-report.txt";
  HeadlessSurface surface;
  CCalcDlg dlg(surface);
  dlg.OnInitDialog();
  surface.SetText(res::IDC_REPORT_FILE, report);
  surface.SetChecked(res::IDC_APPEND, false);

  Draws draws(20261207);
  std::size_t written = 0;
  WorkCounts most;
  std::string mostBwrsAt;
  std::string mostCubicAt;
  for (int run = 0; run < kRuns; ++run) {
    const RunInput in = draws.Next();
    SCOPED_TRACE("run " + std::to_string(run) + ": " + in.Describe());
    surface.SetText(res::IDC_PRESSURE, Text(in.psia));
    surface.SetText(res::IDC_TEMPERATURE, Text(in.fahrenheit));
    for (std::size_t i = 0; i < in.fractions.size(); ++i)
      surface.SetText(res::kCompositionEdits[i], Text(in.fractions[i]));
    surface.SetChecked(kEquations[in.equation], true);
    surface.SetChecked(kMethods[in.method], true);
    for (std::size_t i = 0; i < kBoxes.size(); ++i) surface.SetChecked(kBoxes[i], in.boxes[i]);
    surface.SetChecked(res::IDC_WRITE, in.write);

    const std::size_t messagesBefore = surface.messages.size();
    const WorkCounts before = threadWorkCounts;
    dlg.OnRun();
    const std::uint64_t bwrs = threadWorkCounts.bwrsPressures - before.bwrsPressures;
    const std::uint64_t cubic = threadWorkCounts.cubicEvaluations - before.cubicEvaluations;

    EXPECT_LE(bwrs, kMaxBwrsPressures);
    EXPECT_LE(cubic, kMaxCubicEvaluations);
    if (bwrs > most.bwrsPressures) most.bwrsPressures = bwrs, mostBwrsAt = in.Describe();
    if (cubic > most.cubicEvaluations) most.cubicEvaluations = cubic, mostCubicAt = in.Describe();

    // A stored solution is a possible state; the display shows finite
    // numbers or its words, and no negative density or Z.
    const RunResults& r = dlg.results;
    if (r.density != 0.0) {
      EXPECT_TRUE(r.density > 0 && std::isfinite(r.density)) << r.density;
      EXPECT_TRUE(r.specVolume > 0 && std::isfinite(r.specVolume)) << r.specVolume;
      EXPECT_TRUE(r.zFactor > 0 && std::isfinite(r.zFactor)) << r.zFactor;
      EXPECT_TRUE(r.molWeight > 0 && std::isfinite(r.molWeight)) << r.molWeight;
      EXPECT_TRUE(std::isfinite(r.pressure)) << r.pressure;
    }
    for (int id : res::kResultStatics) EXPECT_TRUE(FiniteText(surface.GetText(id))) << surface.GetText(id);
    EXPECT_TRUE(FiniteText(surface.GetText(res::IDC_PRESSURE)));
    EXPECT_NE(surface.GetText(res::IDC_MOLAR_DENSITY).rfind('-', 0), 0u);
    EXPECT_NE(surface.GetText(res::IDC_COMPRESSIBILITY).rfind('-', 0), 0u);

    // A run writes its record when it reaches its end: no message stopped
    // it and no cubic solver failed.
    bool stopped = false;
    for (std::size_t m = messagesBefore; m < surface.messages.size(); ++m)
      stopped = stopped || kStoppingMessages.count(surface.messages[m].text) > 0;
    const std::string note = surface.GetText(res::IDC_METHOD_NOTE);
    const bool cubicFailed = in.equation != 0 && note.size() >= 18 && note.substr(note.size() - 18) == "Failed to converge";
    if (in.write && !stopped && !cubicFailed) ++written;
    if (HasFailure()) break;
  }

  const std::string records = ReadBytes(report);
  EXPECT_EQ(Occurrences(records, "\toxygen\r\n\r\n"), written);
  EXPECT_EQ(Occurrences(records, ", temperature F"), written);
  std::cout << kRuns << " runs, " << written << " written; most BWRS pressure evaluations " << most.bwrsPressures
            << " (" << mostBwrsAt << "); most cubic evaluations " << most.cubicEvaluations << " (" << mostCubicAt
            << ")\n";
}

}  // namespace
}  // namespace corvane
