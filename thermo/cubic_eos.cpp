// Peng-Robinson and Redlich-Kwong-Soave: the pseudo-component, the equation
// constants, the pressure and its slope.
#include "thermo/cubic_eos.h"

#include <cmath>

#include "thermo/work_counts.h"

namespace corvane {

namespace {

// Peng-Robinson: D(V) = V^2 + 2 b V - b^2, D'(V) = 2 V + 2 b.
double PengRobinsonDenominator(double v, double b) { return v * v + 2.0 * b * v - b * b; }
double PengRobinsonDenominatorSlope(double v, double b) { return 2.0 * v + 2.0 * b; }

// Redlich-Kwong-Soave: D(V) = V^2 + b V, D'(V) = 2 V + b.
double RedlichKwongSoaveDenominator(double v, double b) { return v * v + b * v; }
double RedlichKwongSoaveDenominatorSlope(double v, double b) { return 2.0 * v + b; }

bool Finite(double x) { return std::isfinite(x); }

}  // namespace

const CubicEquationForm kPengRobinsonForm = {
    0.37464, 1.54226, 0.26992, 0.45724, 0.0778, PengRobinsonDenominator, PengRobinsonDenominatorSlope};

const CubicEquationForm kRedlichKwongSoaveForm = {
    0.48, 1.574, 0.176, 0.42748, 0.08664, RedlichKwongSoaveDenominator, RedlichKwongSoaveDenominatorSlope};

PseudoComponent AveragePseudoComponent(const ComponentTable& table) {
  PseudoComponent m;
  for (int slot = kFirstSlot; slot <= kLastMixedSlot; ++slot) {
    const ComponentRecord& c = table[static_cast<std::size_t>(slot)];
    const double x = c.moleFraction;
    m.acentricFactor += x * c.acentricFactor;
    m.criticalTemperature += x * c.criticalTemperature;
    m.criticalPressure += x * c.criticalPressure;
    m.molecularWeight += c.molecularWeight * x;
  }
  return m;
}

std::optional<CubicEquation> MakeCubicEquation(const CubicEquationForm& form, const PseudoComponent& mixture,
                                               double temperature, double gasConstant) {
  const double r = gasConstant;
  const double tc = mixture.criticalTemperature;
  const double pc = mixture.criticalPressure;
  const double w = mixture.acentricFactor;
  if (tc == 0.0 || pc == 0.0) return std::nullopt;

  const double tr = temperature / tc;
  const double kappa = form.kappa0 + form.kappa1 * w - form.kappa2 * (w * w);
  const double m = 1.0 + kappa * (1.0 - std::sqrt(tr));
  const double alpha = m * m;

  CubicEquation eq;
  eq.form = &form;
  eq.gasConstant = r;
  eq.temperature = temperature;
  eq.a = form.omegaA * (r * r) * (tc * tc) * alpha / pc;
  eq.b = form.omegaB * r * tc / pc;
  if (!Finite(eq.a) || !Finite(eq.b)) return std::nullopt;
  return eq;
}

std::optional<double> CubicPressure(const CubicEquation& eq, double volume) {
  ++threadWorkCounts.cubicEvaluations;
  const double free = volume - eq.b;
  const double attractive = eq.form->denominator(volume, eq.b);
  if (!Finite(volume) || free == 0.0 || attractive == 0.0 || !Finite(attractive)) return std::nullopt;
  const double p = eq.gasConstant * eq.temperature / free - eq.a / attractive;
  if (!Finite(p)) return std::nullopt;
  return p;
}

std::optional<double> CubicPressureSlope(const CubicEquation& eq, double volume) {
  ++threadWorkCounts.cubicEvaluations;
  const double free = volume - eq.b;
  const double freeSquared = free * free;
  const double attractive = eq.form->denominator(volume, eq.b);
  const double attractiveSquared = attractive * attractive;
  if (!Finite(volume) || freeSquared == 0.0 || !Finite(freeSquared) || attractiveSquared == 0.0 ||
      !Finite(attractiveSquared))
    return std::nullopt;
  const double slope = -eq.gasConstant * eq.temperature / freeSquared +
                       eq.a * eq.form->denominatorSlope(volume, eq.b) / attractiveSquared;
  if (!Finite(slope)) return std::nullopt;
  return slope;
}

}  // namespace corvane
