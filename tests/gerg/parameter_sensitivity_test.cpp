// Every parameter of methane, nitrogen, carbon dioxide, ethane and propane
// and of their pairs (with the departure functions those pairs use) is seen
// by the check states: one unit more in the fifth significant digit of any
// of them (one more for an integer exponent) makes at least one state's
// properties at (T, D) leave the tolerance. Zeros are left alone (there is
// no fifth digit; a zero theta or F means no such term), and so is the
// epsilon of a departure term whose eta is zero, which nothing depends on.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "check_states.h"

namespace corvane::gerg::test {
namespace {

constexpr Component kChecked[] = {Component::Methane, Component::Nitrogen, Component::CarbonDioxide, Component::Ethane,
                                  Component::Propane};

bool IsChecked(Component c) {
  for (Component k : kChecked)
    if (k == c) return true;
  return false;
}

// One unit in the fifth significant digit of v.
double FifthDigitUp(double v) { return v + std::pow(10.0, std::floor(std::log10(std::abs(v))) - 4.0); }

struct Perturbation {
  std::string name;
  std::function<void(Gerg2008Parameters&)> apply;
};

std::vector<Perturbation> Perturbations() {
  std::vector<Perturbation> list;
  const auto real = [&list](const std::string& name, double value, std::function<double&(Gerg2008Parameters&)> at) {
    if (value != 0.0) list.push_back({name, [at](Gerg2008Parameters& m) { at(m) = FifthDigitUp(at(m)); }});
  };
  const auto integer = [&list](const std::string& name, int value, std::function<int&(Gerg2008Parameters&)> at) {
    if (value != 0) list.push_back({name, [at](Gerg2008Parameters& m) { ++at(m); }});
  };
  const Gerg2008Parameters& model = kGerg2008;
  for (Component component : kChecked) {
    const std::size_t i = Index(component);
    const ComponentParameters& c = model.components[i];
    const std::string name(c.name);
    real(name + " M", c.molarMass, [i](Gerg2008Parameters& m) -> double& { return m.components[i].molarMass; });
    real(name + " Tc", c.criticalTemperature,
         [i](Gerg2008Parameters& m) -> double& { return m.components[i].criticalTemperature; });
    real(name + " rhoc", c.criticalDensity,
         [i](Gerg2008Parameters& m) -> double& { return m.components[i].criticalDensity; });
    for (std::size_t k = 0; k < static_cast<std::size_t>(c.polynomialTerms + c.exponentialTerms); ++k) {
      const std::string term = name + " term " + std::to_string(k + 1);
      real(term + " n", c.terms[k].n, [i, k](Gerg2008Parameters& m) -> double& { return m.components[i].terms[k].n; });
      real(term + " t", c.terms[k].t, [i, k](Gerg2008Parameters& m) -> double& { return m.components[i].terms[k].t; });
      integer(term + " d", c.terms[k].d, [i, k](Gerg2008Parameters& m) -> int& { return m.components[i].terms[k].d; });
      integer(term + " c", c.terms[k].c, [i, k](Gerg2008Parameters& m) -> int& { return m.components[i].terms[k].c; });
    }
    for (std::size_t k = 0; k < 7; ++k)
      real(name + " a" + std::to_string(k + 1), c.idealGasA[k],
           [i, k](Gerg2008Parameters& m) -> double& { return m.components[i].idealGasA[k]; });
    for (std::size_t k = 0; k < 4; ++k)
      real(name + " theta" + std::to_string(k + 4), c.idealGasTheta[k],
           [i, k](Gerg2008Parameters& m) -> double& { return m.components[i].idealGasTheta[k]; });
  }
  std::vector<int> departures;
  for (std::size_t p = 0; p < kPairCount; ++p) {
    const BinaryParameters& b = model.binaries[p];
    if (!IsChecked(b.i) || !IsChecked(b.j)) continue;
    const std::string name = std::string(model.components[Index(b.i)].name) + "/" +
                             std::string(model.components[Index(b.j)].name);
    real(name + " beta_v", b.betaV, [p](Gerg2008Parameters& m) -> double& { return m.binaries[p].betaV; });
    real(name + " gamma_v", b.gammaV, [p](Gerg2008Parameters& m) -> double& { return m.binaries[p].gammaV; });
    real(name + " beta_T", b.betaT, [p](Gerg2008Parameters& m) -> double& { return m.binaries[p].betaT; });
    real(name + " gamma_T", b.gammaT, [p](Gerg2008Parameters& m) -> double& { return m.binaries[p].gammaT; });
    if (b.departure != 0) {
      real(name + " F", b.F, [p](Gerg2008Parameters& m) -> double& { return m.binaries[p].F; });
      bool known = false;
      for (int d : departures) known = known || d == b.departure;
      if (!known) departures.push_back(b.departure);
    }
  }
  for (std::size_t f = 0; f < kDepartureFunctionCount; ++f) {
    const DepartureFunction& function = model.departureFunctions[f];
    bool used = false;
    for (int d : departures) used = used || d == function.number;
    if (!used) continue;
    for (std::size_t k = 0; k < static_cast<std::size_t>(function.polynomialTerms + function.exponentialTerms); ++k) {
      const DepartureTerm& t = function.terms[k];
      const std::string term = "departure " + std::to_string(function.number) + " term " + std::to_string(k + 1);
      const auto field = [f, k](double DepartureTerm::*member) {
        return [f, k, member](Gerg2008Parameters& m) -> double& { return m.departureFunctions[f].terms[k].*member; };
      };
      real(term + " n", t.n, field(&DepartureTerm::n));
      real(term + " t", t.t, field(&DepartureTerm::t));
      integer(term + " d", t.d, [f, k](Gerg2008Parameters& m) -> int& { return m.departureFunctions[f].terms[k].d; });
      real(term + " eta", t.eta, field(&DepartureTerm::eta));
      if (t.eta != 0.0) real(term + " epsilon", t.epsilon, field(&DepartureTerm::epsilon));
      real(term + " beta", t.beta, field(&DepartureTerm::beta));
      real(term + " gamma", t.gamma, field(&DepartureTerm::gamma));
    }
  }
  return list;
}

TEST(GergParameterSensitivity, EveryCheckedParameterMovesACheckState) {
  const std::vector<Perturbation> perturbations = Perturbations();
  EXPECT_GE(perturbations.size(), 700u);  // about 24 terms of 4 numbers for each of five components, and more
  for (const CheckState& s : CheckStates()) {  // the copy as it is moves nothing
    const Gerg2008Parameters copy = kGerg2008;
    const Mixture mixture(s.x, copy);
    ASSERT_LE(WorstDeviation(s, PropertiesAt(Isotherm(mixture, s.temperature), s.density)), kCheckTolerance);
  }
  for (const Perturbation& perturbation : perturbations) {
    Gerg2008Parameters model = kGerg2008;
    perturbation.apply(model);
    bool seen = false;
    for (const CheckState& s : CheckStates()) {
      const Mixture mixture(s.x, model);
      const Isotherm isotherm(mixture, s.temperature);
      if (WorstDeviation(s, PropertiesAt(isotherm, s.density)) > kCheckTolerance) {
        seen = true;
        break;
      }
    }
    EXPECT_TRUE(seen) << perturbation.name << " changed by a unit in its fifth significant digit moves no check state";
  }
}

}  // namespace
}  // namespace corvane::gerg::test
