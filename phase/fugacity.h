// Fugacity coefficients of GERG-2008 (Kunz and Wagner 2012, section 7.3 and
// the appendix's composition derivatives). At a temperature T (K), a
// density rho (mol/L) and mole fractions x, with delta = rho / rho_r and
// tau = T_r / T:
//
//   ln phi_i = alpha_r + n (d alpha_r / d n_i)_{T,V,n_j} - ln Z,
//
//   n (d alpha_r / d n_i) = delta ar_d (1 - n (d rho_r / d n_i) / rho_r)
//                         + tau ar_t n (d T_r / d n_i) / T_r
//                         + ar_xi - sum_k x_k ar_xk,
//
// where n (dY / d n_i) = dY/dx_i - sum_k x_k dY/dx_k for a function Y of
// the mole fractions taken as independent, and ar_xi = d alpha_r / d x_i at
// fixed delta and tau:
//
//   ar_xi = alpha_r,0i + sum_{j != i} x_j F_ij alpha_r,ij.
//
// The pure fluids' and the departure functions' alpha_r do not depend on
// the composition, so each is composed once for a set of components (one
// ResidualTerms apiece) and a composition costs only its reducing
// functions. Units: T K, rho mol/L, P kPa.
#pragma once

#include <cstddef>
#include <vector>

#include "gerg/composition.h"
#include "gerg/residual_terms.h"

namespace corvane::phase {

using gerg::Composition;

// Above this multiple of a composition's reducing temperature T_r its
// isotherm has no second root (the model's isotherms lose their last loop
// near T = T_r, pure fluids at T_c = T_r; single_root_test.cpp checks a
// spread of mixtures), so kLowestGibbs takes the gas-like root without
// looking for a dense one.
constexpr double kSingleRootRatio = 1.5;

// Which density a phase takes at (T, P).
enum class RootChoice {
  kVapour,       // the gas-like root, else the liquid-like one
  kLiquid,       // the liquid-like root, else the gas-like one
  kLowestGibbs,  // of the two, the one of lower Gibbs energy
};

// alpha_r and its composition derivatives at (T, rho, x).
struct ResidualState {
  double alphaR = 0;
  double z = 0;
  Composition nDerivative{};  // d (n alpha_r) / d n_i at T, V, n_j
  Composition lnPhi{};
};

// A phase of composition x at (T, P).
struct PhaseState {
  bool found = false;
  double density = 0;        // mol/L
  double z = 0;
  bool gasLike = true;       // the gas-like root (kLiquid: false for any root of the liquid-like search)
  Composition lnPhi{};
  double residualGibbs = 0;  // sum x_i ln phi_i = G_r / (R T) at T, P
};

// The components above zero in a feed; every composition given later must
// be zero outside them.
class FugacityModel {
 public:
  explicit FugacityModel(const Composition& feed, const gerg::Gerg2008Parameters& model = gerg::kGerg2008);
  FugacityModel(const FugacityModel&) = delete;
  FugacityModel& operator=(const FugacityModel&) = delete;

  const gerg::Gerg2008Parameters& Model() const { return *model_; }
  std::size_t PresentCount() const { return present_.size(); }
  // The model's index of the k-th present component.
  std::size_t Present(std::size_t k) const { return present_[k]; }

  ResidualState ResidualAt(double temperature, double density, const Composition& x) const;
  PhaseState At(double temperature, double pressure, const Composition& x, RootChoice choice) const;

 private:
  struct ReducingPair {
    std::size_t i = 0, j = 0;  // model indices, i listed first
    double temperatureWeight = 0, temperatureBetaSquared = 0;
    double volumeWeight = 0, volumeBetaSquared = 0;
  };
  struct DeparturePair {
    std::size_t i = 0, j = 0;   // model indices
    double f = 0;               // F_ij
    std::size_t function = 0;   // index into departures_
  };

  const gerg::Gerg2008Parameters* model_;
  std::vector<std::size_t> present_;
  std::vector<gerg::ResidualTerms> pure_;        // by present position
  std::vector<gerg::ResidualTerms> departures_;  // one per distinct function
  std::vector<ReducingPair> reducingPairs_;
  std::vector<DeparturePair> departurePairs_;
};

}  // namespace corvane::phase
