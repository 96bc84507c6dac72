// The exact factors between the window's US customary units and SI, as the
// README's table gives them: SI = US x factor.
#pragma once

namespace corvane::si {

// psi = 0.45359237 kg x 9.80665 m/s2 / (0.0254 m)^2, in kPa.
constexpr double kKilopascalPerPsi = 6.894757293168361;
// lbmol/ft3 to kmol/m3: 0.45359237 / 0.028316846592.
constexpr double kKmolM3PerLbmolFt3 = 16.018463373960138;
// ft3/lbm to m3/kg: 0.028316846592 / 0.45359237.
constexpr double kM3KgPerFt3Lbm = 0.062427960576144611;
// BTU/lbm to kJ/kg (IT BTU).
constexpr double kKjKgPerBtuLbm = 2.326;
// BTU/(lbm R) to kJ/(kg K).
constexpr double kKjKgKPerBtuLbmR = 4.1868;
// ft/s to m/s.
constexpr double kMetresPerFoot = 0.3048;
// F to R.
constexpr double kRankineAtZeroFahrenheit = 459.67;

// K = (F + 459.67) x 5/9.
constexpr double KelvinFromFahrenheit(double fahrenheit) { return (fahrenheit + kRankineAtZeroFahrenheit) * 5.0 / 9.0; }
// K/kPa = R/psi x (5/9) / 6.894757293168361.
constexpr double kKelvinPerKilopascalPerRankinePerPsi = (5.0 / 9.0) / kKilopascalPerPsi;

}  // namespace corvane::si
