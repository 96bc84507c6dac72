#include "app/phase_lines.h"

#include "gerg/reference.h"
#include "model/unit_factors.h"
#include "phase/dew_point.h"
#include "phase/envelope.h"
#include "phase/stability.h"
#include "text/number_text.h"

namespace corvane {

namespace {

double Fahrenheit(double kelvin) { return kelvin * 9.0 / 5.0 - si::kRankineAtZeroFahrenheit; }
double Psia(double kilopascal) { return kilopascal / si::kKilopascalPerPsi; }

std::string AnswerLine(const phase::StabilityResult& r) {
  switch (r.answer) {
    case phase::PhaseAnswer::kGas: return "Single-phase gas (GERG-2008)";
    case phase::PhaseAnswer::kLiquidLike: return "Liquid-like";
    case phase::PhaseAnswer::kTwoPhase: return "Two-phase: vapour fraction " + FormatFixed(r.flash.vapourFraction, 4);
    case phase::PhaseAnswer::kUnknown: break;
  }
  return "Phase: the stability test found no answer (GERG-2008)";
}

// highestPressure: the envelope's cricondenbar (or a pure gas's critical
// pressure), kPa, 0 where unknown; above it no dew point is looked for.
std::string DewLine(const phase::FugacityModel& model, const gerg::Composition& z, const phase::Envelope& envelope,
                    double highestPressure, double pressurePsia, double temperatureF) {
  const double pressure = pressurePsia * si::kKilopascalPerPsi;
  const phase::DewTemperatureResult dew = highestPressure > 0.0 && pressure > highestPressure
                                              ? phase::DewTemperatureResult{}
                                              : phase::DewPointTemperature(model, z, pressure);
  std::string line = "Dew point at " + FormatFixed(pressurePsia, 1) + " psia: ";
  if (dew.point) line += FormatFixed(Fahrenheit(dew.point->temperature), 2) + " F";
  else if (dew.failed) line += "not found";
  else line += "none (above the cricondenbar)";
  line += "; dew point pressures at " + FormatFixed(temperatureF, 1) + " F: ";
  const std::vector<phase::SaturationPoint> pressures =
      phase::DewPointPressures(model, z, envelope, si::KelvinFromFahrenheit(temperatureF));
  if (pressures.empty()) return line + "none";
  for (std::size_t k = 0; k < pressures.size(); ++k)
    line += (k == 0 ? "" : " and ") + FormatFixed(Psia(pressures[k].pressure), 1);
  return line + " psia";
}

std::string ExtremesLine(const phase::FugacityModel& model, const gerg::Composition& z,
                         const phase::Envelope& envelope, double& highestPressure) {
  highestPressure = 0.0;
  if (envelope.end == phase::EnvelopeEnd::kCriticalPoint && envelope.critical) {
    highestPressure = envelope.critical->pressure;
    return "Critical point near " + FormatFixed(Fahrenheit(envelope.critical->temperature), 2) + " F, " +
           FormatFixed(Psia(envelope.critical->pressure), 1) + " psia (the vapour-pressure curve ends there)";
  }
  const phase::EnvelopeSummary s = phase::Summarise(model, z, envelope);
  // An extreme at the curve's end lies beyond it: outside the range it was traced over.
  const char* missing = envelope.end == phase::EnvelopeEnd::kComplete ? "not within -200..400 F" : "not found";
  std::string line = "Cricondentherm ";
  line += s.cricondentherm ? FormatFixed(Fahrenheit(s.cricondentherm->temperature), 2) + " F at " +
                                 FormatFixed(Psia(s.cricondentherm->pressure), 1) + " psia"
                           : std::string(missing);
  line += "; cricondenbar ";
  line += s.cricondenbar ? FormatFixed(Psia(s.cricondenbar->pressure), 1) + " psia at " +
                               FormatFixed(Fahrenheit(s.cricondenbar->temperature), 2) + " F"
                         : std::string(missing);
  if (s.cricondenbar && envelope.end == phase::EnvelopeEnd::kComplete) highestPressure = s.cricondenbar->pressure;
  if (envelope.end == phase::EnvelopeEnd::kStopped) line += " (the envelope stops: " + envelope.stop + ")";
  return line;
}

// The envelope and its extremes depend on the composition alone: the last
// composition's are kept (per thread) for the next call.
struct EnvelopeOfComposition {
  bool valid = false;
  gerg::Composition x{};
  phase::Envelope envelope;
  std::string extremes;
  double highestPressure = 0;  // kPa, 0: unknown
};

const EnvelopeOfComposition& EnvelopeOf(const phase::FugacityModel& model, const gerg::Composition& x) {
  thread_local EnvelopeOfComposition kept;
  if (!kept.valid || kept.x != x) {
    kept.valid = false;
    kept.envelope = phase::TraceEnvelope(model, x);
    kept.extremes = ExtremesLine(model, x, kept.envelope, kept.highestPressure);
    kept.x = x;
    kept.valid = true;
  }
  return kept;
}

}  // namespace

std::vector<std::string> PhaseLines(const std::array<double, kGasCount>& fractions, double pressurePsia,
                                    double temperatureF) {
  const gerg::ReferenceComposition c = gerg::FromEntryFractions(fractions);
  if (!c.accepted) return {};
  const phase::FugacityModel model(c.x);
  const phase::StabilityResult r = phase::AnalysePhases(model, si::KelvinFromFahrenheit(temperatureF),
                                                        pressurePsia * si::kKilopascalPerPsi, c.x);
  const EnvelopeOfComposition& kept = EnvelopeOf(model, c.x);
  return {AnswerLine(r), DewLine(model, c.x, kept.envelope, kept.highestPressure, pressurePsia, temperatureF), kept.extremes};
}

}  // namespace corvane
