// Ziv's strategy: the fast double-double kernels answer when their error
// bound decides the rounding (all but about one argument in 10,000); the rest
// go to the fixed-point path with 224, then 480, then 1056 fraction bits.
// exp and log have no exact results but exp(0) and log(1), and their hardest
// known arguments need under 2^-120, so the first wide try always decides.
// pow's exact and halfway results are found apart, before the wide path.
#include "crmath/correctly_rounded.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "crmath/correctly_rounded_kernels.h"
#include "crmath/wide_fixed_point.h"

namespace corvane::cr {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
// The NaN an invalid operation gives on x86-64 (sign bit set), also where the
// hardware would give another.
const double kInvalid = std::bit_cast<double>(std::uint64_t{0xfff8000000000000});

// exp(t) is above the largest double beyond this, below half the least
// subnormal under the other.
constexpr double kOverflowArgument = 709.8;
constexpr double kUnderflowArgument = -745.2;

template <class Attempt>
double Accurate(Attempt attempt) {
  for (int limbs : {8, 16}) {
    if (const std::optional<double> r = attempt(limbs)) return *r;
  }
  return attempt(wide::kMaxLimbs).value_or(kInvalid);  // decides at any rate
}

// Whether the rounding test passes for hi + lo known within error.
std::optional<double> Decided(double hi, double lo, double error) {
  const double up = hi + (lo + error);
  const double down = hi + (lo - error);
  if (up != down) return std::nullopt;
  return up;
}

bool IsInteger(double y) { return std::fabs(y) >= 0x1p52 || y == static_cast<double>(static_cast<std::int64_t>(y)); }

bool IsOddInteger(double y) {
  return std::fabs(y) < 0x1p53 && IsInteger(y) && (static_cast<std::int64_t>(y) & 1) != 0;
}

// v > 0 finite as odd * 2^exponent.
void Decompose(double v, std::uint64_t& odd, int& exponent) {
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(v);
  const int biased = static_cast<int>(bits >> 52);
  odd = bits & ((std::uint64_t{1} << 52) - 1);
  if (biased != 0) odd |= std::uint64_t{1} << 52;
  exponent = (biased == 0 ? 1 : biased) - 1075;
  const int zeros = std::countr_zero(odd);
  odd >>= zeros;
  exponent += zeros;
}

// m 2^e (m > 0) rounded to nearest, ties to even.
double RoundDyadic(std::uint64_t m, int e) {
  const int top = e + 63 - std::countl_zero(m);
  if (top > 1023) return kInfinity;
  const int ulp = std::max(top - 52, -1074);
  if (ulp <= e) return TimesPowerOfTwo(static_cast<double>(m), e);
  const int shift = ulp - e;
  if (shift > 64) return 0.0;
  const std::uint64_t q = shift == 64 ? 0 : m >> shift;
  const std::uint64_t rest = shift == 64 ? m : m & ((std::uint64_t{1} << shift) - 1);
  const std::uint64_t half = std::uint64_t{1} << (shift - 1);
  const bool up = rest > half || (rest == half && (q & 1) != 0);
  return TimesPowerOfTwo(static_cast<double>(q + (up ? 1 : 0)), ulp);
}

// x^y when it is a dyadic number of at most 64 significant bits, which
// covers every exact and every halfway result (x > 0 finite, x != 1, y finite
// and nonzero, |y log x| < 746). Write x = a 2^e, y = n / 2^f with a, n odd:
// x^y is dyadic only if a is a perfect 2^f-th power b^(2^f) and 2^f divides
// e; then x^y = b^n 2^(e n / 2^f), which needs n > 0 unless b = 1. As
// a <= 2^53, f > 5 leaves only b = 1.
std::optional<double> ExactPower(double x, double y) {
  if (std::fabs(y) > 0x1p20) return std::nullopt;  // |y log x| >= 746 then
  std::uint64_t a, nAbs;
  int e, yExponent;
  Decompose(x, a, e);
  Decompose(std::fabs(y), nAbs, yExponent);
  const int f = yExponent < 0 ? -yExponent : 0;
  const std::int64_t n = static_cast<std::int64_t>(nAbs << (yExponent > 0 ? yExponent : 0)) * (y < 0 ? -1 : 1);
  if (f > 30 || e % (std::int64_t{1} << f) != 0) return std::nullopt;
  const std::int64_t exponent = e / (std::int64_t{1} << f) * n;
  if (a == 1) return exponent > 1100 ? kInfinity : exponent < -1100 ? 0.0 : RoundDyadic(1, static_cast<int>(exponent));
  if (n < 0 || f > 5) return std::nullopt;
  std::uint64_t b = a;
  for (int i = 0; i < f; ++i) {
    const auto root = static_cast<std::uint64_t>(std::sqrt(static_cast<double>(b)));
    if (root * root != b) return std::nullopt;
    b = root;
  }
  std::uint64_t power = 1;
  for (std::int64_t i = 0; i < n; ++i) {
    if (power > std::numeric_limits<std::uint64_t>::max() / b) return std::nullopt;
    power *= b;
  }
  if (exponent > 1100) return kInfinity;
  if (exponent < -1200) return 0.0;
  return RoundDyadic(power, static_cast<int>(exponent));
}

[[gnu::noinline]] double ExpAccurate(double x) {
  return Accurate([x](int limbs) { return wide::Exp(x, limbs); });
}

[[gnu::noinline]] double ExpOutsideKernel(double x) {
  if (x != x) return x + x;
  if (x > kOverflowArgument) return kInfinity;
  if (x < kUnderflowArgument) return 0.0;
  if (std::fabs(x) < 0x1p-54) return 1.0;  // e^x lies within a quarter ulp of 1
  if (std::fabs(x) < 707) {
    if (const double r = ExpKernelAnyRange(x, 0.0, 0.0); r >= 0) return r;
  }
  return ExpAccurate(x);  // and results next to overflow or subnormal
}

[[gnu::noinline]] double LogOutsideKernel(double x) {
  if (x != x) return x + x;
  if (x < 0) return kInvalid;
  if (x == 0) return -kInfinity;
  if (x == kInfinity) return x;
  return Accurate([x](int limbs) { return wide::Log(x, limbs); });
}

// |x|^y for finite x != 0, |x| != 1, finite nonzero y.
double PowOfMagnitude(double ax, double y) {
  // y log|x| in two doubles, within 2^-67 |t| (the kernel's 2^-67.5 and the
  // product's last roundings).
  const DoubleDouble logX = LogKernel(ax);
  const double estimate = y * logX.hi;
  if (estimate > kOverflowArgument) return kInfinity;
  if (estimate < kUnderflowArgument) return 0.0;
  if (std::fabs(estimate) < 0x1p-55) return 1.0;
  if (std::fabs(estimate) < 707) {
    const DoubleDouble t = TwoProduct(y, logX.hi);
    if (const double r = ExpKernelAnyRange(t.hi, t.lo + y * logX.lo, std::fabs(t.hi) * 0x1p-67); r >= 0) return r;
  }
  if (const std::optional<double> exact = ExactPower(ax, y)) return *exact;
  return Accurate([ax, y](int limbs) { return wide::Pow(ax, y, limbs); });
}

[[gnu::noinline]] double PowOutsideKernel(double x, double y) {
  if (y == 0 || x == 1) return 1.0;
  if (x != x || y != y) return x + y;
  const double ax = std::fabs(x);
  if (std::fabs(y) == kInfinity) {
    if (ax == 1) return 1.0;
    return (ax > 1) == (y > 0) ? kInfinity : 0.0;
  }
  const bool negative = std::signbit(x) && IsOddInteger(y);
  const double sign = negative ? -1.0 : 1.0;
  if (x == 0) return y < 0 ? sign * kInfinity : sign * 0.0;
  if (ax == kInfinity) return y < 0 ? sign * 0.0 : sign * kInfinity;
  if (x < 0 && !IsInteger(y)) return kInvalid;
  if (ax == 1) return sign;
  return sign * PowOfMagnitude(ax, y);
}

// The first stages with or without fused multiply-add: both round
// correctly, so they give the same bits; the fused one is shorter.
template <bool kFused>
[[gnu::always_inline]] inline double ExpFirst(double x) {
  const double ax = std::fabs(x);
  if (ax < 600 && ax >= 0x1p-54) [[likely]] {
    const double r = kFused ? ExpKernelFused(x, 0.0, 0.0) : ExpKernel(x, 0.0, 0.0);
    if (r >= 0) return r;
    return ExpAccurate(x);
  }
  return ExpOutsideKernel(x);
}

template <bool kFused>
[[gnu::always_inline]] inline double PowFirst(double x, double y) {
  if (x > 0 && x < kInfinity && std::fabs(y) < 0x1p64) [[likely]] {
    const DoubleDouble logX = LogKernel<kFused>(x);
    const double estimate = std::fabs(y * logX.hi);
    if (estimate < 600 && estimate > 0x1p-55) {
      const DoubleDouble t = kFused ? FusedTwoProduct(y, logX.hi) : TwoProduct(y, logX.hi);
      const double tl = t.lo + y * logX.lo;
      const double argError = std::fabs(t.hi) * 0x1p-67;
      const double r = kFused ? ExpKernelFused(t.hi, tl, argError) : ExpKernel(t.hi, tl, argError);
      if (r >= 0) return r;
    }
  }
  return PowOutsideKernel(x, y);
}

template <bool kFused>
[[gnu::always_inline]] inline double LogFirst(double x) {
  if (x > 0 && x < kInfinity) [[likely]] {
    const DoubleDouble v = LogKernel<kFused>(x);  // log 1 gives 0 exactly
    if (const std::optional<double> r = Decided(v.hi, v.lo, std::fabs(v.hi) * kLogKernelError)) return *r;
    return Accurate([x](int limbs) { return wide::Log(x, limbs); });
  }
  return LogOutsideKernel(x);
}

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#define CORVANE_CR_FUSED_KERNELS 1
[[gnu::target("fma")]] double ExpFused(double x) { return ExpFirst<true>(x); }
[[gnu::target("fma")]] double LogFused(double x) { return LogFirst<true>(x); }
[[gnu::target("fma")]] double PowFused(double x, double y) { return PowFirst<true>(x, y); }
#endif

bool HardwareHasFusedMultiplyAdd() {
#ifdef CORVANE_CR_FUSED_KERNELS
  __builtin_cpu_init();  // static initialisers may run before the library's own
  return __builtin_cpu_supports("fma");
#else
  return false;
#endif
}

// Chosen once; zero (the portable path) until then.
bool gFused = HardwareHasFusedMultiplyAdd();

}  // namespace

void UsePortableKernels(bool portable) { gFused = !portable && HardwareHasFusedMultiplyAdd(); }

bool UsesFusedKernels() { return gFused; }

double Exp(double x) {
#ifdef CORVANE_CR_FUSED_KERNELS
  if (gFused) return ExpFused(x);
#endif
  return ExpFirst<false>(x);
}

double Log(double x) {
#ifdef CORVANE_CR_FUSED_KERNELS
  if (gFused) return LogFused(x);
#endif
  return LogFirst<false>(x);
}

double Pow(double x, double y) {
  // The square root rounds correctly in hardware (IEEE), and is x^(1/2)
  // for every positive finite x (not for -0 or -inf).
  if (y == 0.5 && x > 0 && x < kInfinity) return std::sqrt(x);
#ifdef CORVANE_CR_FUSED_KERNELS
  if (gFused) return PowFused(x, y);
#endif
  return PowFirst<false>(x, y);
}

}  // namespace corvane::cr
