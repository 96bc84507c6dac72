#include "app/phase_lines.h"

#include <algorithm>

#include "gerg/reference.h"
#include "model/unit_factors.h"
#include "phase/dew_point.h"
#include "phase/envelope.h"
#include "phase/stability.h"
#include "text/number_text.h"
#include "views/chart.h"

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

namespace {

constexpr ChartColour kDewColour{0, 90, 190};
constexpr ChartColour kBubbleColour{200, 60, 0};
constexpr ChartColour kCriticalColour{0, 0, 0};
constexpr ChartColour kStateColour{120, 120, 120};

}  // namespace

std::optional<ChartContent> EnvelopeChart(const std::array<double, kGasCount>& fractions, double pressurePsia,
                                          double temperatureF) {
  const gerg::ReferenceComposition c = gerg::FromEntryFractions(fractions);
  if (!c.accepted) return std::nullopt;
  const phase::FugacityModel model(c.x);
  const phase::Envelope& envelope = EnvelopeOf(model, c.x).envelope;
  if (envelope.points.empty()) return std::nullopt;

  ChartContent chart;
  chart.title = "Phase envelope (GERG-2008)";
  ChartSeries dew{"Dew points", kDewColour, {}}, bubble{"Bubble points", kBubbleColour, {}};
  double lowT = temperatureF, highT = temperatureF, highP = pressurePsia;
  std::optional<phase::FeedPhase> previous;
  for (const phase::EnvelopePoint& point : envelope.points) {
    const ChartPoint at{Fahrenheit(point.temperature), Psia(point.pressure)};
    ChartSeries& series = point.feed == phase::FeedPhase::kVapour ? dew : bubble;
    // A new run where the curve passes from one side of the critical point to the other.
    if (previous != point.feed || series.runs.empty()) series.runs.emplace_back();
    series.runs.back().push_back(at);
    previous = point.feed;
    lowT = std::min(lowT, at.x);
    highT = std::max(highT, at.x);
    highP = std::max(highP, at.y);
  }
  // The two curves meet at the critical point.
  if (envelope.critical && !dew.runs.empty() && !bubble.runs.empty()) {
    const ChartPoint critical{Fahrenheit(envelope.critical->temperature), Psia(envelope.critical->pressure)};
    dew.runs.back().push_back(critical);
    bubble.runs.front().insert(bubble.runs.front().begin(), critical);
  }
  if (!dew.runs.empty()) chart.series.push_back(std::move(dew));
  if (!bubble.runs.empty()) chart.series.push_back(std::move(bubble));
  chart.x = NiceAxis("Temperature, F", lowT, highT, 7);
  chart.y = NiceAxis("Pressure, psia", 0, highP, 7);
  if (envelope.critical)
    chart.marks.push_back({ChartMarkKind::Dot,
                           {Fahrenheit(envelope.critical->temperature), Psia(envelope.critical->pressure)},
                           "Critical point", kCriticalColour});
  chart.marks.push_back({ChartMarkKind::Dot, {temperatureF, pressurePsia},
                         FormatFixed(temperatureF, 1) + " F, " + FormatFixed(pressurePsia, 1) + " psia", kStateColour});
  return chart;
}

}  // namespace corvane
