// The false-position solves already made with one set of mixture constants.
// The solver is a pure function of its inputs, so a state asked for again
// gets exactly the result that solving it again would give, and states
// known in advance can be solved together (SolveFalsePositionBatch).
#pragma once

#include <array>
#include <cstddef>
#include <span>

#include "thermo/bwrs_false_position.h"
#include "thermo/component_table.h"

namespace corvane {

class FalsePositionMemo {
 public:
  // Forgets every solve.
  void Clear();

  // The result for (T, P) with these constants: remembered, or solved now.
  FalsePositionResult Solve(const MixtureCoefficients& m, double R, double acentricFactor, double T, double P);

  // Solves together the states not remembered yet, and remembers them.
  void SolveAhead(const MixtureCoefficients& m, double R, double acentricFactor, std::span<const FpState> states);

 private:
  static constexpr std::size_t kCapacity = 8;
  struct Constants {
    MixtureCoefficients m;
    double R;
    double acentricFactor;
  };
  struct Entry {
    FpState state;
    FalsePositionResult result;
  };

  // Keeps the entries only while the constants are the same, bit for bit.
  void UseConstants(const MixtureCoefficients& m, double R, double acentricFactor);
  const Entry* Find(const FpState& state) const;
  void Remember(const FpState& state, const FalsePositionResult& result);

  bool haveConstants_ = false;
  Constants constants_{};
  std::array<Entry, kCapacity> entries_{};
  std::size_t count_ = 0;
  std::size_t next_ = 0;  // the oldest entry, replaced first
};

}  // namespace corvane
