// Gas-mixture viscosity by corresponding states: the dilute-gas viscosity of
// the Dean-Stiel correlation at the mixture's pseudo-critical point, times a
// pressure-correction ratio read from a tabulated viscosity-ratio chart.
//
// Units: temperature R, pressure psia, viscosity centipoise.
#pragma once

#include <array>
#include <optional>

#include "thermo/component_table.h"

namespace corvane {

// The chart of mu/mu1 over pseudo-reduced temperature (column 0 of each row)
// and pseudo-reduced pressure (columns 1..9 at Pr = 1, 2, 3, 4, 6, 8, 10,
// 15, 20). Cells the chart does not cover hold 0.0 and are interpolated like
// any other value.
using ViscosityRatioRow = std::array<double, 10>;
extern const std::array<ViscosityRatioRow, 21> ViscosityRatioTable;

// The mixture's pseudo-critical point: Kay's rule for the temperature, the
// Prausnitz-Gunn rule for the pressure.
struct PseudoCriticalPoint {
  double temperature = 0;      // Tpc, R
  double pressure = 0;         // Ppc, psia
  double molecularWeight = 0;  // Mw, lbm/lb-mole
};

// Over slots 1..14 (a slot with mole fraction 0 adds 0), with y, M, Tc, Pc
// and vc (ft3/lbm) of each slot:
//   Vpc = sum y M vc,  Tpc = sum y Tc,  Zpc = sum Pc M vc / (R Tc) y,  Mw = sum M y,
//   Ppc = Zpc R Tpc / Vpc.
PseudoCriticalPoint MixturePseudoCriticalPoint(const ComponentTable& table, double gasConstant);

// Dilute-gas viscosity mu1 (centipoise) at the pseudo-reduced temperature Tr:
//   xi = 5.4402 Tpc^0.1666 / (Ppc^0.667 Mw^0.5)
//   mx = 0.001668 (0.1338 Tr - 0.0932)^0.5556   for Tr > 1.5
//   mx = 0.00034 Tr^0.8889                      for Tr <= 1.5
//   mu1 = mx / xi
double DiluteGasViscosity(const PseudoCriticalPoint& point, double reducedTemperature);

// mu/mu1 at (Tr, Pr) by bilinear interpolation in ViscosityRatioTable,
// extrapolating linearly below Pr = 1 and outside Tr 1.0..3.0. Nothing for
// Pr of 20 or more (or a Pr that is not a number).
std::optional<double> ViscosityRatio(double reducedTemperature, double reducedPressure);

// The viscosity (centipoise) of the mixture in `table` at temperature T (R)
// and pressure P (psia): mu1 * ratio, or nothing when the chart has no
// column for the pressure. A ratio driven to zero or below is returned as is.
std::optional<double> MixtureViscosity(const ComponentTable& table, double gasConstant, double temperature,
                                       double pressure);

}  // namespace corvane
