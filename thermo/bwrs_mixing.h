// BWRS constants of a mixture from its components' constants (Starling's
// mixing rules with binary interaction parameters kij).
//
// x_i is the mole fraction of slot i; every sum runs over slots 1 to 14 in
// increasing order (a slot whose fraction is zero adds nothing), and k_ij is
// read at row min(i, j), column max(i, j).
#pragma once

#include <array>

#include "thermo/component_table.h"

namespace corvane {

struct BwrsMixture {
  MixtureCoefficients coefficients;
  double acentricFactor = 0;  // sum x_i omega_i
};

// A single present component: its first twelve fields unchanged, and the
// acentric factor summed over all slots (other slots may hold negative or
// zero fractions).
BwrsMixture PureComponentMixture(const ComponentTable& table, int slot);

// The pair and component factors of the mixing rules that depend only on the
// program's constant data, formed once with exactly the operations the rules
// use: sqrt(A0_i A0_j), pow(1 - k_ij, 3.0 | 4.0 | 5.0), pow(X_i, 0.3333),
// sqrt(gamma_i). Mixing with them gives the same bits as forming them anew.
struct BwrsMixingTerms {
  // Per ordered pair (i, j): the square roots for A0, C0, D0, E0 and the
  // powers 1, 3, 4, 5 of (1 - k_ij) that go with them, side by side so the
  // four double sums advance together.
  struct Pair {
    std::array<double, 4> root;
    std::array<double, 4> power;
  };
  // Per slot: sqrt(gamma) and b, a, alpha, c, d to the power 0.3333.
  enum SlotFactor { kRootGamma, kCubeRootB, kCubeRootA, kCubeRootAlpha, kCubeRootC, kCubeRootD, kSlotFactors };
  std::array<std::array<Pair, 15>, 15> pairs{};
  std::array<std::array<double, kSlotFactors>, 15> perSlot{};
};
BwrsMixingTerms MakeBwrsMixingTerms(const ComponentTable& table, const InteractionTable& k);

// Starling's rules, with e = 0.3333 (the literal, not 1/3):
//   B0 = sum x_i B0_i            MW = sum x_i MW_i        omega = sum x_i omega_i
//   A0 = sum_i sum_j x_i x_j (A0_i A0_j)^(1/2) (1 - k_ij)
//   C0, D0, E0 likewise with (1 - k_ij)^3, ^4, ^5
//   gamma = (sum x_i gamma_i^(1/2))^2
//   b, a, alpha, c, d = (sum x_i X_i^e)^3, each cubed as s s s
// The mole fractions come from `table`; the constant factors from `terms`.
BwrsMixture MixBwrsRules(const ComponentTable& table, const BwrsMixingTerms& terms);

}  // namespace corvane
