#include "cli/batch_row.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "cli/control_names.h"
#include "cli/phase_columns.h"
#include "cli/reference_columns.h"
#include "cli/shown_text.h"
#include "res/dialogs.h"
#include "res/resource.h"
#include "text/number_text.h"

namespace corvane {
namespace {

constexpr std::array<std::string_view, 8> kPlainColumns = {"pressure", "temperature", "eos",       "method",
                                                           "cp",       "jt",          "viscosity", "polytropic"};

constexpr auto& kQuantities = kResultQuantities;
constexpr std::array<std::string_view, 3> kTrailingColumns = {"note", "messages", "status"};

std::string Lowercase(std::string_view text) {
  std::string lower(text);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return lower;
}

std::optional<BatchColumn> ColumnOf(const std::string& name) {
  if (name == "pressure") return BatchColumn{ColumnKind::Pressure, res::IDC_PRESSURE, name};
  if (name == "temperature") return BatchColumn{ColumnKind::Temperature, res::IDC_TEMPERATURE, name};
  if (name == "eos") return BatchColumn{ColumnKind::Equation, 0, name};
  if (name == "method") return BatchColumn{ColumnKind::Method, 0, name};
  const ControlName* control = FindControlName(name);
  if (control == nullptr) return std::nullopt;
  if (control->kind == NameKind::Gas) return BatchColumn{ColumnKind::Gas, control->id, name};
  if (control->kind == NameKind::CheckBox && control->id != res::IDC_WRITE && control->id != res::IDC_APPEND)
    return BatchColumn{ColumnKind::Box, control->id, name};
  return std::nullopt;
}

// A name the output writes a column of, in either unit system.
bool IsOutputColumnName(std::string_view name) {
  for (UnitSystem units : {UnitSystem::Us, UnitSystem::Si})
    for (Quantity quantity : kQuantities)
      if (name == ColumnName(quantity, units)) return true;
  return IsReferenceColumnName(name) || IsPhaseColumnName(name) ||
         std::find(kTrailingColumns.begin(), kTrailingColumns.end(), name) != kTrailingColumns.end();
}

// True when one insertion, deletion, substitution or swap of neighbours
// turns `a` into `b`.
bool OneEditApart(std::string_view a, std::string_view b) {
  if (a.size() > b.size()) std::swap(a, b);
  if (b.size() - a.size() > 1 || a == b) return false;
  std::size_t i = 0;
  while (i < a.size() && a[i] == b[i]) ++i;
  if (a.size() < b.size()) return a.substr(i) == b.substr(i + 1);
  if (a.substr(i + 1) == b.substr(i + 1)) return true;
  return i + 1 < a.size() && a[i] == b[i + 1] && a[i + 1] == b[i] && a.substr(i + 2) == b.substr(i + 2);
}

// The input column a name of the user's own is most likely a typing slip
// of, if any.
std::optional<std::string_view> LikelyMeant(std::string_view name) {
  if (name.size() < 4) return std::nullopt;
  for (std::string_view known : kPlainColumns)
    if (OneEditApart(name, known)) return known;
  for (const ControlName& gas : GasNames())
    if (OneEditApart(name, gas.name)) return gas.name;
  return std::nullopt;
}

// A value quoted for a message, cut short when long.
std::string Quoted(std::string_view value) {
  constexpr std::size_t kShown = 40;
  std::string text = "\"" + std::string(value.substr(0, kShown));
  if (value.size() > kShown) text += "...";
  return text + "\"";
}

// A number cell as the dialog reads numbers: with a semicolon separator, a
// decimal comma is a point.
std::string NumberField(std::string_view value, char delimiter) {
  std::string number(value);
  if (delimiter == ';') std::replace(number.begin(), number.end(), ',', '.');
  return number;
}

}  // namespace

std::string ColumnNamesList() {
  std::string list;
  for (std::string_view name : kPlainColumns) list += std::string(list.empty() ? "" : ", ") + std::string(name);
  return list + "; " + ListNames({NameKind::Gas});
}

std::string_view RowStatusText(RowStatus status) {
  switch (status) {
    case RowStatus::Ok: return "ok";
    case RowStatus::Refused: return "refused";
    case RowStatus::Failed: return "failed";
    case RowStatus::Malformed: return "malformed";
  }
  return "";
}

std::optional<std::string> MakeBatchPlan(const CsvRecord& header, char delimiter, const BatchOptions& options,
                                         BatchPlan& plan) {
  plan = BatchPlan{};
  plan.units = options.units;
  plan.reference = options.reference;
  plan.phase = options.phase;
  plan.format = CellFormat{delimiter, options.decimalComma};
  if (options.decimalComma && delimiter != ';')
    return "--decimal-comma goes only with a semicolon-separated file";
  if (header.tooLong || header.tooManyFields || header.unterminatedQuote)
    return "line " + std::to_string(header.line) + ": not a usable header row";
  bool anyGasColumn = false;
  for (std::size_t i = 0; i < header.fieldCount; ++i) {
    const std::string& field = header.fields[i];
    const std::string name = Lowercase(TrimBlanks(field));
    std::optional<BatchColumn> column = ColumnOf(name);
    if (!column) {
      if (options.strict) return "unknown column " + Quoted(field) + " (columns: " + ColumnNamesList() + ")";
      if (IsOutputColumnName(name))
        return "column " + Quoted(field) + " has the name of an output column; rename it";
      if (const auto meant = LikelyMeant(name))
        return "unknown column " + Quoted(field) + ": did you mean \"" + std::string(*meant) + "\"?";
      if (name.empty()) return "column " + std::to_string(i + 1) + " has no name";
      column = BatchColumn{ColumnKind::Own, 0, name};
      plan.ownColumns.push_back(field);
    }
    for (const BatchColumn& earlier : plan.columns)
      if (earlier.name == column->name) return "column \"" + column->name + "\" appears twice";
    anyGasColumn = anyGasColumn || column->kind == ColumnKind::Gas;
    plan.header.push_back(field);
    plan.columns.push_back(*column);
  }
  // The composition: --gas, else all gases 0 when the columns name some,
  // else the start-up gas.
  if (options.gas) {
    plan.common.texts = options.gas->texts;
  } else if (anyGasColumn) {
    for (const ControlName& name : GasNames()) plan.common.texts.emplace_back(name.id, "0");
  }
  plan.common.checks = options.flags.checks;
  return std::nullopt;
}

std::string OutputHeader(const BatchPlan& plan) {
  const char delimiter = plan.format.delimiter;
  std::string line;
  for (const std::string& field : plan.header) {
    AppendCsvField(line, field, delimiter);
    line.push_back(delimiter);
  }
  for (Quantity quantity : kQuantities) {
    line.append(ColumnName(quantity, plan.units));
    line.push_back(delimiter);
  }
  if (plan.reference) AppendReferenceHeader(line, plan.units, delimiter);
  if (plan.phase) AppendPhaseHeader(line, plan.units, delimiter);
  for (std::string_view name : kTrailingColumns) {
    line.append(name);
    line.push_back(delimiter);
  }
  line.back() = '\r';
  line.push_back('\n');
  return line;
}

std::string StateText(ColumnKind kind, std::string_view field, UnitSystem units) {
  if (units == UnitSystem::Us) return std::string(field);
  const double value = ParseNumber(field);
  const double converted =
      kind == ColumnKind::Pressure ? PressureToPsia(value, units) : TemperatureToFahrenheit(value, units);
  if (!std::isfinite(converted)) return converted > 0 ? "1e999" : "-1e999";
  return ShortestText(converted);
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
    if (column.kind == ColumnKind::Own) continue;
    const std::string_view value = TrimBlanks(record.fields[i]);
    if (value.empty()) continue;  // as the flags or the start-up state say
    auto fault = [&](std::string_view what) {
      return line() + ", column " + column.name + ": " + Quoted(record.fields[i]) + " " + std::string(what);
    };
    switch (column.kind) {
      case ColumnKind::Pressure:
      case ColumnKind::Temperature:
      case ColumnKind::Gas: {
        // The edit would keep only its first characters: a different number.
        if (value.size() > static_cast<std::size_t>(res::kEditTextLimit))
          return fault("is longer than an edit holds (32,767 characters)");
        const std::string number = NumberField(value, plan_.format.delimiter);
        if (!IsDecimalNumber(number)) return fault("is not a number");
        inputs_.texts.emplace_back(column.id, column.kind == ColumnKind::Gas
                                                  ? number
                                                  : StateText(column.kind, number, plan_.units));
        break;
      }
      case ColumnKind::Equation:
      case ColumnKind::Method: {
        const NameKind wanted = column.kind == ColumnKind::Equation ? NameKind::EquationRadio : NameKind::MethodRadio;
        const ControlName* name = FindControlName(Lowercase(value));
        if (name == nullptr || name->kind != wanted)
          return fault(column.kind == ColumnKind::Equation ? "is not bwrs, pr or rks" : "is not jc, fp or newton");
        inputs_.checks.emplace_back(name->id, true);
        break;
      }
      case ColumnKind::Box:
        if (value != "0" && value != "1") return fault("is not 0 or 1");
        inputs_.checks.emplace_back(column.id, value == "1");
        break;
      case ColumnKind::Own: break;
    }
  }
  return std::nullopt;
}

