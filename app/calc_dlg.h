// The calculator dialog: the owner of all calculation state and the home of
// every handler. Every face (the Qt window, the Win32 window and
// corvane-cli) reaches it only through the DialogSurface it is given; it
// includes no toolkit header.
//
// The calculation steps read their inputs from the members and write their
// results back, so most take no arguments and return nothing. The few that
// do say so beside them: the dialog's entry points take the command or
// control id, the Johnson-Culver solver a root selector, the false-position
// and cubic solvers return a status (1 found, 0 not found), and the private
// helpers take the solution, state or equation they work on. Flags are small
// integers of fixed widths, not booleans.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>

#include "model/report_write.h"
#include "model/run.h"
#include "platform/dialog_surface.h"
#include "thermo/bwrs_enthalpy.h"
#include "thermo/bwrs_mixing.h"
#include "thermo/component_table.h"
#include "thermo/false_position_memo.h"

namespace corvane {

// One density solution of the run's equation of state, each solver forming
// its values in its own way; one store takes them.
struct DensitySolution {
  double pressure = 0;    // psia: the equation's at the density (BWRS), the entered one (cubic)
  double density = 0;     // lb-mole/ft3
  double specVolume = 0;  // ft3/lbm
  double zFactor = 0;     // dimensionless
  double molWeight = 0;   // lbm/lb-mole

  // A state that can exist: density, specific volume, Z and molecular
  // weight above zero, and every value finite.
  bool Possible() const {
    const bool finite = std::isfinite(pressure) && std::isfinite(density) && std::isfinite(specVolume) &&
                        std::isfinite(zFactor) && std::isfinite(molWeight);
    return finite && density > 0 && specVolume > 0 && zFactor > 0 && molWeight > 0;
  }
};

class CCalcDlg {
 public:
  explicit CCalcDlg(DialogSurface& surface);
  CCalcDlg(const CCalcDlg&) = delete;
  CCalcDlg& operator=(const CCalcDlg&) = delete;

  // Takes on the state of `other`, its surface excepted: a dialog copied
  // from one freshly initialised runs as that one would, without forming
  // the tables again. Both dialogs must have been initialised: the tables
  // formed from fixed data then (interaction parameters, mixing factors)
  // are equal in both and are not copied.
  void CopyStateFrom(const CCalcDlg& other);

  // Dialog initialisation: start-up values, tables and control texts.
  bool OnInitDialog();
  // Menu-bar commands and push buttons, by command or control id.
  void OnCommand(int id);
  // The change notification of an edit (the fifteen fractions and the report name).
  void OnEditChanged(int id);

  // Start-up and tables.
  void SetDefaults();
  void InitComponentTable();
  void InitInteractionTable();

  // Menu commands and keys.
  void OnHelp();
  void OnAbout();
  void OnRun();
  // The Compare view: the entered state by each equation of state and by
  // GERG-2008, each on a fresh calculator, so nothing of this dialog changes.
  void OnCompare();
  // Ctrl+C: the selected text, or else the whole window as tab-separated
  // lines of name, value and unit.
  void OnCopy();

  // The run and its inputs.
  // Reads and checks the state and the composition as a Run does, with the
  // same message boxes; true when a Run would go on to solve.
  bool CheckRunInputs();
  void ReadStateConditions();
  void ReadComposition();
  void UpdateCompositionSum();
  void OnReset();
  void OnReportFileNameChanged();
  void ShowResults();

  // BWRS.
  void ComputeBwrsCoefficients();
  void MixBwrsCoefficients();
  void SolveBwrsJohnsonCulver(int rootSelector);
  int SolveBwrsFalsePosition();
  void ReportNoFpRoot();
  void ComputeEnthalpy();
  void BuildIdealGasEnthalpyTable();

  // Cubic equations of state.
  int SolvePengRobinson();
  int SolveRedlichKwongSoave();

  // Optional properties.
  void ComputeSpecificHeat();
  void ComputeJouleThomson();
  void ComputeViscosity();
  void ComputePolytropicExponent();
  // The exponent for a cubic run, with the BWRS constants of its own composition.
  void ComputePolytropicExponentWithOwnConstants();
  // Solves together, ahead of the optional properties, every state the
  // ticked ones will visit; they then find their densities already solved.
  void SolveProbeStatesAhead(bool specificHeat, bool jouleThomson, bool polytropic);

  // Files and views.
  // The run's whole record: header, composition and results.
  void WriteReportRecord();
  void SaveMixture();
  void RecallMixture();
  void ShowBwrsConstants();

