#include "thermo/viscosity.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/calc_dlg.h"
#include "platform/headless_surface.h"
#include "res/dialogs.h"
#include "crmath/correctly_rounded.h"

namespace corvane {
namespace {

// A mixture point with simple numbers, for the dilute-gas term alone.
constexpr PseudoCriticalPoint kPoint{350.0, 670.0, 17.0};

double Xi(const PseudoCriticalPoint& p) {
  return 5.4402 * cr::Pow(p.temperature, 0.1666) / (cr::Pow(p.pressure, 0.667) * cr::Pow(p.molecularWeight, 0.5));
}

TEST(ViscosityRatio, OnARowAndAColumnTheChartValueItself) {
  EXPECT_EQ(*ViscosityRatio(1.6, 2.0), 1.22);
  EXPECT_EQ(*ViscosityRatio(2.0, 10.0), 1.95);
  EXPECT_EQ(*ViscosityRatio(1.0, 1.0), 1.8);
  EXPECT_EQ(*ViscosityRatio(2.9, 15.0), 1.55);
  // Just below a row the lower row is the one before.
  EXPECT_LT(*ViscosityRatio(std::nextafter(1.6, 0.0), 2.0), 1.275);
  EXPECT_GT(*ViscosityRatio(std::nextafter(1.6, 0.0), 2.0), 1.22);
}

TEST(ViscosityRatio, InterpolatesBilinearlyInsideACell) {
  // Halfway between rows 2.0 and 2.1 and between columns 4 and 6.
  const double rlo = 1.3 + (1.27 - 1.3) * ((2.05 - 2.0) / (2.1 - 2.0));
  const double rhi = 1.5 + ((2.05 - 2.0) / (2.1 - 2.0)) * (1.43 - 1.5);
  EXPECT_EQ(*ViscosityRatio(2.05, 5.0), rlo + (rhi - rlo) * 0.5);
}

TEST(ViscosityRatio, BelowPrOneExtrapolatesFromTheFirstTwoColumns) {
  // Row 2.0: 1.05 at Pr 1 and 1.12 at Pr 2.
  EXPECT_EQ(*ViscosityRatio(2.0, 0.5), 1.05 + (1.12 - 1.05) * -0.5);
  EXPECT_LT(*ViscosityRatio(2.0, 0.02), 1.05);
}

TEST(ViscosityRatio, OutsideTheTemperatureRowsExtrapolatesFromTheEndRows) {
  // Above 3.0 from rows 2.9 and 3.0: column 1 falls by 0.003 per 0.1.
  EXPECT_NEAR(*ViscosityRatio(3.2, 1.0), 1.005 - 2 * 0.003, 1e-12);
  // Below 1.0 from rows 1.0 and 1.1, where the 0.0 cells drive the ratio negative.
  EXPECT_LT(*ViscosityRatio(0.95, 5.0), 0.0);
}

TEST(ViscosityRatio, UncoveredCellsTakePartLikeAnyOther) {
  // Tr exactly 1.0 interpolates between 0.0 cells from Pr 4 up to 20.
  EXPECT_EQ(*ViscosityRatio(1.0, 4.0), 0.0);
  EXPECT_EQ(*ViscosityRatio(1.0, 19.99), 0.0);
  // Just above 1.0 between columns 4 and 6 the ratio lies far below row 1.1's.
  EXPECT_LT(*ViscosityRatio(1.01, 5.0), 1.0);
}

TEST(ViscosityRatio, PrOfTwentyOrMoreHasNoSolution) {
  EXPECT_FALSE(ViscosityRatio(2.0, 20.0).has_value());
  EXPECT_FALSE(ViscosityRatio(2.0, 1e9).has_value());
  EXPECT_FALSE(ViscosityRatio(2.0, std::numeric_limits<double>::quiet_NaN()).has_value());
  EXPECT_TRUE(ViscosityRatio(2.0, std::nextafter(20.0, 0.0)).has_value());
}

TEST(DiluteGasViscosity, TrOfOneAndAHalfTakesTheLowTemperatureBranch) {
  EXPECT_EQ(DiluteGasViscosity(kPoint, 1.5), 0.00034 * cr::Pow(1.5, 0.8889) / Xi(kPoint));
  const double above = std::nextafter(1.5, 2.0);
  EXPECT_EQ(DiluteGasViscosity(kPoint, above), 0.001668 * cr::Pow(0.1338 * above - 0.0932, 0.5556) / Xi(kPoint));
}

class ViscosityOfTheDialog : public ::testing::Test {
 protected:
  void SetUp() override { dialog.OnInitDialog(); }
  void State(const char* pressure, const char* temperatureF) {
    surface.SetText(res::IDC_PRESSURE, pressure);
    surface.SetText(res::IDC_TEMPERATURE, temperatureF);
    dialog.ReadStateConditions();
  }
  HeadlessSurface surface;
  CCalcDlg dialog{surface};
};

TEST_F(ViscosityOfTheDialog, ReadsTheCompositionAsShownNotTheLastRead) {
  surface.SetText(res::IDC_METHANE, "0.8");
  surface.SetText(res::IDC_ETHANE, "0.2");
  for (int edit : {res::IDC_PROPANE, res::IDC_ISOBUTANE, res::IDC_NBUTANE, res::IDC_ISOPENTANE, res::IDC_NPENTANE,
                   res::IDC_CO2, res::IDC_NITROGEN})
    surface.SetText(edit, "0");
  State("1000", "80");
  dialog.ComputeViscosity();
  EXPECT_NEAR(dialog.results.viscosity, 0.0126970, 5e-7);
  EXPECT_EQ(dialog.components[kEthane].moleFraction, 0.2);
}

TEST_F(ViscosityOfTheDialog, BeyondTheChartStoresNothing) {
  // A negative fraction (accepted, it still sums to 1) pulls the
  // pseudo-critical pressure so low that Pr passes 20.
  dialog.OnReset();
  surface.SetText(res::IDC_METHANE, "2");
  surface.SetText(res::IDC_H2S, "-1");
  State("3000", "80");
  dialog.results.viscosity = 0.0;
  dialog.ComputeViscosity();
  EXPECT_EQ(dialog.results.viscosity, 0.0);
  EXPECT_TRUE(surface.messages.empty());
}

}  // namespace
}  // namespace corvane
