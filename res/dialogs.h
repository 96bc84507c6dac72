// The dialog, menu and string resources as tables: one source of truth that
// the window builds its widgets from and the headless surface takes its
// controls and start-up texts from.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "model/gases.h"
#include "res/resource.h"

namespace corvane::res {

enum class ControlKind { GroupBox, Label, Static, Edit, RadioButton, CheckBox, PushButton, Icon };
enum class TextAlign { Left, Right };

// A rectangle in dialog units: left, top, width, height.
struct DialogRect {
  int x, y, w, h;
};

// The most an edit holds, so that reading the edits costs a bounded time
// however long a text the user pastes or a script sets. The seam cuts every
// text it sets to this many bytes (DialogSurface::SetText); each window also
// gives it to its edits as their typing limit, which its toolkit counts in
// UTF-16 units.
constexpr int kEditTextLimit = 32767;

struct ControlResource {
  int id;  // IDC_STATIC for controls no handler addresses
  ControlKind kind;
  std::string_view text;
  DialogRect rect;
  int radioGroup = 0;  // radio buttons only: 1 equation of state, 2 method
  TextAlign align = TextAlign::Left;
};

struct DialogResource {
  int id;
  std::string_view caption;
  std::string_view fontFamily;
  int fontPointSize;
  int width, height;  // dialog units
  std::span<const ControlResource> controls;
  // The control that has the focus when the dialog opens; 0: the toolkit's
  // own choice (the first control that takes it).
  int initialFocus = 0;
};

struct MenuItemResource {
  std::string_view text;  // with its "&" mnemonic
  int commandId;
};

// A key that gives a command wherever the focus is in the dialog.
enum class AcceleratorKey { F1, C };
struct AcceleratorResource {
  AcceleratorKey key;
  bool control;  // with the Ctrl key held
  int commandId;
};

// One entry of a file dialog's type list: its name and its pattern; an
// empty pattern stands for every file, written as the platform writes it
// ("*" on Linux, "*.*" on Windows). Shown as "name (pattern)".
struct FileFilter {
  std::string_view name;
  std::string_view pattern;
};

struct TextColour {
  int id;
  int red, green, blue;
};

const DialogResource& CalculatorDialog();  // dialog 102
const DialogResource& AboutDialog();       // dialog 100
const DialogResource& ConstantsDialog();   // dialog 134

// Menu 133: a flat bar of five commands.
std::span<const MenuItemResource> CalculatorMenu();

// The calculator's keys: F1 for help, Ctrl+C to copy.
std::span<const AcceleratorResource> CalculatorAccelerators();

// String 101.
std::string_view AboutMenuString();

// The Save and Recall dialogs: their type list (the first is selected), the
// extension a name typed without one gets, and the name they start with.
std::span<const FileFilter> MixtureFileFilters();
inline constexpr std::string_view kMixtureFileExtension = "dat";
inline constexpr std::string_view kMixtureFileInitialName = "*.dat";

// Text colours by control id; every other control keeps the default.
std::span<const TextColour> TextColours();

// Finds a control of a dialog by id; nullptr when it has none.
const ControlResource* FindControl(const DialogResource& dialog, int id);
// The same for dialog 102, by a table built once: the seam looks up every
// control it sets.
const ControlResource* FindCalculatorControl(int id);

// The text of the label placed just before a control in its dialog (the
// caption of an edit or value static); empty when there is none.
std::string_view LabelBefore(const DialogResource& dialog, int id);

// The fifteen mole-fraction edits, in entry order (see model/gases.h).
constexpr std::array<int, kGasCount> kGasEdits = {
    IDC_METHANE,   IDC_ETHANE,   IDC_PROPANE, IDC_ISOBUTANE, IDC_NBUTANE,
    IDC_ISOPENTANE, IDC_NPENTANE, IDC_NHEXANE, IDC_NHEPTANE, IDC_CO2,
    IDC_HYDROGEN,  IDC_H2S,      IDC_HELIUM,  IDC_NITROGEN,  IDC_OXYGEN};

// The same edits in dialog order (methane .. oxygen, top to bottom).
constexpr std::array<int, kGasCount> kCompositionEdits = InOrder(kDialogOrder, kGasEdits);

// The ten result statics in dialog order.
constexpr std::array<int, 10> kResultStatics = {
    IDC_MOLAR_DENSITY, IDC_SPECIFIC_VOLUME, IDC_COMPRESSIBILITY, IDC_MOLECULAR_WEIGHT,
    IDC_VISCOSITY,     IDC_POLYTROPIC_N,    IDC_ENTHALPY,        IDC_ENTHALPY_REF,
    IDC_SPECIFIC_HEAT, IDC_JOULE_THOMSON};

// What a result static shows in place of a number: no value from this run,
// or a property only the BWRS equation gives.
inline constexpr char kNoSolutionText[] = "No solution";
inline constexpr char kBwrsOnlyText[] = "BWRS only";

// The constants view's value statics, rows B0 .. gamma.
constexpr std::array<int, 11> kConstantStatics = {
    IDC_CONST_B0,      IDC_CONST_A0,      IDC_CONST_C0,    IDC_CONST_D0,
    IDC_CONST_E0,      IDC_CONST_SMALL_B, IDC_CONST_SMALL_A, IDC_CONST_SMALL_D,
    IDC_CONST_ALPHA,   IDC_CONST_SMALL_C, IDC_CONST_GAMMA};

}  // namespace corvane::res
