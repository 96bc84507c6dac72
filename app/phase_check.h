// The phase check of a state by GERG-2008, as a batch row reports it: the
// stability test's answer and vapour fraction at the state, the dew point
// temperature at its pressure, and the envelope's cricondentherm and
// cricondenbar. What depends only on the composition (the fugacity model,
// the envelope and its extremes) and the dew point of a pressure already
// asked for are kept from call to call; every value is the same as
// computed afresh. One per thread.
#pragma once

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "model/gases.h"

namespace corvane {

enum class PhaseKind { kUnknown, kGas, kTwoPhase, kLiquid };

struct PhaseCheck {
  PhaseKind phase = PhaseKind::kUnknown;
  std::optional<double> vapourFraction;       // 1 for a gas, 0 for a liquid-like state
  std::optional<double> dewPointTemperature;  // K, at the state's pressure
  std::optional<double> cricondenthermTemperature;  // K
  std::optional<double> cricondenthermPressure;     // kPa
  std::optional<double> cricondenbarPressure;       // kPa
  // Empty when every value was found; else why some are missing, in words.
  std::string status;
};

// "gas", "two-phase", "liquid", or "" for no answer.
const char* PhaseKindText(PhaseKind kind);

class PhaseChecker {
 public:
  PhaseChecker();
  ~PhaseChecker();
  PhaseChecker(const PhaseChecker&) = delete;
  PhaseChecker& operator=(const PhaseChecker&) = delete;

  // The fifteen entered fractions (entry order), psia and F, as the
  // reference takes them.
  PhaseCheck Check(const std::array<double, kGasCount>& fractions, double pressurePsia, double temperatureF);

 private:
  struct Composed;
  std::array<double, kGasCount> fractions_{};
  std::unique_ptr<Composed> composed_;
};

}  // namespace corvane
