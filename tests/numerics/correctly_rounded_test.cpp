// exp, log and pow against MPFR, bit for bit: random arguments over the
// ranges the equations use and over the whole double range, special values,
// pow's exact and halfway results, and arguments whose results lie next to a
// midpoint between two doubles (found with find_hard_cases.cpp, or built so).
#include "crmath/correctly_rounded.h"

#include <gtest/gtest.h>
#include <mpfr.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "crmath/correctly_rounded_kernels.h"

namespace corvane {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// MPFR's result rounded to nearest-even into a double, subnormals included.
double Mpfr(const std::function<int(mpfr_ptr, mpfr_srcptr, mpfr_srcptr)>& f, double x, double y) {
  mpfr_set_emin(-1073);  // a double's exponent range, for mpfr_subnormalize
  mpfr_set_emax(1024);
  mpfr_t a, b, r;
  mpfr_inits2(53, a, b, r, static_cast<mpfr_ptr>(nullptr));
  mpfr_set_d(a, x, MPFR_RNDN);
  mpfr_set_d(b, y, MPFR_RNDN);
  const int inexact = f(r, a, b);
  mpfr_subnormalize(r, inexact, MPFR_RNDN);
  const double d = mpfr_get_d(r, MPFR_RNDN);
  mpfr_clears(a, b, r, static_cast<mpfr_ptr>(nullptr));
  return d;
}

double MpfrExp(double x) { return Mpfr([](mpfr_ptr r, mpfr_srcptr a, mpfr_srcptr) { return mpfr_exp(r, a, MPFR_RNDN); }, x, 0); }
double MpfrLog(double x) { return Mpfr([](mpfr_ptr r, mpfr_srcptr a, mpfr_srcptr) { return mpfr_log(r, a, MPFR_RNDN); }, x, 0); }
double MpfrPow(double x, double y) {
  return Mpfr([](mpfr_ptr r, mpfr_srcptr a, mpfr_srcptr b) { return mpfr_pow(r, a, b, MPFR_RNDN); }, x, y);
}

bool SameBits(double a, double b) {
  return (std::isnan(a) && std::isnan(b)) || std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// Counts the arguments checked and keeps the first few mismatches.
class Checker {
 public:
  void Exp(double x) { Compare("exp", x, 0, cr::Exp(x), MpfrExp(x)); }
  void Log(double x) { Compare("log", x, 0, cr::Log(x), MpfrLog(x)); }
  void Pow(double x, double y) { Compare("pow", x, y, cr::Pow(x, y), MpfrPow(x, y)); }

  ~Checker() {
    EXPECT_TRUE(mismatches_.empty()) << mismatches_.size() << " of " << checked_ << " differ from MPFR, first:\n"
                                     << (mismatches_.empty() ? "" : mismatches_.front());
  }

 private:
  void Compare(const char* name, double x, double y, double got, double want) {
    ++checked_;
    if (SameBits(got, want)) return;
    char text[160];
    std::snprintf(text, sizeof text, "%s(%a, %a) = %a, MPFR %a", name, x, y, got, want);
    mismatches_.emplace_back(text);
  }

  long checked_ = 0;
  std::vector<std::string> mismatches_;
};

class Arguments {
 public:
  double Uniform(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(engine_); }
  double AnyBits() { return std::bit_cast<double>(engine_()); }
  // 2^-k scaled by [1, 2), k uniform in [0, kMax].
  double Scale(int kMax) { return std::ldexp(Uniform(1, 2), -static_cast<int>(engine_() % (kMax + 1))); }
  std::uint64_t Bits() { return engine_(); }

 private:
  std::mt19937_64 engine_{20261207};
};

// Each comparison runs on both first stages: the portable one and, where
// the processor has it, the one with fused multiply-add.
class CorrectlyRounded : public testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    const bool portable = GetParam();
    cr::UsePortableKernels(portable);
    if (!portable && !cr::UsesFusedKernels()) GTEST_SKIP() << "no fused multiply-add on this processor";
  }
  void TearDown() override { cr::UsePortableKernels(false); }
};

INSTANTIATE_TEST_SUITE_P(FirstStage, CorrectlyRounded, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& info) { return info.param ? "Portable" : "Fused"; });

