// Dense linear systems of the phase solvers (at most 23 unknowns: the 21
// ln K, ln T and ln P), by Gaussian elimination with partial pivoting.
#pragma once

#include <array>
#include <cstddef>

#include "gerg/gerg2008_table.h"

namespace corvane::phase {

constexpr std::size_t kMostUnknowns = gerg::kComponentCount + 2;

using Vector = std::array<double, kMostUnknowns>;
using Matrix = std::array<Vector, kMostUnknowns>;

// Solves a x = b for the first n unknowns, b overwritten with x; false
// where a pivot vanishes or is not a finite number (a is overwritten).
bool SolveLinear(Matrix& a, Vector& b, std::size_t n);

}  // namespace corvane::phase
