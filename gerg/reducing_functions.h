// The reducing functions of GERG-2008: the temperature T_r and density rho_r
// by which a mixture's state is reduced, delta = rho / rho_r, tau = T_r / T.
// Kunz and Wagner (2012), eqs. 7.9 and 7.10:
//
//   Y_r = sum_i x_i^2 Y_c,i
//       + sum_{i<j} 2 x_i x_j beta gamma (x_i + x_j) / (beta^2 x_i + x_j) Y_c,ij
//
// for Y = T (Y_c,ij = (T_c,i T_c,j)^(1/2)) and Y = 1/rho (Y_c,ij =
// (rho_c,i^(-1/3) + rho_c,j^(-1/3))^3 / 8), with the beta and gamma of the
// pair, i being the component the pair lists first. Each function keeps its
// constants per component and per pair apart from the composition, so that
// its derivatives with respect to the mole fractions can be taken term by
// term.
#pragma once

#include <array>
#include <cstddef>

#include "gerg/composition.h"

namespace corvane::gerg {

class ReducingFunction {
 public:
  // The pair's constants: 2 beta gamma Y_c,ij and beta^2, i listed first.
  struct Pair {
    std::size_t i = 0;
    std::size_t j = 0;
    double weight = 0;
    double betaSquared = 0;
  };

  ReducingFunction(const std::array<double, kComponentCount>& pure, const std::array<Pair, kPairCount>& pairs)
      : pure_(pure), pairs_(pairs) {}

  // Y_r at x; pairs with a component absent add nothing.
  double operator()(const Composition& x) const;

  const std::array<double, kComponentCount>& PureValues() const { return pure_; }
  const std::array<Pair, kPairCount>& Pairs() const { return pairs_; }

 private:
  std::array<double, kComponentCount> pure_;
  std::array<Pair, kPairCount> pairs_;
};

// T_r in K.
const ReducingFunction& TemperatureReducing();
// 1/rho_r in L/mol.
const ReducingFunction& VolumeReducing();

struct ReducingPoint {
  double temperature = 0;  // T_r, K
  double density = 0;      // rho_r, mol/L
};

ReducingPoint Reduce(const Composition& x);

}  // namespace corvane::gerg
