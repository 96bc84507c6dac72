#include "random_states.h"

#include <cmath>

#include "gerg/reference.h"

namespace corvane::gerg::test {

Composition RandomStates::NextMixture() {
  Composition x{};
  const unsigned kind = drawn_++ % 4;
  if (kind == 0) {  // a pure gas
    x[Index(ComponentOf(kEntryOrder[engine_() % kGasCount]))] = 1.0;
    return x;
  }
  double sum = 0.0;
  for (Gas gas : kEntryOrder) {
    double share = 0.0;
    if (kind == 1) {  // methane and up to 30 % of the others
      share = gas == Gas::Methane ? 0.0 : (Uniform(0, 1) < 0.5 ? 0.0 : Uniform(0, 0.3 / (kGasCount - 1)));
    } else if (Uniform(0, 1) < 0.6) {  // any of them, skewed to small shares
      share = std::pow(Uniform(0, 1), 3.0);
    }
    x[Index(ComponentOf(gas))] = share;
    sum += share;
  }
  if (kind == 1) {
    x[Index(Component::Methane)] = 1.0 - sum;
    return x;
  }
  if (sum == 0.0) return Pure(Component::Methane);
  for (double& share : x) share /= sum;
  return x;
}

RandomState RandomStates::Next() {
  RandomState s;
  s.x = NextMixture();
  s.temperature = (Uniform(-100.0, 300.0) + 459.67) * 5.0 / 9.0;
  // Pressures spread evenly in their logarithm.
  s.pressure = std::exp(Uniform(std::log(14.7), std::log(3000.0))) * 6.894757293168361;
  return s;
}

}  // namespace corvane::gerg::test
