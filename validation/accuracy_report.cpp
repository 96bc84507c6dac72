#include "validation/accuracy_report.h"

#include <cmath>
#include <map>
#include <set>
#include <sstream>

#include "res/dialogs.h"
#include "res/resource.h"
#include "text/number_text.h"
#include "validation/deviation_stats.h"

namespace corvane::validation {

namespace {

constexpr const char* kLowPressureText = "14.7";  // psia, the base of the enthalpy difference
// A Johnson-Culver density within this share of the main method's density
// is the same root; the cubic Johnson-Culver accepts 0.1 psia, which is
// 0.7 % at 14.7 psia.
constexpr double kSameRootPercent = 1.0;

double Percent(double program, double reference) { return (program - reference) / std::fabs(reference) * 100.0; }

Deviation Compared(const ProgramRun& run, double program, double reference) {
  if (!run.ok()) return {true, std::nullopt, run.failure};
  return {true, Percent(program, reference), ""};
}

// Z and molar density of one run.
Measure ZMeasure(std::string label, ProgramRun StateOutcome::*run) {
  return {std::move(label), [run](const StateOutcome& o) { return Compared(o.*run, (o.*run).z, o.state.z); }};
}
Measure DensityMeasure(std::string label, ProgramRun StateOutcome::*run) {
  return {std::move(label),
          [run](const StateOutcome& o) { return Compared(o.*run, (o.*run).density, o.state.density); }};
}

std::string Why(const ProgramRun& run, const char* none) {
  return run.messages.empty() ? std::string(none) : none + std::string(" (") + run.messages + ")";
}

Deviation CpDeviation(const StateOutcome& o) {
  if (!o.bwrs.ok()) return {true, std::nullopt, o.bwrs.failure};
  if (o.bwrs.cp == 0) return {true, std::nullopt, Why(o.bwrs, "Specific Heat 0.0000")};
  return {true, Percent(o.bwrs.cp, o.state.cp), ""};
}

// The program signs the coefficient (T_iso - T) / 1 psi, negative for a gas
// that cools on expansion; the reference is positive then.
Deviation JouleThomsonDeviation(const StateOutcome& o) {
  if (!o.bwrs.ok()) return {true, std::nullopt, o.bwrs.failure};
  if (o.bwrs.jouleThomson == 0) return {true, std::nullopt, Why(o.bwrs, "Joule-Thomson 0.0000")};
  return {true, Percent(-o.bwrs.jouleThomson, o.state.jouleThomson), ""};
}

Deviation EnthalpyChangeDeviation(const StateOutcome& o) {
  if (o.state.enthalpyChange == 0) return {false, std::nullopt, ""};
  if (!o.bwrs.ok()) return {true, std::nullopt, o.bwrs.failure};
  if (!o.bwrsLow.ok()) return {true, std::nullopt, "at " + std::string(kLowPressureText) + " psia: " + o.bwrsLow.failure};
  return {true, Percent(o.bwrs.enthalpy - o.bwrsLow.enthalpy, o.state.enthalpyChange), ""};
}

Deviation ViscosityDeviation(const StateOutcome& o) {
  if (!(o.bwrs.viscosity > 0)) return {true, std::nullopt, res::kNoSolutionText};
  return {true, Percent(o.bwrs.viscosity, o.state.roughViscosity), ""};
}

std::string StateName(const ReferenceState& s) {
  return s.gas + ", " + s.temperatureText + " F, " + s.pressureText + " psia";
}

// Escapes the few characters HTML gives a meaning to.
std::string Html(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '<') out += "&lt;";
    else if (c == '>') out += "&gt;";
    else if (c == '&') out += "&amp;";
    else out += c;
  }
  return out;
}

std::string Pct(double value) { return FormatFixed(value, 2); }

