// Exact sums and products of doubles (error-free transformations): a + b and
// a * b as an unevaluated pair hi + lo, computed with plain IEEE operations
// only (Veltkamp splitting, no fused multiply-add), so every machine gives the
// same pair.
#pragma once

#include <bit>
#include <cstdint>

namespace corvane::cr {

struct DoubleDouble {
  double hi, lo;
};

// a + b exactly, any magnitudes.
inline DoubleDouble TwoSum(double a, double b) {
  const double s = a + b;
  const double bb = s - a;
  return {s, (a - (s - bb)) + (b - bb)};
}

// a + b exactly, provided |a| >= |b| or a == 0.
inline DoubleDouble FastTwoSum(double a, double b) {
  const double s = a + b;
  return {s, b - (s - a)};
}

// a = hi + lo with hi on 26 significant bits and lo on at most 26
// (|a| < 2^995, so the scaled copy cannot overflow).
inline void Split(double a, double& hi, double& lo) {
  const double c = 134217729.0 * a;  // 2^27 + 1
  hi = c - (c - a);
  lo = a - hi;
}

// a * b exactly (no overflow or underflow in the partial products).
inline DoubleDouble TwoProduct(double a, double b) {
  double ah, al, bh, bl;
  Split(a, ah, al);
  Split(b, bh, bl);
  const double p = a * b;
  return {p, (((ah * bh - p) + ah * bl) + al * bh) + al * bl};
}

}  // namespace corvane::cr

namespace corvane::cr {

// 2^e, for -1022 <= e <= 1023.
inline double PowerOfTwo(int e) {
  return std::bit_cast<double>(static_cast<std::uint64_t>(e + 1023) << 52);
}

// v 2^e for -1074 <= e <= 1023, exact whenever the product is representable
// (an intermediate step keeps a subnormal result from being rounded twice).
inline double TimesPowerOfTwo(double v, int e) {
  if (e < -1022) return (v * PowerOfTwo(e + 600)) * PowerOfTwo(-600);
  return v * PowerOfTwo(e);
}

}  // namespace corvane::cr

namespace corvane::cr {

// a * b + c rounded once. Meant for code compiled for hardware that has the
// instruction: called as a builtin, it becomes that instruction there even
// unoptimised, never the C library's fma.
[[gnu::always_inline]] inline double Fma(double a, double b, double c) { return __builtin_fma(a, b, c); }

// a * b exactly with one fused multiply-add: the same pair as TwoProduct.
[[gnu::always_inline]] inline DoubleDouble FusedTwoProduct(double a, double b) {
  const double p = a * b;
  return {p, Fma(a, b, -p)};
}

}  // namespace corvane::cr
