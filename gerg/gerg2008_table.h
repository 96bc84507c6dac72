// The parameters of GERG-2008 (O. Kunz and W. Wagner, J. Chem. Eng. Data 57
// (2012) 3032-3091; ISO 20765-2), as numbers: the 21 components, the 210
// pairs and the eight departure functions. gerg2008_table.cpp holds them,
// written by make_gerg2008_table.py; nothing is read at run time.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace corvane::gerg {

// The components in the model's own order; every array over components
// below and in this folder is in it.
enum class Component : std::size_t {
  Methane,
  Nitrogen,
  CarbonDioxide,
  Ethane,
  Propane,
  IsoButane,
  NButane,
  IsoPentane,
  NPentane,
  NHexane,
  NHeptane,
  NOctane,
  NNonane,
  NDecane,
  Hydrogen,
  Oxygen,
  CarbonMonoxide,
  Water,
  HydrogenSulfide,
  Helium,
  Argon,
};
constexpr std::size_t kComponentCount = 21;
constexpr std::size_t Index(Component component) { return static_cast<std::size_t>(component); }

// R in J/(mol K) of the residual part and the properties, and R* of the
// ideal-gas part's fit.
constexpr double kGasConstant = 8.314472;
constexpr double kIdealGasGasConstant = 8.31451;

// One term of a pure fluid's residual Helmholtz energy:
//   n delta^d tau^t               (c == 0, the polynomial terms)
//   n delta^d tau^t exp(-delta^c) (c > 0)
struct PureFluidTerm {
  double n = 0;
  int d = 0;
  double t = 0;
  int c = 0;
};

constexpr std::size_t kMostPureFluidTerms = 24;

struct ComponentParameters {
  std::string_view name;
  double molarMass = 0;            // g/mol
  double criticalTemperature = 0;  // K
  double criticalDensity = 0;      // mol/L
  int polynomialTerms = 0;
  int exponentialTerms = 0;
  // The first polynomialTerms + exponentialTerms are used.
  std::array<PureFluidTerm, kMostPureFluidTerms> terms{};
  // a1..a7 of the ideal-gas part and theta4..theta7 (K; 0: no such term).
  std::array<double, 7> idealGasA{};
  std::array<double, 4> idealGasTheta{};
};

// One term of a departure function:
//   n delta^d tau^t                                             (polynomial)
//   n delta^d tau^t exp(-eta (delta - epsilon)^2 - beta (delta - gamma))
struct DepartureTerm {
  double n = 0;
  int d = 0;
  double t = 0;
  double eta = 0;
  double epsilon = 0;
  double beta = 0;
  double gamma = 0;
};

constexpr std::size_t kMostDepartureTerms = 12;

struct DepartureFunction {
  int number = 0;  // as the model numbers it; 10 is the generalized one
  int polynomialTerms = 0;
  int exponentialTerms = 0;
  std::array<DepartureTerm, kMostDepartureTerms> terms{};
};

// The reducing-function parameters of a pair, i listed first: the
// formulas take them in that order (they are not symmetric in i and j).
// departure: the number of its departure function, 0 for none.
struct BinaryParameters {
  Component i{};
  Component j{};
  double betaV = 0;
  double gammaV = 0;
  double betaT = 0;
  double gammaT = 0;
  double F = 0;
  int departure = 0;
};

constexpr std::size_t kPairCount = kComponentCount * (kComponentCount - 1) / 2;
constexpr std::size_t kDepartureFunctionCount = 8;

// The whole model. Everything in this folder takes its numbers from one of
// these (kGerg2008 unless told otherwise), so that a test can vary them.
struct Gerg2008Parameters {
  std::array<ComponentParameters, kComponentCount> components{};
  std::array<BinaryParameters, kPairCount> binaries{};
  std::array<DepartureFunction, kDepartureFunctionCount> departureFunctions{};

  // The departure function of that number; nothing for none.
  const DepartureFunction* Departure(int number) const {
    for (const DepartureFunction& f : departureFunctions)
      if (number != 0 && f.number == number) return &f;
    return nullptr;
  }
};

extern const Gerg2008Parameters kGerg2008;

}  // namespace corvane::gerg
