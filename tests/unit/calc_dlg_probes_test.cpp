// Specific heat, Joule-Thomson coefficient and polytropic exponent through
// the dialog: what each stores, what it leaves alone, and how it stops.
#include <gtest/gtest.h>

#include <cmath>

#include "dialog_fixture.h"
#include "thermo/bwrs_enthalpy.h"
#include "thermo/bwrs_false_position.h"
#include "text/number_text.h"
#include "crmath/correctly_rounded.h"

namespace corvane {
namespace {

class ProbeRun : public DialogTest {
 protected:
  void Tick(std::initializer_list<int> boxes) {
    for (int id : {res::IDC_CP, res::IDC_JT, res::IDC_VISCOSITY_BOX, res::IDC_POLYTROPIC_BOX})
      surface.SetChecked(id, false);
    for (int id : boxes) surface.SetChecked(id, true);
  }
  // The enthalpy at (T, P) from the pure functions, as the run's mixture has it.
  double EnthalpyAt(double T, double P) {
    const FalsePositionResult fp = SolveFalsePosition(dlg.mixture, dlg.gasConstant, T, P, dlg.mixtureAcentricFactor);
    EXPECT_TRUE(fp.found);
    return BwrsResidualEnthalpy(dlg.mixture, dlg.gasConstant, T, fp.root) +
           IdealGasEnthalpy(dlg.idealGasEnthalpy[0], T);
  }
  double DensityAt(double T, double P) {
    return SolveFalsePosition(dlg.mixture, dlg.gasConstant, T, P, dlg.mixtureAcentricFactor).root;
  }
};

TEST_F(ProbeRun, EachProcedureLeavesTheStateTheFlagsAndTheMainResultsAsTheyWere) {
  Tick({});
  dlg.OnRun();
  const RunResults main = dlg.results;
  const double density = dlg.molarDensity;
  const std::string note = Text(res::IDC_METHOD_NOTE);
  const double T = dlg.stateTemperature;
  const double P = dlg.statePressure;
  for (void (CCalcDlg::*procedure)() :
       {&CCalcDlg::ComputeSpecificHeat, &CCalcDlg::ComputeJouleThomson, &CCalcDlg::ComputePolytropicExponent}) {
    (dlg.*procedure)();
    EXPECT_EQ(dlg.stateTemperature, T);
    EXPECT_EQ(dlg.statePressure, P);
    EXPECT_EQ(dlg.cpProbe + dlg.jtProbe + dlg.nProbe, 0);
    EXPECT_EQ(dlg.molarDensity, density);
    EXPECT_EQ(dlg.results.density, main.density);
    EXPECT_EQ(dlg.results.zFactor, main.zFactor);
    EXPECT_EQ(dlg.results.pressure, main.pressure);
    EXPECT_EQ(Text(res::IDC_METHOD_NOTE), note);
  }
  EXPECT_TRUE(surface.messages.empty());
}

TEST_F(ProbeRun, SpecificHeatIsTheCentralDifferenceOverHalfADegreeEitherSide) {
  Tick({res::IDC_CP});
  dlg.OnRun();
  const double T = dlg.stateTemperature;
  const double P = dlg.statePressure;
  EXPECT_EQ(dlg.cpProbeEnthalpy[0], EnthalpyAt(T + 0.5, P));
  EXPECT_EQ(dlg.cpProbeEnthalpy[1], EnthalpyAt(T + 0.5 - 1.0, P));
  EXPECT_EQ(dlg.results.specificHeat, (dlg.cpProbeEnthalpy[0] - dlg.cpProbeEnthalpy[1]) / 1.0);
  EXPECT_EQ(Text(res::IDC_SPECIFIC_HEAT), "0.6577");
  // The reference shown belongs to the last enthalpy evaluated, at T - 0.5.
  EXPECT_EQ(dlg.enthalpyReference, dlg.cpProbeEnthalpy[1] - dlg.idealGasEnthalpy[0][1]);
  // The shown enthalpy is still the run's own.
  EXPECT_EQ(Text(res::IDC_ENTHALPY), "-1542.10");
}

TEST_F(ProbeRun, SpecificHeatOfANearlyIdealGasIsTheIdealGasPolynomialsSlope) {
  SetComposition({{res::IDC_METHANE, "1"}});
  SetState("300", "14.7");
  Tick({res::IDC_CP});
  dlg.OnRun();
  const auto& row = dlg.idealGasEnthalpy[0];
  const double T = dlg.stateTemperature;
  const double slope = row[2] * 1e-2 + 2 * row[3] * 1e-4 * T + 3 * row[4] * 1e-7 * T * T +
                       4 * row[5] * 1e-10 * T * T * T + 5 * row[6] * 1e-13 * T * T * T * T;
  EXPECT_NEAR(dlg.results.specificHeat, slope, 0.005 * slope);
}

TEST_F(ProbeRun, JouleThomsonShowsItsBaseEnthalpyAndTheReferenceOfItsLastState) {
  Tick({});
  dlg.OnRun();
  const double ownEnthalpy = dlg.results.enthalpy;
  Tick({res::IDC_CP, res::IDC_JT, res::IDC_VISCOSITY_BOX, res::IDC_POLYTROPIC_BOX});
  dlg.OnRun();
  EXPECT_EQ(dlg.results.enthalpy, ownEnthalpy);
  EXPECT_EQ(dlg.results.enthalpy, dlg.jtProbeEnthalpy[0]);
  const double T = dlg.stateTemperature;
  const double P = dlg.statePressure;
  EXPECT_EQ(dlg.jtProbeEnthalpy[2], EnthalpyAt(T - 1 + 2, P - 1));
  EXPECT_EQ(dlg.enthalpyReference, dlg.jtProbeEnthalpy[2] - dlg.idealGasEnthalpy[0][1]);
  EXPECT_EQ(Text(res::IDC_ENTHALPY_REF), "239.33");
  EXPECT_EQ(Text(res::IDC_JOULE_THOMSON), "-0.0484");
}

TEST_F(ProbeRun, JouleThomsonAgreesWithTheIsothermalEnthalpySlopeOverCp) {
  // Moving to P - 1 at constant enthalpy: T_iso - T = (dH/dP)_T / Cp.
  Tick({res::IDC_CP, res::IDC_JT});
  dlg.OnRun();
  const double T = dlg.stateTemperature;
  const double P = dlg.statePressure;
  const double dHdP = EnthalpyAt(T, P) - EnthalpyAt(T, P - 1);
  EXPECT_LT(dlg.results.jouleThomson, 0.0);  // the gas cools on expansion
  EXPECT_NEAR(dlg.results.jouleThomson, dHdP / dlg.results.specificHeat, 0.02 * std::fabs(dlg.results.jouleThomson));
}

TEST_F(ProbeRun, JohnsonCulverRunsGetTheSamePropertiesFromFalsePositionDensities) {
  Tick({res::IDC_CP, res::IDC_JT, res::IDC_POLYTROPIC_BOX});
  dlg.OnRun();
  const RunResults byFp = dlg.results;
  surface.SetChecked(res::IDC_JC, true);
  dlg.OnRun();
  EXPECT_EQ(dlg.results.specificHeat, byFp.specificHeat);
  EXPECT_EQ(dlg.results.jouleThomson, byFp.jouleThomson);
  EXPECT_EQ(dlg.results.polytropicN, byFp.polytropicN);
  EXPECT_EQ(dlg.results.enthalpy, byFp.enthalpy);  // from the Joule-Thomson procedure
}

TEST_F(ProbeRun, PolytropicExponentComesFromTwoDensitiesOnePsiApart) {
  Tick({res::IDC_POLYTROPIC_BOX});
  dlg.OnRun();
  const double T = dlg.stateTemperature;
  const double P = dlg.statePressure;
  const double rho1 = DensityAt(T, P);
  const double rho2 = DensityAt(T, P - 1);
  EXPECT_EQ(dlg.nProbeDensity[0], rho1);
  EXPECT_EQ(dlg.nProbeDensity[1], rho2);
  EXPECT_EQ(dlg.results.polytropicN, (cr::Log(P - 1) - cr::Log(P)) / (cr::Log(1 / rho1) - cr::Log(1 / rho2)));
  EXPECT_EQ(Text(res::IDC_POLYTROPIC_N), "0.8906");
}

TEST_F(ProbeRun, WithAllZeroConstantsTheExponentIsThatOfAnIdealGas) {
  // With the start-up constants, all zero, the BWRS equation is the ideal-gas law.
  dlg.stateTemperature = 539.67;
  dlg.statePressure = 1000;
  dlg.ComputePolytropicExponent();
  EXPECT_EQ(FormatFixed(dlg.results.polytropicN, 4), "1.0000");
  EXPECT_TRUE(surface.messages.empty());
}

TEST_F(ProbeRun, ProceduresStopAtTheirFirstSolveWithoutARoot) {
  // Carbon dioxide at -65.9 F and 300 psia: the run's own solve fails, the
  // specific heat's first succeeds and its second fails, the first solves of
  // the Joule-Thomson and polytropic procedures fail.
  SetComposition({{res::IDC_CO2, "1.0"}});
  SetState("-65.9", "300");
  Tick({res::IDC_CP, res::IDC_JT, res::IDC_POLYTROPIC_BOX});
  dlg.jtProbeDensity[0] = 0.5;  // left from an earlier state
  dlg.jtProbeEnthalpy[0] = -99;
  dlg.OnRun();
  std::vector<std::string> texts;
  for (const ShownMessage& m : surface.messages) texts.push_back(m.text);
  EXPECT_EQ(texts, (std::vector<std::string>{"No root found in fp method.", "No root found in fp method.",
                                             "CP failed in 2nd entropy call.", "No root found in fp method.",
                                             "No root found in fp method."}));
  EXPECT_EQ(surface.messages[2].caption, "Specific Heat Procedure");
  EXPECT_EQ(dlg.results.specificHeat, 0.0);
  EXPECT_EQ(dlg.results.jouleThomson, 0.0);
  EXPECT_EQ(dlg.results.polytropicN, 0.0);
  EXPECT_EQ(dlg.results.enthalpy, 0.0);  // no left-over enthalpy copied
  EXPECT_EQ(dlg.jtProbeEnthalpy[0], -99);
  EXPECT_EQ(dlg.stateTemperature, -65.9 + 459.67);
  EXPECT_EQ(dlg.statePressure, 300.0);
  EXPECT_EQ(dlg.cpProbe + dlg.jtProbe + dlg.nProbe, 0);
  EXPECT_EQ(Text(res::IDC_POLYTROPIC_N), "No solution");
}

}  // namespace
}  // namespace corvane