RowStatus BatchRowWorker::Process(const CsvRecord& record, std::string& out) {
  const char delimiter = plan_.format.delimiter;
  const std::optional<std::string> fault = ReadRow(record);
  const std::size_t kept = record.tooLong ? 0 : std::min(record.fieldCount, record.fields.size());
  for (std::size_t i = 0; i < plan_.columns.size(); ++i) {
    if (i < kept) AppendCsvField(out, record.fields[i], delimiter);
    out.push_back(delimiter);
  }
  if (fault) {
    out.append(std::size(kQuantities) + 1, delimiter);
    if (plan_.reference) AppendEmptyReferenceCells(out, delimiter);
    if (plan_.phase) AppendEmptyPhaseCells(out, delimiter);
    AppendCsvField(out, *fault, delimiter);
    out.push_back(delimiter);
    out.append(RowStatusText(RowStatus::Malformed));
    out.append("\r\n");
    return RowStatus::Malformed;
  }
  calculator_.Run(inputs_);
  RowStatus status = RowStatus::Ok;
  switch (calculator_.Outcome()) {
    case RunOutcome::Ok: break;
    case RunOutcome::Refused: status = RowStatus::Refused; break;
    case RunOutcome::Failed: status = RowStatus::Failed; break;
  }
  AppendResults(status, out);
  return status;
}