  // Members: the flags first, then the mixture, the solver's working
  // values, the tables, the run's choices and the entered values.
  std::int32_t compositionAccepted = 0;
  std::int8_t reportFileIsNew = 0;
  std::int8_t cpProbe = 0;
  std::int8_t jtProbe = 0;
  std::int8_t nProbe = 0;
  PresentList presentList;
  MixtureCoefficients mixture;

  double gasConstant = 0;          // psia ft3/(lb-mole R)
  // R during every calculation; from start-up until the first run it holds
  // the start-up temperature in F, unconverted, and nothing reads it then.
  double stateTemperature = 0;
  double statePressure = 0;        // psia
  double calculatedPressure = 0;   // psia
  double jcStartDensityHigh = 0;   // lb-mole/ft3
  double jcStartDensityLow = 0;    // lb-mole/ft3
  double molarDensity = 0;         // lb-mole/ft3
  double specificVolume = 0;       // ft3/lbm
  std::array<double, 2> cpProbeDensity{};
  std::array<double, 2> cpProbeEnthalpy{};
  std::array<double, 3> jtProbeDensity{};
  std::array<double, 3> jtProbeEnthalpy{};
  std::array<double, 2> nProbeDensity{};
  double compressibility = 0;
  double jcTolerance = 0;
  double mixtureAcentricFactor = 0;

  ComponentTable components{};
  InteractionTable interaction{};
  IdealGasEnthalpyTable idealGasEnthalpy{};
  double enthalpyReference = 0;  // BTU/lbm

  EosChoice eosChoice{};
  SolveMethod solveMethod{};
  std::int32_t cpRequested = 0;
  std::int32_t jtRequested = 0;
  std::int32_t viscosityRequested = 0;
  std::int32_t polytropicRequested = 0;
  double entryTemperatureF = 0;
  double entryPressure = 0;
  double mixtureFileReserved = 0;
  std::array<double, 15> entryFractions{};  // methane .. oxygen, entry order
  RunResults results;
  // Set by the last Run when a message box stopped it (a state out of
  // range, a composition that does not sum to 1, a refused mixture or
  // method), so that nothing was solved.
  bool runRefused = false;
  // What became of the last Run's report record: a face that must say when
  // a file it was asked to write stayed unwritten reads it here.
  const ReportWriteResult& LastReportWrite() const { return lastReportWrite_; }

 private:
  // A message box of the calculator's own.
  void ShowMessage(const res::MessageText& message);
  // Reads an edit's text as a number.
  double ReadNumber(int id) const;
  // The fraction edits in entryFractions order.
  static const std::array<int, 15>& EntryOrderEdits();
  // The method radio buttons: Johnson-Culver, false position, or else Newton.
  SolveMethod CheckedMethod() const;

  // The steps of a run. What solving the chosen equation leaves the run to do.
  enum class SolveOutcome { Solved, ShowOnly, Stop };
  bool CheckStateConditions();
  SolveOutcome SolveChosenEquation();
  void ComputeTickedProperties();
  void WriteReportIfTicked();

  // The steps Peng-Robinson and Redlich-Kwong-Soave share; `eos` says which.
  int SolveCubicEquation(EosChoice eos);
  // What became of the last run's report record; see LastReportWrite.
  ReportWriteResult lastReportWrite_;
  // Set by the mixing step when it has refused the mixture with a message:
  // the run then stops, since there is nothing to solve.
  bool mixtureRefused_ = false;

  // A possible density solution into the working members and the results,
  // the density part of them.
  void StoreDensitySolution(const DensitySolution& solution);
  // The BWRS values at a density and the pressure stored with it; Z also
  // into `compressibility`.
  bool StoreBwrsDensitySolution(double density, double pressure);
  // The BWRS constants of the present composition, formed silently (see
  // calc_dlg_bwrs.cpp), and the mixing rules' part of them.
  std::optional<BwrsMixture> BwrsMixtureOfComposition() const;
  std::optional<BwrsMixture> MixedWithMethane() const;
  void SetMethodNote(const char* method, const char* root, unsigned count);

  // The probe a solve serves while a probe flag is set: where its
  // false-position root goes, and where the enthalpy at that root goes
  // (nullptr when the probe takes no enthalpy). Both nullptr: no probe is
  // active, and the main results take them.
  struct ProbeSlots {
    double* density = nullptr;
    double* enthalpy = nullptr;
  };
  ProbeSlots ActiveProbe();
  // The mixing rules' factors that depend only on the constant tables,
  // formed once when the tables are filled.
  BwrsMixingTerms mixingTerms_{};
  // The false-position solves made since the mixture constants were last
  // formed; the probe procedures solve the states they will ask for ahead,
  // together, and then find them here.
  FalsePositionMemo fpMemo_;
  void SolveAhead(std::initializer_list<FpState> states);

  DialogSurface& surface_;
};

}  // namespace corvane
