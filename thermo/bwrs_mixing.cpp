#include "thermo/bwrs_mixing.h"

#include <cmath>

#include "crmath/correctly_rounded.h"

namespace corvane {
namespace {

constexpr double kCubeRootExponent = 0.3333;

// The slots that take part in the sums. A slot whose fraction is zero adds
// only zeros and is left out; that changes no bit of any sum as long as every
// fraction is finite (0 times a finite number is a zero, and adding a zero to
// an accumulator that started at +0 leaves it as it was). With a fraction
// that is not finite every slot takes part, as written.
struct ActiveSlots {
  std::array<int, kLastMixedSlot> slots{};
  int count = 0;
};

ActiveSlots SlotsTakingPart(const ComponentTable& table) {
  ActiveSlots active;
  bool allFinite = true;
  for (int i = kFirstSlot; i <= kLastMixedSlot; ++i) allFinite = allFinite && std::isfinite(table[i].moleFraction);
  for (int i = kFirstSlot; i <= kLastMixedSlot; ++i)
    if (!allFinite || table[i].moleFraction != 0.0) active.slots[active.count++] = i;
  return active;
}

}  // namespace

BwrsMixture PureComponentMixture(const ComponentTable& table, int slot) {
  const ComponentRecord& r = table[slot];
  BwrsMixture mixture;
  MixtureCoefficients& m = mixture.coefficients;
  static_cast<BwrsConstants&>(m) = r;
  m.molecularWeight = r.molecularWeight;
  for (int i = kFirstSlot; i <= kLastMixedSlot; ++i) mixture.acentricFactor += table[i].moleFraction * table[i].acentricFactor;
  return mixture;
}

BwrsMixingTerms MakeBwrsMixingTerms(const ComponentTable& table, const InteractionTable& k) {
  BwrsMixingTerms t;
  for (int i = kFirstSlot; i <= kLastMixedSlot; ++i) {
    const ComponentRecord& ri = table[i];
    for (int j = kFirstSlot; j <= kLastMixedSlot; ++j) {
      const ComponentRecord& rj = table[j];
      const double u = 1 - (i <= j ? InteractionParameter(k, i, j) : InteractionParameter(k, j, i));
      t.pairs[i][j].root = {std::sqrt(ri.A0 * rj.A0), std::sqrt(ri.C0 * rj.C0), std::sqrt(ri.D0 * rj.D0),
                            std::sqrt(ri.E0 * rj.E0)};
      t.pairs[i][j].power = {u, cr::Pow(u, 3.0), cr::Pow(u, 4.0), cr::Pow(u, 5.0)};
    }
    t.perSlot[i] = {std::sqrt(ri.gamma),
                  cr::Pow(ri.b, kCubeRootExponent),
                  cr::Pow(ri.a, kCubeRootExponent),
                  cr::Pow(ri.alpha, kCubeRootExponent),
                  cr::Pow(ri.c, kCubeRootExponent),
                  cr::Pow(ri.d, kCubeRootExponent)};
  }
  return t;
}

BwrsMixture MixBwrsRules(const ComponentTable& table, const BwrsMixingTerms& t) {
  const ActiveSlots active = SlotsTakingPart(table);
  BwrsMixture mixture;
  MixtureCoefficients& m = mixture.coefficients;

  for (int n = 0; n < active.count; ++n) {
    const ComponentRecord& r = table[active.slots[n]];
    m.B0 += r.moleFraction * r.B0;
    m.molecularWeight += r.moleFraction * r.molecularWeight;
    mixture.acentricFactor += r.moleFraction * r.acentricFactor;
  }

  // A0, C0, D0, E0: each its own sum over the ordered pairs in (i, j) order.
  std::array<double, 4> pairSums{};
  for (int n = 0; n < active.count; ++n) {
    const int i = active.slots[n];
    const double xi = table[i].moleFraction;
    for (int p = 0; p < active.count; ++p) {
      const int j = active.slots[p];
      const double w = xi * table[j].moleFraction;
      const BwrsMixingTerms::Pair& pair = t.pairs[i][j];
      for (std::size_t q = 0; q < 4; ++q) pairSums[q] += w * pair.root[q] * pair.power[q];
    }
  }
  m.A0 = pairSums[0];
  m.C0 = pairSums[1];
  m.D0 = pairSums[2];
  m.E0 = pairSums[3];

  // gamma and the five cube-root rules: one sum each over the slots in order,
  // then squared or cubed by plain products.
  std::array<double, BwrsMixingTerms::kSlotFactors> s{};
  for (int n = 0; n < active.count; ++n) {
    const int i = active.slots[n];
    const double x = table[i].moleFraction;
    for (std::size_t q = 0; q < s.size(); ++q) s[q] += x * t.perSlot[i][q];
  }
  m.gamma = s[BwrsMixingTerms::kRootGamma] * s[BwrsMixingTerms::kRootGamma];
  auto cube = [](double v) { return v * v * v; };
  m.b = cube(s[BwrsMixingTerms::kCubeRootB]);
  m.a = cube(s[BwrsMixingTerms::kCubeRootA]);
  m.alpha = cube(s[BwrsMixingTerms::kCubeRootAlpha]);
  m.c = cube(s[BwrsMixingTerms::kCubeRootC]);
  m.d = cube(s[BwrsMixingTerms::kCubeRootD]);
  return mixture;
}

}  // namespace corvane
