#include "app/phase_check.h"

#include <cstring>
#include <vector>

#include "gerg/reference.h"
#include "model/unit_factors.h"
#include "phase/dew_point.h"
#include "phase/envelope.h"
#include "phase/stability.h"

namespace corvane {

struct PhaseChecker::Composed {
  gerg::ReferenceComposition composition;
  std::unique_ptr<phase::FugacityModel> model;
  phase::Envelope envelope;
  phase::EnvelopeSummary extremes;
  std::map<double, phase::DewTemperatureResult> dewPoints;  // by pressure, kPa
};

namespace {

// A dew point search per distinct pressure is kept; a batch's grid has a
// few dozen. Beyond this many the kept ones are dropped.
constexpr std::size_t kMostKeptDewPoints = 4096;

void AddReason(std::string& status, const std::string& reason) {
  status += (status.empty() ? "" : "; ") + reason;
}

}  // namespace

const char* PhaseKindText(PhaseKind kind) {
  switch (kind) {
    case PhaseKind::kGas: return "gas";
    case PhaseKind::kTwoPhase: return "two-phase";
    case PhaseKind::kLiquid: return "liquid";
    case PhaseKind::kUnknown: break;
  }
  return "";
}

PhaseChecker::PhaseChecker() = default;
PhaseChecker::~PhaseChecker() = default;

PhaseCheck PhaseChecker::Check(const std::array<double, kGasCount>& fractions, double pressurePsia,
                               double temperatureF) {
  if (!composed_ || std::memcmp(fractions_.data(), fractions.data(), sizeof fractions) != 0) {
    fractions_ = fractions;
    composed_ = std::make_unique<Composed>();
    composed_->composition = gerg::FromEntryFractions(fractions);
    if (composed_->composition.accepted) {
      const gerg::Composition& z = composed_->composition.x;
      composed_->model = std::make_unique<phase::FugacityModel>(z);
      composed_->envelope = phase::TraceEnvelope(*composed_->model, z);
      composed_->extremes = phase::Summarise(*composed_->model, z, composed_->envelope);
    }
  }
  Composed& c = *composed_;
  PhaseCheck check;
  if (!c.composition.accepted) {
    check.status = c.composition.reason;
    return check;
  }
  const gerg::Composition& z = c.composition.x;
  const double temperature = si::KelvinFromFahrenheit(temperatureF);
  const double pressure = pressurePsia * si::kKilopascalPerPsi;

  const phase::StabilityResult stability = phase::AnalysePhases(*c.model, temperature, pressure, z);
  switch (stability.answer) {
    case phase::PhaseAnswer::kGas:
      check.phase = PhaseKind::kGas;
      check.vapourFraction = 1.0;
      break;
    case phase::PhaseAnswer::kLiquidLike:
      check.phase = PhaseKind::kLiquid;
      check.vapourFraction = 0.0;
      break;
    case phase::PhaseAnswer::kTwoPhase:
      check.phase = PhaseKind::kTwoPhase;
      check.vapourFraction = stability.flash.vapourFraction;
      break;
    case phase::PhaseAnswer::kUnknown: AddReason(check.status, "the stability test found no answer"); break;
  }

  auto kept = c.dewPoints.find(pressure);
  if (kept == c.dewPoints.end()) {
    if (c.dewPoints.size() >= kMostKeptDewPoints) c.dewPoints.clear();
    kept = c.dewPoints.emplace(pressure, phase::DewPointTemperature(*c.model, z, pressure)).first;
  }
  const phase::DewTemperatureResult& dew = kept->second;
  if (dew.point) check.dewPointTemperature = dew.point->temperature;
  else AddReason(check.status, dew.failed ? "dew point not found" : "no dew point at this pressure");

  if (c.extremes.cricondentherm) {
    check.cricondenthermTemperature = c.extremes.cricondentherm->temperature;
    check.cricondenthermPressure = c.extremes.cricondentherm->pressure;
  }
  if (c.extremes.cricondenbar) check.cricondenbarPressure = c.extremes.cricondenbar->pressure;
  if (!c.extremes.cricondentherm || !c.extremes.cricondenbar) {
    if (c.envelope.end == phase::EnvelopeEnd::kCriticalPoint)
      AddReason(check.status, "a pure gas: its vapour-pressure curve ends at the critical point");
    else
      AddReason(check.status, "cricondentherm or cricondenbar not found");
  }
  if (c.envelope.end == phase::EnvelopeEnd::kStopped) AddReason(check.status, "the envelope stops " + c.envelope.stop);
  return check;
}

}  // namespace corvane
