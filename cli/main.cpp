// corvane-cli: the calculator dialog without a window, three ways in:
//   corvane-cli [SCRIPT]                     a script of user actions
//   corvane-cli --pressure P --temperature T one state from flags
//   corvane-cli --batch IN.csv [--out OUT]   many states from CSV
#include <CLI/CLI.hpp>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <thread>

#include "cli/batch.h"
#include "cli/batch_files.h"
#include "cli/batch_row.h"
#include "cli/control_names.h"
#include "cli/input_file.h"
#include "cli/one_shot.h"
#include "cli/reference_columns.h"
#include "cli/script_runner.h"
#include "cli/standard_streams.h"

#ifndef CORVANE_VERSION
#define CORVANE_VERSION "1.0"
#endif

namespace corvane {
namespace {

// Flushes standard output; false, with a line on standard error, when any
// of what was printed could not be written (a full disk, a closed pipe).
bool StandardOutputWritten() {
  std::cout.flush();
  if (std::cout) return true;
  const std::string reason = std::strerror(errno);
  std::cerr << "corvane-cli: cannot write standard output: " << reason << '\n';
  return false;
}

int RunScriptFile(const std::string& path) {
  const InputBytes script = ReadWholeInput(path, kMaxScriptBytes);
  if (!script.error.empty()) {
    std::cerr << "corvane-cli: " << script.error << '\n';
    return 2;
  }
  const int status = RunScript(script.bytes, std::cout, std::cerr);
  return StandardOutputWritten() ? status : 2;
}

// `first` then `text`, broken at blanks into lines of at most 96 characters,
// each after the first indented by `indent` blanks.
std::string Wrap(const std::string& first, const std::string& text, std::size_t indent) {
  std::string out, line = first;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(' ', start);
    if (end == std::string::npos) end = text.size();
    const std::string word = text.substr(start, end - start);
    if (line.size() + 1 + word.size() > 96) {
      out += line + "\n";
      line = std::string(indent, ' ') + word;
    } else {
      line += (line.empty() || line.back() == ' ' ? "" : " ") + word;
    }
    start = end + 1;
  }
  return out + line;
}

std::string HelpFooter() {
  return "Three ways in:\n"
         "  corvane-cli [SCRIPT]        a script of user actions (standard input for - or none):\n"
         "                              set NAME TEXT, check NAME, uncheck NAME, run, view, reset,\n"
         "                              save PATH, recall PATH, show\n"
         "  corvane-cli --pressure 1000 --temperature 80 --eos pr --method newton\n"
         "              --gas methane=0.9,ethane=0.1\n"
         "                              one state; prints what the window shows\n"
         "  corvane-cli --batch IN.csv --out OUT.csv\n" +
         Wrap(std::string(30, ' '), "one state a row; columns: " + ColumnNamesList() +
                                        "; any others are carried through. The output adds the results, then "
                                        "note, messages and status (ok, refused, failed, malformed).",
              30) +
         "\n\n" +
         Wrap("GERG-2008 (--reference):", ReferenceColumnNamesList(), 2) + "\n\n" +
         Wrap("Names the script language knows:", ListNames({NameKind::Edit, NameKind::Gas, NameKind::EquationRadio,
                                                              NameKind::MethodRadio, NameKind::CheckBox}),
              2) +
         "\n\nSI units: kPa = psia x 6.894757293168361; K = (F + 459.67) x 5/9; kmol/m3 = lbmol/ft3 x\n"
         "16.018463373960138; m3/kg = ft3/lbm x 0.062427960576144611; kg/kmol = lbm/lbmol; mPa s = cP;\n"
         "kJ/kg = BTU/lbm x 2.326; kJ/(kg K) = BTU/(lbm R) x 4.1868; K/kPa = R/psi x (5/9) / 6.894757293168361;\n"
         "m/s = ft/s x 0.3048.\n\n"
         "Exit status: 0 every row (or the run from flags) ok; 1 one not ok, or a --report file not written;\n"
         "2 usage, an unreadable input, an output that cannot be created or is the input.\n";
}

}  // namespace
}  // namespace corvane

