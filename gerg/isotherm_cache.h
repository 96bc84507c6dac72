// The isotherms of the temperatures one mixture was last asked at, so that
// a batch over a grid of states (a few hundred temperatures, each at many
// pressures, in any order) forms each temperature's terms once. It holds up
// to kCapacity isotherms and starts afresh when full. A kept isotherm is the
// same bits as a new one: what it holds depends on the mixture and the
// temperature alone.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "gerg/mixture.h"

namespace corvane::gerg {

class IsothermCache {
 public:
  static constexpr std::size_t kCapacity = 256;

  // The isotherm of `mixture` at T (K); every call until Clear() must name
  // the same mixture. The reference holds until the next call.
  const Isotherm& At(const Mixture& mixture, double temperature);
  void Clear();

 private:
  static constexpr std::size_t kIndexSize = 2 * kCapacity;  // a power of two
  std::size_t FirstProbe(double temperature) const;

  std::vector<Isotherm> pool_;
  std::size_t used_ = 0;
  // Open addressing over the temperatures' bits: 1 + the pool index, 0 empty.
  std::array<std::uint16_t, kIndexSize> index_{};
};

}  // namespace corvane::gerg