// The deviations of `measure` over the outcomes that `in` selects, and the
// states where the program gave no value.
struct Collected {
  std::vector<double> deviations;
  std::vector<std::string> missing;
};
Collected Collect(const std::vector<StateOutcome>& outcomes, const Measure& measure,
                  const std::function<bool(const StateOutcome&)>& in) {
  Collected c;
  for (const StateOutcome& o : outcomes) {
    if (!in(o)) continue;
    const Deviation d = measure.deviation(o);
    if (!d.applies) continue;
    if (d.percent) c.deviations.push_back(*d.percent);
    else c.missing.push_back(StateName(o.state) + ": " + d.why);
  }
  return c;
}

struct Group {
  std::string label;
  std::function<bool(const StateOutcome&)> in;
};

std::vector<Group> GasGroups(const std::vector<StateOutcome>& outcomes) {
  std::vector<Group> groups;
  std::set<std::string> seen;
  for (const StateOutcome& o : outcomes) {
    if (!seen.insert(o.state.gas).second) continue;
    const std::string gas = o.state.gas;
    groups.push_back({gas, [gas](const StateOutcome& x) { return x.state.gas == gas; }});
  }
  return groups;
}

std::vector<Group> PressureGroups() {
  return {{"below 500 psia", [](const StateOutcome& o) { return o.state.pressure < 500; }},
          {"500 to 1500 psia", [](const StateOutcome& o) { return o.state.pressure >= 500 && o.state.pressure <= 1500; }},
          {"above 1500 psia", [](const StateOutcome& o) { return o.state.pressure > 1500; }}};
}

bool Any(const StateOutcome&) { return true; }

// 80 as "80", 14.7 as "14.7".
std::string PlainNumber(double value) {
  std::string text = FormatGeneral(value, 6);
  if (!text.empty() && text.back() == '.') text.pop_back();
  return text;
}

// Rows of groups, one column per measure; each cell holds the median, the
// 95th percentile and the maximum of |deviation|, top to bottom.
void GroupTable(std::ostringstream& out, const std::vector<StateOutcome>& outcomes, const std::vector<Group>& groups,
                const std::string& firstHeading) {
  out << "<table class=\"accuracy\" border=\"1\" cellspacing=\"0\">\n<tr><th>" << firstHeading << "</th><th>states</th>";
  for (const Measure& m : Measures()) out << "<th>" << m.label << "</th>";
  out << "</tr>\n";
  for (const Group& g : groups) {
    std::size_t count = 0;
    for (const StateOutcome& o : outcomes) count += g.in(o) ? 1 : 0;
    out << "<tr><th>" << Html(g.label) << "</th><td>" << count << "</td>";
    for (const Measure& m : Measures()) {
      const DeviationSummary s = Summarise(Collect(outcomes, m, g.in).deviations);
      if (s.count == 0) out << "<td>-</td>";
      else out << "<td>" << Pct(s.median) << "<br>" << Pct(s.p95) << "<br>" << Pct(s.max) << "</td>";
    }
    out << "</tr>\n";
  }
  out << "</table>\n";
}

void SummaryRow(std::ostringstream& out, const std::string& label, const Collected& c) {
  const DeviationSummary s = Summarise(c.deviations);
  out << "<tr><th>" << label << "</th><td>" << s.count << "</td><td>" << Pct(s.median) << "</td><td>"
      << Pct(s.p95) << "</td><td>" << Pct(s.max) << "</td><td>" << c.missing.size() << "</td></tr>\n";
}

void SummaryHeading(std::ostringstream& out, const std::string& first) {
  out << "<table class=\"accuracy\" border=\"1\" cellspacing=\"0\">\n<tr><th>" << first
      << "</th><th>states compared</th><th>median</th><th>95th percentile</th><th>maximum</th>"
         "<th>without a result</th></tr>\n";
}

struct JohnsonCulverCheck {
  std::string label;
  ProgramRun StateOutcome::*jc;
  ProgramRun StateOutcome::*main;
};

