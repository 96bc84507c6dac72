// Tables and constants of the fast paths of the correctly rounded exp and log
// (crmath/correctly_rounded.cpp), generated once from 300-bit values.
#pragma once

namespace corvane::cr {

// 2^(j/256) = hi + lo to about 2^-106 relative; hi = splitHi + splitLo with
// at most 26 significant bits each, so that hi * r splits into exact products;
// loByHi = lo / hi, rounded, for kernels that scale by hi last.
struct Exp2Entry {
  double hi, lo, splitHi, splitLo, loByHi;
};
extern const Exp2Entry kExp2Table[256];

// For mantissas m in [1 + i/512, 1 + (i+1)/512) (halved from bin
// kLogHalvingBin on): c ~ 1/m with 26 significant bits, so m * c - 1 is exact
// in two doubles, and -log(c) = logHi + logLo. Bins 0 and 511 hold c = 1, so
// arguments next to 1 lose nothing to cancellation.
struct LogEntry {
  double c, logHi, logLo;
};
constexpr int kLogHalvingBin = 212;
extern const LogEntry kLogTable[512];

extern const double kLn2By256Hi;  // 35 bits: k * kLn2By256Hi exact for |k| < 2^18
extern const double kLn2By256Lo;
extern const double k256ByLn2;
extern const double kLn2Hi;  // 42 bits: e * kLn2Hi exact for |e| < 2^11
extern const double kLn2Lo;

}  // namespace corvane::cr
