#include "res/dialogs.h"

#include <algorithm>
#include <vector>

namespace corvane::res {
namespace {

using K = ControlKind;
using A = TextAlign;

constexpr int kRadioEos = 1;
constexpr int kRadioMethod = 2;

// Rows of the "Calculated Solutions" box: label, value static, unit.
constexpr int ResultRowY(int row) { return 155 + 12 * row; }
// Rows of the composition column: label and edit.
constexpr int CompositionRowY(int row) { return 27 + 16 * row; }

// Dialog 102, in tab order.
constexpr ControlResource kCalculatorControls[] = {
    {IDC_STATIC, K::GroupBox, "State Conditions", {13, 5, 227, 31}},
    {IDC_STATIC, K::Label, "Pressure, psia: ", {20, 18, 52, 8}},
    {IDC_PRESSURE, K::Edit, "", {74, 16, 40, 12}},
    {IDC_STATIC, K::Label, "Temperature, F: ", {122, 18, 56, 8}},
    {IDC_TEMPERATURE, K::Edit, "", {180, 16, 40, 12}},

    {IDC_STATIC, K::GroupBox, "Equation of State to Use", {13, 39, 227, 25}},
    {IDC_BWRS, K::RadioButton, "BWRS", {30, 49, 50, 10}, kRadioEos},
    {IDC_PR, K::RadioButton, "PR", {100, 49, 40, 10}, kRadioEos},
    {IDC_RKS, K::RadioButton, "RKS", {160, 49, 40, 10}, kRadioEos},

    {IDC_STATIC, K::GroupBox, "Solution Method to Use", {13, 66, 227, 38}},
    {IDC_JC, K::RadioButton, "JC", {30, 76, 50, 10}, kRadioMethod},
    {IDC_FP, K::RadioButton, "FP", {100, 76, 40, 10}, kRadioMethod},
    {IDC_NEWTON, K::RadioButton, "Newton", {160, 76, 50, 10}, kRadioMethod},
    {IDC_METHOD_NOTE, K::Static, "Method and iterations note.", {20, 90, 210, 8}},

    {IDC_STATIC, K::GroupBox, "Optional Calculations", {13, 106, 227, 35}},
    {IDC_POLYTROPIC_BOX, K::CheckBox, "Polytropic N", {20, 120, 55, 10}},
    {IDC_VISCOSITY_BOX, K::CheckBox, "Viscosity", {80, 120, 50, 10}},
    {IDC_CP, K::CheckBox, "CP", {135, 120, 35, 10}},
    {IDC_JT, K::CheckBox, "JT", {180, 120, 35, 10}},

    {IDC_RESULTS_GROUP, K::GroupBox, "Calculated Solutions", {13, 143, 227, 130}},
    {IDC_STATIC, K::Label, "Molar Density: ", {20, ResultRowY(0), 70, 8}, 0, A::Right},
    {IDC_MOLAR_DENSITY, K::Static, "", {95, ResultRowY(0), 60, 8}},
    {IDC_STATIC, K::Label, "lb mole/cubic ft", {160, ResultRowY(0), 75, 8}},
    {IDC_STATIC, K::Label, "Specific volume: ", {20, ResultRowY(1), 70, 8}, 0, A::Right},
    {IDC_SPECIFIC_VOLUME, K::Static, "", {95, ResultRowY(1), 60, 8}},
    {IDC_STATIC, K::Label, "cubic ft/lbm", {160, ResultRowY(1), 75, 8}},
    {IDC_STATIC, K::Label, "Compressibility: ", {20, ResultRowY(2), 70, 8}, 0, A::Right},
    {IDC_COMPRESSIBILITY, K::Static, "", {95, ResultRowY(2), 60, 8}},
    {IDC_STATIC, K::Label, "Molecular Weight: ", {20, ResultRowY(3), 70, 8}, 0, A::Right},
    {IDC_MOLECULAR_WEIGHT, K::Static, "", {95, ResultRowY(3), 60, 8}},
    {IDC_STATIC, K::Label, "lbm/lb mole", {160, ResultRowY(3), 75, 8}},
    {IDC_STATIC, K::Label, "Viscosity: ", {20, ResultRowY(4), 70, 8}, 0, A::Right},
    {IDC_VISCOSITY, K::Static, "", {95, ResultRowY(4), 60, 8}},
    {IDC_STATIC, K::Label, "centipoise", {160, ResultRowY(4), 75, 8}},
    {IDC_STATIC, K::Label, "Polytropic N: ", {20, ResultRowY(5), 70, 8}, 0, A::Right},
    {IDC_POLYTROPIC_N, K::Static, "", {95, ResultRowY(5), 60, 8}},
    {IDC_STATIC, K::Label, "Enthalpy: ", {20, ResultRowY(6), 70, 8}, 0, A::Right},
    {IDC_ENTHALPY, K::Static, "", {95, ResultRowY(6), 60, 8}},
    {IDC_STATIC, K::Label, "BTU/lbm", {160, ResultRowY(6), 75, 8}},
    {IDC_STATIC, K::Label, "Enthalpy ref: ", {20, ResultRowY(7), 70, 8}, 0, A::Right},
    {IDC_ENTHALPY_REF, K::Static, "", {95, ResultRowY(7), 60, 8}},
    {IDC_STATIC, K::Label, "BTU/lbm", {160, ResultRowY(7), 75, 8}},
    {IDC_STATIC, K::Label, "Specific Heat: ", {20, ResultRowY(8), 70, 8}, 0, A::Right},
    {IDC_SPECIFIC_HEAT, K::Static, "", {95, ResultRowY(8), 60, 8}},
    {IDC_STATIC, K::Label, "BTU/lb/R", {160, ResultRowY(8), 75, 8}},
    {IDC_STATIC, K::Label, "Joule-Thomson: ", {20, ResultRowY(9), 70, 8}, 0, A::Right},
    {IDC_JOULE_THOMSON, K::Static, "", {95, ResultRowY(9), 60, 8}},
    {IDC_STATIC, K::Label, "deg R/psi", {160, ResultRowY(9), 75, 8}},

    {IDC_FILE_GROUP, K::GroupBox, "File for Results", {13, 275, 227, 38}},
    {IDC_STATIC, K::Label, "Report File Name: ", {20, 287, 62, 8}},
    {IDC_REPORT_FILE, K::Edit, "", {84, 285, 150, 12}},
    {IDC_WRITE, K::CheckBox, "Write", {20, 299, 35, 10}},
    {IDC_APPEND, K::CheckBox, "Append", {70, 299, 40, 10}},

    {IDC_STATIC, K::GroupBox, "Mixture Composition", {248, 5, 132, 308}},
    {IDC_PRODUCT_HEADING, K::Label, "Product", {258, 15, 50, 8}},
    {IDC_MOLE_FR_HEADING, K::Label, "Mole Fr", {325, 15, 40, 8}},
    {IDC_STATIC, K::Label, "Methane", {258, CompositionRowY(0) + 2, 62, 8}},
    {IDC_METHANE, K::Edit, "", {325, CompositionRowY(0), 45, 12}},
    {IDC_STATIC, K::Label, "Ethane", {258, CompositionRowY(1) + 2, 62, 8}},
    {IDC_ETHANE, K::Edit, "", {325, CompositionRowY(1), 45, 12}},
    {IDC_STATIC, K::Label, "Propane", {258, CompositionRowY(2) + 2, 62, 8}},
    {IDC_PROPANE, K::Edit, "", {325, CompositionRowY(2), 45, 12}},
    {IDC_STATIC, K::Label, "iso-Butane", {258, CompositionRowY(3) + 2, 62, 8}},
    {IDC_ISOBUTANE, K::Edit, "", {325, CompositionRowY(3), 45, 12}},
    {IDC_STATIC, K::Label, "n-Butane", {258, CompositionRowY(4) + 2, 62, 8}},
    {IDC_NBUTANE, K::Edit, "", {325, CompositionRowY(4), 45, 12}},
    {IDC_STATIC, K::Label, "iso-Pentane", {258, CompositionRowY(5) + 2, 62, 8}},
    {IDC_ISOPENTANE, K::Edit, "", {325, CompositionRowY(5), 45, 12}},
    {IDC_STATIC, K::Label, "n-Pentane", {258, CompositionRowY(6) + 2, 62, 8}},
    {IDC_NPENTANE, K::Edit, "", {325, CompositionRowY(6), 45, 12}},
    {IDC_STATIC, K::Label, "n-Hexane", {258, CompositionRowY(7) + 2, 62, 8}},
    {IDC_NHEXANE, K::Edit, "", {325, CompositionRowY(7), 45, 12}},
    {IDC_STATIC, K::Label, "n-Heptane", {258, CompositionRowY(8) + 2, 62, 8}},
    {IDC_NHEPTANE, K::Edit, "", {325, CompositionRowY(8), 45, 12}},
    {IDC_STATIC, K::Label, "Carbon Dioxide", {258, CompositionRowY(9) + 2, 62, 8}},
    {IDC_CO2, K::Edit, "", {325, CompositionRowY(9), 45, 12}},
    {IDC_STATIC, K::Label, "Hydrogen Sulfide", {258, CompositionRowY(10) + 2, 62, 8}},
    {IDC_H2S, K::Edit, "", {325, CompositionRowY(10), 45, 12}},
    {IDC_NITROGEN_LABEL, K::Label, "Nitrogen", {258, CompositionRowY(11) + 2, 62, 8}},
    {IDC_NITROGEN, K::Edit, "", {325, CompositionRowY(11), 45, 12}},
    {IDC_HELIUM_LABEL, K::Label, "Helium", {258, CompositionRowY(12) + 2, 62, 8}},
    {IDC_HELIUM, K::Edit, "", {325, CompositionRowY(12), 45, 12}},
    {IDC_HYDROGEN_LABEL, K::Label, "Hydrogen", {258, CompositionRowY(13) + 2, 62, 8}},
    {IDC_HYDROGEN, K::Edit, "", {325, CompositionRowY(13), 45, 12}},
    {IDC_OXYGEN_LABEL, K::Label, "Oxygen", {258, CompositionRowY(14) + 2, 62, 8}},
    {IDC_OXYGEN, K::Edit, "", {325, CompositionRowY(14), 45, 12}},
    {IDC_STATIC, K::Label, "Sum", {258, 271, 62, 8}},
    {IDC_SUM, K::Static, "", {325, 271, 45, 8}},
    {IDC_RESET, K::PushButton, "Reset", {256, 289, 36, 14}},
    {IDC_SAVE, K::PushButton, "Save", {296, 289, 36, 14}},
    {IDC_RECALL, K::PushButton, "Recall", {336, 289, 36, 14}},
};

constexpr ControlResource kAboutControls[] = {
    {IDR_MAINFRAME, K::Icon, "", {11, 17, 20, 20}},
    {IDC_STATIC, K::Label, "Corvane Version 1.0", {40, 10, 119, 8}},
    {IDOK, K::PushButton, "OK", {178, 7, 32, 14}},
};

// Rows 16 units apart; labels right-aligned ending at x 53.
constexpr int ConstantsRowY(int row) { return 7 + 16 * row; }

constexpr ControlResource kConstantsControls[] = {
    {IDC_STATIC, K::Label, "B0: ", {3, ConstantsRowY(0), 50, 10}, 0, A::Right},
    {IDC_CONST_B0, K::Static, "", {56, ConstantsRowY(0), 94, 9}},
    {IDC_STATIC, K::Label, "A0: ", {3, ConstantsRowY(1), 50, 10}, 0, A::Right},
    {IDC_CONST_A0, K::Static, "", {56, ConstantsRowY(1), 94, 9}},
    {IDC_STATIC, K::Label, "C0: ", {3, ConstantsRowY(2), 50, 10}, 0, A::Right},
    {IDC_CONST_C0, K::Static, "", {56, ConstantsRowY(2), 94, 9}},
    {IDC_STATIC, K::Label, "D0: ", {3, ConstantsRowY(3), 50, 10}, 0, A::Right},
    {IDC_CONST_D0, K::Static, "", {56, ConstantsRowY(3), 94, 9}},
    {IDC_STATIC, K::Label, "E0: ", {3, ConstantsRowY(4), 50, 10}, 0, A::Right},
    {IDC_CONST_E0, K::Static, "", {56, ConstantsRowY(4), 94, 9}},
    {IDC_STATIC, K::Label, "b: ", {3, ConstantsRowY(5), 50, 10}, 0, A::Right},
    {IDC_CONST_SMALL_B, K::Static, "", {56, ConstantsRowY(5), 94, 9}},
    {IDC_STATIC, K::Label, "a: ", {3, ConstantsRowY(6), 50, 10}, 0, A::Right},
    {IDC_CONST_SMALL_A, K::Static, "", {56, ConstantsRowY(6), 94, 9}},
    {IDC_STATIC, K::Label, "d: ", {3, ConstantsRowY(7), 50, 10}, 0, A::Right},
    {IDC_CONST_SMALL_D, K::Static, "", {56, ConstantsRowY(7), 94, 9}},
    {IDC_STATIC, K::Label, "alpha: ", {3, ConstantsRowY(8), 50, 10}, 0, A::Right},
    {IDC_CONST_ALPHA, K::Static, "", {56, ConstantsRowY(8), 94, 9}},
    {IDC_STATIC, K::Label, "c: ", {3, ConstantsRowY(9), 50, 10}, 0, A::Right},
    {IDC_CONST_SMALL_C, K::Static, "", {56, ConstantsRowY(9), 94, 9}},
    {IDC_STATIC, K::Label, "gamma: ", {3, ConstantsRowY(10), 50, 10}, 0, A::Right},
    {IDC_CONST_GAMMA, K::Static, "", {56, ConstantsRowY(10), 94, 9}},
};

constexpr MenuItemResource kCalculatorMenu[] = {
    {"&Help", ID_HELP}, {"&Run", ID_RUN}, {"&View", ID_VIEW}, {"&About", IDM_ABOUTBOX}, {"&Exit", IDCANCEL},
};

constexpr AcceleratorResource kCalculatorAccelerators[] = {
    {AcceleratorKey::F1, false, ID_HELP},
    {AcceleratorKey::C, true, ID_COPY},
};

constexpr FileFilter kMixtureFileFilters[] = {{"Mixture Files", "*.dat"}, {"All Files", ""}};

constexpr TextColour kTextColours[] = {
    {IDC_METHOD_NOTE, 255, 0, 0},
    {IDC_NITROGEN_LABEL, 0, 0, 255},    {IDC_HELIUM_LABEL, 0, 0, 255},
    {IDC_HYDROGEN_LABEL, 0, 0, 255},    {IDC_OXYGEN_LABEL, 0, 0, 255},
    {IDC_PRODUCT_HEADING, 0, 150, 0},   {IDC_MOLE_FR_HEADING, 0, 150, 0},
    {IDC_MOLAR_DENSITY, 0, 0, 128},     {IDC_SPECIFIC_VOLUME, 0, 0, 128},
    {IDC_COMPRESSIBILITY, 0, 0, 128},   {IDC_MOLECULAR_WEIGHT, 0, 0, 128},
    {IDC_VISCOSITY, 0, 0, 128},         {IDC_POLYTROPIC_N, 0, 0, 128},
    {IDC_ENTHALPY, 0, 0, 128},          {IDC_ENTHALPY_REF, 0, 0, 128},
    {IDC_SPECIFIC_HEAT, 0, 0, 128},     {IDC_JOULE_THOMSON, 0, 0, 128},
};

constexpr DialogResource kCalculatorDialog{
    IDD_CALC_DIALOG, "Equation of State and Properties Calculator, V1.0", "MS Sans Serif", 8, 392, 325,
    kCalculatorControls, IDC_TEMPERATURE};
constexpr DialogResource kAboutDialog{IDD_ABOUTBOX, "About Corvane", "MS Sans Serif", 8, 217, 55, kAboutControls};
constexpr DialogResource kConstantsDialog{IDD_CONSTANTS, "View BWRS Constants", "MS Sans Serif", 8, 167, 191,
                                      kConstantsControls};

}  // namespace

const DialogResource& CalculatorDialog() { return kCalculatorDialog; }
const DialogResource& AboutDialog() { return kAboutDialog; }
const DialogResource& ConstantsDialog() { return kConstantsDialog; }
std::span<const MenuItemResource> CalculatorMenu() { return kCalculatorMenu; }
std::span<const AcceleratorResource> CalculatorAccelerators() { return kCalculatorAccelerators; }
std::string_view AboutMenuString() { return "&About Corvane..."; }
std::span<const FileFilter> MixtureFileFilters() { return kMixtureFileFilters; }
std::span<const TextColour> TextColours() { return kTextColours; }

const ControlResource* FindControl(const DialogResource& dialog, int id) {
  const auto it = std::find_if(dialog.controls.begin(), dialog.controls.end(),
                               [id](const ControlResource& c) { return c.id == id; });
  return it == dialog.controls.end() ? nullptr : &*it;
}

const ControlResource* FindCalculatorControl(int id) {
  // Each id's place in the table, -1 where none; ids run to 32782.
  static const std::vector<short> kPlaceById = [] {
    std::vector<short> places;
    for (std::size_t i = 0; i < kCalculatorDialog.controls.size(); ++i) {
      const int controlId = kCalculatorDialog.controls[i].id;
      if (controlId < 0) continue;
      if (static_cast<std::size_t>(controlId) >= places.size()) places.resize(static_cast<std::size_t>(controlId) + 1, -1);
      places[static_cast<std::size_t>(controlId)] = static_cast<short>(i);
    }
    return places;
  }();
  if (id < 0 || static_cast<std::size_t>(id) >= kPlaceById.size()) return nullptr;
  const short place = kPlaceById[static_cast<std::size_t>(id)];
  return place < 0 ? nullptr : &kCalculatorDialog.controls[static_cast<std::size_t>(place)];
}

std::string_view LabelBefore(const DialogResource& dialog, int id) {
  const ControlResource* control = FindControl(dialog, id);
  if (control == nullptr || control == dialog.controls.data()) return {};
  const ControlResource& previous = *(control - 1);
  return previous.kind == ControlKind::Label ? previous.text : std::string_view{};
}

}  // namespace corvane::res
