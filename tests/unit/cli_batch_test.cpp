// corvane-cli's batch and flags: a batch row is the run of a freshly started
// calculator, whatever the workers; flags run as the script would.
#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <sstream>
#include <string>

#include "cli/batch.h"
#include "cli/one_shot.h"
#include "cli/script_runner.h"
#include "cli/units.h"

namespace corvane {
namespace {

struct BatchOutput {
  int status;
  std::string out;
  std::string error;
};

BatchOutput Batch(const std::string& csv, unsigned jobs, UnitSystem units = UnitSystem::Us,
                  const char* gas = nullptr) {
  BatchOutput result{0, "", ""};
  BatchStreams streams;
  streams.read = ReadFromMemory(csv, 7);  // records cross every boundary
  streams.write = [&](std::string_view bytes) {
    result.out.append(bytes);
    return true;
  };
  BatchSettings settings;
  settings.jobs = jobs;
  settings.units = units;
  if (gas != nullptr) {
    EXPECT_FALSE(ParseGasList(gas, settings.gas.emplace()));
  }
  result.status = RunBatch(settings, streams, result.error);
  return result;
}

std::string OneShot(StateFlags flags, bool csv, int status = 0) {
  std::ostringstream out, err;
  EXPECT_EQ(RunOneShot(flags, csv, out, err), status) << err.str();
  return out.str();
}

// The lines of `text` from the one starting with `first` to the one with `last`.
std::string LinesBetween(const std::string& text, const std::string& first, const std::string& last) {
  const std::size_t start = text.rfind(first);
  const std::size_t end = text.find('\n', text.find(last, start));
  return start == std::string::npos ? "" : text.substr(start, end + 1 - start);
}

TEST(Batch, RowsAreIndependentAndTheOutputIsTheSameForAnyNumberOfWorkers) {
  std::string csv = "pressure,temperature,eos,method,methane,ethane,cp,polytropic\r\n";
  const char* rows[] = {"1000,80,pr,,,,,",        "1000,80,,,,,,",        "522.7,0,bwrs,jc,,,0,1",
                        "3000,-100,rks,newton,0.9,0.1,1,", "10,80,,,,,,",    "1000,80,bwrs,newton,,,,",
                        "500,60,pr,fp,0.5,0.5,,0",   "abc,80,,,,,,",         "1000,80,xyz,,,,,",
                        "1000,80,,,,,,,",             "\"1,5\",70,,,,,,",     "2000,150,rks,jc,1,,,1"};
  for (int repeat = 0; repeat < 40; ++repeat)
    for (const char* row : rows) csv += std::string(row) + "\r\n";
  const BatchOutput one = Batch(csv, 1);
  EXPECT_EQ(one.status, 1);  // malformed rows, and every row answered
  EXPECT_EQ(std::count(one.out.begin(), one.out.end(), '\n'), 1 + 40 * static_cast<long>(std::size(rows)));
  EXPECT_EQ(Batch(csv, 2).out, one.out);
  EXPECT_EQ(Batch(csv, 5).out, one.out);

  // The same state gives the same row wherever it stands (row 2 follows a PR run).
  std::istringstream lines(one.out);
  std::string header, first, second;
  std::getline(lines, header);
  std::getline(lines, first);
  std::getline(lines, second);
  EXPECT_NE(one.out.find("\r\n1000,80,,,,,,," + second.substr(std::string("1000,80,,,,,,,").size())),
            std::string::npos);
  EXPECT_NE(one.out.find("\"line 9, column pressure: \"\"abc\"\" is not a number\",malformed\r\n"), std::string::npos);
  EXPECT_NE(one.out.find("line 10, column eos: \"\"xyz\"\" is not bwrs, pr or rks"), std::string::npos);
  EXPECT_NE(one.out.find("line 11: 9 fields where the header has 8"), std::string::npos);
  EXPECT_NE(one.out.find(",\"Pressure < 14.7 or > 3000.0 psia, run aborted\",refused\r\n"), std::string::npos);
}

TEST(Batch, GasesWithoutAColumnAreZeroOrWhatGasSays) {
  auto rows = [](const BatchOutput& b) { return b.out.substr(b.out.find('\n') + 1); };
  // Methane 0.9 and ethane 0.1 in four ways; the start-up gas is another mixture.
  const std::string withColumns = rows(Batch("pressure,temperature,methane,ethane\n1000,80,0.9,0.1\n", 1));
  EXPECT_EQ(rows(Batch("pressure,temperature,ethane\n1000,80,\n", 1, UnitSystem::Us, "methane=0.9,ethane=0.1")),
            "1000,80,," + withColumns.substr(std::string("1000,80,0.9,0.1,").size()));
  EXPECT_EQ(rows(Batch("pressure,temperature,methane\n1000,80,0.9\n", 1, UnitSystem::Us, "methane=0.5,ethane=0.1")),
            "1000,80,0.9," + withColumns.substr(std::string("1000,80,0.9,0.1,").size()));
  EXPECT_NE(rows(Batch("pressure,temperature\n1000,80\n", 1)).substr(7), withColumns.substr(15));
  // Ethane alone, the other gases 0: refused by the sum test.
  EXPECT_NE(rows(Batch("pressure,temperature,ethane\n1000,80,0.1\n", 1)).find("Mixture component sum"),
            std::string::npos);
}

TEST(Batch, HeaderFaultsStopTheBatch) {
  EXPECT_EQ(Batch("", 1).status, 2);
  EXPECT_EQ(Batch("pressure,presure\n1,2\n", 2).error, "unknown column \"presure\": did you mean \"pressure\"?");
  EXPECT_EQ(Batch("pressure,pressure\n", 1).status, 2);
  const BatchOutput headerOnly = Batch("\xEF\xBB\xBFpressure,temperature\r\n", 2);
  EXPECT_EQ(headerOnly.status, 0);
  EXPECT_EQ(headerOnly.out.rfind("pressure,temperature,density_lbmol_ft3,", 0), 0u);
}

TEST(Batch, CommaLocaleChangesNothing) {
  const std::string csv = "pressure,temperature,eos\n8511.7,289.4,bwrs\n5516.2,244,pr\n";
  const std::string inC = Batch(csv, 2, UnitSystem::Si).out;
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "de_DE.UTF-8 is not installed";
  const std::string inGerman = Batch(csv, 2, UnitSystem::Si).out;
  std::setlocale(LC_ALL, previous.c_str());
  EXPECT_EQ(inGerman, inC);
  EXPECT_EQ(std::count(inC.begin(), inC.end(), '\n'), 3);
}

TEST(OneShot, FlagsRunAsTheScriptOfTheSameInputsAndAsTheBatchRow) {
  StateFlags flags;
  flags.pressure = "1500";
  flags.temperature = "40";
  flags.eos = "rks";
  flags.method = "jc";
  flags.gas = "methane=0.9,ethane=0.1";
  flags.noViscosity = true;
  std::ostringstream script, err;
  RunScript("set pressure 1500\nset temperature 40\ncheck rks\ncheck jc\nreset\nset methane 0.9\nset ethane 0.1\n"
            "set propane 0\nuncheck viscosity\nrun\nshow\n",
            script, err);
  EXPECT_EQ(OneShot(flags, false), LinesBetween(script.str(), "note: ", "Joule-Thomson: "));

  flags.gas.reset();
  flags.pressure = "10";  // refused: the message line comes first
  EXPECT_EQ(OneShot(flags, false, 1).rfind("message: error | User Inputs | Pressure < 14.7", 0), 0u);

  flags.pressure = "1500";
  const std::string row = OneShot(flags, true);
  const BatchOutput batch = Batch("pressure,temperature,eos,method,cp,jt,viscosity,polytropic\n1500,40,rks,jc,,,0,\n", 1);
  EXPECT_EQ(row.substr(row.find('\n')), batch.out.substr(batch.out.find('\n')));
}

TEST(Units, FactorsFollowFromTheirDefinitionsAndSiRowsAreUsRowsConverted) {
  EXPECT_DOUBLE_EQ(kKilopascalPerPsi, 0.45359237 * 9.80665 / (0.0254 * 0.0254) / 1000);
  EXPECT_DOUBLE_EQ(kKmolM3PerLbmolFt3, 0.45359237 / 0.028316846592);
  EXPECT_DOUBLE_EQ(kM3KgPerFt3Lbm, 0.028316846592 / 0.45359237);
  EXPECT_DOUBLE_EQ(kKjKgKPerBtuLbmR, kKjKgPerBtuLbm * 1.8);

  // 1000 psia and 80 F, in kPa and K.
  const BatchOutput si = Batch("pressure,temperature\n6894.757293168361,299.81666666666666\n", 1, UnitSystem::Si);
  const BatchOutput us = Batch("pressure,temperature\n1000,80\n", 1);
  auto field = [](const std::string& out, int index) {
    std::string row = out.substr(out.find('\n') + 1);
    for (int i = 0; i < index; ++i) row = row.substr(row.find(',') + 1);
    return std::stod(row.substr(0, row.find(',')));
  };
  EXPECT_NEAR(field(si.out, 2), field(us.out, 2) * kKmolM3PerLbmolFt3, 1e-9);  // density
  EXPECT_NEAR(field(si.out, 4), field(us.out, 4), 1e-12);                     // z
  EXPECT_NEAR(field(si.out, 8), field(us.out, 8) * 2.326, 1e-6);              // enthalpy
  EXPECT_NE(si.out.find("density_kmol_m3,specific_volume_m3_kg,z,molecular_weight_kg_kmol,viscosity_mpa_s,"
                        "polytropic_n,enthalpy_kj_kg,enthalpy_ref_kj_kg,specific_heat_kj_kg_k,joule_thomson_k_kpa"),
            std::string::npos);
}

}  // namespace
}  // namespace corvane
