// The constants view's eleven texts, B0, A0, C0, D0, E0, b, a, d, alpha, c
// and gamma: formatted by the core, shown by each face.
#pragma once

#include <array>
#include <string>

namespace corvane {

using BwrsConstantTexts = std::array<std::string, 11>;

}  // namespace corvane
