// The phase of the entered state by GERG-2008, as the lines the Compare
// view shows under its table and the script's `phase` prints: the answer
// of the stability test ("Single-phase gas (GERG-2008)", "Two-phase:
// vapour fraction 0.9731", "Liquid-like"), then the dew point at the
// entered pressure with the dew point pressures at the entered
// temperature, then the cricondentherm and cricondenbar of the envelope.
// Temperatures in F, pressures in psia.
#pragma once

#include <array>
#include <string>
#include <vector>

#include <optional>

#include "model/chart.h"
#include "model/gases.h"

namespace corvane {

// Empty where GERG-2008 refuses the composition.
std::vector<std::string> PhaseLines(const std::array<double, kGasCount>& fractions, double pressurePsia,
                                    double temperatureF);

// The phase envelope as a chart, pressure (psia) against temperature (F):
// the dew points and the bubble points as the continuation found them (a
// curve that stopped ends where it stopped: nothing is drawn beyond), the
// critical point and the entered state as dots. Nothing where GERG-2008
// refuses the composition or the envelope has no point.
std::optional<ChartContent> EnvelopeChart(const std::array<double, kGasCount>& fractions, double pressurePsia,
                                          double temperatureF);

}  // namespace corvane
