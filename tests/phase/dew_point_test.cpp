// Dew points and vapour pressures against published-style check values
// and against the stability test on either side.
#include "phase/dew_point.h"

#include <gtest/gtest.h>

#include "phase_test_gases.h"

namespace corvane::phase {
namespace {

constexpr double k1000Psia = 6894.757293168361;  // kPa

TEST(VapourPressure, PropaneAt300K) {
  const Composition propane = gerg::Pure(Component::Propane);
  const FugacityModel model(propane);
  const auto p = VapourPressure(model, propane, 300.0);
  ASSERT_TRUE(p.has_value());
  EXPECT_NEAR(p->pressure, 996.885, 0.0005);
  EXPECT_NEAR(p->incipientPhase.density, 11.1026, 0.00005);
  EXPECT_NEAR(p->feedPhase.density, 0.48939, 0.000005);
  EXPECT_LE(p->fugacityResidual, 1e-10);
}

TEST(DewPoint, RichGasAt1000Psia) {
  const FugacityModel model(RichGas());
  const DewTemperatureResult r = DewPointTemperature(model, RichGas(), k1000Psia);
  ASSERT_TRUE(r.point.has_value());
  EXPECT_NEAR(r.point->temperature, 266.048, 0.0005);
  EXPECT_LE(r.point->fugacityResidual, 1e-10);
}

}  // namespace
}  // namespace corvane::phase