void BatchRowWorker::AppendResults(RowStatus status, std::string& out) {
  const char delimiter = plan_.format.delimiter;
  const HeadlessSurface& surface = calculator_.surface();
  const CCalcDlg& dialog = calculator_.dialog();
  for (std::size_t i = 0; i < std::size(kQuantities); ++i) {
    // A number only where the run computed one and the window shows it:
    // never a zero standing for nothing.
    const double value = ResultValue(dialog, kQuantities[i]);
    if (status == RowStatus::Ok && value != 0.0 && ShowsNumber(surface, res::kResultStatics[i]))
      AppendNumberCell(out, FromWindowUnit(value, kQuantities[i], plan_.units), plan_.format);
    out.push_back(delimiter);
  }
  if (plan_.reference) {
    // The reference goes beside every state the dialog accepted, whether or
    // not its own equation found a root there.
    if (status == RowStatus::Refused) {
      AppendEmptyReferenceCells(out, delimiter);
    } else {
      const gerg::ReferenceResult reference =
          reference_.Calculate(dialog.entryFractions, dialog.entryPressure, dialog.entryTemperatureF);
      AppendReferenceCells(out, reference, status == RowStatus::Ok ? dialog.results.zFactor : 0.0, plan_.units,
                           plan_.format);
    }
  }
  if (plan_.phase) {
    // The phase of every state the dialog accepted, as the reference.
    if (status == RowStatus::Refused)
      AppendEmptyPhaseCells(out, delimiter);
    else
      AppendPhaseCells(out, phase_.Check(dialog.entryFractions, dialog.entryPressure, dialog.entryTemperatureF),
                       plan_.units, plan_.format);
  }
  AppendCsvField(out, surface.GetText(res::IDC_METHOD_NOTE), delimiter);
  out.push_back(delimiter);
  std::string messages;
  for (const ShownMessage& message : surface.messages) {
    if (!messages.empty()) messages += " / ";
    messages += message.text;
  }
  AppendCsvField(out, messages, delimiter);
  out.push_back(delimiter);
  out.append(RowStatusText(status));
  out.append("\r\n");
}

}  // namespace corvane
