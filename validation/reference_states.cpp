#include "validation/reference_states.h"

#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

#include "model/gases.h"
#include "res/dialogs.h"
#include "text/number_text.h"

namespace corvane::validation {

namespace {

std::vector<std::string> SplitCommas(const std::string& line) {
  std::vector<std::string> fields;
  std::stringstream stream(line);
  std::string field;
  while (std::getline(stream, field, ',')) fields.push_back(field);
  return fields;
}

}  // namespace

const std::array<FractionColumn, 15>& FractionColumns() {
  // The file's names, in entry order, each beside the edit of that gas.
  static constexpr std::array<const char*, kGasCount> kFileNames = {
      "methane",        "ethane",   "propane",          "iso-butane", "n-butane",
      "iso-pentane",    "n-pentane", "n-hexane",        "n-heptane",  "carbon dioxide",
      "hydrogen",       "hydrogen sulfide", "helium",   "nitrogen",   "oxygen"};
  static constexpr std::array<FractionColumn, 15> columns = [] {
    std::array<FractionColumn, 15> made{};
    for (std::size_t i = 0; i < kGasCount; ++i) made[i] = {kFileNames[i], res::kGasEdits[i]};
    return made;
  }();
  return columns;
}

std::vector<ReferenceState> ReadReferenceStates(const std::string& path) {
  std::ifstream file(path);
  if (!file) throw std::runtime_error("cannot open " + path);
  std::map<std::string, std::size_t> column;
  std::vector<ReferenceState> states;
  std::string line;
  int lineNumber = 0;
  while (std::getline(file, line)) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    const std::vector<std::string> fields = SplitCommas(line);
    if (column.empty()) {
      for (std::size_t i = 0; i < fields.size(); ++i) column[fields[i]] = i;
      continue;
    }
    const auto field = [&](const std::string& name) -> const std::string& {
      const auto it = column.find(name);
      if (it == column.end() || it->second >= fields.size())
        throw std::runtime_error(path + ":" + std::to_string(lineNumber) + ": no column " + name);
      return fields[it->second];
    };
    ReferenceState state;
    state.gas = field("gas");
    state.temperatureText = field("T_F");
    state.pressureText = field("P_psia");
    state.temperatureF = ParseNumber(state.temperatureText);
    state.pressure = ParseNumber(state.pressureText);
    for (std::size_t i = 0; i < FractionColumns().size(); ++i) state.fractionTexts[i] = field(FractionColumns()[i].name);
    state.z = ParseNumber(field("gerg_Z"));
    state.density = ParseNumber(field("gerg_rho_lbmol_ft3"));
    state.enthalpyChange = ParseNumber(field("gerg_dH_btu_lbm"));
    state.cp = ParseNumber(field("gerg_Cp_btu_lbm_R"));
    state.jouleThomson = ParseNumber(field("gerg_JT_R_psi"));
    state.roughViscosity = ParseNumber(field("lge_visc_cP"));
    states.push_back(state);
  }
  return states;
}

}  // namespace corvane::validation
