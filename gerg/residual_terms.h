// The residual Helmholtz energy of GERG-2008 for one mixture, composed once
// (Kunz and Wagner 2012, eqs. 7.8 and 7.12 to 7.18):
//
//   alpha_r(delta, tau) = sum_i x_i alpha_r,0i(delta, tau)
//                       + sum_{i<j} x_i x_j F_ij alpha_r,ij(delta, tau)
//
// Every term of either sum is n delta^d tau^t exp(phi(delta)), where phi is
//   0                                             the polynomial terms,
//   -delta^c                                      a pure fluid's exponential terms,
//   -eta (delta - epsilon)^2 - beta (delta - gamma)  a departure function's.
// Terms of different components or pairs with the same d, t and phi are
// one term here with the weighted sum of their n (the fourteen components
// that share one set of exponents, the eight pairs of the generalized
// departure function); terms with the same phi form a group, whose
// exp(phi) is taken once per density; within a group, terms with the same d
// form a slot, whose tau-dependence is summed once per temperature:
//
//   A = sum n tau^t,  B = sum n t tau^t,  C = sum n t (t - 1) tau^t,
//
// so that at a density alpha_r = sum over slots of A delta^d exp(phi), and
// tau ar_t and tau^2 ar_tt the same with B and C.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "gerg/composition.h"

namespace corvane::gerg {

// What multiplies the pure fluids' and the pairs' functions in a sum of
// them: x_i and x_i x_j F_ij give the mixture's alpha_r; other weights give
// other combinations of the same functions (such as their derivatives with
// respect to the mole fractions).
struct ResidualWeights {
  std::array<double, kComponentCount> pure{};
  std::array<double, kPairCount> pair{};  // by the pair's place in Gerg2008Parameters::binaries
};

// x_i for each component, x_i x_j F_ij for each pair with a departure function.
ResidualWeights MixtureWeights(const Gerg2008Parameters& model, const Composition& x);

// exp(phi(delta)) of a group of terms.
struct DeltaFactor {
  enum Kind : std::uint8_t { kNone, kPowerOfDelta, kGaussian };
  Kind kind = kNone;
  int c = 0;  // kPowerOfDelta: phi = -delta^c
  double eta = 0, epsilon = 0, beta = 0, gamma = 0;  // kGaussian
  bool operator==(const DeltaFactor&) const = default;
};

// alpha_r and the derivatives the properties need, each scaled by the
// powers of delta and tau of its order (ar_d = d alpha_r / d delta, ...).
struct ResidualDerivatives {
  double value = 0;          // alpha_r
  double delta_d = 0;        // delta ar_d
  double delta2_dd = 0;      // delta^2 ar_dd
  double delta3_ddd = 0;     // delta^3 ar_ddd
  double tau_t = 0;          // tau ar_t
  double tau2_tt = 0;        // tau^2 ar_tt
  double deltaTau_dt = 0;    // delta tau ar_dt
  double delta2Tau_ddt = 0;  // delta^2 tau ar_ddt
};

// The composed terms of one weighting; no allocation, fixed capacities that
// hold the whole model (all 21 components and every pair at once).
class ResidualTerms {
 public:
  // The whole model composes to 146 terms with 76 exponents in 15 groups
  // of 36 slots.
  static constexpr std::size_t kMostTerms = 176;
  static constexpr std::size_t kMostExponents = 96;
  static constexpr std::size_t kMostGroups = 20;
  static constexpr std::size_t kMostSlots = 40;
  static constexpr int kHighestD = 15;

  struct Group {
    DeltaFactor factor;
    std::size_t firstSlot = 0;
    std::size_t slotCount = 0;
  };
  struct Slot {
    int d = 0;
  };
  struct Term {
    std::size_t slot = 0;
    std::size_t exponent = 0;  // index into Exponents()
    double n = 0;
  };

  // Terms of zero weight are left out.
  ResidualTerms(const Gerg2008Parameters& model, const ResidualWeights& weights);

  std::size_t GroupCount() const { return groupCount_; }
  std::size_t SlotCount() const { return slotCount_; }
  std::size_t TermCount() const { return termCount_; }
  std::size_t ExponentCount() const { return exponentCount_; }
  // Each exponent as t = k + f, k = floor(t): k, and the index of f among
  // the distinct fractions.
  struct ExponentParts {
    int whole = 0;
    std::size_t fraction = 0;
  };
  const ExponentParts& PartsOf(std::size_t k) const { return parts_[k]; }
  std::size_t FractionCount() const { return fractionCount_; }
  double Fraction(std::size_t k) const { return fractions_[k]; }
  int LowestWhole() const { return lowestWhole_; }
  int HighestWhole() const { return highestWhole_; }
  static constexpr int kLowestWhole = -8;
  static constexpr int kHighestWhole = 48;
  const Group& GroupAt(std::size_t k) const { return groups_[k]; }
  const Slot& SlotAt(std::size_t k) const { return slots_[k]; }
  const Term& TermAt(std::size_t k) const { return terms_[k]; }
  double Exponent(std::size_t k) const { return exponents_[k]; }
  int HighestD() const { return highestD_; }

 private:
  // The index of the term (d, t, factor), new or found, n added to it.
  std::size_t Add(const DeltaFactor& factor, int d, double t, double n);
  std::size_t FindOrAddExponent(double t);
  std::size_t FindOrAddSlot(const DeltaFactor& factor, int d);

  std::array<Group, kMostGroups> groups_{};
  std::array<Slot, kMostSlots> slots_{};
  std::array<Term, kMostTerms> terms_{};
  std::array<double, kMostExponents> exponents_{};
  std::array<ExponentParts, kMostExponents> parts_{};
  std::array<double, kMostExponents> fractions_{};
  std::size_t fractionCount_ = 0;
  int lowestWhole_ = 0, highestWhole_ = 0;
  std::size_t groupCount_ = 0, slotCount_ = 0, termCount_ = 0, exponentCount_ = 0;
  int highestD_ = 0;
};

// The derivatives with respect to delta at a fixed tau that the density
// solvers need, scaled as in ResidualDerivatives.
struct DensityDerivatives {
  double delta_d = 0;     // delta ar_d
  double delta2_dd = 0;   // delta^2 ar_dd
  double delta3_ddd = 0;  // delta^3 ar_ddd
};

// ResidualTerms at one tau: every power of tau taken once and the slots'
// A, B, C summed. tau^t = tau^k tau^f with k = floor(t): the whole powers
// by repeated multiplication, one exp(f ln tau) for each distinct fraction
// (the model's exponents are multiples of 1/8 and 1/20, so there are few).
class ResidualIsotherm {
 public:
  ResidualIsotherm(const ResidualTerms& terms, double tau);

  double Tau() const { return tau_; }

  // Everything of ResidualDerivatives at delta > 0.
  ResidualDerivatives At(double delta) const;
  // The delta derivatives alone, at less cost.
  DensityDerivatives DensityDerivativesAt(double delta) const;
  // lim ar_d as delta -> 0: B rho_r, B the second virial coefficient.
  double DeltaDerivativeAtZero() const;

 private:
  template <bool kAll>
  void Evaluate(double delta, ResidualDerivatives& out) const;

  const ResidualTerms* terms_;
  double tau_;
  // Per slot: d, and sum n tau^t times 1, t and t (t - 1).
  std::array<double, ResidualTerms::kMostSlots> d_{};
  std::array<double, ResidualTerms::kMostSlots> a_{};
  std::array<double, ResidualTerms::kMostSlots> b_{};
  std::array<double, ResidualTerms::kMostSlots> c_{};
};

}  // namespace corvane::gerg
