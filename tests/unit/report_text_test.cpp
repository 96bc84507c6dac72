#include "files/report_text.h"

#include <gtest/gtest.h>

#include <string>

namespace corvane {
namespace {

constexpr std::array<double, 15> kStartUpFractions = {0.96, 0.02, 0.005, 0.002, 0.002, 0.0005, 0.0005, 0.0,
                                                      0.0,  0.007, 0.0,  0.0,   0.0,   0.003,  0.0};

// A BWRS false-position run at the start-up state with every box ticked.
ReportResultValues StartUpBwrsRun() {
  ReportResultValues v;
  v.eosChoice = kEosBwrs;
  v.entryPressure = 1000.0;
  v.entryTemperatureF = 80.0;
  v.results.density = 0.19757;
  v.results.specVolume = 0.29936;
  v.results.zFactor = 0.87379;
  v.results.molWeight = 16.908;
  v.results.enthalpy = -1542.0951;
  v.enthalpyReference = 239.33;
  v.results.viscosity = 0.012616;
  v.results.polytropicN = 0.8906;
  v.results.specificHeat = 0.6577;
  v.results.jouleThomson = -0.0484;
  v.viscosityRequested = v.cpRequested = v.jtRequested = 1;
  return v;
}

TEST(ReportText, BwrsRecordLineByLine) {
  const std::string record =
      ReportHeaderAndComposition(kEosBwrs, kMethodFalsePosition, kStartUpFractions) + ReportResultsBlock(StartUpBwrsRun());
  EXPECT_EQ(record,
            "BWRS False Position\r\n\r\n"
            "0.96000\tmethane\r\n0.02000\tethane\r\n0.00500\tpropane\r\n0.00200\tibutane\r\n"
            "0.00200\tnbutane\r\n0.00050\tipentane\r\n0.00050\tnpentane\r\n0.00000\tnhexane\r\n"
            "0.00000\tnheptane\r\n0.00700\tCO2\r\n0.00000\thydrogen\r\n0.00000\tH2S\r\n"
            "0.00000\thelium\r\n0.00300\tnitrogen\r\n0.00000\toxygen\r\n\r\n"
            "  1000.0, pressure psia\r\n"
            "    80.0, temperature F\r\n"
            "  0.1976, molar density\r\n"
            "  0.2994, specific volume\r\n"
            "  0.8738, compressibility\r\n"
            "  16.908, molecular weight\r\n"
            " -1542.1, enthalpy\r\n"
            "   239.3, enthalpy reference\r\n"
            "  0.0126, viscosity\r\n"
            "  0.8906, polytropic N\r\n"
            "  0.6577, specific heat\r\n"
            " -0.0484, Joule-Thomson coefficient\r\n\r\n");
}

TEST(ReportText, HeaderWordsOfEveryChoice) {
  const std::array<double, 15> none{};
  auto header = [&](int eos, int method) {
    const std::string text = ReportHeaderAndComposition(static_cast<EosChoice>(eos), static_cast<SolveMethod>(method), none);
    return text.substr(0, text.find("\r\n"));
  };
  EXPECT_EQ(header(1, 1), "BWRS Johnson Culver");
  EXPECT_EQ(header(2, 3), "PR Newton");
  EXPECT_EQ(header(3, 2), "RKS False Position");
  EXPECT_EQ(header(0, 0), "Unknown Unknown ");
}

TEST(ReportText, CubicRecordsHaveNoEnthalpyAndSayEosNotBwrs) {
  ReportResultValues v = StartUpBwrsRun();
  v.eosChoice = kEosPengRobinson;
  v.results.polytropicN = 1.0;
  const std::string block = ReportResultsBlock(v);
  EXPECT_EQ(block.find("enthalpy"), std::string::npos);
  EXPECT_NE(block.find("  16.908, molecular weight\r\n  0.0126, viscosity\r\n  1.0000, polytropic N\r\n"
                       "specific heat not requested, or EOS not BWRS\r\n"
                       "Joule-Thomson not requested, or EOS not BWRS\r\n\r\n"),
            std::string::npos)
      << block;
  v.eosChoice = kEosRedlichKwongSoave;
  EXPECT_EQ(ReportResultsBlock(v), block);
}

TEST(ReportText, MessageItemsStandOnTheirOwnLines) {
  ReportResultValues v = StartUpBwrsRun();
  v.results.viscosity = 0.0;  // no solution
  v.results.polytropicN = 1.5;
  v.cpRequested = 0;
  v.jtRequested = 0;
  const std::string block = ReportResultsBlock(v);
  EXPECT_NE(block.find("   239.3, enthalpy reference\r\n"
                       "viscosity not requested, or no solution found\r\n"
                       "polytropic N not requested, or no solution found\r\n"
                       "specific heat not requested, or EOS not BWRS\r\n"
                       "Joule-Thomson not requested, or EOS not BWRS\r\n\r\n"),
            std::string::npos)
      << block;
  // A viscosity computed in a run that did not ask for it is not reported.
  v = StartUpBwrsRun();
  v.viscosityRequested = 0;
  EXPECT_NE(ReportResultsBlock(v).find("\r\nviscosity not requested"), std::string::npos);
  v = StartUpBwrsRun();
  v.results.polytropicN = 0.5;
  EXPECT_NE(ReportResultsBlock(v).find("\r\npolytropic N not requested"), std::string::npos);
}

TEST(ReportText, NegativeValuesStayInTheirFieldWideValuesWidenIt) {
  ReportResultValues v = StartUpBwrsRun();
  v.entryTemperatureF = -100.0;
  v.results.enthalpy = -123456.78;
  const std::string block = ReportResultsBlock(v);
  EXPECT_NE(block.find("\r\n  -100.0, temperature F\r\n"), std::string::npos) << block;
  EXPECT_NE(block.find("\r\n-123456.8, enthalpy\r\n"), std::string::npos) << block;
}

}  // namespace
}  // namespace corvane
