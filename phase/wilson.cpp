#include "phase/wilson.h"

#include <array>

#include "crmath/correctly_rounded.h"

namespace corvane::phase {

namespace {

// Critical pressures and acentric factors from the usual tables of pure
// fluids; hydrogen, helium and oxygen with the acentric factors -0.219,
// -0.39 and 0.022.
constexpr std::array<WilsonConstants, gerg::kComponentCount> kConstants = {{
    {4599.2, 0.0126},    // methane
    {3395.8, 0.037},     // nitrogen
    {7377.3, 0.2667},    // carbon dioxide
    {4872.2, 0.0978},    // ethane
    {4247.7, 0.1541},    // propane
    {3629.0, 0.184},     // isobutane
    {3796.0, 0.2015},    // n-butane
    {3378.0, 0.2286},    // isopentane
    {3367.5, 0.2524},    // n-pentane
    {3034.0, 0.302},     // n-hexane
    {2736.0, 0.353},     // n-heptane
    {2497.0, 0.398},     // n-octane
    {2281.0, 0.443},     // n-nonane
    {2103.0, 0.488},     // n-decane
    {1296.4, -0.219},    // hydrogen
    {5043.0, 0.022},     // oxygen
    {3494.0, 0.0497},    // carbon monoxide
    {22064.0, 0.3443},   // water
    {9000.0, 0.105},     // hydrogen sulfide
    {227.6, -0.39},      // helium
    {4863.0, -0.0022},   // argon
}};

}  // namespace

const WilsonConstants& WilsonConstantsOf(gerg::Component component) { return kConstants[gerg::Index(component)]; }

gerg::Composition WilsonLnK(double temperature, double pressure) {
  gerg::Composition lnK{};
  const double logP = cr::Log(pressure);
  for (std::size_t i = 0; i < gerg::kComponentCount; ++i) {
    const WilsonConstants& c = kConstants[i];
    const double tc = gerg::kGerg2008.components[i].criticalTemperature;
    lnK[i] = cr::Log(c.criticalPressure) - logP + 5.373 * (1.0 + c.acentricFactor) * (1.0 - tc / temperature);
  }
  return lnK;
}

}  // namespace corvane::phase