void JohnsonCulverTable(std::ostringstream& out, const std::vector<StateOutcome>& outcomes) {
  const std::vector<JohnsonCulverCheck> checks = {{"BWRS (against false position)", &StateOutcome::bwrsJc, &StateOutcome::bwrs},
                                                  {"PR (against Newton)", &StateOutcome::prJc, &StateOutcome::pr},
                                                  {"RKS (against Newton)", &StateOutcome::rksJc, &StateOutcome::rks}};
  out << "<table class=\"accuracy\" border=\"1\" cellspacing=\"0\">\n<tr><th>Johnson-Culver</th><th>same root</th>"
         "<th>largest |density difference| %</th><th>another value or none</th></tr>\n";
  std::vector<std::string> others;
  for (const JohnsonCulverCheck& check : checks) {
    std::size_t same = 0;
    double largest = 0;
    std::size_t differ = 0;
    for (const StateOutcome& o : outcomes) {
      const ProgramRun& jc = o.*check.jc;
      const ProgramRun& main = o.*check.main;
      const std::string name = check.label.substr(0, check.label.find(' ')) + " " + StateName(o.state) + ": ";
      if (!main.ok()) {
        others.push_back(name + main.failure + "; Johnson-Culver: " +
                         (jc.ok() ? "density " + FormatFixed(jc.density, 5) + ", Z " + FormatFixed(jc.z, 5) : jc.failure));
        ++differ;
        continue;
      }
      const double difference = jc.ok() ? std::fabs(Percent(jc.density, main.density)) : 0;
      if (jc.ok() && difference <= kSameRootPercent) {
        ++same;
        largest = std::max(largest, difference);
        continue;
      }
      ++differ;
      others.push_back(name + (jc.ok() ? "density " + FormatFixed(jc.density, 5) + " against " +
                                             FormatFixed(main.density, 5)
                                       : jc.failure));
    }
    out << "<tr><th>" << check.label << "</th><td>" << same << "</td><td>" << Pct(largest) << "</td><td>" << differ
        << "</td></tr>\n";
  }
  out << "</table>\n";
  if (!others.empty()) {
    out << "<ul class=\"states\">\n";
    for (const std::string& line : others) out << "<li>" << Html(line) << "</li>\n";
    out << "</ul>\n";
  }
}

}  // namespace

std::vector<StateOutcome> RunStates(const std::vector<ReferenceState>& states) {
  std::vector<StateOutcome> outcomes;
  outcomes.reserve(states.size());
  for (const ReferenceState& s : states) {
    StateOutcome o;
    o.state = s;
    o.bwrs = RunProgram(s, res::IDC_BWRS, res::IDC_FP, true);
    o.bwrsLow = RunProgram(s, res::IDC_BWRS, res::IDC_FP, false, std::string(kLowPressureText));
    o.pr = RunProgram(s, res::IDC_PR, res::IDC_NEWTON, false);
    o.rks = RunProgram(s, res::IDC_RKS, res::IDC_NEWTON, false);
    o.bwrsJc = RunProgram(s, res::IDC_BWRS, res::IDC_JC, false);
    o.prJc = RunProgram(s, res::IDC_PR, res::IDC_JC, false);
    o.rksJc = RunProgram(s, res::IDC_RKS, res::IDC_JC, false);
    outcomes.push_back(std::move(o));
  }
  return outcomes;
}

const std::vector<Measure>& Measures() {
  static const std::vector<Measure> measures = {
      ZMeasure("BWRS Z", &StateOutcome::bwrs),
      DensityMeasure("BWRS density", &StateOutcome::bwrs),
      {"BWRS Cp", CpDeviation},
      {"BWRS JT", JouleThomsonDeviation},
      {"BWRS &Delta;H", EnthalpyChangeDeviation},
      ZMeasure("PR Z", &StateOutcome::pr),
      DensityMeasure("PR density", &StateOutcome::pr),
      ZMeasure("RKS Z", &StateOutcome::rks),
      DensityMeasure("RKS density", &StateOutcome::rks)};
  return measures;
}

