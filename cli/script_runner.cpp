#include "cli/script_runner.h"

#include <array>
#include <optional>
#include <ostream>
#include <string>

#include "app/calc_dlg.h"
#include "app/fresh_calculator.h"
#include "app/phase_lines.h"
#include "cli/control_names.h"
#include "cli/csv_text.h"
#include "cli/shown_text.h"
#include "platform/headless_surface.h"
#include "res/dialogs.h"
#include "views/compare_text.h"

namespace corvane {
namespace {

const ControlName* FindName(std::string_view name) { return FindControlName(name); }

// An unknown name, and the names the command would take instead.
std::string UnknownName(std::string_view name, std::initializer_list<NameKind> kinds) {
  return "unknown name \"" + std::string(name) + "\" (" + ListNames(kinds) + ")";
}

class ScriptRunner {
 public:
  explicit ScriptRunner(std::ostream& out) : out_(out), dialog_(surface_) {
    surface_.onMessage = [this](const ShownMessage& m) { PrintMessage(out_, m); };
    surface_.onConstants = [this](const BwrsConstantTexts& texts) {
      for (std::size_t i = 0; i < texts.size(); ++i)
        out_ << res::LabelBefore(res::ConstantsDialog(), res::kConstantStatics[i]) << texts[i] << '\n';
    };
    surface_.onCompare = [this](const CompareView& view) {
      out_ << CompareTableText(view);
      for (const std::string& line : view.lines) out_ << "line: " << line << '\n';
      out_ << ChartText(view.zChart);
      if (view.envelopeChart) out_ << ChartText(*view.envelopeChart);
    };
    dialog_.OnInitDialog();
  }

  // Carries out one line; an error text when it cannot.
  std::optional<std::string> Execute(std::string_view line) {
    line = line.substr(std::min(line.size(), line.find_first_not_of(" \t")));
    if (line.empty() || line.front() == '#') return std::nullopt;
    const std::size_t space = line.find(' ');
    const std::string_view command = line.substr(0, space);
    const std::string_view rest = space == std::string_view::npos ? std::string_view{} : line.substr(space + 1);

    if (command == "run") return Command(res::ID_RUN);
    if (command == "view") return Command(res::ID_VIEW);
    if (command == "compare") return Command(res::ID_COMPARE);
    if (command == "phase") return Phase();
    if (command == "reset") return Command(res::IDC_RESET);
    if (command == "show") return Show();
    if (command == "set") return Set(rest);
    if (command == "check" || command == "uncheck") return Check(TrimBlanks(rest), command == "check");
    if (command == "save" || command == "recall") {
      surface_.AnswerNextFileDialog(rest.empty() ? std::nullopt : std::optional<std::string>(std::string(rest)));
      return Command(command == "save" ? res::IDC_SAVE : res::IDC_RECALL);
    }
    return "unknown command \"" + std::string(command) + "\"";
  }

 private:
  std::optional<std::string> Command(int id) {
    dialog_.OnCommand(id);
    return std::nullopt;
  }

  std::optional<std::string> Set(std::string_view rest) {
    const std::size_t space = rest.find(' ');
    const std::string_view name = rest.substr(0, space);
    const std::string_view text = space == std::string_view::npos ? std::string_view{} : rest.substr(space + 1);
    if (name.empty()) return std::string("set without a name");
    const ControlName* entry = FindName(name);
    if (entry == nullptr) return UnknownName(name, {NameKind::Edit, NameKind::Gas});
    if (entry->kind != NameKind::Edit && entry->kind != NameKind::Gas)
      return "\"" + std::string(name) + "\" is not an edit";
    surface_.SetText(entry->id, text);
    return std::nullopt;
  }

  std::optional<std::string> Check(std::string_view name, bool checked) {
    const ControlName* entry = FindName(name);
    if (entry == nullptr)
      return UnknownName(name, {NameKind::EquationRadio, NameKind::MethodRadio, NameKind::CheckBox});
    if (entry->kind == NameKind::Edit || entry->kind == NameKind::Gas)
      return "\"" + std::string(name) + "\" is not a button";
    surface_.SetChecked(entry->id, checked);
    return std::nullopt;
  }

  std::optional<std::string> Show() {
    out_ << "pressure: " << surface_.GetText(res::IDC_PRESSURE) << '\n';
    out_ << "temperature: " << surface_.GetText(res::IDC_TEMPERATURE) << '\n';
    out_ << "eos: " << FirstChecked({"bwrs", "pr", "rks"}) << '\n';
    out_ << "method: " << FirstChecked({"jc", "fp", "newton"}) << '\n';
    out_ << "ticked:";
    for (std::string_view box : {"polytropic", "viscosity", "cp", "jt", "write", "append"})
      if (surface_.IsChecked(FindName(box)->id)) out_ << ' ' << box;
    out_ << '\n';
    PrintResultLines(out_, surface_);
    out_ << "report: " << surface_.GetText(res::IDC_REPORT_FILE) << '\n';
    for (const ControlName& gas : GasNames()) out_ << gas.name << ": " << surface_.GetText(gas.id) << '\n';
    out_ << "Sum: " << surface_.GetText(res::IDC_SUM) << '\n';
    return std::nullopt;
  }

  // The Compare view's phase lines for what the window holds; a state a
  // Run would refuse prints the Run's messages instead.
  std::optional<std::string> Phase() {
    TypedInputs window;
    window.texts.emplace_back(res::IDC_PRESSURE, surface_.GetText(res::IDC_PRESSURE));
    window.texts.emplace_back(res::IDC_TEMPERATURE, surface_.GetText(res::IDC_TEMPERATURE));
    for (int edit : res::kGasEdits) window.texts.emplace_back(edit, surface_.GetText(edit));
    FreshCalculator calculator(TypedInputs{});
    if (!calculator.Accepts(window)) {
      for (const ShownMessage& message : calculator.surface().messages) PrintMessage(out_, message);
      return std::nullopt;
    }
    const CCalcDlg& accepted = calculator.dialog();
    for (const std::string& line :
         PhaseLines(accepted.entryFractions, accepted.entryPressure, accepted.entryTemperatureF))
      out_ << "phase: " << line << '\n';
    return std::nullopt;
  }

  std::string_view FirstChecked(std::initializer_list<std::string_view> names) const {
    for (std::string_view name : names)
      if (surface_.IsChecked(FindName(name)->id)) return name;
    return "none";
  }

  std::ostream& out_;
  HeadlessSurface surface_;
  CCalcDlg dialog_;
};

}  // namespace

int RunScript(std::string_view script, std::ostream& out, std::ostream& err) {
  ScriptRunner runner(out);
  int lineNumber = 0;
  while (!script.empty()) {
    ++lineNumber;
    const std::size_t newline = script.find('\n');
    std::string_view line = script.substr(0, newline);
    script = newline == std::string_view::npos ? std::string_view{} : script.substr(newline + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (const auto error = runner.Execute(line)) {
      out.flush();
      err << "corvane-cli: line " << lineNumber << ": " << *error << '\n';
      return 2;
    }
  }
  return 0;
}

}  // namespace corvane
