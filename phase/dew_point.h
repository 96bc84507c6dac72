// Dew points of a feed z: the temperature at a pressure where liquid first
// forms on cooling (the highest saturation temperature on the dew side),
// the dew point pressures at a temperature (the upper and, where the
// isotherm is retrograde, the lower), the cricondentherm (the highest
// temperature of the envelope) and the cricondenbar (its highest
// pressure). A pure fluid's dew point is its vapour pressure. T in K, P in
// kPa.
#pragma once

#include <optional>

#include "phase/saturation.h"

namespace corvane::phase {

// The temperatures a dew point is looked for in: -200 F to 400 F.
constexpr double kLowestTemperature = 144.26111111111111;
constexpr double kHighestTemperature = 477.59444444444444;

// A point of Wilson's equation: the dew temperature at P (the highest root
// of sum z_i / K_i = 1), and the dew and bubble pressures at T.
double WilsonDewTemperature(const FugacityModel& model, const Composition& z, double pressure);
double WilsonDewPressure(const FugacityModel& model, const Composition& z, double temperature);
double WilsonBubblePressure(const FugacityModel& model, const Composition& z, double temperature);

// The dew point at P; nothing where no liquid forms between the highest
// and lowest temperatures (above the cricondenbar), or where the search
// did not converge (failed says which).
struct DewTemperatureResult {
  std::optional<SaturationPoint> point;
  bool failed = false;  // no point because the search gave up, not because there is none
};
DewTemperatureResult DewPointTemperature(const FugacityModel& model, const Composition& z, double pressure);

// A pure fluid's vapour pressure at T (its saturated liquid and vapour in
// the point's phases); nothing at or above its critical temperature.
std::optional<SaturationPoint> VapourPressure(const FugacityModel& model, const Composition& z, double temperature);

}  // namespace corvane::phase
