#include "phase/linear_solve.h"

#include <cmath>
#include <utility>

namespace corvane::phase {

bool SolveLinear(Matrix& a, Vector& b, std::size_t n) {
  for (std::size_t c = 0; c < n; ++c) {
    std::size_t pivot = c;
    for (std::size_t r = c + 1; r < n; ++r)
      if (std::abs(a[r][c]) > std::abs(a[pivot][c])) pivot = r;
    if (!(std::abs(a[pivot][c]) > 0.0) || !std::isfinite(a[pivot][c])) return false;
    std::swap(a[c], a[pivot]);
    std::swap(b[c], b[pivot]);
    for (std::size_t r = c + 1; r < n; ++r) {
      const double f = a[r][c] / a[c][c];
      if (f == 0.0) continue;
      for (std::size_t k = c; k < n; ++k) a[r][k] -= f * a[c][k];
      b[r] -= f * b[c];
    }
  }
  for (std::size_t c = n; c-- > 0;) {
    double sum = b[c];
    for (std::size_t k = c + 1; k < n; ++k) sum -= a[c][k] * b[k];
    b[c] = sum / a[c][c];
    if (!std::isfinite(b[c])) return false;
  }
  return true;
}

}  // namespace corvane::phase
