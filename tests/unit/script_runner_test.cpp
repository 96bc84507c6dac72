#include "cli/script_runner.h"

#include <gtest/gtest.h>

#include <clocale>
#include <sstream>
#include <string>

namespace corvane {
namespace {

struct ScriptResult {
  int status;
  std::string out;
  std::string err;
};

ScriptResult RunCli(std::string_view script) {
  std::ostringstream out, err;
  const int status = RunScript(script, out, err);
  return {status, out.str(), err.str()};
}

// The value printed for `key` by the last show, or "?" when it is missing.
std::string Shown(std::string output, const std::string& key) {
  output.insert(0, "\n");
  const std::size_t at = output.rfind("\n" + key + ": ");
  if (at == std::string::npos) return "?";
  const std::size_t start = at + key.size() + 3;
  return output.substr(start, output.find('\n', start) - start);
}

TEST(ScriptRunner, SetKeepsTheTextVerbatim) {
  const ScriptResult r = RunCli("set methane   0.5\nset ethane\nset propane \nset nbutane a b\tc\nshow\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(Shown(r.out, "methane"), "  0.5");
  EXPECT_EQ(Shown(r.out, "ethane"), "");
  EXPECT_EQ(Shown(r.out, "propane"), "");
  EXPECT_EQ(Shown(r.out, "nbutane"), "a b\tc");
}

TEST(ScriptRunner, SkipsCommentsBlankLinesAndCarriageReturns) {
  const ScriptResult r = RunCli("# a comment\r\n\r\n   \t\n  \t# indented comment\n\tset pressure 14.7\r\nshow");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(Shown(r.out, "pressure"), "14.7");
}

TEST(ScriptRunner, RadioButtonsAndCheckBoxes) {
  const ScriptResult r = RunCli("check pr\ncheck  newton \t\nuncheck cp\ncheck write\nshow\nuncheck pr\nshow\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("eos: pr\nmethod: newton\nticked: polytropic viscosity jt write\n"), std::string::npos);
  EXPECT_EQ(Shown(r.out, "eos"), "none");
}

TEST(ScriptRunner, LinesThatCannotBeCarriedOutStopTheScript) {
  for (const char* script : {"show\nfrobnicate\nshow\n", "show\nset nothing 1\nshow\n", "show\ncheck methane\nshow\n",
                             "show\nset pr 1\nshow\n", "show\nset\nshow\n", "show\nset  1\nshow\n",
                             "show\nRUN\nshow\n", "show\ncheck\nshow\n"}) {
    const ScriptResult r = RunCli(script);
    EXPECT_EQ(r.status, 2) << script;
    EXPECT_EQ(r.err.rfind("corvane-cli: line 2: ", 0), 0u) << r.err;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "one line: " << r.err;
    // Only the show before the failing line ran.
    EXPECT_EQ(r.out.find("pressure: "), r.out.rfind("pressure: ")) << script;
  }
}

TEST(ScriptRunner, AnUnknownNameSaysWhichNamesExist) {
  EXPECT_EQ(RunCli("show\nset iso-butane 0.1\n").err,
            "corvane-cli: line 2: unknown name \"iso-butane\" (edits: pressure, temperature, report; gases: methane, "
            "ethane, propane, isobutane, nbutane, isopentane, npentane, nhexane, nheptane, co2, h2s, nitrogen, helium, "
            "hydrogen, oxygen)\n");
  EXPECT_NE(RunCli("check BWRS\n").err.find("(equations: bwrs, pr, rks; methods: jc, fp, newton; boxes: "),
            std::string::npos);
}

TEST(ScriptRunner, MessagesPrintWhenShown) {
  const ScriptResult r = RunCli("set pressure 1\nrun\nview\n");
  EXPECT_EQ(r.out,
            "message: error | User Inputs | Pressure < 14.7 or > 3000.0 psia, run aborted\n"
            "message: error | View BWRS Coefficients | BWRS coefficients not yet computed.\n");
}

TEST(ScriptRunner, ArbitraryBytesNeverCrash) {
  std::string bytes;
  for (int i = 0; i < 4096; ++i) bytes += static_cast<char>((i * 7919) % 256);
  const ScriptResult r = RunCli(bytes);
  EXPECT_TRUE(r.status == 0 || r.status == 2);
  std::string nul("set methane 0.9\0xyz\nshow\n", 25);
  EXPECT_EQ(Shown(RunCli(nul).out, "methane"), std::string("0.9\0xyz", 7));
}

// The toolkit switches the C library's locale at start-up; a comma-decimal
// locale must not change one byte of what the calculator shows or reads.
TEST(ScriptRunner, CommaLocaleChangesNothing) {
  const std::string script =
      "set pressure 1234.5\nset temperature 61.25\nrun\nview\nshow\ncheck pr\nrun\nshow\n"
      "check rks\ncheck jc\nrun\nshow\n";
  const ScriptResult inC = RunCli(script);
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "de_DE.UTF-8 is not installed";
  const ScriptResult inGerman = RunCli(script);
  std::setlocale(LC_ALL, previous.c_str());
  EXPECT_EQ(inGerman.out, inC.out);
  EXPECT_NE(inC.out.find("pressure: "), std::string::npos);
}

}  // namespace
}  // namespace corvane

namespace corvane {
namespace {

// `phase` prints the Compare view's phase lines for what the window holds,
// and a state a Run refuses prints the Run's message instead.
TEST(ScriptRunner, PhasePrintsThePhaseLines) {
  const ScriptResult r = RunCli(
      "set methane 0.80\nset ethane 0.10\nset propane 0.05\nset isobutane 0.01\nset nbutane 0.01\n"
      "set isopentane 0\nset npentane 0\nset co2 0.015\nset nitrogen 0.015\nset temperature 15\nphase\n"
      "set temperature 400\nphase\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("phase: Two-phase: vapour fraction 0.98"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("phase: Dew point at 1000.0 psia: 19.22 F; dew point pressures at 15.0 F: "), std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("phase: Cricondentherm 20.61 F"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("message: error | User Inputs | Temperature"), std::string::npos) << r.out;
}

}  // namespace
}  // namespace corvane
