// The texts of the constants view: the eleven BWRS mixture constants in
// general notation, each with its own number of significant digits.
#pragma once

#include "model/bwrs_constant_texts.h"
#include "thermo/component_table.h"

namespace corvane {

// Rows B0, A0, C0, D0, E0, b, a, d, alpha, c, gamma.
BwrsConstantTexts FormatBwrsConstants(const BwrsConstants& m);

}  // namespace corvane