int main(int argc, char** argv) {
  using namespace corvane;
  UseBinaryStandardStreams();
  std::ios::sync_with_stdio(false);
  CLI::App app{"corvane-cli: the Corvane calculator of natural-gas properties, without a window.", "corvane-cli"};
  // A script path such as /tmp/run.txt is a path on every system, never a
  // Windows-style "/option".
  app.allow_windows_style_options(false);
  app.set_version_flag("--version", std::string("corvane-cli ") + CORVANE_VERSION);
  app.footer(HelpFooter());

  std::string script = "-";
  app.add_option("SCRIPT", script, "Script of user actions; - or none: standard input");

  StateFlags flags;
  std::string units = "us";
  bool csv = false;
  std::string batch, out = "-";
  unsigned jobs = std::max(1u, std::thread::hardware_concurrency());
  auto* pressure = app.add_option("--pressure", flags.pressure, "Pressure (psia; kPa with --units si)");
  auto* temperature = app.add_option("--temperature", flags.temperature, "Temperature (F; K with --units si)");
  auto* eos = app.add_option("--eos", flags.eos, "Equation of state")->check(CLI::IsMember({"bwrs", "pr", "rks"}));
  auto* method = app.add_option("--method", flags.method, "Root method")->check(CLI::IsMember({"jc", "fp", "newton"}));
  auto* gas = app.add_option("--gas", flags.gas, "Composition, e.g. methane=0.9,ethane=0.1 (other gases 0)");
  auto* noCp = app.add_flag("--no-cp", flags.noCp, "Untick CP");
  auto* noJt = app.add_flag("--no-jt", flags.noJt, "Untick JT");
  auto* noViscosity = app.add_flag("--no-viscosity", flags.noViscosity, "Untick Viscosity");
  auto* noPolytropic = app.add_flag("--no-polytropic", flags.noPolytropic, "Untick Polytropic N");
  auto* report = app.add_option("--report", flags.report, "Write the run's record to this report file");
  auto* append = app.add_flag("--append", flags.append, "Append to the report file")->needs(report);
  auto* csvFlag = app.add_flag("--csv", csv, "Print the batch's header and row instead");
  auto* referenceFlag = app.add_flag("--reference", flags.reference, "Add GERG-2008's values beside the run");
  auto* batchOption = app.add_option("--batch", batch, "CSV of states, one a row; - for standard input");
  app.add_option("--out", out, "Batch output CSV; - (the default) for standard output")->needs(batchOption);
  app.add_option("--jobs", jobs, "Batch workers (default: all cores)")->check(CLI::Range(1u, 1024u))->needs(batchOption);
  bool strict = false;
  bool phase = false;
  app.add_flag("--phase", phase, "Add the phase check's columns (GERG-2008) to the batch")->needs(batchOption);
  std::string delimiter;
  bool decimalComma = false;
  app.add_flag("--strict", strict, "Refuse columns the batch does not know")->needs(batchOption);
  app.add_option("--delimiter", delimiter, "Batch separator: , ; or tab (default: the header's)")
      ->check(CLI::IsMember({",", ";", "tab"}))
      ->needs(batchOption);
  app.add_flag("--decimal-comma", decimalComma, "Batch numbers written with a decimal comma (only with ;)")
      ->needs(batchOption);
  app.add_option("--units", units, "us (default: psia, F, the window's units) or si")
      ->check(CLI::IsMember({"us", "si"}));
  csvFlag->excludes(report);
  for (CLI::Option* oneShot : {pressure, temperature, report, append, csvFlag}) batchOption->excludes(oneShot);

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    const int code = app.exit(e);
    return code == 0 ? 0 : 2;
  }
  flags.units = units == "si" ? UnitSystem::Si : UnitSystem::Us;

  const CLI::Option* stateOptions[] = {pressure, temperature, eos,    method, gas,     noCp,         noJt,
                                       noViscosity, noPolytropic, report, append, csvFlag, referenceFlag};
  const bool stateFlags = std::any_of(std::begin(stateOptions), std::end(stateOptions),
                                      [](const CLI::Option* o) { return o->count() > 0; });
  const bool batchMode = batchOption->count() > 0;
  if (app.count("SCRIPT") > 0 && (stateFlags || batchMode)) {
    std::cerr << "corvane-cli: a SCRIPT cannot go with --batch or the state flags\n";
    return 2;
  }
  if (batchMode) {
    BatchSettings settings;
    settings.units = flags.units;
    settings.jobs = jobs;
    settings.flags = FlagChecks(flags);
    settings.reference = flags.reference;
    settings.strict = strict;
    settings.phase = phase;
    settings.delimiter = delimiter.empty() ? '\0' : delimiter == "tab" ? '\t' : delimiter[0];
    settings.decimalComma = decimalComma;
    if (flags.gas) {
      settings.gas.emplace();
      if (const auto fault = ParseGasList(*flags.gas, *settings.gas)) {
        std::cerr << "corvane-cli: " << *fault << '\n';
        return 2;
      }
    }
    return RunBatchFiles(batch, out, settings);
  }
  if (stateFlags) {
    const int status = RunOneShot(flags, csv, std::cout, std::cerr);
    return StandardOutputWritten() ? status : 2;
  }
  return RunScriptFile(script);
}
