#include "gerg/residual_terms.h"

#include <cmath>
#include <stdexcept>

#include "crmath/correctly_rounded.h"

namespace corvane::gerg {

ResidualWeights MixtureWeights(const Gerg2008Parameters& model, const Composition& x) {
  ResidualWeights w;
  w.pure = x;
  for (std::size_t k = 0; k < kPairCount; ++k) {
    const BinaryParameters& b = model.binaries[k];
    if (b.departure != 0) w.pair[k] = x[Index(b.i)] * x[Index(b.j)] * b.F;
  }
  return w;
}

namespace {

// The (d, t, c) of the components' terms are the same in those that share
// one set of exponents.
bool SameExponents(const ComponentParameters& a, const ComponentParameters& b) {
  if (a.polynomialTerms != b.polynomialTerms || a.exponentialTerms != b.exponentialTerms) return false;
  for (int k = 0; k < a.polynomialTerms + a.exponentialTerms; ++k) {
    const PureFluidTerm& u = a.terms[static_cast<std::size_t>(k)];
    const PureFluidTerm& v = b.terms[static_cast<std::size_t>(k)];
    if (u.d != v.d || u.t != v.t || u.c != v.c) return false;
  }
  return true;
}

}  // namespace

// A component whose exponents an earlier one had, and a departure function
// an earlier pair used, add their weighted n to that one's terms; only the
// first of each kind looks its terms up.
ResidualTerms::ResidualTerms(const Gerg2008Parameters& model, const ResidualWeights& weights) {
  struct Seen {
    const void* source = nullptr;
    std::array<std::size_t, kMostPureFluidTerms> term{};
  };
  std::array<Seen, kComponentCount + kDepartureFunctionCount> seen{};
  std::size_t seenCount = 0;

  for (std::size_t i = 0; i < kComponentCount; ++i) {
    if (weights.pure[i] == 0.0) continue;
    const ComponentParameters& c = model.components[i];
    const std::size_t count = static_cast<std::size_t>(c.polynomialTerms + c.exponentialTerms);
    if (count > kMostPureFluidTerms) throw std::length_error("GERG-2008: more terms in a component than room for them");
    const Seen* same = nullptr;
    for (std::size_t k = 0; k < seenCount && !same; ++k)
      if (SameExponents(*static_cast<const ComponentParameters*>(seen[k].source), c)) same = &seen[k];
    if (same) {
      for (std::size_t k = 0; k < count; ++k) terms_[same->term[k]].n += weights.pure[i] * c.terms[k].n;
      continue;
    }
    Seen& s = seen[seenCount++];
    s.source = &c;
    for (std::size_t k = 0; k < count; ++k) {
      const PureFluidTerm& term = c.terms[k];
      DeltaFactor factor;
      if (term.c != 0) {
        factor.kind = DeltaFactor::kPowerOfDelta;
        factor.c = term.c;
      }
      s.term[k] = Add(factor, term.d, term.t, weights.pure[i] * term.n);
    }
  }
  const std::size_t componentSources = seenCount;
  for (std::size_t p = 0; p < kPairCount; ++p) {
    if (weights.pair[p] == 0.0) continue;
    const DepartureFunction* departure = model.Departure(model.binaries[p].departure);
    if (!departure) throw std::logic_error("GERG-2008: a pair names a departure function the table does not hold");
    const DepartureFunction& f = *departure;
    const std::size_t count = static_cast<std::size_t>(f.polynomialTerms + f.exponentialTerms);
    if (count > kMostDepartureTerms) throw std::length_error("GERG-2008: more terms in a function than room for them");
    const Seen* same = nullptr;
    for (std::size_t k = componentSources; k < seenCount && !same; ++k)
      if (seen[k].source == &f) same = &seen[k];
    if (same) {
      for (std::size_t k = 0; k < count; ++k) terms_[same->term[k]].n += weights.pair[p] * f.terms[k].n;
      continue;
    }
    Seen& s = seen[seenCount++];
    s.source = &f;
    for (std::size_t k = 0; k < count; ++k) {
      const DepartureTerm& term = f.terms[k];
      DeltaFactor factor;
      if (static_cast<int>(k) >= f.polynomialTerms)
        factor = {DeltaFactor::kGaussian, 0, term.eta, term.epsilon, term.beta, term.gamma};
      s.term[k] = Add(factor, term.d, term.t, weights.pair[p] * term.n);
    }
  }
}

std::size_t ResidualTerms::Add(const DeltaFactor& factor, int d, double t, double n) {
  if (d < 0 || d > kHighestD) throw std::length_error("GERG-2008: a term's power of delta is out of range");
  const std::size_t slot = FindOrAddSlot(factor, d);
  const std::size_t exponent = FindOrAddExponent(t);
  for (std::size_t k = 0; k < termCount_; ++k) {
    if (terms_[k].slot == slot && terms_[k].exponent == exponent) {
      terms_[k].n += n;
      return k;
    }
  }
  if (termCount_ == kMostTerms) throw std::length_error("GERG-2008: more residual terms than room for them");
  terms_[termCount_] = {slot, exponent, n};
  if (d > highestD_) highestD_ = d;
  return termCount_++;
}

std::size_t ResidualTerms::FindOrAddExponent(double t) {
  for (std::size_t k = 0; k < exponentCount_; ++k)
    if (exponents_[k] == t) return k;
  if (exponentCount_ == kMostExponents) throw std::length_error("GERG-2008: more exponents than room for them");
  const double whole = std::floor(t);
  if (!(whole >= kLowestWhole && whole <= kHighestWhole))
    throw std::length_error("GERG-2008: a term's power of tau is out of range");
  const double fraction = t - whole;  // exact: t and its whole part share their leading bits
  std::size_t f = 0;
  while (f < fractionCount_ && fractions_[f] != fraction) ++f;
  if (f == fractionCount_) fractions_[fractionCount_++] = fraction;
  const int k = static_cast<int>(whole);
  if (k < lowestWhole_) lowestWhole_ = k;
  if (k > highestWhole_) highestWhole_ = k;
  exponents_[exponentCount_] = t;
  parts_[exponentCount_] = {k, f};
  return exponentCount_++;
}

// Slots stay contiguous per group: a new slot of an existing group is
// inserted after that group's last slot, and later slots move up.
std::size_t ResidualTerms::FindOrAddSlot(const DeltaFactor& factor, int d) {
  std::size_t g = 0;
  while (g < groupCount_ && !(groups_[g].factor == factor)) ++g;
  if (g == groupCount_) {
    if (groupCount_ == kMostGroups) throw std::length_error("GERG-2008: more term groups than room for them");
    groups_[groupCount_++] = {factor, slotCount_, 0};
  }
  Group& group = groups_[g];
  for (std::size_t s = group.firstSlot; s < group.firstSlot + group.slotCount; ++s)
    if (slots_[s].d == d) return s;
  if (slotCount_ == kMostSlots) throw std::length_error("GERG-2008: more term slots than room for them");
  const std::size_t inserted = group.firstSlot + group.slotCount;
  for (std::size_t s = slotCount_; s > inserted; --s) slots_[s] = slots_[s - 1];
  slots_[inserted] = {d};
  ++slotCount_;
  ++group.slotCount;
  for (std::size_t other = g + 1; other < groupCount_; ++other) ++groups_[other].firstSlot;
  for (std::size_t k = 0; k < termCount_; ++k)
    if (terms_[k].slot >= inserted) ++terms_[k].slot;
  return inserted;
}

ResidualIsotherm::ResidualIsotherm(const ResidualTerms& terms, double tau) : terms_(&terms), tau_(tau) {
  const double logTau = cr::Log(tau);
  std::array<double, ResidualTerms::kMostExponents> fractionPower{};
  for (std::size_t f = 0; f < terms.FractionCount(); ++f) fractionPower[f] = cr::Exp(terms.Fraction(f) * logTau);
  // tau^k for k from LowestWhole() (at most 0) to HighestWhole().
  constexpr int kOffset = -ResidualTerms::kLowestWhole;
  std::array<double, ResidualTerms::kHighestWhole - ResidualTerms::kLowestWhole + 1> wholePower{};
  wholePower[kOffset] = 1.0;
  for (int k = 1; k <= terms.HighestWhole(); ++k) wholePower[kOffset + k] = wholePower[kOffset + k - 1] * tau;
  for (int k = -1; k >= terms.LowestWhole(); --k) wholePower[kOffset + k] = wholePower[kOffset + k + 1] / tau;
  std::array<double, ResidualTerms::kMostExponents> power{};
  for (std::size_t k = 0; k < terms.ExponentCount(); ++k) {
    const ResidualTerms::ExponentParts& parts = terms.PartsOf(k);
    power[k] = wholePower[static_cast<std::size_t>(kOffset + parts.whole)] * fractionPower[parts.fraction];
  }
  for (std::size_t s = 0; s < terms.SlotCount(); ++s) d_[s] = terms.SlotAt(s).d;
  for (std::size_t k = 0; k < terms.TermCount(); ++k) {
    const ResidualTerms::Term& term = terms.TermAt(k);
    const double t = terms.Exponent(term.exponent);
    const double nTau = term.n * power[term.exponent];
    a_[term.slot] += nTau;
    b_[term.slot] += nTau * t;
    c_[term.slot] += nTau * t * (t - 1.0);
  }
}

// For a slot with factor exp(phi) and power d, f = delta^d exp(phi) and
// q = d ln f / d delta = d / delta + phi'; with
//   p1 = delta q = d + delta phi',
//   p2 = delta^2 q' = -d + delta^2 phi'',
//   p3 = delta^3 q'' = 2 d + delta^3 phi''',
// the scaled derivatives are
//   delta f' = f p1,  delta^2 f'' = f (p1^2 + p2),  delta^3 f''' = f (p1^3 + 3 p1 p2 + p3).
// phi = -delta^c:  delta phi' = -c delta^c, delta^2 phi'' = -c (c - 1) delta^c,
//                  delta^3 phi''' = -c (c - 1) (c - 2) delta^c.
// phi = -eta (delta - epsilon)^2 - beta (delta - gamma):
//                  delta phi' = -delta (2 eta (delta - epsilon) + beta),
//                  delta^2 phi'' = -2 eta delta^2, delta^3 phi''' = 0.
template <bool kAll>
void ResidualIsotherm::Evaluate(double delta, ResidualDerivatives& out) const {
  const ResidualTerms& terms = *terms_;
  std::array<double, ResidualTerms::kHighestD + 1> power{};
  power[0] = 1.0;
  for (int k = 1; k <= terms.HighestD(); ++k) power[k] = power[k - 1] * delta;
  // The groups' factors first, each independent of the others.
  struct Factor {
    double e = 1.0, phi1 = 0.0, phi2 = 0.0, phi3 = 0.0;
  };
  std::array<Factor, ResidualTerms::kMostGroups> factors;
  for (std::size_t g = 0; g < terms.GroupCount(); ++g) {
    const DeltaFactor& factor = terms.GroupAt(g).factor;
    Factor& f = factors[g];
    if (factor.kind == DeltaFactor::kPowerOfDelta) {
      const double c = factor.c;
      const double deltaC = power[factor.c];
      f.e = cr::Exp(-deltaC);
      f.phi1 = -c * deltaC;
      f.phi2 = f.phi1 * (c - 1.0);
      f.phi3 = f.phi2 * (c - 2.0);
    } else if (factor.kind == DeltaFactor::kGaussian) {
      const double u = delta - factor.epsilon;
      f.e = cr::Exp(-factor.eta * u * u - factor.beta * (delta - factor.gamma));
      f.phi1 = -delta * (2.0 * factor.eta * u + factor.beta);
      f.phi2 = -2.0 * factor.eta * delta * delta;
      f.phi3 = 0.0;
    } else {
      f = Factor{};
    }
  }
  for (std::size_t g = 0; g < terms.GroupCount(); ++g) {
    const ResidualTerms::Group& group = terms.GroupAt(g);
    const Factor& f = factors[g];
    const std::size_t end = group.firstSlot + group.slotCount;
    for (std::size_t s = group.firstSlot; s < end; ++s) {
      const double d = d_[s];
      const double value = power[terms.SlotAt(s).d] * f.e;
      const double p1 = d + f.phi1;
      const double p2 = f.phi2 - d;
      const double p3 = f.phi3 + 2.0 * d;
      const double m2 = p1 * p1 + p2;
      const double m3 = p1 * (p1 * p1 + 3.0 * p2) + p3;
      const double af = a_[s] * value;
      out.delta_d += af * p1;
      out.delta2_dd += af * m2;
      out.delta3_ddd += af * m3;
      if constexpr (kAll) {
        const double bf = b_[s] * value;
        out.value += af;
        out.tau_t += bf;
        out.tau2_tt += c_[s] * value;
        out.deltaTau_dt += bf * p1;
        out.delta2Tau_ddt += bf * m2;
      }
    }
  }
}

ResidualDerivatives ResidualIsotherm::At(double delta) const {
  ResidualDerivatives out;
  Evaluate<true>(delta, out);
  return out;
}

DensityDerivatives ResidualIsotherm::DensityDerivativesAt(double delta) const {
  ResidualDerivatives out;
  Evaluate<false>(delta, out);
  return {out.delta_d, out.delta2_dd, out.delta3_ddd};
}

// Only the slots with d = 1 keep a derivative at delta = 0, where
// delta^0 exp(phi(0)) is 1 for a power of delta and exp(-eta epsilon^2 +
// beta gamma) for a Gaussian.
double ResidualIsotherm::DeltaDerivativeAtZero() const {
  const ResidualTerms& terms = *terms_;
  double sum = 0.0;
  for (std::size_t g = 0; g < terms.GroupCount(); ++g) {
    const ResidualTerms::Group& group = terms.GroupAt(g);
    const DeltaFactor& factor = group.factor;
    for (std::size_t s = group.firstSlot; s < group.firstSlot + group.slotCount; ++s) {
      if (terms.SlotAt(s).d != 1) continue;
      double e = 1.0;
      if (factor.kind == DeltaFactor::kGaussian)
        e = cr::Exp(-factor.eta * factor.epsilon * factor.epsilon + factor.beta * factor.gamma);
      sum += a_[s] * e;
    }
  }
  return sum;
}

}  // namespace corvane::gerg
