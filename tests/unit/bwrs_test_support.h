// Shared set-up of the BWRS numerics tests: the program's tables with a
// chosen composition.
#pragma once

#include <initializer_list>
#include <utility>

#include "thermo/bwrs_mixing.h"
#include "thermo/component_table.h"

namespace corvane::testing {

// The component table with every fraction 0 but those given (slot, x).
inline ComponentTable TableWith(std::initializer_list<std::pair<int, double>> fractions) {
  ComponentTable table;
  FillComponentTable(table);
  for (auto& record : table) record.moleFraction = 0;
  for (const auto& [slot, x] : fractions) table[slot].moleFraction = x;
  return table;
}

inline InteractionTable Interactions() {
  InteractionTable k;
  FillInteractionTable(k);
  return k;
}

inline MixtureCoefficients PureCoefficients(int slot) {
  return PureComponentMixture(TableWith({{slot, 1.0}}), slot).coefficients;
}

constexpr double kR = kGasConstant;
inline double Rankine(double fahrenheit) { return fahrenheit + 459.67; }

}  // namespace corvane::testing
