#include "cli/one_shot.h"

#include <sstream>

#include "cli/batch.h"
#include "cli/batch_row.h"
#include "cli/control_names.h"
#include "cli/csv_text.h"
#include "cli/reference_columns.h"
#include "cli/shown_text.h"
#include "res/resource.h"

namespace corvane {

std::optional<std::string> ParseGasList(std::string_view list, TypedInputs& gas) {
  std::array<std::optional<std::string>, 15> texts;
  while (!list.empty()) {
    const std::size_t comma = list.find(',');
    const std::string_view item = list.substr(0, comma);
    list = comma == std::string_view::npos ? std::string_view{} : list.substr(comma + 1);
    const std::size_t equals = item.find('=');
    const std::string_view name = TrimBlanks(item.substr(0, equals));
    const std::string_view value = equals == std::string_view::npos ? std::string_view{} : TrimBlanks(item.substr(equals + 1));
    std::size_t index = 0;
    while (index < GasNames().size() && GasNames()[index].name != name) ++index;
    if (index == GasNames().size())
      return "--gas: unknown gas \"" + std::string(name) + "\" (" + ListNames({NameKind::Gas}) + ")";
    if (texts[index]) return "--gas: " + std::string(name) + " is given twice";
    if (!IsDecimalNumber(value)) return "--gas: " + std::string(name) + "=\"" + std::string(value) + "\" is not a number";
    texts[index] = std::string(value);
  }
  gas.Clear();
  for (std::size_t i = 0; i < texts.size(); ++i) gas.texts.emplace_back(GasNames()[i].id, texts[i].value_or("0"));
  return std::nullopt;
}

TypedInputs FlagChecks(const StateFlags& flags) {
  TypedInputs checks;
  if (flags.eos) checks.checks.emplace_back(FindControlName(*flags.eos)->id, true);
  if (flags.method) checks.checks.emplace_back(FindControlName(*flags.method)->id, true);
  if (flags.noCp) checks.checks.emplace_back(res::IDC_CP, false);
  if (flags.noJt) checks.checks.emplace_back(res::IDC_JT, false);
  if (flags.noViscosity) checks.checks.emplace_back(res::IDC_VISCOSITY_BOX, false);
  if (flags.noPolytropic) checks.checks.emplace_back(res::IDC_POLYTROPIC_BOX, false);
  return checks;
}

namespace {

// The batch's input row for the flags: every column the flags can set,
// empty where they leave the start-up value.
std::string OneRowCsv(const StateFlags& flags) {
  std::string header = "pressure,temperature,eos,method,cp,jt,viscosity,polytropic";
  std::string row;
  for (const std::optional<std::string>& value : {flags.pressure, flags.temperature, flags.eos, flags.method}) {
    AppendCsvField(row, value.value_or(""));
    row.push_back(',');
  }
  for (bool off : {flags.noCp, flags.noJt, flags.noViscosity, flags.noPolytropic}) row += off ? "0," : ",";
  row.pop_back();
  return header + "\r\n" + row + "\r\n";
}

int RunAsBatchRow(const StateFlags& flags, const std::optional<TypedInputs>& gas, std::ostream& out,
                  std::ostream& err) {
  const std::string csv = OneRowCsv(flags);
  BatchStreams streams;
  streams.read = ReadFromMemory(csv);
  streams.write = [&](std::string_view bytes) { return static_cast<bool>(out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()))); };
  BatchSettings settings;
  settings.units = flags.units;
  settings.gas = gas;
  settings.reference = flags.reference;
  std::string error;
  const int status = RunBatch(settings, streams, error);
  if (status == 2) err << "corvane-cli: " << error << '\n';
  return status;
}

}  // namespace

int RunOneShot(const StateFlags& flags, bool csv, std::ostream& out, std::ostream& err) {
  for (const auto& [flag, value] : {std::pair{"--pressure", &flags.pressure}, std::pair{"--temperature", &flags.temperature}}) {
    if (*value && !IsDecimalNumber(TrimBlanks(**value))) {
      err << "corvane-cli: " << flag << ": \"" << **value << "\" is not a number\n";
      return 2;
    }
  }
  std::optional<TypedInputs> gas;
  if (flags.gas) {
    gas.emplace();
    if (const auto fault = ParseGasList(*flags.gas, *gas)) {
      err << "corvane-cli: " << *fault << '\n';
      return 2;
    }
  }
  if (csv) return RunAsBatchRow(flags, gas, out, err);

  TypedInputs inputs;
  if (flags.pressure)
    inputs.texts.emplace_back(res::IDC_PRESSURE, StateText(ColumnKind::Pressure, TrimBlanks(*flags.pressure), flags.units));
  if (flags.temperature)
    inputs.texts.emplace_back(res::IDC_TEMPERATURE,
                              StateText(ColumnKind::Temperature, TrimBlanks(*flags.temperature), flags.units));
  if (gas) inputs.texts.insert(inputs.texts.end(), gas->texts.begin(), gas->texts.end());
  if (flags.report) inputs.texts.emplace_back(res::IDC_REPORT_FILE, *flags.report);
  inputs.checks = FlagChecks(flags).checks;
  if (flags.report) inputs.checks.emplace_back(res::IDC_WRITE, true);
  if (flags.append) inputs.checks.emplace_back(res::IDC_APPEND, true);

  FreshCalculator calculator{TypedInputs{}};
  calculator.Run(inputs);
  for (const ShownMessage& message : calculator.surface().messages) PrintMessage(out, message);
  if (flags.units == UnitSystem::Si)
    PrintSiResultLines(out, calculator.surface(), calculator.dialog());
  else
    PrintResultLines(out, calculator.surface());
  const RunOutcome outcome = calculator.Outcome();
  if (flags.reference && outcome != RunOutcome::Refused) {
    const CCalcDlg& dialog = calculator.dialog();
    gerg::ReferenceCalculator reference;
    PrintReferenceLines(out,
                        reference.Calculate(dialog.entryFractions, dialog.entryPressure, dialog.entryTemperatureF),
                        outcome == RunOutcome::Ok ? dialog.results.zFactor : 0.0, flags.units);
  }
  // The dialog skips a report it cannot write without a word; a flag the
  // user gave says so.
  const ReportWriteResult& written = calculator.dialog().LastReportWrite();
  if (flags.report && written.what == ReportWrite::kFailed) {
    err << "corvane-cli: cannot write " << *flags.report << ": " << written.reason << '\n';
    return 1;
  }
  if (flags.report && written.what == ReportWrite::kNoFileToAppend) {
    err << "corvane-cli: cannot write " << *flags.report << ": no such file to append to (--append never creates one)\n";
    return 1;
  }
  return outcome == RunOutcome::Ok ? 0 : 1;
}

}  // namespace corvane
