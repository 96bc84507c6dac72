// A GERG-2008 mixture and the mixture at one temperature: what depends only
// on the composition is formed once per mixture, what depends only on the
// temperature once per isotherm, so that every density after that costs
// only the density's own terms.
//
// Derivatives with respect to the mole fractions (fugacity coefficients,
// Kunz and Wagner 2012, appendix) build on the same pieces: the reducing
// functions keep their constants per component and per pair, and the
// derivative of alpha_r by x_k is ResidualTerms composed with the weights
// e_k for the pure fluids and x_j F_kj for the pairs of k.
#pragma once

#include "gerg/composition.h"
#include "gerg/ideal_gas.h"
#include "gerg/reducing_functions.h"
#include "gerg/residual_terms.h"

namespace corvane::gerg {

class Mixture {
 public:
  // x: non-negative mole fractions summing to 1 (the caller normalises).
  // The model's numbers are read through `model`, which outlives the mixture.
  explicit Mixture(const Composition& x, const Gerg2008Parameters& model = kGerg2008);

  const Gerg2008Parameters& Model() const { return *model_; }
  const Composition& Fractions() const { return x_; }
  const ReducingFunctions& ReducingFunctionsOf() const { return reducingFunctions_; }
  const ReducingPoint& Reducing() const { return reducing_; }
  double MolarMass() const { return molarMass_; }  // g/mol
  const ResidualTerms& Residual() const { return residual_; }
  const IdealGasTerms& IdealGas() const { return idealGas_; }

 private:
  const Gerg2008Parameters* model_;
  Composition x_;
  ReducingFunctions reducingFunctions_;
  ReducingPoint reducing_;
  double molarMass_ = 0;
  ResidualTerms residual_;
  IdealGasTerms idealGas_;
};

// The mixture at temperature T (K): tau = T_r / T, every power of tau and
// the ideal-gas part's functions of T. The mixture outlives its isotherms.
class Isotherm {
 public:
  Isotherm(const Mixture& mixture, double temperature);

  const Mixture& Of() const { return *mixture_; }
  double Temperature() const { return temperature_; }
  const ResidualIsotherm& Residual() const { return residual_; }
  const IdealGasAtTemperature& IdealGas() const { return idealGas_; }

  // delta = rho / rho_r.
  double Delta(double density) const { return density / mixture_->Reducing().density; }

 private:
  const Mixture* mixture_;
  double temperature_;
  ResidualIsotherm residual_;
  IdealGasAtTemperature idealGas_;
};

}  // namespace corvane::gerg
