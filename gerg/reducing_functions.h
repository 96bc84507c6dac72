// The reducing functions of GERG-2008: the temperature T_r and density rho_r
// by which a mixture's state is reduced, delta = rho / rho_r, tau = T_r / T.
// Kunz and Wagner (2012), eqs. 7.9 and 7.10:
//
//   Y_r = sum_i x_i^2 Y_c,i
//       + sum_{i<j} 2 x_i x_j beta gamma (x_i + x_j) / (beta^2 x_i + x_j) Y_c,ij
//
// for Y = T (Y_c,ij = (T_c,i T_c,j)^(1/2)) and Y = 1/rho (Y_c,ij =
// (rho_c,i^(-1/3) + rho_c,j^(-1/3))^3 / 8), with the beta and gamma of the
// pair, i being the component the pair lists first. The constants are kept
// per component and per pair apart from the mole fractions, so that the
// functions' derivatives with respect to the mole fractions can be taken
// term by term.
#pragma once

#include <array>
#include <cstddef>

#include "gerg/composition.h"

namespace corvane::gerg {

struct ReducingPoint {
  double temperature = 0;  // T_r, K
  double density = 0;      // rho_r, mol/L
};

// The two functions over the components present in one composition and
// their pairs.
class ReducingFunctions {
 public:
  // A pair's constants, i listed first: 2 beta gamma Y_c,ij and beta^2 of
  // either function.
  struct Pair {
    std::size_t i = 0;
    std::size_t j = 0;
    double temperatureWeight = 0;
    double temperatureBetaSquared = 0;
    double volumeWeight = 0;
    double volumeBetaSquared = 0;
  };

  // The components above zero in `present`.
  ReducingFunctions(const Gerg2008Parameters& model, const Composition& present);

  // T_r and rho_r at x, which is zero outside the present components.
  ReducingPoint At(const Composition& x) const;

  std::size_t PairCount() const { return pairCount_; }
  const Pair& PairAt(std::size_t k) const { return pairs_[k]; }

 private:
  std::array<std::size_t, kComponentCount> present_{};
  std::size_t presentCount_ = 0;
  std::array<double, kComponentCount> criticalTemperature_{};  // K
  std::array<double, kComponentCount> criticalVolume_{};       // L/mol
  std::array<Pair, kPairCount> pairs_{};
  std::size_t pairCount_ = 0;
};

}  // namespace corvane::gerg
