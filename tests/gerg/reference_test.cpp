// GERG-2008 from the dialog's inputs: each gas as itself, the shipped
// reference states in the window's units, the butanes and pentanes in
// pairs, refusals, normalisation and the calculator's cache.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>

#include "check_states.h"
#include "gerg/reference.h"
#include "model/unit_factors.h"

namespace corvane::gerg::test {
namespace {

using Fractions = std::array<double, kGasCount>;

Fractions Only(Gas gas) {
  Fractions f{};
  f[Index(gas)] = 1.0;
  return f;
}

// The check states of the pure gases at 300 F and 14.7 psia, by the name
// the file gives each (pure_isobutane, pure_n_butane, ...).
const CheckState& PureState(Gas gas) {
  std::string name(kGerg2008.components[Index(ComponentOf(gas))].name);
  for (char& c : name)
    if (c == ' ' || c == '-') c = '_';
  for (const CheckState& s : CheckStates())
    if (s.name == "pure_" + name && s.temperature > 400) return s;
  throw std::runtime_error("no check state pure_" + name);
}

void ExpectRelative(double computed, double expected, double tolerance, const std::string& what) {
  EXPECT_LE(std::abs(computed - expected), tolerance * std::abs(expected)) << what << ": " << computed << " against "
                                                                           << expected;
}

TEST(GergReference, EachEnteredGasIsItself) {
  ReferenceCalculator calculator;
  for (Gas gas : kEntryOrder) {
    const CheckState& s = PureState(gas);
    const ReferenceResult r = calculator.Calculate(Only(gas), 14.7, 300.0);
    ASSERT_EQ(r.status, ReferenceStatus::kGasLike) << s.name;
    const double M = s.molarMass;
    ExpectRelative(r.si.z, s.z, 1e-11, s.name + " Z");
    ExpectRelative(r.si.density, s.density, 1e-11, s.name + " density");
    ExpectRelative(r.si.molecularWeight, M, 1e-15, s.name + " M");
    ExpectRelative(r.si.enthalpy, s.enthalpy / M, 1e-11, s.name + " H");
    ExpectRelative(r.si.entropy, s.entropy / M, 1e-11, s.name + " S");
    ExpectRelative(r.si.cp, s.cp / M, 1e-11, s.name + " Cp");
    ExpectRelative(r.si.cv, s.cv / M, 1e-11, s.name + " Cv");
    ExpectRelative(r.si.speedOfSound, s.speedOfSound, 1e-11, s.name + " W");
    ExpectRelative(r.si.jouleThomson, -s.jouleThomson, 1e-10, s.name + " JT");
    ExpectRelative(r.si.isentropicExponent, s.isentropicExponent, 1e-11, s.name + " kappa");
    ExpectRelative(r.si.gibbsEnergy, s.gibbsEnergy / M, 1e-11, s.name + " G");
  }
}

// validation/gerg2008_states.csv: 330 gas-phase states of ten gases, in
// the window's units, computed by the reference implementation and
// converted with factors of ten significant digits (its header says which).
TEST(GergReference, TheShippedStatesInTheWindowsUnits) {
  std::ifstream in(CORVANE_VALIDATION_STATES, std::ios::binary);
  ASSERT_TRUE(in) << CORVANE_VALIDATION_STATES;
  std::string line;
  std::vector<std::string> header;
  ReferenceCalculator calculator;
  int compared = 0;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> fields;
    std::stringstream stream(line);
    for (std::string field; std::getline(stream, field, ',');) fields.push_back(field);
    if (header.empty()) {
      header = fields;
      continue;
    }
    ASSERT_EQ(fields.size(), header.size());
    std::map<std::string, double> v;
    for (std::size_t k = 1; k < fields.size(); ++k) {
      double value = 0;
      std::from_chars(fields[k].data(), fields[k].data() + fields[k].size(), value);
      v[header[k]] = value;
    }
    Fractions fractions{};
    for (std::size_t k = 0; k < kGasCount; ++k) fractions[k] = v[header[3 + k]];
    const ReferenceResult r = calculator.Calculate(fractions, v["P_psia"], v["T_F"]);
    const std::string where = fields[0] + " " + fields[1] + " F " + fields[2] + " psia";
    ASSERT_EQ(r.status, ReferenceStatus::kGasLike) << where;
    ++compared;
    ExpectRelative(r.us.z, v["gerg_Z"], 1e-9, where + " Z");
    ExpectRelative(r.us.density, v["gerg_rho_lbmol_ft3"], 2e-9, where + " density");
    ExpectRelative(r.us.molecularWeight, v["gerg_M_lbm_lbmol"], 1e-9, where + " M");
    EXPECT_NEAR(r.us.enthalpy, v["gerg_H_btu_lbm"], 1e-9 * (std::abs(v["gerg_H_btu_lbm"]) + 100)) << where;
    ExpectRelative(r.us.cp, v["gerg_Cp_btu_lbm_R"], 3e-9, where + " Cp");
    // The file's JT is the textbook one, positive when the gas cools.
    EXPECT_NEAR(r.us.jouleThomson, -v["gerg_JT_R_psi"], 1e-9 * std::abs(v["gerg_JT_R_psi"]) + 1e-12) << where;
  }
  EXPECT_EQ(compared, 330);
}

// The pair as listed (i first) against the same pair listed the other way
// round, which takes 1/beta: the same model. Without 1/beta (a known
// mistake) the butanes' results move. Entered through the dialog's gases,
// 30 % of the iso form and 70 % of the normal one are those components, not
// the other way round.
TEST(GergReference, ButanesAndPentanesInPairs) {
  for (const auto& [first, second] : {std::pair{Component::IsoButane, Component::NButane},
                                      std::pair{Component::IsoPentane, Component::NPentane}}) {
    Gerg2008Parameters reversed = kGerg2008, mistaken = kGerg2008;
    for (std::size_t p = 0; p < kPairCount; ++p) {
      BinaryParameters& b = reversed.binaries[p];
      if (b.i != first || b.j != second) continue;
      std::swap(b.i, b.j);
      mistaken.binaries[p] = b;
      b.betaV = 1.0 / b.betaV;
      b.betaT = 1.0 / b.betaT;
    }
    Composition x{};
    x[Index(first)] = 0.3;
    x[Index(second)] = 0.7;
    const double T = 400.0, rho = 2.0;
    const StateProperties listed = PropertiesAt(Isotherm(Mixture(x), T), rho);
    const StateProperties other = PropertiesAt(Isotherm(Mixture(x, reversed), T), rho);
    const StateProperties wrong = PropertiesAt(Isotherm(Mixture(x, mistaken), T), rho);
    ExpectRelative(other.pressure, listed.pressure, 1e-14, "pressure, the pair listed the other way round");
    ExpectRelative(other.cp, listed.cp, 1e-13, "Cp, the pair listed the other way round");
    // The pentanes' betas are 1: for them the order cannot matter.
    if (first == Component::IsoButane) {
      EXPECT_GT(std::abs(wrong.pressure - listed.pressure), 1e-7 * listed.pressure);
    }

    // Entered as the dialog's gases: the entry of each is its own component.
    const Gas gasFirst = first == Component::IsoButane ? Gas::IsoButane : Gas::IsoPentane;
    const Gas gasSecond = first == Component::IsoButane ? Gas::NButane : Gas::NPentane;
    Fractions entered{};
    entered[Index(gasFirst)] = 0.3;
    entered[Index(gasSecond)] = 0.7;
    ReferenceCalculator calculator;
    const ReferenceResult r = calculator.Calculate(entered, 14.7, 300.0);
    const Mixture mixture(x);
    const Isotherm isotherm(mixture, si::KelvinFromFahrenheit(300.0));
    const StateProperties direct = PropertiesAt(isotherm, DensityAt(isotherm, 14.7 * si::kKilopascalPerPsi).density);
    EXPECT_EQ(r.model.density, direct.density);
    EXPECT_EQ(r.model.cp, direct.cp);
    std::swap(entered[Index(gasFirst)], entered[Index(gasSecond)]);
    EXPECT_NE(calculator.Calculate(entered, 14.7, 300.0).model.cp, direct.cp);
  }
}

TEST(GergReference, RefusesWhatItCannotCompute) {
  ReferenceCalculator calculator;
  Fractions f = Only(Gas::Methane);
  f[Index(Gas::NButane)] = -0.01;
  ReferenceResult r = calculator.Calculate(f, 1000, 80);
  EXPECT_EQ(r.status, ReferenceStatus::kRefusedComposition);
  EXPECT_FALSE(r.HasValues());
  EXPECT_EQ(r.StatusText(), "negative mole fraction of n-butane");
  f[Index(Gas::NButane)] = std::nan("");
  EXPECT_EQ(calculator.Calculate(f, 1000, 80).StatusText(), "mole fraction of n-butane is not a number");
  EXPECT_EQ(calculator.Calculate(Fractions{}, 1000, 80).StatusText(), "no gas in the mixture");
  f[Index(Gas::NButane)] = -0.0;  // a zero
  EXPECT_EQ(calculator.Calculate(f, 1000, 80).status, ReferenceStatus::kGasLike);
  for (const auto& [pressure, temperature] : {std::pair{0.0, 80.0}, std::pair{1000.0, -459.67},
                                              std::pair{std::nan(""), 80.0}, std::pair{1000.0, HUGE_VAL}}) {
    r = calculator.Calculate(Only(Gas::Methane), pressure, temperature);
    EXPECT_EQ(r.status, ReferenceStatus::kRefusedState) << pressure << " psia " << temperature << " F";
    EXPECT_EQ(r.StatusText(), "temperature or pressure is not a positive number");
  }
}

bool SameBits(const ReferenceValues& a, const ReferenceValues& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST(GergReference, NormalisesAndKeepsNothingThatChangesAResult) {
  Fractions startup{};
  startup[Index(Gas::Methane)] = 0.96;
  startup[Index(Gas::Ethane)] = 0.02;
  startup[Index(Gas::Propane)] = 0.005;
  startup[Index(Gas::IsoButane)] = 0.002;
  startup[Index(Gas::NButane)] = 0.002;
  startup[Index(Gas::IsoPentane)] = 0.0005;
  startup[Index(Gas::NPentane)] = 0.0005;
  startup[Index(Gas::CarbonDioxide)] = 0.007;
  startup[Index(Gas::Nitrogen)] = 0.003;
  Fractions doubled = startup;
  for (double& f : doubled) f *= 2.0;  // halved again exactly by the sum
  Fractions hydrogen = startup;
  hydrogen[Index(Gas::Hydrogen)] = 0.1;  // summing to 1.1

  ReferenceCalculator kept;
  const ReferenceResult a = kept.Calculate(startup, 1000, 80);
  const ReferenceResult b = kept.Calculate(hydrogen, 1000, 80);
  const ReferenceResult c = kept.Calculate(startup, 500, 80);
  const ReferenceResult d = kept.Calculate(startup, 1000, 80);
  EXPECT_TRUE(SameBits(a.us, d.us));
  EXPECT_TRUE(SameBits(b.us, ReferenceCalculator().Calculate(hydrogen, 1000, 80).us));
  EXPECT_TRUE(SameBits(c.us, ReferenceCalculator().Calculate(startup, 500, 80).us));
  EXPECT_TRUE(SameBits(a.us, ReferenceCalculator().Calculate(doubled, 1000, 80).us));
  // More temperatures than the calculator keeps, twice over in turn: each
  // the same bits as from a fresh calculator.
  for (int round = 0; round < 2; ++round) {
    for (int k = 0; k < 300; ++k) {
      const double T = -100.0 + 400.0 * k / 299.0;
      const ReferenceResult kept300 = kept.Calculate(startup, 1000, T);
      if (k % 37 == round) {
        EXPECT_TRUE(SameBits(kept300.us, ReferenceCalculator().Calculate(startup, 1000, T).us)) << T;
      }
    }
  }
  // Hydrogen as itself: the molar mass of the normalised mixture.
  EXPECT_NEAR(b.us.molecularWeight, (a.us.molecularWeight + 0.1 * 2.01588) / 1.1, 1e-12);
  // The start-up state: the gas cools on expansion, shown negative.
  EXPECT_LT(a.us.jouleThomson, 0.0);
}

TEST(GergReference, ADenseRootSaysSoAndBothRootsAreOffered) {
  Fractions rich{};
  rich[Index(Gas::Methane)] = 0.8;
  rich[Index(Gas::Ethane)] = 0.1;
  rich[Index(Gas::Propane)] = 0.05;
  rich[Index(Gas::IsoButane)] = 0.01;
  rich[Index(Gas::NButane)] = 0.01;
  rich[Index(Gas::CarbonDioxide)] = 0.015;
  rich[Index(Gas::Nitrogen)] = 0.015;
  ReferenceCalculator calculator;
  const ReferenceResult dense = calculator.Calculate(rich, 1500, -100);
  EXPECT_EQ(dense.status, ReferenceStatus::kDense);
  EXPECT_TRUE(dense.HasValues());
  EXPECT_EQ(dense.StatusText(), "dense (liquid-like) root");
  EXPECT_TRUE(std::isfinite(dense.us.z) && dense.us.z > 0);

  // The sour gas of the check states at -100 F and 500 psia: a gas-like
  // root and a liquid-like one.
  for (const CheckState& s : CheckStates()) {
    if (s.name != "sour" || s.temperature > 200 || s.pressure < 3000 || s.pressure > 4000) continue;
    Fractions sour{};
    for (Gas gas : kEntryOrder) sour[Index(gas)] = s.x[Index(ComponentOf(gas))];
    const ReferenceRoots roots = calculator.CalculateRoots(sour, 500, -100);
    EXPECT_EQ(roots.primary.status, ReferenceStatus::kGasLike);
    EXPECT_EQ(roots.primary.StatusText(), "");
    ASSERT_TRUE(roots.other.has_value());
    EXPECT_EQ(roots.other->status, ReferenceStatus::kDense);
    ExpectRelative(roots.primary.model.density, s.density, 1e-11, "gas-like root");
    ExpectRelative(roots.other->model.density, s.liquidSearchDensity, 1e-11, "liquid-like root");
    EXPECT_EQ(roots.OtherIsLower(), roots.other->model.gibbsEnergy < roots.primary.model.gibbsEnergy);
    EXPECT_TRUE(SameBits(roots.primary.us, calculator.Calculate(sour, 500, -100).us));
  }
  const ReferenceRoots single = calculator.CalculateRoots(Only(Gas::Methane), 1000, 80);
  EXPECT_FALSE(single.other.has_value());
}

}  // namespace
}  // namespace corvane::gerg::test