TEST_P(CorrectlyRounded, ExpMatchesMpfr) {
  Checker check;
  Arguments a;
  for (int i = 0; i < 60000; ++i) {
    check.Exp(a.Uniform(-50, 1));       // -gamma rho^2 and beyond
    check.Exp(a.Uniform(-746, 710));    // the whole finite range, overflow and subnormals included
    check.Exp(a.AnyBits());             // any bit pattern: tiny, huge, infinite, NaN
    check.Exp((i % 2 ? -1 : 1) * a.Scale(60));
  }
  for (int i = 0; i < 5000; ++i) {
    check.Exp(a.Uniform(709.7, 709.8));  // next to overflow
    check.Exp(a.Uniform(-745.2, -708));  // subnormal results and their rounding to zero
  }
  const double special[] = {0.0, -0.0, kInf, -kInf, kNaN, 0x1p-54, -0x1p-54, 0x1p-53, -0x1p-53, 709.782712893384,
                            709.7827128933841, -745.1332191019411, -745.1332191019412, -744.44007192138122,
                            -708.39641853226408, -708.39641853226419};
  for (double x : special) check.Exp(x);
}

TEST_P(CorrectlyRounded, LogMatchesMpfr) {
  Checker check;
  Arguments a;
  for (int i = 0; i < 60000; ++i) {
    check.Log(a.Uniform(0, 1e5));                          // pressures, volumes
    check.Log(1 + (i % 2 ? -1 : 1) * a.Scale(52));         // next to 1
    check.Log(std::fabs(a.AnyBits()));                     // any positive double, subnormals included
  }
  const double special[] = {0.0, -0.0, -1.0, 1.0, kInf, -kInf, kNaN, 0x1p-1074, 0x1p-1022, 0x1.fffffffffffffp1023,
                            1 + 0x1p-52, 1 - 0x1p-53, 2.0, 0.5};
  for (double x : special) check.Log(x);
}

TEST_P(CorrectlyRounded, PowMatchesMpfr) {
  Checker check;
  Arguments a;
  const double exponents[] = {0.1666, 0.667, 0.5, 0.5556, 0.8889, 0.3333, 3.0, 4.0, 5.0, 1 / 1.3};
  for (int i = 0; i < 25000; ++i) {
    check.Pow(a.Uniform(0, 3000), exponents[i % 10]);      // the viscosity and the mixing rules
    check.Pow(a.Uniform(0.8, 1.1), exponents[6 + i % 3]);  // (1 - k_ij)^3, ^4, ^5
    check.Pow(a.Uniform(0, 100), a.Uniform(-40, 40));
    check.Pow(std::fabs(a.AnyBits()), a.Uniform(-2, 2));
    check.Pow(a.AnyBits(), a.AnyBits());
    check.Pow(-a.Uniform(0, 10), std::round(a.Uniform(-60, 60)));  // negative bases, integer exponents
    check.Pow(1 + (i % 2 ? -1 : 1) * a.Scale(52), a.Uniform(-1e6, 1e6));
  }
  const double values[] = {0.0, -0.0, 1.0, -1.0, 0.5, -0.5, 2.0, -2.0, 3.0, -3.0, 0x1p-1074, -0x1p-1074,
                           0x1.fffffffffffffp1023, kInf, -kInf, kNaN, 0x1p53, 0x1p53 + 2, 1e300, -1e-300};
  for (double x : values)
    for (double y : values) check.Pow(x, y);
}

// x^y exactly representable or exactly halfway between two doubles: the
// rounding test can never decide these, so pow must recognise them.
TEST_P(CorrectlyRounded, PowRoundsExactAndHalfwayResults) {
  Checker check;
  Arguments a;
  for (int e = -1100; e <= 1100; e += 7) {
    for (double y : {0.5, 0.25, 0.125, -0.5, 1.5, 3.0, -2.0, 1.0 / 1024, 0.75}) check.Pow(std::ldexp(1, e), y);
  }
  for (int i = 0; i < 4000; ++i) {
    // Short odd mantissas to small integer powers: results of up to 60 bits,
    // among them many exact and many halfway ones, normal and subnormal.
    const double m = static_cast<double>((a.Bits() % (1 << 18)) | 1);
    const int shift = static_cast<int>(a.Bits() % 700) - 350;
    check.Pow(std::ldexp(m, shift), 3.0);
    check.Pow(std::ldexp(m, shift), -1.0);
    check.Pow(-std::ldexp(m, shift / 2), 5.0);
    check.Pow(std::ldexp(m, -1074 / 3 - 20), 3.0);
    // Perfect squares and fourth powers to fractional exponents.
    const double w = static_cast<double>((a.Bits() % (1 << 13)) | 1);
    check.Pow(w * w, 0.5);
    check.Pow(w * w, 1.5);
    check.Pow(w * w * w * w, 0.25);
    check.Pow(w * w * w * w, 0.75);
    check.Pow(std::ldexp(w * w * w * w, 8 * (shift / 8)), -0.25);
  }
  // 54-bit odd results, halfway between two doubles: (2^27 - 1)^2 and kin.
  for (double w : {134217727.0, 134217725.0, 100000001.0, 94906267.0}) {
    check.Pow(w, 2.0);
    check.Pow(w * w, 1.0);
    check.Pow(w, 2.0 - 0x1p-52);
    check.Pow(w * 0x1p-560, 2.0);  // halfway in the subnormal range
  }
}

