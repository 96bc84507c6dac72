// Copying a dialog's state onto another dialog: every member, in declaration
// order, except the surface it is shown on and the tables that initialisation
// forms from fixed data and nothing writes afterwards.
#include "app/calc_dlg.h"

namespace corvane {

void CCalcDlg::CopyStateFrom(const CCalcDlg& other) {
  compositionAccepted = other.compositionAccepted;
  reportFileIsNew = other.reportFileIsNew;
  cpProbe = other.cpProbe;
  jtProbe = other.jtProbe;
  nProbe = other.nProbe;
  presentList = other.presentList;
  mixture = other.mixture;
  gasConstant = other.gasConstant;
  stateTemperature = other.stateTemperature;
  statePressure = other.statePressure;
  calculatedPressure = other.calculatedPressure;
  jcStartDensityHigh = other.jcStartDensityHigh;
  jcStartDensityLow = other.jcStartDensityLow;
  molarDensity = other.molarDensity;
  specificVolume = other.specificVolume;
  cpProbeDensity = other.cpProbeDensity;
  cpProbeEnthalpy = other.cpProbeEnthalpy;
  jtProbeDensity = other.jtProbeDensity;
  jtProbeEnthalpy = other.jtProbeEnthalpy;
  nProbeDensity = other.nProbeDensity;
  compressibility = other.compressibility;
  jcTolerance = other.jcTolerance;
  mixtureAcentricFactor = other.mixtureAcentricFactor;
  components = other.components;
  idealGasEnthalpy = other.idealGasEnthalpy;
  enthalpyReference = other.enthalpyReference;
  eosChoice = other.eosChoice;
  solveMethod = other.solveMethod;
  cpRequested = other.cpRequested;
  jtRequested = other.jtRequested;
  viscosityRequested = other.viscosityRequested;
  polytropicRequested = other.polytropicRequested;
  entryTemperatureF = other.entryTemperatureF;
  entryPressure = other.entryPressure;
  mixtureFileReserved = other.mixtureFileReserved;
  entryFractions = other.entryFractions;
  results = other.results;
  lastReportWrite_ = other.lastReportWrite_;
  mixtureRefused_ = other.mixtureRefused_;
  fpMemo_ = other.fpMemo_;
}

}  // namespace corvane
