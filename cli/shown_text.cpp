#include "cli/shown_text.h"

#include "cli/csv_text.h"
#include "res/dialogs.h"

namespace corvane {

void PrintMessage(std::ostream& out, const ShownMessage& message) {
  out << "message: " << (message.icon == MessageIcon::Error ? "error" : "information") << " | " << message.caption
      << " | " << message.text << '\n';
}

void PrintResultLines(std::ostream& out, const HeadlessSurface& surface) {
  out << "note: " << surface.GetText(res::IDC_METHOD_NOTE) << '\n';
  for (int id : res::kResultStatics)
    out << res::LabelBefore(res::CalculatorDialog(), id) << surface.GetText(id) << '\n';
}

double ResultValue(const CCalcDlg& dialog, Quantity quantity) {
  const RunResults& r = dialog.results;
  switch (quantity) {
    case Quantity::Density: return r.density;
    case Quantity::SpecificVolume: return r.specVolume;
    case Quantity::Compressibility: return r.zFactor;
    case Quantity::MolecularWeight: return r.molWeight;
    case Quantity::Viscosity: return r.viscosity;
    case Quantity::PolytropicN: return r.polytropicN;
    case Quantity::Enthalpy: return r.enthalpy;
    case Quantity::EnthalpyReference: return dialog.enthalpyReference;
    case Quantity::SpecificHeat: return r.specificHeat;
    case Quantity::JouleThomson: return r.jouleThomson;
  }
  return 0;
}

bool ShowsNumber(const HeadlessSurface& surface, int resultStatic) {
  const std::string shown = surface.GetText(resultStatic);
  return !shown.empty() && shown != res::kNoSolutionText && shown != res::kBwrsOnlyText;
}

void PrintSiResultLines(std::ostream& out, const HeadlessSurface& surface, const CCalcDlg& dialog) {
  out << "note: " << surface.GetText(res::IDC_METHOD_NOTE) << '\n';
  for (std::size_t i = 0; i < res::kResultStatics.size(); ++i) {
    const int id = res::kResultStatics[i];
    out << res::LabelBefore(res::CalculatorDialog(), id);
    if (ShowsNumber(surface, id)) {
      const Quantity quantity = kResultQuantities[i];
      out << ShortestText(FromWindowUnit(ResultValue(dialog, quantity), quantity, UnitSystem::Si));
      if (!UnitText(quantity, UnitSystem::Si).empty()) out << ' ' << UnitText(quantity, UnitSystem::Si);
    } else {
      out << surface.GetText(id);
    }
    out << '\n';
  }
}

}  // namespace corvane
