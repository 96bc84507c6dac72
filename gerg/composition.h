// A mixture's composition in GERG-2008's terms: a mole fraction for each of
// its 21 components, in the model's order (gerg2008_table.h).
#pragma once

#include <array>

#include "gerg/gerg2008_table.h"

namespace corvane::gerg {

using Composition = std::array<double, kComponentCount>;

// The composition of one component alone.
constexpr Composition Pure(Component component) {
  Composition x{};
  x[Index(component)] = 1.0;
  return x;
}

}  // namespace corvane::gerg
