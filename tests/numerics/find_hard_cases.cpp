// Searches random arguments for exp, log and pow results that lie closest to
// a midpoint between two doubles, with MPFR at 256 bits, and prints the
// hardest of each family: the hard cases in correctly_rounded_test.cpp came
// from here. Usage: find_hard_cases SAMPLES_PER_FAMILY
#include <mpfr.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <vector>

namespace {

struct Case {
  double x, y, depth;  // depth: -log2 of the distance from a midpoint, in ulps
};

// -log2(|0.5 - |v - round(v)| / ulp|) for v = f(x, y) at 256 bits.
double Depth(const std::function<void(mpfr_t, double, double)>& f, double x, double y) {
  mpfr_t v, r, d;
  mpfr_inits2(256, v, d, static_cast<mpfr_ptr>(nullptr));
  mpfr_init2(r, 53);
  f(v, x, y);
  double depth = 0;
  if (mpfr_number_p(v) && !mpfr_zero_p(v)) {
    mpfr_set(r, v, MPFR_RNDN);
    mpfr_sub(d, v, r, MPFR_RNDN);
    mpfr_mul_2si(d, d, 53 - mpfr_get_exp(r), MPFR_RNDN);  // in ulps of r
    mpfr_abs(d, d, MPFR_RNDN);
    mpfr_d_sub(d, 0.5, d, MPFR_RNDN);  // distance from the midpoint, in ulps
    const double dist = mpfr_get_d(d, MPFR_RNDN);
    depth = dist > 0 ? -std::log2(dist) : 999;
  }
  mpfr_clears(v, r, d, static_cast<mpfr_ptr>(nullptr));
  return depth;
}

void Report(const char* family, std::vector<Case>& cases) {
  std::sort(cases.begin(), cases.end(), [](const Case& a, const Case& b) { return a.depth > b.depth; });
  for (size_t i = 0; i < std::min<size_t>(cases.size(), 6); ++i)
    std::printf("%s %a %a depth %.1f\n", family, cases[i].x, cases[i].y, cases[i].depth);
}

}  // namespace

int main(int argc, char** argv) {
  const long n = argc > 1 ? std::atol(argv[1]) : 100000;
  std::mt19937_64 g(20261207);
  auto uniform = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(g); };
  auto exp = [](mpfr_t v, double x, double) { mpfr_set_d(v, x, MPFR_RNDN); mpfr_exp(v, v, MPFR_RNDN); };
  auto log = [](mpfr_t v, double x, double) { mpfr_set_d(v, x, MPFR_RNDN); mpfr_log(v, v, MPFR_RNDN); };
  auto pow = [](mpfr_t v, double x, double y) {
    mpfr_t b;
    mpfr_init2(b, 53);
    mpfr_set_d(b, y, MPFR_RNDN);
    mpfr_set_d(v, x, MPFR_RNDN);
    mpfr_pow(v, v, b, MPFR_RNDN);
    mpfr_clear(b);
  };
  struct Family {
    const char* name;
    std::function<void(mpfr_t, double, double)> f;
    std::function<std::pair<double, double>()> draw;
  };
  const double exponents[] = {0.1666, 0.667, 0.5556, 0.8889, 0.3333, 0.5};
  const Family families[] = {
      {"exp-equations", exp, [&] { return std::make_pair(uniform(-50, 0.5), 0.0); }},
      {"exp-whole", exp, [&] { return std::make_pair(uniform(-708, 709), 0.0); }},
      {"log-equations", log, [&] { return std::make_pair(uniform(0.01, 1e5), 0.0); }},
      {"log-near-one", log, [&] { return std::make_pair(1 + uniform(-1, 1) * std::ldexp(1, -static_cast<int>(g() % 40)), 0.0); }},
      {"pow-equations", pow, [&] { return std::make_pair(uniform(0.05, 3000), exponents[g() % 6]); }},
      {"pow-interaction", pow, [&] { return std::make_pair(uniform(0.8, 1.0), static_cast<double>(3 + g() % 3)); }},
  };
  for (const Family& family : families) {
    std::vector<Case> best;
    for (long i = 0; i < n; ++i) {
      const auto [x, y] = family.draw();
      const double depth = Depth(family.f, x, y);
      if (depth > 14) best.push_back({x, y, depth});
    }
    Report(family.name, best);
  }
  return 0;
}
