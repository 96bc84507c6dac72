// corvane-validate: runs the reference states through the calculator and
// writes, or checks, the accuracy tables of the manual and its plot data.
//
//   corvane-validate REFERENCE.csv [--update HELP.html] [--check HELP.html] [--plot-data DIR]
//
// The tables sit in the help page between two marker comments. --update
// rewrites them in place; --check fails (exit 1) when the page's tables
// differ from what the program gives now. The headline figures go to
// standard output.
#include <cstdio>
#include <exception>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "validation/accuracy_report.h"

namespace {

using namespace corvane::validation;

constexpr const char* kBeginMarker = "<!-- accuracy tables: written by validation/run.sh, checked by a test -->\n";
constexpr const char* kEndMarker = "<!-- end of accuracy tables -->";

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("cannot open " + path);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary);
  file << text;
  if (!file) throw std::runtime_error("cannot write " + path);
}

// Where the tables lie in the page: [begin, end) between the markers.
std::pair<std::size_t, std::size_t> TablesSpan(const std::string& page, const std::string& path) {
  const std::size_t begin = page.find(kBeginMarker);
  const std::size_t end = page.find(kEndMarker);
  if (begin == std::string::npos || end == std::string::npos || end < begin)
    throw std::runtime_error(path + " has no accuracy-table markers");
  return {begin + std::string(kBeginMarker).size(), end};
}

// The first line where two texts differ, for the failure message.
std::string FirstDifference(const std::string& expected, const std::string& actual) {
  std::istringstream a(expected), b(actual);
  std::string lineA, lineB;
  for (int line = 1;; ++line) {
    const bool moreA = static_cast<bool>(std::getline(a, lineA));
    const bool moreB = static_cast<bool>(std::getline(b, lineB));
    if (!moreA && !moreB) return "";
    if (!moreA || !moreB || lineA != lineB)
      return "table line " + std::to_string(line) + "\n  program now: " + (moreA ? lineA : "(nothing)") +
             "\n  manual says: " + (moreB ? lineB : "(nothing)");
  }
}

int Run(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: corvane-validate REFERENCE.csv [--update HELP.html] [--check HELP.html] [--plot-data DIR]\n";
    return 2;
  }
  const std::vector<StateOutcome> outcomes = RunStates(ReadReferenceStates(argv[1]));
  const std::string tables = AccuracyTablesHtml(outcomes);
  std::cout << HeadlineText(outcomes);
  int status = 0;
  for (int i = 2; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    const std::string path = argv[i + 1];
    if (option == "--update") {
      std::string page = ReadFile(path);
      const auto [begin, end] = TablesSpan(page, path);
      page.replace(begin, end - begin, tables);
      WriteFile(path, page);
    } else if (option == "--check") {
      const std::string page = ReadFile(path);
      const auto [begin, end] = TablesSpan(page, path);
      const std::string difference = FirstDifference(tables, page.substr(begin, end - begin));
      if (!difference.empty()) {
        std::cerr << path << ": the accuracy tables differ from what the program gives now; run validation/run.sh\n"
                  << difference << "\n";
        status = 1;
      }
    } else if (option == "--plot-data") {
      for (const char* gas : {"default", "rich"}) {
        for (const Measure& m : Measures()) {
          std::string name;
          if (m.label == "BWRS Z") name = "z-bwrs";
          else if (m.label == "PR Z") name = "z-pr";
          else if (m.label == "RKS Z") name = "z-rks";
          else if (m.label == "BWRS Cp") name = "cp-bwrs";
          else continue;
          WriteFile(path + "/" + name + "-" + gas + ".dat", PlotData(outcomes, gas, m));
        }
      }
    } else {
      std::cerr << "unknown option " << option << "\n";
      return 2;
    }
  }
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(argc, argv);
  } catch (const std::exception& e) {
    std::cerr << "corvane-validate: " << e.what() << "\n";
    return 2;
  }
}
