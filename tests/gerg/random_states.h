// Random states of the accepted domain (-100 to 300 F, 14.7 to 3000 psia)
// and random mixtures of the fifteen gases: methane-rich gases, arbitrary
// mixtures and pure gases, a quarter, a half and a quarter of the draws.
#pragma once

#include <random>

#include "gerg/composition.h"

namespace corvane::gerg::test {

struct RandomState {
  Composition x{};
  double temperature = 0;  // K
  double pressure = 0;     // kPa
};

class RandomStates {
 public:
  explicit RandomStates(unsigned seed) : engine_(seed) {}
  RandomState Next();
  Composition NextMixture();

 private:
  double Uniform(double low, double high) { return std::uniform_real_distribution<double>(low, high)(engine_); }
  std::mt19937_64 engine_;
  unsigned drawn_ = 0;
};

}  // namespace corvane::gerg::test
