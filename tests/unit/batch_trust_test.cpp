// What a spreadsheet user reads from the batch: every result cell is the
// window's own value of the same run at full precision (or empty where the
// run has none, never a zero), each row says whether it has a result, the
// user's own columns come back as they went in, and GERG-2008's columns
// are the reference calculator's.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "app/fresh_calculator.h"
#include "cli/batch.h"
#include "cli/control_names.h"
#include "gerg/reference.h"
#include "res/resource.h"
#include "text/number_text.h"

namespace corvane {
namespace {

using Row = std::map<std::string, std::string>;

struct Table {
  int status = 0;
  std::string error, notice, text;
  std::vector<std::string> columns;
  std::vector<Row> rows;
};

Table RunCsv(const std::string& csv, BatchSettings settings = {}) {
  Table table;
  BatchStreams streams;
  streams.read = ReadFromMemory(csv, 13);
  streams.write = [&](std::string_view bytes) {
    table.text.append(bytes);
    return true;
  };
  streams.notice = [&](const std::string& line) { table.notice += line; };
  table.status = RunBatch(settings, streams, table.error);
  CsvReader reader(ReadFromMemory(table.text), 1 << 20, 64);
  if (settings.delimiter != 0) reader.SetDelimiter(settings.delimiter);
  CsvRecord record;
  if (reader.Next(record)) table.columns.assign(record.fields.begin(), record.fields.begin() + record.fieldCount);
  while (reader.Next(record)) {
    Row row;
    for (std::size_t i = 0; i < record.fieldCount && i < table.columns.size(); ++i)
      row[table.columns[i]] = record.fields[i];
    table.rows.push_back(row);
  }
  return table;
}

// The window's run of a state, as a user would type it.
struct WindowRun {
  explicit WindowRun(const char* eos, const char* method, const char* pressure, const char* temperature)
      : calculator(TypedInputs{}) {
    TypedInputs inputs;
    inputs.texts = {{res::IDC_PRESSURE, pressure}, {res::IDC_TEMPERATURE, temperature}};
    inputs.checks = {{FindControlName(eos)->id, true}, {FindControlName(method)->id, true}};
    calculator.Run(inputs);
  }
  FreshCalculator calculator;
};

double Cell(const Row& row, const std::string& column) {
  const auto it = row.find(column);
  EXPECT_TRUE(it != row.end() && !it->second.empty()) << column;
  return it == row.end() ? NAN : std::stod(it->second);
}

// psi in kPa and R in K from their definitions, written out again here so a
// wrong factor in the program cannot also be in the test.
// The cell of a value the run computed, or an empty cell where the run
// holds 0 for a value it did not compute.
void ExpectCell(const Row& row, const std::string& column, double value) {
  if (value == 0.0) {
    EXPECT_EQ(row.at(column), "") << column;
  } else {
    EXPECT_EQ(Cell(row, column), value) << column;
  }
}

constexpr double kKpaPerPsi = 0.45359237 * 9.80665 / (0.0254 * 0.0254) / 1000;
constexpr double kKPerR = 1 / 1.8;

TEST(BatchCells, EqualTheWindowsValuesForEveryEquationInBothUnitSystems) {
  const char* cases[][2] = {{"bwrs", "fp"}, {"bwrs", "jc"}, {"pr", "newton"}, {"rks", "newton"}, {"pr", "fp"}};
  for (const auto& [eos, method] : cases) {
    SCOPED_TRACE(std::string(eos) + " " + method);
    const std::string row = std::string("1000,80,") + eos + "," + method + "\n";
    const Table us = RunCsv("pressure,temperature,eos,method\n" + row);
    BatchSettings si;
    si.units = UnitSystem::Si;
    const Table inSi = RunCsv("pressure,temperature,eos,method\n6894.757293168361,299.81666666666666," +
                              std::string(eos) + "," + method + "\n", si);
    ASSERT_EQ(us.rows.size(), 1u);
    ASSERT_EQ(inSi.rows.size(), 1u);
    const WindowRun window(eos, method, "1000", "80");
    const CCalcDlg& dialog = window.calculator.dialog();
    const RunResults& r = dialog.results;
    const Row& u = us.rows[0];
    const Row& s = inSi.rows[0];
    EXPECT_EQ(u.at("status"), "ok");
    ExpectCell(u, "density_lbmol_ft3", r.density);
    ExpectCell(u, "specific_volume_ft3_lbm", r.specVolume);
    ExpectCell(u, "z", r.zFactor);
    ExpectCell(u, "molecular_weight_lbm_lbmol", r.molWeight);
    ExpectCell(u, "enthalpy_btu_lbm", r.enthalpy);
    ExpectCell(u, "enthalpy_ref_btu_lbm", dialog.enthalpyReference);
    ExpectCell(u, "viscosity_cp", r.viscosity);
    ExpectCell(u, "polytropic_n", r.polytropicN);
    ExpectCell(u, "specific_heat_btu_lbm_r", r.specificHeat);
    ExpectCell(u, "joule_thomson_r_psi", r.jouleThomson);
    // What the window shows, to its digits.
    EXPECT_EQ(FormatFixed(Cell(u, "z"), 5), window.calculator.surface().GetText(res::IDC_COMPRESSIBILITY));
    const bool bwrs = std::string(eos) == "bwrs";
    if (!bwrs) {
      // The cubic runs compute neither: empty cells, never the 0 the results hold.
      EXPECT_EQ(u.at("specific_heat_btu_lbm_r"), "");
      EXPECT_EQ(u.at("joule_thomson_r_psi"), "");
    }
    // SI: each column its US column times its factor (the state itself
    // converted, so to a few ulps).
    auto same = [](double a, double b) { return std::abs(a - b) <= 1e-12 * std::abs(b); };
    // Cp and JT come from finite differences, which magnify the last bits
    // of the converted state.
    auto near = [](double a, double b) { return std::abs(a - b) <= 1e-7 * std::abs(b); };
    EXPECT_PRED2(same, Cell(s, "density_kmol_m3"), r.density * (0.45359237 / 0.028316846592));
    EXPECT_PRED2(same, Cell(s, "specific_volume_m3_kg"), r.specVolume * (0.028316846592 / 0.45359237));
    EXPECT_PRED2(same, Cell(s, "z"), r.zFactor);
    if (bwrs) {
      EXPECT_PRED2(same, Cell(s, "enthalpy_kj_kg"), r.enthalpy * 2.326);
      EXPECT_PRED2(same, Cell(s, "enthalpy_ref_kj_kg"), dialog.enthalpyReference * 2.326);
    }
    EXPECT_PRED2(same, Cell(s, "viscosity_mpa_s"), r.viscosity);
    if (bwrs) {
      EXPECT_PRED2(near, Cell(s, "specific_heat_kj_kg_k"), r.specificHeat * 2.326 * 1.8);
      EXPECT_PRED2(near, Cell(s, "joule_thomson_k_kpa"), r.jouleThomson * kKPerR / kKpaPerPsi);
    }
  }
}

TEST(BatchCells, RowsSayWhetherTheyHaveAResultAndFailuresLeaveNoNumbers) {
  const Table table = RunCsv(
      "pressure,temperature,eos,method\n1000,80,pr,newton\n2000,60,pr,fp\n10,60,pr,newton\n1000,80,bwrs,newton\n"
      "abc,80,,\n");
  ASSERT_EQ(table.rows.size(), 5u);
  EXPECT_EQ(table.status, 1);
  const char* expected[] = {"ok", "failed", "refused", "refused", "malformed"};
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(table.rows[i].at("status"), expected[i]) << i;
    if (i == 0) continue;
    for (const char* column : {"density_lbmol_ft3", "z", "molecular_weight_lbm_lbmol", "enthalpy_btu_lbm"})
      EXPECT_EQ(table.rows[i].at(column), "") << i << " " << column;
  }
  EXPECT_NE(table.rows[1].at("note").find("Failed to converge"), std::string::npos);
  EXPECT_EQ(table.rows[2].at("messages"), "Pressure < 14.7 or > 3000.0 psia, run aborted");
  EXPECT_EQ(table.rows[3].at("messages"), "Newton method not available for BWRS.");
  EXPECT_EQ(RunCsv("pressure,temperature\n1000,80\n500,60\n").status, 0);
  // Fractions typed as percentages: every row refused, and the status says so.
  EXPECT_EQ(RunCsv("pressure,temperature,methane,ethane\n1000,80,90,10\n").status, 1);
}

TEST(BatchCells, AnEnvelopeOfTwoGasesHasNoZeroCell) {
  // The start-up gas (no gas columns), then the rich gas.
  const std::string headers[] = {"pressure,temperature,eos,method\n",
                                 "pressure,temperature,eos,method,methane,ethane,propane,isobutane,nbutane,co2,nitrogen\n"};
  const std::string gases[] = {"", ",0.80,0.10,0.05,0.01,0.01,0.015,0.015"};
  int ok = 0, rows = 0;
  for (int g = 0; g < 2; ++g) {
    std::string csv = headers[g];
    for (int t : {-60, -20, 20, 60, 100, 150, 200})
      for (int step = 0; step < 10; ++step)
        for (const char* eos : {"bwrs", "pr", "rks"})
          csv += std::to_string(100 + step * 2900 / 9) + "," + std::to_string(t) + "," + eos + ",fp" + gases[g] + "\n";
    BatchSettings settings;
    settings.jobs = 2;
    const Table table = RunCsv(csv, settings);
    const std::size_t inputs = g == 0 ? 4 : 11;
    const std::vector<std::string> results(table.columns.begin() + static_cast<std::ptrdiff_t>(inputs),
                                           table.columns.end() - 3);
    for (const Row& row : table.rows) {
      for (const std::string& column : results) {
        const std::string& value = row.at(column);
        if (value.empty()) continue;
        EXPECT_NE(ParseNumber(value), 0.0) << column << " in " << row.at("pressure") << "," << row.at("temperature");
      }
      ok += row.at("status") == "ok";
      EXPECT_TRUE(row.at("status") == "ok" || row.at("status") == "failed") << row.at("status");
    }
    rows += static_cast<int>(table.rows.size());
  }
  EXPECT_EQ(rows, 420);
  EXPECT_GT(ok, 250);  // the cubic equations fail often by false position
}

TEST(BatchNames, AnyCaseOwnColumnsCarriedThroughAndSlipsCaught) {
  const Table table = RunCsv(" Pressure ,TEMPERATURE,Eos,Meter_ID,Methane,Ethane,notes\n1000,80, PR ,A-7,0.9,0.1,\"two\nlines, \"\"quoted\"\"\"\n");
  ASSERT_EQ(table.error, "");
  ASSERT_EQ(table.rows.size(), 1u);
  EXPECT_EQ(table.rows[0].at("status"), "ok");
  EXPECT_EQ(table.rows[0].at("Meter_ID"), "A-7");
  EXPECT_EQ(table.rows[0].at("notes"), "two\nlines, \"quoted\"");
  EXPECT_EQ(table.columns[3], "Meter_ID");  // in place
  EXPECT_EQ(table.notice, "columns of your own, carried through unchanged: Meter_ID, notes");
  // The same state spelled the window's way gives the same results.
  const Table plain = RunCsv("pressure,temperature,eos,methane,ethane\n1000,80,pr,0.9,0.1\n");
  EXPECT_EQ(plain.rows[0].at("z"), table.rows[0].at("z"));

  EXPECT_EQ(RunCsv("pressure,tempreature\n").error, "unknown column \"tempreature\": did you mean \"temperature\"?");
  EXPECT_EQ(RunCsv("pressure,methan\n").error, "unknown column \"methan\": did you mean \"methane\"?");
  EXPECT_EQ(RunCsv("pressure,Status\n").error, "column \"Status\" has the name of an output column; rename it");
  EXPECT_EQ(RunCsv("pressure,gerg_z\n").status, 2);
  BatchSettings strict;
  strict.strict = true;
  EXPECT_EQ(RunCsv("pressure,meter_id\n", strict).status, 2);
}

TEST(BatchSeparators, SemicolonsAndTabsWithDecimalCommas) {
  const Table comma = RunCsv("pressure,temperature,methane,ethane\n1000.5,80,0.9,0.1\n");
  const Table semicolon = RunCsv("pressure;temperature;methane;ethane\n1000,5;80;0,9;0,1\n", [] {
    BatchSettings s;
    s.delimiter = ';';  // the reader of the output needs to know
    return s;
  }());
  ASSERT_EQ(semicolon.rows.size(), 1u);
  EXPECT_EQ(semicolon.rows[0].at("z"), comma.rows[0].at("z"));
  EXPECT_NE(semicolon.text.find("pressure;temperature;methane;ethane;density_lbmol_ft3;"), std::string::npos);
  // Found from the header alone.
  EXPECT_EQ(RunCsv("pressure;temperature;methane;ethane\n1000,5;80;0,9;0,1\n").text, semicolon.text);
  BatchSettings decimalComma;
  decimalComma.delimiter = ';';
  decimalComma.decimalComma = true;
  const Table written = RunCsv("pressure;temperature\n1000;80\n", decimalComma);
  EXPECT_EQ(written.rows[0].at("z").find('.'), std::string::npos);
  EXPECT_NE(written.rows[0].at("z").find(','), std::string::npos);
  BatchSettings withCommas;
  withCommas.decimalComma = true;
  EXPECT_EQ(RunCsv("pressure,temperature\n1000,80\n", withCommas).status, 2);
  BatchSettings tab;
  tab.delimiter = '\t';
  const Table tabbed = RunCsv("pressure\ttemperature\tmethane\tethane\n1000.5\t80\t0.9\t0.1\n", tab);
  EXPECT_EQ(tabbed.rows[0].at("z"), comma.rows[0].at("z"));
}

TEST(BatchReference, GergColumnsAreTheReferenceCalculatorsBesideTheRowsOwn) {
  BatchSettings settings;
  settings.reference = true;
  const Table table =
      RunCsv("pressure,temperature,eos,method,hydrogen,methane\n1000,80,pr,newton,0.1,0.9\n"
             "10,80,,,0.1,0.9\n",
             settings);
  ASSERT_EQ(table.rows.size(), 2u);
  std::array<double, kGasCount> fractions{};
  fractions[Index(Gas::Hydrogen)] = 0.1;
  fractions[Index(Gas::Methane)] = 0.9;
  gerg::ReferenceCalculator reference;
  const gerg::ReferenceResult expected = reference.Calculate(fractions, 1000, 80);
  const Row& row = table.rows[0];
  EXPECT_EQ(Cell(row, "gerg_z"), expected.us.z);
  EXPECT_EQ(Cell(row, "gerg_molecular_weight_lbm_lbmol"), expected.us.molecularWeight);
  EXPECT_NEAR(Cell(row, "gerg_molecular_weight_lbm_lbmol"), 0.1 * 2.01588 + 0.9 * 16.04246, 1e-9);
  EXPECT_EQ(Cell(row, "gerg_joule_thomson_r_psi"), expected.us.jouleThomson);
  EXPECT_LT(Cell(row, "gerg_joule_thomson_r_psi"), 0);  // cools on expansion: the dialog's sign
  EXPECT_EQ(Cell(row, "z_deviation_percent"), 100 * (Cell(row, "z") - expected.us.z) / expected.us.z);
  EXPECT_EQ(row.at("gerg_status"), "");
  // A failed row still has the reference, without a deviation; a refused one has neither.
  const Table failed = RunCsv("pressure,temperature,eos,method\n2000,60,pr,fp\n", settings);
  EXPECT_EQ(failed.rows[0].at("status"), "failed");
  EXPECT_NE(failed.rows[0].at("gerg_z"), "");
  EXPECT_EQ(failed.rows[0].at("z_deviation_percent"), "");
  EXPECT_EQ(table.rows[1].at("status"), "refused");
  EXPECT_EQ(table.rows[1].at("gerg_z"), "");
  EXPECT_EQ(table.columns.back(), "status");
  EXPECT_EQ(table.columns[table.columns.size() - 4], "gerg_status");
  settings.units = UnitSystem::Si;
  const Table si = RunCsv("pressure,temperature\n6894.757293168361,299.81666666666666\n", settings);
  for (const char* name : {"gerg_density_kmol_m3", "gerg_speed_of_sound_m_s", "gerg_joule_thomson_k_kpa",
                           "gerg_entropy_kj_kg_k", "gerg_cv_kj_kg_k"})
    EXPECT_NE(si.rows[0].at(name), "") << name;
}

}  // namespace
}  // namespace corvane

