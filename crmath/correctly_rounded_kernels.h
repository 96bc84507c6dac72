// The fast paths of the correctly rounded exp, log and pow: table-driven
// double-double evaluations with a proven relative error bound, followed by
// a test of whether that bound decides the rounding. Inline, since they are
// the whole cost of the equations' exponentials and powers.
#pragma once

#include <bit>
#include <cmath>
#include <cstdint>

#include "crmath/correctly_rounded_tables.h"
#include "crmath/double_double.h"

namespace corvane::cr {

// Relative error bounds of the kernels below, each with some room to spare
// over its derivation.
inline constexpr double kLogKernelError = 0x1.6p-68;
inline constexpr double kExpKernelError = 0x1.7p-68;

// log x = hi + lo (|lo| <= 2^-51 |hi|) within kLogKernelError |hi|, for
// finite x > 0, subnormal too.
//
// log x = e ln2 - log c + log1p(r), with x = 2^e m, m in [0.70, 1.42),
// c ~ 1/m from the table and r = m c - 1 exact, |r| <= 2^-9.
// log1p(r) = r - r^2/2 + r^3 (1/3 - r/4 + ... - r^5/8); the dropped r^9/9 is
// below 2^-75 |r|. The r^2 term is exact (Dekker square), the r^3 term carries
// the only sizeable rounding error, 2^-70.1 |r|; table entries hold 2^-106.
// |log x| >= |r| / 1.1, whatever the bin, so the whole is within 2^-69.3
// (the largest error seen over two million arguments is 2^-70.8).
// kFused (for code compiled for fused multiply-add): r^2's low part comes
// exact from one fused step instead of the split.
template <bool kFused = false>
[[gnu::always_inline]] inline DoubleDouble LogKernel(double x) {
  std::uint64_t bits = std::bit_cast<std::uint64_t>(x);
  int e = static_cast<int>(bits >> 52) - 1023;
  if (e == -1023) [[unlikely]] {  // subnormal: scale into the normal range first
    bits = std::bit_cast<std::uint64_t>(x * 0x1p54);
    e = static_cast<int>(bits >> 52) - 1023 - 54;
  }
  const int bin = static_cast<int>((bits >> 43) & 511);
  double m = std::bit_cast<double>((bits & 0x000fffffffffffffULL) | 0x3ff0000000000000ULL);
  if (bin >= kLogHalvingBin) {
    m *= 0.5;
    e += 1;
  }
  const LogEntry& entry = kLogTable[bin];
  // m = m1 + m2 with 26 and 27 bits: both products with c are exact, and
  // m1 c - 1 is too (m1 c lies within 2^-8 of 1).
  const double m1 = std::bit_cast<double>(std::bit_cast<std::uint64_t>(m) & 0xfffffffff8000000ULL);
  const double m2 = m - m1;
  const DoubleDouble r = TwoSum(m1 * entry.c - 1.0, m2 * entry.c);
  const double rh = r.hi;

  // rh^2 = square + squareLo, rh split by truncation into 26 and 27 bits:
  // only b^2 (2^-52 of the whole) can round, by 2^-106 of r^2.
  const double a = std::bit_cast<double>(std::bit_cast<std::uint64_t>(rh) & 0xfffffffff8000000ULL);
  const double b = rh - a;
  const double square = rh * rh;
  const double squareLo = kFused ? Fma(rh, rh, -square) : ((a * a - square) + 2 * a * b) + b * b;
  const double tail = (0x1.5555555555555p-2 - 0.25 * rh) + square * (0.2 - 0x1.5555555555555p-3 * rh) +
                      (square * square) * (0x1.2492492492492p-3 - 0.125 * rh);
  const DoubleDouble head = FastTwoSum(rh, -0.5 * square);
  const double headLo = head.lo + (((r.lo - 0.5 * squareLo) - rh * r.lo) + (rh * square) * tail);

  const double eD = static_cast<double>(e);
  const DoubleDouble table = FastTwoSum(eD * kLn2Hi, entry.logHi);
  const DoubleDouble sum = TwoSum(table.hi, head.hi);
  return {sum.hi, sum.lo + (table.lo + ((entry.logLo + eD * kLn2Lo) + headLo))};
}

// exp(th + tl), |th| < 707 (the result stays normal), |tl| <= 2^-52 |th|,
// written as 2^(k/256) exp(r): k = round(256 t / ln2), and r = t - k ln2/256
// from a two-part ln2/256 (|r| <= 2^-9.53; the parts' error is below
// 2^-78 for |k| < 2^18).
struct ExpReduction {
  std::uint64_t kBits;  // 2^51 + k in the low bits
  double kd;            // k
  double r0;            // th - k * (ln2/256 head), exact
  double c;             // k * (ln2/256 tail) - tl
  double r;             // r0 - c, rounded
  const Exp2Entry* t;   // 2^((k mod 256)/256)
};

inline constexpr double kC3 = 0x1.5555555555555p-3;   // 1/6
inline constexpr double kC4 = 0x1.5555555555555p-5;   // 1/24
inline constexpr double kC5 = 0x1.1111111111111p-7;   // 1/120
inline constexpr double kC6 = 0x1.6c16c16c16c17p-10;  // 1/720

// kFused: with fused multiply-adds, which give the same r0 and c (k may
// differ by one next to a tie, which keeps |r| within the same bound).
template <bool kFused = false>
[[gnu::always_inline]] inline ExpReduction ReduceExp(double th, double tl) {
  constexpr double kShifter = 0x1.8p52;
  ExpReduction x;
  const double shifted = kFused ? Fma(th, k256ByLn2, kShifter) : th * k256ByLn2 + kShifter;
  x.kBits = std::bit_cast<std::uint64_t>(shifted);
  x.kd = shifted - kShifter;
  x.r0 = kFused ? Fma(-x.kd, kLn2By256Hi, th) : th - x.kd * kLn2By256Hi;
  x.c = x.kd * kLn2By256Lo - tl;
  x.r = x.r0 - x.c;
  x.t = &kExp2Table[x.kBits & 255];
  return x;
}

// floor(k/256) in a double's exponent field (modulo 2^64: adding it to a
// double's bits scales that double by 2^floor(k/256)).
inline std::uint64_t ScaleBits(const ExpReduction& x) { return (x.kBits >> 8) << 52; }

// r's rounding error: r0 - r - c is exact when |r0| >= |c|; otherwise
// |r| < 2 |c| < 2^-25.4 and the result, below 2^-78 anyway, is off by less
// than 2^-79.
inline double RoundingErrorOfR(const ExpReduction& x) { return (x.r0 - x.r) - x.c; }

// The head of 2^(k/256): the table entry's hi scaled by 2^floor(k/256) by
// adding to its exponent bits (normal results only).
[[gnu::always_inline]] inline double ScaledHead(const ExpReduction& x) {
  return std::bit_cast<double>(std::bit_cast<std::uint64_t>(x.t->hi) + ScaleBits(x));
}

// 2^(k/256) = head + tail, both scaled.
[[gnu::always_inline]] inline DoubleDouble ScaledEntry(const ExpReduction& x) {
  return {ScaledHead(x), x.t->lo * std::bit_cast<double>(ScaleBits(x) + (std::uint64_t{1023} << 52))};
}

// The accurate kernel: r in two doubles, 2^(j/256) r as an exact Dekker
// product (r split by truncation into 26 and 27 bits); exp(r) = 1 + r + q
// with q = r^2 (1/2 + r/6) + r^4 (1/24 + r/120 + r^2/720): the dropped terms
// stay below 2^-79, q's roundings below 2^-71. The last two roundings add
// 2^-70.1; in all within 2^-68.3 (the largest error seen over two million
// arguments is 2^-69.0). -1 when that cannot decide.
[[gnu::noinline]] inline double ExpKernelAccurate(double th, double tl, double argError) {
  const ExpReduction x = ReduceExp(th, tl);
  const Exp2Entry& t = *x.t;
  const double rh = x.r;
  const double rl = RoundingErrorOfR(x);
  const double r2 = rh * rh;
  const double q = r2 * (0.5 + rh * kC3) + (r2 * r2) * ((kC4 + rh * kC5) + r2 * kC6);
  const double a = std::bit_cast<double>(std::bit_cast<std::uint64_t>(rh) & 0xfffffffff8000000ULL);
  const double b = rh - a;
  const double p = t.hi * rh;
  const double pLo = (((t.splitHi * a - p) + t.splitHi * b) + t.splitLo * a) + t.splitLo * b;
  const DoubleDouble head = FastTwoSum(t.hi, p);
  const double rest = (head.lo + pLo) + (t.hi * (rl + rh * rl) + (t.lo + t.lo * rh));
  const double lo = t.hi * q + rest;
  const double error = head.hi * (kExpKernelError + argError);
  const double up = head.hi + (lo + error);
  const double down = head.hi + (lo - error);
  if (up != down) return -1;
  return up * std::bit_cast<double>(ScaleBits(x) + (std::uint64_t{1023} << 52));
}

// The first stages' error bounds, in units of the scaled table entry (below).
inline constexpr double kExpFirstStageError = 0x1.cp-62;
inline constexpr double kExpFusedStageError = 0x1.4p-61;

// exp(th + tl) rounded to nearest, when the argument is known within
// argError (absolute, below 2^-50) and the error bounds leave no doubt about
// the rounding; -1 otherwise. |th| < 600 (so the scaled tails below stay
// normal), |tl| <= 2^-52 |th|.
//
// First in plain doubles with the table entry T scaled in advance:
// T + (T r + ((T r^2 (1/2 + r/6) + (T's tail (1 + r) + T r's rounding error))
// + T r^4 (1/24 + r/120))). Only the product T r and the sum around it round
// at the level of r's last bits, 2^-62.53 T each; the dropped r^6/720 adds
// 2^-66.65, the quadratic terms' roundings and their use of the rounded r
// 2^-70.1, c and ln2's parts 2^-76. In all 2^-61.47 T; the test takes
// kExpFirstStageError (2^-61.19), and the largest error seen over two
// million arguments is 2^-61.57. About one argument in 200 (those next to
// a midpoint) needs the accurate kernel.
[[gnu::always_inline]] inline double ExpKernel(double th, double tl, double argError) {
  const ExpReduction x = ReduceExp(th, tl);
  const auto [head, tail] = ScaledEntry(x);
  const double r = x.r;
  const double r2 = r * r;
  const double headR2 = head * r2;
  const double even = headR2 * (0.5 + r * kC3);
  const double higher = (headR2 * r2) * (kC4 + r * kC5);
  const double lows = tail + (tail * r + head * RoundingErrorOfR(x));
  const double error = head * (kExpFirstStageError + argError);
  const double product = head * r;
  const double up = head + (product + ((even + (lows + error)) + higher));
  const double down = head + (product + ((even + (lows - error)) + higher));
  if (up == down) [[likely]]
    return up;
  return ExpKernelAccurate(th, tl, argError);
}

// ExpKernel's contract, for code compiled for hardware with fused
// multiply-add (see FusedTwoProduct): same reduction and polynomial, but in
// units of the table entry's head H, which enters last: the result is
// H + H Y in one fused step, whose one rounding is the result's own, with
// Y = r^2 (1/2 + r/6 + r^2 (1/24 + r/120)) + ((lo/hi) (1 + r) + (r0 - c)).
// The table lookup thus stays off the longest chain, and the step that adds
// the tail waits for the lookup alone. The linear term takes r0 exact and c
// as a low term (r's rounding drops out of it). Three steps round at the
// level of r's last bits (r0 - c, the tail added, the polynomial added):
// |Y| <= 2^-9.527, so at most 2^-62.53 each. The dropped r^6/720
// (2^-66.65), the polynomial's roundings (2^-71), its use of the rounded r
// (2^-72) and c's roundings (2^-77) bring the whole to 2^-60.91; the test
// takes kExpFusedStageError (2^-60.68), and the largest error seen over two
// million arguments is 2^-61.39. About one argument in 140 needs the
// accurate kernel. The bound enters before the steps round, so that their
// roundings cannot carry the bracket past the exact value (rounding is
// monotonic).
[[gnu::always_inline]] inline double ExpKernelFused(double th, double tl, double argError) {
  const ExpReduction x = ReduceExp<true>(th, tl);
  const double r = x.r;
  const double r2 = r * r;
  // 1/2 + r/6 + r^2 (1/24 + r/120)
  const double poly = Fma(r2, Fma(r, kC5, kC4), Fma(r, kC3, 0.5));
  const double tau = x.t->loByHi;
  const double onePlusR = 1.0 + r;
  const double bound = kExpFusedStageError + argError;
  const double yUp = Fma(r2, poly, Fma(tau, onePlusR, x.r0 + (bound - x.c)));
  const double yDown = Fma(r2, poly, Fma(tau, onePlusR, x.r0 - (bound + x.c)));
  const double head = ScaledHead(x);
  const double up = Fma(head, yUp, head);
  const double down = Fma(head, yDown, head);
  if (up == down) [[likely]]
    return up;
  return ExpKernelAccurate(th, tl, argError);
}

// The same for any |th| < 707.
inline double ExpKernelAnyRange(double th, double tl, double argError) {
  if (std::fabs(th) < 600) return ExpKernel(th, tl, argError);
  return ExpKernelAccurate(th, tl, argError);
}

}  // namespace corvane::cr
