// The phase envelope of a feed z: the P-T curve of its dew points, through
// the critical point, and on along its bubble points, by continuation
// (Michelsen 1980). Each point solves the saturation equations
// (saturation.h) with one of X = (ln K, ln T, ln P) specified; from a
// converged point the sensitivities dX/dS (J dX/dS = e, the fixed variable's
// row) predict the next, the specified variable is switched to the one that
// changes fastest, and the step grows where Newton's method converged in
// few steps and shrinks where it needed many or failed. Where every ln K
// changes sign between two points the curve has crossed the critical
// point: the feed turns from the vapour into the liquid, and the critical
// point is taken where the ln K interpolate to zero.
//
// The curve starts from the dew point at kStartPressure and ends where it
// leaves -200..400 F (having been inside), rises above
// kHighestEnvelopePressure or falls below the start pressure again; where the
// continuation cannot go on it stops and says so (`stop`), drawing nothing
// further. A pure fluid's curve is its vapour pressure up to the critical
// point, where the two phases become one.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "phase/saturation.h"

namespace corvane::phase {

constexpr double kStartPressure = 50.0;  // kPa
constexpr int kMostEnvelopePoints = 400;
// Above this the curve has left the model's range (its extended range ends at 70 MPa).
constexpr double kHighestEnvelopePressure = 100000.0;  // kPa

struct EnvelopePoint {
  FeedPhase feed = FeedPhase::kVapour;  // kVapour: a dew point
  double temperature = 0;               // K
  double pressure = 0;                  // kPa
  Vector x{};                           // the unknowns of the point
  double feedDensity = 0;               // mol/L
  double incipientDensity = 0;
};

enum class EnvelopeEnd {
  kComplete,       // left the range of temperatures or came back below the start pressure
  kCriticalPoint,  // a pure fluid's curve, ended at its critical point
  kStopped,        // the continuation could not go on: `stop` says where
};

struct Envelope {
  std::vector<EnvelopePoint> points;
  EnvelopeEnd end = EnvelopeEnd::kStopped;
  std::string stop;  // why the curve ends, in words
  std::optional<EnvelopePoint> critical;
};

Envelope TraceEnvelope(const FugacityModel& model, const Composition& z);

// What the envelope says about the feed, each point solved afresh.
struct EnvelopeSummary {
  std::optional<SaturationPoint> cricondentherm;
  std::optional<SaturationPoint> cricondenbar;
};
EnvelopeSummary Summarise(const FugacityModel& model, const Composition& z, const Envelope& envelope);

// The dew points of the envelope at T, solved afresh: the upper first, then
// the lower where the isotherm is retrograde (empty: none).
std::vector<SaturationPoint> DewPointPressures(const FugacityModel& model, const Composition& z,
                                               const Envelope& envelope, double temperature);

}  // namespace corvane::phase