namespace corvane {
namespace {

TEST(BatchPhase, ColumnsGiveThePhaseAndTheRichGasDewPoint) {
  BatchSettings settings;
  settings.phase = true;
  const std::string gas = ",0.80,0.10,0.05,0.01,0.01,0.015,0.015\n";
  const Table table = RunCsv("pressure,temperature,methane,ethane,propane,isobutane,nbutane,co2,nitrogen\n1000,80" +
                                 gas + "1000,0" + gas + "10,80" + gas,
                             settings);
  ASSERT_EQ(table.rows.size(), 3u);
  const Row& warm = table.rows[0];
  const Row& cold = table.rows[1];
  EXPECT_EQ(warm.at("phase"), "gas");
  EXPECT_EQ(Cell(warm, "vapour_fraction"), 1.0);
  EXPECT_EQ(cold.at("phase"), "two-phase");
  EXPECT_GT(Cell(cold, "vapour_fraction"), 0.5);
  EXPECT_LT(Cell(cold, "vapour_fraction"), 1.0);
  // The independent evaluation's dew point at 1000 psia: 266.048 K.
  EXPECT_NEAR((Cell(warm, "dew_point_temperature_f") + 459.67) / 1.8, 266.048, 0.001);
  EXPECT_EQ(cold.at("dew_point_temperature_f"), warm.at("dew_point_temperature_f"));
  // The cricondentherm lies above every dew point, the cricondenbar above 1000 psia.
  EXPECT_GT(Cell(warm, "cricondentherm_f"), Cell(warm, "dew_point_temperature_f"));
  EXPECT_GT(Cell(warm, "cricondenbar_psia"), 1000);
  EXPECT_EQ(warm.at("phase_status"), "");
  EXPECT_EQ(table.rows[2].at("status"), "refused");
  EXPECT_EQ(table.rows[2].at("phase"), "");
  EXPECT_EQ(table.columns[table.columns.size() - 4], "phase_status");

  settings.units = UnitSystem::Si;
  const Table si = RunCsv("pressure,temperature,methane,ethane,propane,isobutane,nbutane,co2,nitrogen\n"
                          "6894.757293168361,299.81666666666666" + gas,
                          settings);
  EXPECT_NEAR(Cell(si.rows[0], "dew_point_temperature_k"), 266.048, 0.001);
  EXPECT_NEAR(Cell(si.rows[0], "cricondenbar_kpa"), Cell(warm, "cricondenbar_psia") * kKpaPerPsi, 1e-6);
}

}  // namespace
}  // namespace corvane
