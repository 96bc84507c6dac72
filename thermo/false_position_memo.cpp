#include "thermo/false_position_memo.h"

#include <cstring>

namespace corvane {
namespace {

// Bit-for-bit equality, so that a NaN input matches itself and +0 and -0
// count as different inputs.
template <typename T>
bool SameBits(const T& a, const T& b) {
  return std::memcmp(&a, &b, sizeof(T)) == 0;
}

static_assert(sizeof(MixtureCoefficients) == 12 * sizeof(double), "compared byte for byte");
static_assert(sizeof(FpState) == 2 * sizeof(double), "compared byte for byte");

}  // namespace

void FalsePositionMemo::Clear() {
  haveConstants_ = false;
  count_ = 0;
  next_ = 0;
}

void FalsePositionMemo::UseConstants(const MixtureCoefficients& m, double R, double acentricFactor) {
  const Constants wanted{m, R, acentricFactor};
  if (haveConstants_ && SameBits(constants_.m, wanted.m) && SameBits(constants_.R, wanted.R) &&
      SameBits(constants_.acentricFactor, wanted.acentricFactor))
    return;
  Clear();
  constants_ = wanted;
  haveConstants_ = true;
}

const FalsePositionMemo::Entry* FalsePositionMemo::Find(const FpState& state) const {
  for (std::size_t i = 0; i < count_; ++i)
    if (SameBits(entries_[i].state, state)) return &entries_[i];
  return nullptr;
}

void FalsePositionMemo::Remember(const FpState& state, const FalsePositionResult& result) {
  entries_[next_] = {state, result};
  next_ = (next_ + 1) % kCapacity;
  if (count_ < kCapacity) ++count_;
}

FalsePositionResult FalsePositionMemo::Solve(const MixtureCoefficients& m, double R, double acentricFactor, double T,
                                             double P) {
  UseConstants(m, R, acentricFactor);
  const FpState state{T, P};
  if (const Entry* known = Find(state)) return known->result;
  const FalsePositionResult result = SolveFalsePosition(m, R, T, P, acentricFactor);
  Remember(state, result);
  return result;
}

void FalsePositionMemo::SolveAhead(const MixtureCoefficients& m, double R, double acentricFactor,
                                   std::span<const FpState> states) {
  UseConstants(m, R, acentricFactor);
  std::array<FpState, kCapacity> missing{};
  std::size_t count = 0;
  for (const FpState& state : states) {
    if (count == kCapacity) break;
    bool known = Find(state) != nullptr;
    for (std::size_t i = 0; i < count && !known; ++i) known = SameBits(missing[i], state);
    if (!known) missing[count++] = state;
  }
  std::array<FalsePositionResult, kCapacity> results{};
  SolveFalsePositionBatch(m, R, acentricFactor, std::span(missing).first(count), std::span(results).first(count));
  for (std::size_t i = 0; i < count; ++i) Remember(missing[i], results[i]);
}

}  // namespace corvane