const Measure& ViscosityMeasure() {
  static const Measure measure{"Viscosity", ViscosityDeviation};
  return measure;
}

std::string AccuracyTablesHtml(const std::vector<StateOutcome>& outcomes) {
  std::ostringstream out;
  out << "<h3>All " << outcomes.size() << " states: |deviation| in %</h3>\n";
  SummaryHeading(out, "Quantity");
  for (const Measure& m : Measures()) SummaryRow(out, m.label, Collect(outcomes, m, Any));
  out << "</table>\n";

  out << "<h3>By gas: median, 95th percentile and maximum of |deviation| in %, top to bottom</h3>\n";
  GroupTable(out, outcomes, GasGroups(outcomes), "Gas");
  out << "<h3>By pressure: median, 95th percentile and maximum of |deviation| in %, top to bottom</h3>\n";
  GroupTable(out, outcomes, PressureGroups(), "Pressure");

  out << "<h3>Viscosity against a rough correlation (a cross-check only, not a reference)</h3>\n";
  SummaryHeading(out, "States");
  std::vector<Group> viscosityGroups = {{"all", Any}};
  for (const Group& g : PressureGroups()) viscosityGroups.push_back(g);
  for (const Group& g : viscosityGroups) SummaryRow(out, g.label, Collect(outcomes, ViscosityMeasure(), g.in));
  out << "</table>\n";

  out << "<h3>Johnson-Culver against the methods above</h3>\n";
  JohnsonCulverTable(out, outcomes);

  out << "<h3>States without a result</h3>\n";
  std::vector<const Measure*> all;
  for (const Measure& m : Measures()) all.push_back(&m);
  all.push_back(&ViscosityMeasure());
  bool none = true;
  out << "<ul class=\"states\">\n";
  for (const Measure* m : all) {
    for (const std::string& line : Collect(outcomes, *m, Any).missing) {
      out << "<li>" << m->label << ", " << Html(line) << "</li>\n";
      none = false;
    }
  }
  if (none) out << "<li>none</li>\n";
  out << "</ul>\n";
  return out.str();
}

std::string HeadlineText(const std::vector<StateOutcome>& outcomes) {
  std::ostringstream out;
  std::vector<const Measure*> all;
  for (const Measure& m : Measures()) all.push_back(&m);
  all.push_back(&ViscosityMeasure());
  for (const Measure* m : all) {
    const Collected c = Collect(outcomes, *m, Any);
    const DeviationSummary s = Summarise(c.deviations);
    out << m->label << ": median " << Pct(s.median) << " %, 95th percentile " << Pct(s.p95) << " %, max "
        << Pct(s.max) << " % over " << s.count << " states, " << c.missing.size() << " without a result\n";
  }
  return out.str();
}

std::string PlotData(const std::vector<StateOutcome>& outcomes, const std::string& gas, const Measure& measure) {
  std::set<double> temperatures;
  std::map<double, std::map<double, double>> byPressure;  // P -> T -> deviation
  for (const StateOutcome& o : outcomes) {
    if (o.state.gas != gas) continue;
    temperatures.insert(o.state.temperatureF);
    const Deviation d = measure.deviation(o);
    if (d.percent) byPressure[o.state.pressure][o.state.temperatureF] = *d.percent;
  }
  std::ostringstream out;
  out << "P_psia";
  for (double t : temperatures) out << " \"" << PlainNumber(t) << " F\"";
  out << "\n";
  for (const auto& [pressure, row] : byPressure) {
    out << PlainNumber(pressure);
    for (double t : temperatures) {
      const auto it = row.find(t);
      out << ' ' << (it == row.end() ? std::string("NaN") : FormatFixed(it->second, 6));
    }
    out << "\n";
  }
  return out.str();
}

}  // namespace corvane::validation
