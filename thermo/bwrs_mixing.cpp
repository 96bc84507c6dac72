#include "thermo/bwrs_mixing.h"

#include <cmath>

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
  m.B0 = r.B0;
  m.A0 = r.A0;
  m.C0 = r.C0;
  m.D0 = r.D0;
  m.E0 = r.E0;
  m.b = r.b;
  m.a = r.a;
  m.d = r.d;
  m.alpha = r.alpha;
  m.c = r.c;
  m.gamma = r.gamma;
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
      t.rootA0[i][j] = std::sqrt(ri.A0 * rj.A0);
      t.rootC0[i][j] = std::sqrt(ri.C0 * rj.C0);
      t.rootD0[i][j] = std::sqrt(ri.D0 * rj.D0);
      t.rootE0[i][j] = std::sqrt(ri.E0 * rj.E0);
      t.oneMinusK[i][j] = u;
      t.oneMinusKCubed[i][j] = std::pow(u, 3.0);
      t.oneMinusKFourth[i][j] = std::pow(u, 4.0);
      t.oneMinusKFifth[i][j] = std::pow(u, 5.0);
    }
    t.rootGamma[i] = std::sqrt(ri.gamma);
    t.cubeRootB[i] = std::pow(ri.b, kCubeRootExponent);
    t.cubeRootA[i] = std::pow(ri.a, kCubeRootExponent);
    t.cubeRootAlpha[i] = std::pow(ri.alpha, kCubeRootExponent);
    t.cubeRootC[i] = std::pow(ri.c, kCubeRootExponent);
    t.cubeRootD[i] = std::pow(ri.d, kCubeRootExponent);
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

  for (int n = 0; n < active.count; ++n) {
    const int i = active.slots[n];
    const double xi = table[i].moleFraction;
    for (int p = 0; p < active.count; ++p) {
      const int j = active.slots[p];
      const double w = xi * table[j].moleFraction;
      m.A0 += w * t.rootA0[i][j] * t.oneMinusK[i][j];
      m.C0 += w * t.rootC0[i][j] * t.oneMinusKCubed[i][j];
      m.D0 += w * t.rootD0[i][j] * t.oneMinusKFourth[i][j];
      m.E0 += w * t.rootE0[i][j] * t.oneMinusKFifth[i][j];
    }
  }

  // One pass per rule, each sum squared or cubed by plain products.
  auto sumOver = [&](const BwrsMixingTerms::SlotTable& factor) {
    double s = 0;
    for (int n = 0; n < active.count; ++n) s += table[active.slots[n]].moleFraction * factor[active.slots[n]];
    return s;
  };
  const double sGamma = sumOver(t.rootGamma);
  m.gamma = sGamma * sGamma;
  const double sb = sumOver(t.cubeRootB);
  m.b = sb * sb * sb;
  const double sa = sumOver(t.cubeRootA);
  m.a = sa * sa * sa;
  const double sAlpha = sumOver(t.cubeRootAlpha);
  m.alpha = sAlpha * sAlpha * sAlpha;
  const double sc = sumOver(t.cubeRootC);
  m.c = sc * sc * sc;
  const double sd = sumOver(t.cubeRootD);
  m.d = sd * sd * sd;
  return mixture;
}

}  // namespace corvane
