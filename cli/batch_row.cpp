#include "cli/batch_row.h"

#include <algorithm>

#include "cli/control_names.h"
#include "cli/csv_text.h"
#include "res/dialogs.h"
#include "res/resource.h"
#include "text/number_text.h"

namespace corvane {
namespace {

constexpr std::string_view kPlainColumns = "pressure, temperature, eos, method, cp, jt, viscosity, polytropic";

std::optional<BatchColumn> ColumnOf(std::string_view name) {
  if (name == "pressure") return BatchColumn{ColumnKind::Pressure, res::IDC_PRESSURE, std::string(name)};
  if (name == "temperature") return BatchColumn{ColumnKind::Temperature, res::IDC_TEMPERATURE, std::string(name)};
  if (name == "eos") return BatchColumn{ColumnKind::Equation, 0, std::string(name)};
  if (name == "method") return BatchColumn{ColumnKind::Method, 0, std::string(name)};
  const ControlName* control = FindControlName(name);
  if (control == nullptr) return std::nullopt;
  if (control->kind == NameKind::Gas) return BatchColumn{ColumnKind::Gas, control->id, std::string(name)};
  if (control->kind == NameKind::CheckBox && control->id != res::IDC_WRITE && control->id != res::IDC_APPEND)
    return BatchColumn{ColumnKind::Box, control->id, std::string(name)};
  return std::nullopt;
}

// A value quoted for a message, cut short when long.
std::string Quoted(std::string_view value) {
  constexpr std::size_t kShown = 40;
  std::string text = "\"" + std::string(value.substr(0, kShown));
  if (value.size() > kShown) text += "...";
  return text + "\"";
}

constexpr Quantity kQuantities[] = {Quantity::Density,      Quantity::SpecificVolume, Quantity::Compressibility,
                                    Quantity::MolecularWeight, Quantity::Viscosity,   Quantity::PolytropicN,
                                    Quantity::Enthalpy,     Quantity::EnthalpyReference, Quantity::SpecificHeat,
                                    Quantity::JouleThomson};

}  // namespace

std::string ColumnNamesList() {
  return std::string(kPlainColumns) + "; " + ListNames({NameKind::Gas});
}

std::optional<std::string> MakeBatchPlan(const CsvRecord& header, const TypedInputs& flags,
                                         const std::optional<TypedInputs>& gas, UnitSystem units, BatchPlan& plan) {
  plan = BatchPlan{};
  plan.units = units;
  if (header.tooLong || header.tooManyFields || header.unterminatedQuote)
    return "line " + std::to_string(header.line) + ": not a usable header row";
  bool anyGasColumn = false;
  for (std::size_t i = 0; i < header.fieldCount; ++i) {
    const std::string& field = header.fields[i];
    std::optional<BatchColumn> column = ColumnOf(TrimBlanks(field));
    if (!column) return "unknown column " + Quoted(field) + " (columns: " + ColumnNamesList() + ")";
    for (const BatchColumn& earlier : plan.columns)
      if (earlier.name == column->name) return "column \"" + column->name + "\" appears twice";
    anyGasColumn = anyGasColumn || column->kind == ColumnKind::Gas;
    plan.header.push_back(field);
    plan.columns.push_back(*column);
  }
  // The composition: --gas, else all gases 0 when the columns name some,
  // else the start-up gas.
  if (gas) {
    plan.common.texts = gas->texts;
  } else if (anyGasColumn) {
    for (const ControlName& name : GasNames()) plan.common.texts.emplace_back(name.id, "0");
  }
  plan.common.checks = flags.checks;
  return std::nullopt;
}

std::string OutputHeader(const BatchPlan& plan) {
  std::string line;
  for (const std::string& field : plan.header) {
    AppendCsvField(line, field);
    line.push_back(',');
  }
  for (Quantity quantity : kQuantities) {
    line.append(ColumnName(quantity, plan.units));
    line.push_back(',');
  }
  line.append("note,messages\r\n");
  return line;
}

std::string StateText(ColumnKind kind, std::string_view field, UnitSystem units) {
  if (units == UnitSystem::Us) return std::string(field);
  const double value = ParseNumber(field);
  return ShortestText(kind == ColumnKind::Pressure ? PressureToPsia(value, units)
                                                   : TemperatureToFahrenheit(value, units));
}

std::optional<std::string> BatchRowWorker::ReadRow(const CsvRecord& record) {
  auto line = [&] { return "line " + std::to_string(record.line); };
  if (record.tooLong) return line() + ": the row is too long";
  if (record.unterminatedQuote) return line() + ": the input ends inside a quoted field";
  if (record.fieldCount != plan_.columns.size())
    return line() + ": " + std::to_string(record.fieldCount) + " fields where the header has " +
           std::to_string(plan_.columns.size());
  inputs_.Clear();
  for (std::size_t i = 0; i < plan_.columns.size(); ++i) {
    const BatchColumn& column = plan_.columns[i];
    const std::string_view value = TrimBlanks(record.fields[i]);
    if (value.empty()) continue;  // as the flags or the start-up state say
    auto fault = [&](std::string_view what) {
      return line() + ", column " + column.name + ": " + Quoted(record.fields[i]) + " " + std::string(what);
    };
    switch (column.kind) {
      case ColumnKind::Pressure:
      case ColumnKind::Temperature:
      case ColumnKind::Gas:
        if (!IsDecimalNumber(value)) return fault("is not a number");
        inputs_.texts.emplace_back(column.id, column.kind == ColumnKind::Gas
                                                  ? std::string(value)
                                                  : StateText(column.kind, value, plan_.units));
        break;
      case ColumnKind::Equation:
      case ColumnKind::Method: {
        const NameKind wanted = column.kind == ColumnKind::Equation ? NameKind::EquationRadio : NameKind::MethodRadio;
        const ControlName* name = FindControlName(value);
        if (name == nullptr || name->kind != wanted)
          return fault(column.kind == ColumnKind::Equation ? "is not bwrs, pr or rks" : "is not jc, fp or newton");
        inputs_.checks.emplace_back(name->id, true);
        break;
      }
      case ColumnKind::Box:
        if (value != "0" && value != "1") return fault("is not 0 or 1");
        inputs_.checks.emplace_back(column.id, value == "1");
        break;
    }
  }
  return std::nullopt;
}

bool BatchRowWorker::Process(const CsvRecord& record, std::string& out) {
  const std::optional<std::string> fault = ReadRow(record);
  const std::size_t kept = record.tooLong ? 0 : std::min(record.fieldCount, record.fields.size());
  for (std::size_t i = 0; i < plan_.columns.size(); ++i) {
    if (i < kept) AppendCsvField(out, record.fields[i]);
    out.push_back(',');
  }
  if (fault) {
    out.append(std::size(kQuantities) + 1, ',');
    AppendCsvField(out, *fault);
    out.append("\r\n");
    return false;
  }
  calculator_.Run(inputs_);
  AppendResults(out);
  return true;
}

void BatchRowWorker::AppendResults(std::string& out) {
  const HeadlessSurface& surface = calculator_.surface();
  const CCalcDlg& dialog = calculator_.dialog();
  const RunResults& r = dialog.results;
  const double values[] = {r.density,   r.specVolume, r.zFactor,           r.molWeight,    r.viscosity,
                           r.polytropicN, r.enthalpy, dialog.enthalpyReference, r.specificHeat, r.jouleThomson};
  for (std::size_t i = 0; i < std::size(kQuantities); ++i) {
    // A number only where the window shows one.
    const std::string shown = surface.GetText(res::kResultStatics[i]);
    if (!shown.empty() && shown != res::kNoSolutionText && shown != res::kBwrsOnlyText)
      AppendShortest(out, FromWindowUnit(values[i], kQuantities[i], plan_.units));
    out.push_back(',');
  }
  AppendCsvField(out, surface.GetText(res::IDC_METHOD_NOTE));
  out.push_back(',');
  std::string messages;
  for (const ShownMessage& message : surface.messages) {
    if (!messages.empty()) messages += " / ";
    messages += message.text;
  }
  AppendCsvField(out, messages);
  out.append("\r\n");
}

}  // namespace corvane
