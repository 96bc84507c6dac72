#include "thermo/viscosity.h"

#include <cmath>
#include <cstddef>

#include "crmath/correctly_rounded.h"

namespace corvane {

const std::array<ViscosityRatioRow, 21> ViscosityRatioTable = {{
    // Tr   Pr 1   Pr 2   Pr 3   Pr 4   Pr 6   Pr 8   Pr 10  Pr 15  Pr 20
    {1.0, 1.8, 5.6, 6.1, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {1.1, 1.25, 2.8, 3.585, 4.7, 5.8, 6.6, 0.0, 0.0, 0.0},
    {1.2, 1.14, 1.72, 2.62, 3.4, 4.45, 5.2, 5.8, 0.0, 0.0},
    {1.3, 1.11, 1.44, 2.02, 2.58, 3.48, 4.15, 4.7, 5.8, 0.0},
    {1.4, 1.095, 1.33, 1.69, 2.1, 2.78, 3.4, 3.9, 4.8, 5.4},
    {1.5, 1.088, 1.275, 1.51, 1.8, 2.32, 2.84, 3.25, 4.0, 4.6},
    {1.6, 1.08, 1.22, 1.4, 1.6, 2.03, 2.45, 2.8, 3.5, 4.05},
    {1.7, 1.075, 1.18, 1.32, 1.48, 1.84, 2.18, 2.5, 3.15, 3.65},
    {1.8, 1.068, 1.16, 1.28, 1.41, 1.7, 1.98, 2.27, 2.85, 3.35},
    {1.9, 1.055, 1.14, 1.23, 1.35, 1.59, 1.84, 2.1, 2.64, 3.1},
    {2.0, 1.05, 1.12, 1.2, 1.3, 1.5, 1.72, 1.95, 2.45, 2.87},
    {2.1, 1.045, 1.1, 1.18, 1.27, 1.43, 1.62, 1.82, 2.3, 2.7},
    {2.2, 1.04, 1.09, 1.16, 1.23, 1.375, 1.54, 1.72, 2.15, 2.55},
    {2.3, 1.035, 1.08, 1.15, 1.2, 1.33, 1.47, 1.62, 2.04, 2.4},
    {2.4, 1.03, 1.07, 1.135, 1.18, 1.29, 1.41, 1.56, 1.93, 2.29},
    {2.5, 1.025, 1.06, 1.115, 1.16, 1.25, 1.375, 1.49, 1.84, 2.18},
    {2.6, 1.02, 1.05, 1.1, 1.145, 1.22, 1.32, 1.43, 1.77, 2.07},
    {2.7, 1.015, 1.04, 1.095, 1.135, 1.2, 1.29, 1.39, 1.68, 1.98},
    {2.8, 1.01, 1.038, 1.08, 1.12, 1.175, 1.26, 1.34, 1.61, 1.88},
    {2.9, 1.008, 1.034, 1.075, 1.1, 1.16, 1.22, 1.33, 1.55, 1.81},
    {3.0, 1.005, 1.032, 1.06, 1.095, 1.145, 1.19, 1.27, 1.48, 1.72},
}};

namespace {

// The pseudo-reduced pressure of each ratio column; column 0 holds Tr.
constexpr std::array<double, 10> kColumnPressure = {0.0, 1.0, 2.0, 3.0, 4.0, 6.0, 8.0, 10.0, 15.0, 20.0};
constexpr std::size_t kFirstPressureColumn = 1;
constexpr std::size_t kLastPressureColumn = 9;
constexpr std::size_t kLastLowerRow = 19;

}  // namespace

PseudoCriticalPoint MixturePseudoCriticalPoint(const ComponentTable& table, double gasConstant) {
  double Vpc = 0.0;  // ft3/lb-mole
  double Tpc = 0.0;  // R
  double Zpc = 0.0;  // critical compressibility
  double Mw = 0.0;   // lbm/lb-mole
  for (int slot = kFirstSlot; slot <= kLastMixedSlot; ++slot) {
    const ComponentRecord& r = table[static_cast<std::size_t>(slot)];
    const double y = r.moleFraction;
    const double M = r.molecularWeight;
    Vpc += y * M * r.criticalVolume;
    Tpc += y * r.criticalTemperature;
    Zpc += r.criticalPressure * M * r.criticalVolume / (gasConstant * r.criticalTemperature) * y;
    Mw += M * y;
  }
  return {Tpc, Zpc * gasConstant * Tpc / Vpc, Mw};
}

double DiluteGasViscosity(const PseudoCriticalPoint& point, double reducedTemperature) {
  // The exponents are the correlation's own decimals, not 1/6 and 2/3.
  const double xi = 5.4402 * cr::Pow(point.temperature, 0.1666) /
                    (cr::Pow(point.pressure, 0.667) * cr::Pow(point.molecularWeight, 0.5));
  const double Tr = reducedTemperature;
  const double mx = Tr > 1.5 ? 0.001668 * cr::Pow(0.1338 * Tr - 0.0932, 0.5556) : 0.00034 * cr::Pow(Tr, 0.8889);
  return mx / xi;
}

std::optional<double> ViscosityRatio(double reducedTemperature, double reducedPressure) {
  const double Tr = reducedTemperature;
  const double Pr = reducedPressure;

  // Pressure bracket: the first column pair whose upper pressure lies above
  // Pr. The first pair also serves every Pr below 1.
  std::size_t lo = 0;
  for (std::size_t column = kFirstPressureColumn; column < kLastPressureColumn; ++column) {
    if (Pr < kColumnPressure[column + 1]) {
      lo = column;
      break;
    }
  }
  if (lo == 0) return std::nullopt;  // Pr of 20 or more: beyond the chart
  const std::size_t hi = lo + 1;

  // Temperature bracket: the first row whose successor's Tr lies above Tr;
  // the last pair extrapolates beyond 3.0, the first below 1.0.
  std::size_t k = kLastLowerRow;
  for (std::size_t row = 0; row < kLastLowerRow; ++row) {
    if (Tr < ViscosityRatioTable[row + 1][0]) {
      k = row;
      break;
    }
  }

  const ViscosityRatioRow& low = ViscosityRatioTable[k];
  const ViscosityRatioRow& high = ViscosityRatioTable[k + 1];
  const double ft = (Tr - low[0]) / (high[0] - low[0]);
  const double rlo = low[lo] + (high[lo] - low[lo]) * ft;
  const double rhi = low[hi] + ft * (high[hi] - low[hi]);
  const double fp = (Pr - kColumnPressure[lo]) / (kColumnPressure[hi] - kColumnPressure[lo]);
  return rlo + (rhi - rlo) * fp;
}

std::optional<double> MixtureViscosity(const ComponentTable& table, double gasConstant, double temperature,
                                       double pressure) {
  const PseudoCriticalPoint point = MixturePseudoCriticalPoint(table, gasConstant);
  const double Tr = temperature / point.temperature;
  const double Pr = pressure / point.pressure;
  const double mu1 = DiluteGasViscosity(point, Tr);
  const std::optional<double> ratio = ViscosityRatio(Tr, Pr);
  if (!ratio) return std::nullopt;
  return mu1 * *ratio;
}

}  // namespace corvane
