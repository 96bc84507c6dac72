// Every property at (T, D) of every check state.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "check_states.h"
#include "gerg/properties.h"

namespace corvane::gerg::test {
namespace {

struct Compared {
  const char* name;
  double computed;
  double expected;
  double scale;  // the floor of the relative tolerance for values near zero
};

TEST(GergCheckStates, EveryPropertyAtTheStatesDensity) {
  double worst = 0;
  for (const CheckState& s : CheckStates()) {
    const Mixture mixture(s.x);
    const Isotherm isotherm(mixture, s.temperature);
    const StateProperties p = PropertiesAt(isotherm, s.density);
    const double RT = kGasConstant * s.temperature;
    const Compared compared[] = {
        {"P", p.pressure, s.pressureAtDensity, 0},
        {"Z", p.z, s.z, 0},
        {"dP/drho", p.dPdRho, s.dPdRho, 0},
        {"d2P/drho2", p.d2PdRho2, s.d2PdRho2, 0},
        {"d2P/dTdrho", p.d2PdTdRho, s.d2PdTdRho, 0},
        {"dP/dT", p.dPdT, s.dPdT, 0},
        {"U", p.internalEnergy, s.internalEnergy, RT},
        {"H", p.enthalpy, s.enthalpy, RT},
        {"S", p.entropy, s.entropy, kGasConstant},
        {"A", p.helmholtzEnergy, s.helmholtzEnergy, RT},
        {"G", p.gibbsEnergy, s.gibbsEnergy, RT},
        {"Cv", p.cv, s.cv, 0},
        {"Cp", p.cp, s.cp, 0},
        {"W", p.speedOfSound, s.speedOfSound, 0},
        {"JT", p.jouleThomson, s.jouleThomson, 1.0 / (s.cp * s.density)},
        {"kappa", p.isentropicExponent, s.isentropicExponent, 0},
        {"M", p.molarMass, s.molarMass, 0},
    };
    for (const Compared& c : compared) {
      const double deviation = std::abs(c.computed - c.expected) / std::max(std::abs(c.expected), c.scale);
      worst = std::max(worst, deviation);
      EXPECT_LE(deviation, 1e-11) << s.name << " (line " << s.line << ") " << c.name << ": " << c.computed
                                  << " against " << c.expected;
    }
  }
  RecordProperty("worst_relative_deviation", std::to_string(worst));
  std::printf("worst relative deviation %.3g\n", worst);
}

}  // namespace
}  // namespace corvane::gerg::test