// Arguments whose results lie within 2^-d ulp of a midpoint, d from 17 (a
// random search of half a million arguments per family) to 58: beyond what
// the double-double kernels can decide, so they reach the fixed-point path.
TEST_P(CorrectlyRounded, HardCases) {
  Checker check;
  // exp(m 2^-53) = 1 + m 2^-53 + m^2 2^-107 + ...: within m^2 2^-107 of a
  // midpoint for odd m; likewise below 1.
  for (double m = 1; m < 200; m += 2) {
    check.Exp(m * 0x1p-53);
    check.Exp(-m * 0x1p-54);
    check.Exp(m * 0x1p-60);
  }
  const double exps[] = {
      0x1.9e9cbbfd6080bp-31,  // a published worst case, within 2^-58.6 ulp of a midpoint
      -0x1.99695cb34bd7bp+4, -0x1.bb2759a3eb1ep+3, -0x1.552462bf77772p+5,
      -0x1.eef76a58b5ebcp+3, -0x1.f2173a0140be6p+4, -0x1.5ca132017075dp+5,
      0x1.1c343884057ep+4, 0x1.c62e2be4edd8cp+8, -0x1.5e40abb7c9882p+9,
      0x1.3581eebc86ebcp+9, 0x1.ec9269480b874p+7, 0x1.b9602131909p+2,
  };
  for (double x : exps) check.Exp(x);
  const double logs[] = {
      0x1.4a3064f89a755p+16, 0x1.6e93795387704p+16, 0x1.56a64e11f289cp+16,
      0x1.1fabef374b9afp+16, 0x1.811b392076752p+14, 0x1.d126bb80d7e8ep+15,
      0x1.ffffffffffffep-1, 0x1.fffffffffffd8p-1, 0x1.000000000001cp+0,
  };
  for (double x : logs) check.Log(x);
  const double pows[][2] = {
      {0x1.d057ef2cc2384p+10, 0x1.554c985f06f69p-2},
      {0x1.02647cd382579p+10, 0x1.5532617c1bda5p-3},
      {0x1.5aad97656f758p+11, 0x1.5532617c1bda5p-3},
      {0x1.724271897c814p+11, 0x1.1c779a6b50b0fp-1},
      {0x1.2ea04d757601fp+10, 0x1.1c779a6b50b0fp-1},
      {0x1.6b5a6a91b6ebbp+11, 0x1.55810624dd2f2p-1},
      {0x1.c7679c7ed3642p-1, 0x1.4p+2},
      {0x1.a935ca1d50f4fp-1, 0x1p+2},
      {0x1.cc9e4cbc08a68p-1, 0x1.8p+1},
      {0x1.df17c72e81fc3p-1, 0x1.4p+2},
      {0x1.fbe7508c1d449p-1, 0x1p+2},
      {0x1.d86adbdcecf16p-1, 0x1.4p+2},
  };
  for (const auto& p : pows) check.Pow(p[0], p[1]);
}

// The log kernel's stated bound, which pow's rounding test relies on, holds:
// measured against 200-bit values over every table bin and far from 1.
TEST(CorrectlyRoundedKernels, LogKernelStaysWithinItsBound) {
  Arguments a;
  mpfr_t exact, kernel;
  mpfr_inits2(200, exact, kernel, static_cast<mpfr_ptr>(nullptr));
  double worst = 0;
  for (int i = 0; i < 20000; ++i) {
    const double x = i % 2 ? std::ldexp(a.Uniform(1, 2), static_cast<int>(a.Bits() % 2000) - 1000)
                           : 1 + (i % 4 == 1 ? -1 : 1) * a.Scale(52);
    if (x == 1) continue;
    const cr::DoubleDouble v = cr::LogKernel(x);
    mpfr_set_d(exact, x, MPFR_RNDN);
    mpfr_log(exact, exact, MPFR_RNDN);
    mpfr_set_d(kernel, v.hi, MPFR_RNDN);
    mpfr_add_d(kernel, kernel, v.lo, MPFR_RNDN);
    mpfr_sub(kernel, kernel, exact, MPFR_RNDN);
    mpfr_div(kernel, kernel, exact, MPFR_RNDN);
    worst = std::max(worst, std::fabs(mpfr_get_d(kernel, MPFR_RNDN)));
  }
  mpfr_clears(exact, kernel, static_cast<mpfr_ptr>(nullptr));
  EXPECT_LT(worst, cr::kLogKernelError);
}

}  // namespace
}  // namespace corvane
