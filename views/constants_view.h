// The texts of the constants view: the eleven BWRS mixture constants in
// general notation, each with its own number of significant digits.
#pragma once

#include <array>
#include <string>

#include "thermo/component_table.h"

namespace corvane {

// Rows B0, A0, C0, D0, E0, b, a, d, alpha, c, gamma.
std::array<std::string, 11> FormatBwrsConstants(const MixtureCoefficients& m);

}  // namespace corvane
