#include "crmath/wide_fixed_point.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <limits>

#include "crmath/correctly_rounded_kernels.h"

namespace corvane::cr::wide {
namespace {

using Limb = std::uint32_t;
using Wide64 = std::uint64_t;

constexpr int kNone = std::numeric_limits<int>::min() / 2;  // "no error" / "no bit"
constexpr int kHalvings = 12;                                // exp(r) = exp(r / 2^12)^(2^12)

// (negative ? -1 : 1) * sum of d[i] 2^(-32 i) for i < n: d[0] is the integer
// part, the other n - 1 words the W = 32 (n - 1) fraction bits. Products and
// quotients truncate: each loses less than 2^-W.
struct Fixed {
  int n = 0;
  bool negative = false;
  std::array<Limb, kMaxLimbs> d{};
};

int FractionBits(int n) { return 32 * (n - 1); }

Fixed Constant(int n, Limb integer) {
  Fixed f;
  f.n = n;
  f.d[0] = integer;
  return f;
}

bool IsZero(const Fixed& a) {
  return std::all_of(a.d.begin(), a.d.begin() + a.n, [](Limb l) { return l == 0; });
}

Fixed Negate(Fixed a) {
  a.negative = !a.negative;
  return a;
}

// The word holding the bit of weight 2^w (w < 32), and the bit's place in it.
int LimbOf(int w) { return w >= 0 ? 0 : (31 - w) / 32; }

Limb Bit(const Fixed& a, int w) {
  const int i = LimbOf(w);
  if (w >= 32 || i >= a.n) return 0;
  return (a.d[i] >> (w + 32 * i)) & 1;
}

void SetBit(Fixed& a, int w) {
  const int i = LimbOf(w);
  if (w < 32 && i < a.n) a.d[i] |= Limb{1} << (w + 32 * i);
}

// `count` (<= 64) bits from weight 2^top down, as an integer.
Wide64 Bits(const Fixed& a, int top, int count) {
  Wide64 v = 0;
  for (int k = 0; k < count; ++k) v = (v << 1) | Bit(a, top - k);
  return v;
}

int LeadingWeight(const Fixed& a) {
  for (int i = 0; i < a.n; ++i)
    if (a.d[i] != 0) return 31 - std::countl_zero(a.d[i]) - 32 * i;
  return kNone;
}

// x exactly, but for bits below 2^-W.
Fixed FromDouble(double x, int n) {
  Fixed f = Constant(n, 0);
  f.negative = x < 0;
  const Wide64 bits = std::bit_cast<Wide64>(x) & ~(Wide64{1} << 63);
  const int biased = static_cast<int>(bits >> 52);
  Wide64 mantissa = bits & ((Wide64{1} << 52) - 1);
  if (biased != 0) mantissa |= Wide64{1} << 52;
  const int e = (biased == 0 ? 1 : biased) - 1075;
  for (int k = 0; k < 53; ++k)
    if ((mantissa >> k) & 1) SetBit(f, e + k);
  return f;
}

double ToDouble(const Fixed& a) {  // to about 2^-64, enough to choose a reduction
  const double v = a.d[0] + a.d[1] * 0x1p-32 + (a.n > 2 ? a.d[2] * 0x1p-64 : 0.0);
  return a.negative ? -v : v;
}

int CompareMagnitude(const Fixed& a, const Fixed& b) {
  for (int i = 0; i < a.n; ++i)
    if (a.d[i] != b.d[i]) return a.d[i] < b.d[i] ? -1 : 1;
  return 0;
}

void AddMagnitude(Fixed& a, const Fixed& b) {
  Wide64 carry = 0;
  for (int i = a.n - 1; i >= 0; --i) {
    const Wide64 s = Wide64{a.d[i]} + b.d[i] + carry;
    a.d[i] = static_cast<Limb>(s);
    carry = s >> 32;
  }
}

void SubtractMagnitude(Fixed& a, const Fixed& b) {  // |a| >= |b|
  Wide64 borrow = 0;
  for (int i = a.n - 1; i >= 0; --i) {
    const Wide64 s = Wide64{a.d[i]} - b.d[i] - borrow;
    a.d[i] = static_cast<Limb>(s);
    borrow = s >> 63;
  }
}

Fixed Add(Fixed a, const Fixed& b) {
  if (a.negative == b.negative) {
    AddMagnitude(a, b);
    return a;
  }
  if (CompareMagnitude(a, b) >= 0) {
    SubtractMagnitude(a, b);
    return a;
  }
  Fixed c = b;
  SubtractMagnitude(c, a);
  return c;
}

Fixed Subtract(const Fixed& a, const Fixed& b) { return Add(a, Negate(b)); }

// The schoolbook product, truncated to W fraction bits (integer part < 2^32).
Fixed Multiply(const Fixed& a, const Fixed& b) {
  const int n = a.n;
  std::array<Limb, 2 * kMaxLimbs> acc{};
  for (int j = n - 1; j >= 0; --j) {
    Wide64 carry = 0;
    for (int l = n - 1; l >= 0; --l) {
      const Wide64 t = Wide64{a.d[j]} * b.d[l] + acc[j + l] + carry;
      acc[j + l] = static_cast<Limb>(t);
      carry = t >> 32;
    }
    if (j > 0) acc[j - 1] = static_cast<Limb>(carry);
  }
  Fixed c = Constant(n, 0);
  c.negative = a.negative != b.negative;
  std::copy(acc.begin(), acc.begin() + n, c.d.begin());
  return c;
}

Fixed MultiplySmall(Fixed a, Limb m) {  // exact while the integer part fits
  Wide64 carry = 0;
  for (int i = a.n - 1; i >= 0; --i) {
    const Wide64 t = Wide64{a.d[i]} * m + carry;
    a.d[i] = static_cast<Limb>(t);
    carry = t >> 32;
  }
  return a;
}

Fixed DivideSmall(Fixed a, Limb m) {
  Wide64 remainder = 0;
  for (int i = 0; i < a.n; ++i) {
    const Wide64 current = (remainder << 32) | a.d[i];
    a.d[i] = static_cast<Limb>(current / m);
    remainder = current % m;
  }
  return a;
}

// a 2^s, truncated below 2^-W (bits above 2^31 must not arise).
Fixed Scale(const Fixed& a, int s) {
  // Word L counted from the least significant one, zero outside the number.
  auto word = [&](int L) -> Wide64 { return L >= 0 && L < a.n ? a.d[a.n - 1 - L] : 0; };
  Fixed c = Constant(a.n, 0);
  c.negative = a.negative;
  for (int i = 0; i < a.n; ++i) {
    const int from = 32 * (a.n - 1 - i) - s;  // bit of a landing on c's word i
    const int L = from >= 0 ? from / 32 : -((31 - from) / 32);
    const int offset = from - 32 * L;
    c.d[i] = static_cast<Limb>(((word(L + 1) << 32) | word(L)) >> offset);
  }
  return c;
}

// ln 2 = 2 atanh(1/3) = sum over k of 2 / ((2k+1) 3^(2k+1)), once, to the
// widest precision: its ~1000 truncations stay below 2^(10 - 32 (kMaxLimbs-1)).
const Fixed& WidestLn2() {
  static const Fixed ln2 = [] {
    Fixed power = DivideSmall(Constant(kMaxLimbs, 2), 3);
    Fixed sum = Constant(kMaxLimbs, 0);
    for (Limb k = 0; !IsZero(power); ++k) {
      AddMagnitude(sum, DivideSmall(power, 2 * k + 1));
      power = DivideSmall(power, 9);
    }
    return sum;
  }();
  return ln2;
}

// ln 2 within 2^(1 - W).
Fixed Ln2(int n) {
  Fixed f = WidestLn2();
  std::fill(f.d.begin() + n, f.d.end(), 0);
  f.n = n;
  return f;
}

// exp(t) = m 2^k with m in [0.7, 1.42]. errorLog2 bounds the absolute error of
// t on entry (log2, kNone when exact) and of m on return.
//   t = k ln2 + r, |r| <= 0.35: |k| < 2^11 adds |k| 2^(1-W) < 2^(12-W).
//   exp(r/2^12) by its series: terms until one truncates to zero, each term
//   off by under 2^(1-W), at most 83 of them: within 2^(8.1-W).
//   Twelve squarings double the relative error each time, plus 2^-W:
//   2^(20.2-W) relative, 2^(20.7-W) absolute. An error d in t moves m by
//   1.42 |d| at most.
Fixed ExpReduced(const Fixed& t, int& k, int& errorLog2) {
  const int n = t.n;
  const int w = FractionBits(n);
  const double q = ToDouble(t) * 1.4426950408889634;
  k = static_cast<int>(q < 0 ? q - 0.5 : q + 0.5);
  Fixed kLn2 = MultiplySmall(Ln2(n), static_cast<Limb>(k < 0 ? -k : k));
  kLn2.negative = k < 0;
  const Fixed s = Scale(Subtract(t, kLn2), -kHalvings);

  Fixed sum = Constant(n, 1);
  Fixed term = sum;
  for (Limb i = 1;; ++i) {
    term = DivideSmall(Multiply(term, s), i);
    if (IsZero(term)) break;
    sum = Add(sum, term);
  }
  for (int i = 0; i < kHalvings; ++i) sum = Multiply(sum, sum);

  const int argumentError = std::max(errorLog2, 12 - w) + 1;
  errorLog2 = std::max(21 - w, argumentError + 1) + 1;
  return sum;
}

// v 2^k rounded to nearest, ties to even, when v is known within 2^errorLog2
// and that decides it: only a true value next to a midpoint between two
// doubles can round otherwise (near a double it rounds to that double on
// either side). With `decide`, the computed value decides regardless.
std::optional<double> Round(const Fixed& v, int k, int errorLog2, bool decide) {
  const int lead = LeadingWeight(v);
  if (lead == kNone) return std::nullopt;
  const double sign = v.negative ? -1.0 : 1.0;
  if (lead + k > 1023) return sign * std::numeric_limits<double>::infinity();
  const int ulp = std::max(lead + k - 52, -1074);  // the result's last bit
  const int cut = ulp - k;                         // the same in v's weights
  const int kept = lead - cut + 1;
  Wide64 q = kept > 0 ? Bits(v, lead, kept) : 0;
  const Wide64 tail = Bits(v, cut - 1, 64);  // in units of 2^(cut - 64)
  const Wide64 half = Wide64{1} << 63;
  const int marginLog2 = decide ? kNone : errorLog2 - (cut - 64);
  if (marginLog2 >= 61) return std::nullopt;
  const Wide64 margin = marginLog2 < 0 ? 1 : Wide64{1} << marginLog2;
  const bool above = tail > half && tail - half > margin;
  const bool below = tail < half && half - tail > margin;
  if (!above && !below && !decide) return std::nullopt;
  if (above) ++q;
  return sign * TimesPowerOfTwo(static_cast<double>(q), ulp);
}

// log x = e ln2 + log m, x = 2^e m, m in [0.70, 1.42). log m by Newton's
// iteration y <- y + m exp(-y) - 1 from the fast kernel's value (within
// 2^-60), each step squaring the error; the last one leaves its evaluation
// error, 2^(err(exp) + 2). errorLog2 bounds the result's absolute error.
Fixed LogFixed(double x, int n, int& errorLog2) {
  const int w = FractionBits(n);
  Wide64 bits = std::bit_cast<Wide64>(x);
  int e = static_cast<int>(bits >> 52) - 1023;
  if (e == -1023) {
    bits = std::bit_cast<Wide64>(x * 0x1p54);
    e = static_cast<int>(bits >> 52) - 1023 - 54;
  }
  double m = std::bit_cast<double>((bits & ((Wide64{1} << 52) - 1)) | 0x3ff0000000000000ULL);
  if (m > 1.4142135623730951) {
    m *= 0.5;
    e += 1;
  }
  const DoubleDouble start = LogKernel(m);
  Fixed y = Add(FromDouble(start.hi, n), FromDouble(start.lo, n));
  const Fixed mFixed = FromDouble(m, n);
  const Fixed one = Constant(n, 1);
  int stepError = kNone;
  for (int goodBits = 60; goodBits < w + 8; goodBits *= 2) {
    int k;
    int expError = kNone;
    const Fixed expY = ExpReduced(Negate(y), k, expError);
    const Fixed v = Scale(Multiply(mFixed, expY), k);
    y = Add(y, Subtract(v, one));
    stepError = expError + 2;
  }
  Fixed eLn2 = MultiplySmall(Ln2(n), static_cast<Limb>(e < 0 ? -e : e));
  eLn2.negative = e < 0;
  errorLog2 = std::max(stepError + 1, 12 - w) + 1;
  return Add(eLn2, y);
}

}  // namespace

std::optional<double> Exp(double x, int limbs) {
  int k;
  int error = kNone;  // x has no bit below 2^-106
  const Fixed m = ExpReduced(FromDouble(x, limbs), k, error);
  return Round(m, k, error, limbs == kMaxLimbs);
}

std::optional<double> Log(double x, int limbs) {
  int error;
  const Fixed v = LogFixed(x, limbs, error);
  return Round(v, 0, error, limbs == kMaxLimbs);
}

// t = y log x with y = Y 2^s, Y = (53-bit integer) 2^-53 held exactly.
std::optional<double> Pow(double x, double y, int limbs) {
  const int w = FractionBits(limbs);
  int error;
  const Fixed logX = LogFixed(x, limbs, error);
  const Wide64 bits = std::bit_cast<Wide64>(y) & ~(Wide64{1} << 63);
  const int biased = static_cast<int>(bits >> 52);
  Wide64 mantissa = bits & ((Wide64{1} << 52) - 1);
  if (biased != 0) mantissa |= Wide64{1} << 52;
  const int s = (biased == 0 ? 1 : biased) - 1075 + 53;
  Fixed yFixed = Constant(limbs, 0);
  yFixed.d[1] = static_cast<Limb>(mantissa >> 21);
  yFixed.d[2] = static_cast<Limb>(mantissa << 11);
  yFixed.negative = y < 0;
  const Fixed t = Scale(Multiply(logX, yFixed), s);
  error = std::max(std::max(error, -w) + 1 + s, -w) + 1;
  int k;
  const Fixed m = ExpReduced(t, k, error);
  return Round(m, k, error, limbs == kMaxLimbs);
}

}  // namespace corvane::cr::wide
