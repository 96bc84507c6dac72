#include "files/report_text.h"

#include <string_view>
#include <utility>

#include "model/gases.h"
#include "text/number_text.h"

namespace corvane {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr int kFieldWidth = 8;

std::string_view EosWord(EosChoice eosChoice) {
  switch (eosChoice) {
    case kEosBwrs: return "BWRS ";
    case kEosPengRobinson: return "PR ";
    case kEosRedlichKwongSoave: return "RKS ";
  }
  return "Unknown ";
}

std::string_view MethodWord(SolveMethod solveMethod) {
  switch (solveMethod) {
    case kMethodJohnsonCulver: return "Johnson Culver";
    case kMethodFalsePosition: return "False Position";
    case kMethodNewton: return "Newton";
    case kMethodNotChosen: break;
  }
  return "Unknown ";
}

// The items of the results block: the first stands alone, every later one
// starts on a new line; message items are lines of their own.
class ResultsBlock {
 public:
  void Value(double value, int decimals, std::string_view label) {
    NewLine();
    text_ += FormatFixedWidth(value, kFieldWidth, decimals);
    text_ += label;
  }
  void Message(std::string_view message) {
    NewLine();
    text_ += message;
  }
  std::string Finish() {
    text_ += kLineEnd;
    text_ += kLineEnd;
    return std::move(text_);
  }

 private:
  void NewLine() {
    if (!first_) text_ += kLineEnd;
    first_ = false;
  }
  std::string text_;
  bool first_ = true;
};

}  // namespace

std::string ReportHeaderAndComposition(EosChoice eosChoice, SolveMethod solveMethod,
                                       const std::array<double, 15>& entryFractions) {
  std::string text;
  text += EosWord(eosChoice);
  text += MethodWord(solveMethod);
  text += kLineEnd;
  text += kLineEnd;
  for (std::size_t i = 0; i < entryFractions.size(); ++i) {
    text += FormatFixed(entryFractions[i], 5);
    text += '\t';
    text += kReportNames[i];
    text += kLineEnd;
  }
  text += kLineEnd;
  return text;
}

std::string ReportResultsBlock(const ReportResultValues& v) {
  const bool bwrs = v.eosChoice == kEosBwrs;
  const RunResults& r = v.results;
  ResultsBlock block;
  block.Value(v.entryPressure, 1, ", pressure psia");
  block.Value(v.entryTemperatureF, 1, ", temperature F");
  block.Value(r.density, 4, ", molar density");
  block.Value(r.specVolume, 4, ", specific volume");
  block.Value(r.zFactor, 4, ", compressibility");
  block.Value(r.molWeight, 3, ", molecular weight");
  if (bwrs) {
    block.Value(r.enthalpy, 1, ", enthalpy");
    block.Value(v.enthalpyReference, 1, ", enthalpy reference");
  }
  if (v.viscosityRequested == 1 && r.viscosity > 0.0)
    block.Value(r.viscosity, 4, ", viscosity");
  else
    block.Message("viscosity not requested, or no solution found");
  if (PolytropicExponentShown(r.polytropicN))
    block.Value(r.polytropicN, 4, ", polytropic N");
  else
    block.Message("polytropic N not requested, or no solution found");
  if (v.cpRequested != 0 && bwrs)
    block.Value(r.specificHeat, 4, ", specific heat");
  else
    block.Message("specific heat not requested, or EOS not BWRS");
  if (v.jtRequested != 0 && bwrs)
    block.Value(r.jouleThomson, 4, ", Joule-Thomson coefficient");
  else
    block.Message("Joule-Thomson not requested, or EOS not BWRS");
  return block.Finish();
}

}  // namespace corvane
