#include "gerg/isotherm_cache.h"

#include <cstring>

namespace corvane::gerg {

// Fibonacci hashing of the temperature's bits.
std::size_t IsothermCache::FirstProbe(double temperature) const {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &temperature, sizeof bits);
  return static_cast<std::size_t>((bits * 0x9E3779B97F4A7C15ull) >> 55) & (kIndexSize - 1);
}

const Isotherm& IsothermCache::At(const Mixture& mixture, double temperature) {
  std::size_t probe = FirstProbe(temperature);
  for (; index_[probe] != 0; probe = (probe + 1) & (kIndexSize - 1)) {
    const Isotherm& kept = pool_[index_[probe] - 1u];
    if (kept.Temperature() == temperature) return kept;
  }
  if (used_ == kCapacity) {
    Clear();
    probe = FirstProbe(temperature);
  }
  if (pool_.empty()) pool_.reserve(kCapacity);
  if (used_ < pool_.size()) {
    pool_[used_] = Isotherm(mixture, temperature);
  } else {
    pool_.emplace_back(mixture, temperature);
  }
  index_[probe] = static_cast<std::uint16_t>(++used_);
  return pool_[used_ - 1];
}

void IsothermCache::Clear() {
  used_ = 0;
  index_.fill(0);
}

}  // namespace corvane::gerg
