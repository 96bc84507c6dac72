// GERG-2008 from the dialog's inputs: the fifteen entered mole fractions
// (entry order, model/gases.h), the pressure in psia and the temperature in
// F; the results in the window's units and in SI. Each entered gas is
// GERG-2008's component of that name, hydrogen, helium and oxygen
// included (the dialog's three equations count those three as nitrogen);
// the fractions are normalised to sum 1.
//
// Units of ReferenceValues: us: lbmol/ft3, ft3/lbm, lbm/lbmol, BTU/lbm,
// BTU/(lbm R), ft/s, R/psi; si: kmol/m3, m3/kg, kg/kmol, kJ/kg, kJ/(kg K),
// m/s, K/kPa; converted with the exact factors of model/unit_factors.h.
// Enthalpy, entropy and Gibbs energy are on the model's own zero: the ideal
// gas at 298.15 K and 101.325 kPa. The Joule-Thomson coefficient is on the
// dialog's sign: negative when the gas cools on expansion (the textbook
// coefficient, StateProperties::jouleThomson, negated).
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "gerg/composition.h"
#include "gerg/density_solver.h"
#include "gerg/properties.h"
#include "model/gases.h"

namespace corvane::gerg {

// The GERG-2008 component an entered gas is.
Component ComponentOf(Gas gas);

struct ReferenceComposition {
  bool accepted = false;
  Composition x{};     // normalised to sum 1
  std::string reason;  // why not accepted, in words
};

// Refused: a negative fraction (the reason names the gas), a fraction that
// is not a finite number, or none above zero.
ReferenceComposition FromEntryFractions(const std::array<double, kGasCount>& fractions);

struct ReferenceValues {
  double z = 0;
  double density = 0;
  double specificVolume = 0;
  double molecularWeight = 0;
  double enthalpy = 0;
  double entropy = 0;
  double cp = 0;
  double cv = 0;
  double speedOfSound = 0;
  double jouleThomson = 0;  // the dialog's sign: < 0 when the gas cools on expansion
  double isentropicExponent = 0;
  double gibbsEnergy = 0;
};

enum class ReferenceStatus {
  kGasLike,              // values of the gas-like root
  kDense,                // values of a dense (liquid-like) root
  kRefusedComposition,   // no values; reason says why
  kRefusedState,         // no values: a temperature or pressure that is not a positive number
  kNoRoot,               // no values: no density gives the pressure
  kNoProperties,         // no values: the root's properties are not all finite (Cv <= 0, ...)
};

struct ReferenceResult {
  ReferenceStatus status = ReferenceStatus::kNoRoot;
  std::string reason;        // kRefusedComposition: why
  ReferenceValues us;        // the window's units
  ReferenceValues si;        // SI
  StateProperties model{};   // the model's own units, the textbook JT sign
  int evaluations = 0;       // of the equation by the density search

  bool HasValues() const { return status == ReferenceStatus::kGasLike || status == ReferenceStatus::kDense; }
  // Empty for a gas-like root, else the reason in words: "dense
  // (liquid-like) root", the composition's refusal, "no density found", ...
  std::string StatusText() const;
};

// A state's roots: the gas-like one (else a dense one) and, where the
// search from a liquid-like density ends on another (by more than 1e-9
// relative), that one, so that the two can be weighed by their Gibbs energy.
struct ReferenceRoots {
  ReferenceResult primary;
  std::optional<ReferenceResult> other;

  // True where the other root exists and has the lower Gibbs energy.
  bool OtherIsLower() const { return other && other->model.gibbsEnergy < primary.model.gibbsEnergy; }
};

// Keeps what depends only on the composition, and the powers of tau of the
// temperatures it was last asked at (IsothermCache), from call to call;
// the values are the same bits as computed afresh. One per thread; movable,
// not copyable.
class ReferenceCalculator {
 public:
  ReferenceCalculator();
  ~ReferenceCalculator();
  ReferenceCalculator(ReferenceCalculator&&) noexcept;
  ReferenceCalculator& operator=(ReferenceCalculator&&) noexcept;
  ReferenceCalculator(const ReferenceCalculator&) = delete;
  ReferenceCalculator& operator=(const ReferenceCalculator&) = delete;

  // The gas-like root at the state, else the dense one.
  ReferenceResult Calculate(const std::array<double, kGasCount>& fractions, double pressurePsia,
                            double temperatureF);
  // Both roots (the liquid-like search runs too).
  ReferenceRoots CalculateRoots(const std::array<double, kGasCount>& fractions, double pressurePsia,
                                double temperatureF);

 private:
  // The isotherm of the state, or the result that refuses it.
  const Isotherm* Prepare(const std::array<double, kGasCount>& fractions, double pressurePsia,
                          double temperatureF, ReferenceResult& refused);

  struct Cache;
  std::unique_ptr<Cache> cache_;
};

// How far an equation's Z sits from the reference's, in %: 100 (z - zRef) / zRef.
inline double ZDeviationPercent(double z, double referenceZ) { return 100 * (z - referenceZ) / referenceZ; }

// A root's values, from its properties.
ReferenceResult ResultOf(const StateProperties& properties, RootKind kind, int evaluations);

}  // namespace corvane::gerg
