// The accurate path of the correctly rounded exp, log and pow: fixed-point
// numbers of up to kMaxLimbs 32-bit words in plain integer arithmetic, for the
// rare arguments whose rounding the fast double-double path cannot decide.
// Each function returns the correctly rounded result, or nothing when
// `limbs` words (32 (limbs - 1) fraction bits) are still too few to decide;
// the caller then tries again with more.
#pragma once

#include <optional>

namespace corvane::cr::wide {

inline constexpr int kMaxLimbs = 34;

// exp(x) for 2^-54 <= |x| < 746.
std::optional<double> Exp(double x, int limbs);

// log(x) for finite x > 0, x != 1.
std::optional<double> Log(double x, int limbs);

// x^y for finite x > 0, x != 1, finite y with 2^-60 < |y log x| < 746.
std::optional<double> Pow(double x, double y, int limbs);

}  // namespace corvane::cr::wide
