// exp, log and pow rounded correctly (to nearest, ties to even) for every
// double argument, computed by this program alone, so every platform's build
// prints the same digits whatever its C library. IEEE special cases as C's
// functions have them (infinities, NaN, signed zeros, subnormal results).
#pragma once

namespace corvane::cr {

// e^x.
double Exp(double x);

// Natural logarithm: -inf at 0, NaN below.
double Log(double x);

// x^y; negative x only with an integer y.
double Pow(double x, double y);

// The first stages use fused multiply-add where the processor has it (found
// at start-up); the results are the same bits either way. For tests: true
// keeps to the portable path, false restores the choice.
void UsePortableKernels(bool portable);
bool UsesFusedKernels();

}  // namespace corvane::cr
