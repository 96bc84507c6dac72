#include "check_states.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace corvane::gerg::test {

std::string DataPath(const std::string& name) { return std::string(CORVANE_GERG_TEST_DATA) + "/" + name; }

namespace {

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::stringstream stream(line);
  std::string field;
  while (std::getline(stream, field, ',')) fields.push_back(field);
  return fields;
}

double Number(const std::string& text, int line) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size())
    throw std::runtime_error("check_states.csv line " + std::to_string(line) + ": not a number: " + text);
  return value;
}

}  // namespace

std::vector<CheckState> ReadCheckStates(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path);
  std::vector<CheckState> states;
  std::string text;
  std::vector<std::string> header;
  int line = 0;
  while (std::getline(in, text)) {
    ++line;
    if (!text.empty() && text.back() == '\r') text.pop_back();
    if (text.empty() || text[0] == '#') continue;
    if (header.empty()) {
      header = Fields(text);
      continue;
    }
    const std::vector<std::string> f = Fields(text);
    if (f.size() != header.size() || header.size() != 3 + kComponentCount + 20)
      throw std::runtime_error("check_states.csv line " + std::to_string(line) + ": wrong number of fields");
    CheckState s;
    s.line = line;
    s.name = f[0];
    std::size_t k = 1;
    const auto next = [&] { return Number(f[k++], line); };
    s.temperature = next();
    s.pressure = next();
    for (double& xi : s.x) xi = next();
    s.ierr = static_cast<int>(next());
    for (double* value : {&s.liquidSearchDensity, &s.density, &s.pressureAtDensity, &s.z, &s.dPdRho, &s.d2PdRho2,
                          &s.d2PdTdRho, &s.dPdT, &s.internalEnergy, &s.enthalpy, &s.entropy, &s.cv, &s.cp,
                          &s.speedOfSound, &s.gibbsEnergy, &s.jouleThomson, &s.isentropicExponent,
                          &s.helmholtzEnergy, &s.molarMass})
      *value = next();
    states.push_back(s);
  }
  return states;
}

const std::vector<CheckState>& CheckStates() {
  static const std::vector<CheckState> states = ReadCheckStates(DataPath("check_states.csv"));
  return states;
}

double WorstDeviation(const CheckState& s, const StateProperties& p, std::string* which) {
  struct Compared {
    const char* name;
    double computed;
    double expected;
    double floor;
  };
  const double R = kGasConstant;
  const double RT = R * s.temperature;
  const Compared compared[] = {
      {"P", p.pressure, s.pressureAtDensity, 0},
      {"Z", p.z, s.z, 0},
      {"dP/drho", p.dPdRho, s.dPdRho, 0},
      {"d2P/drho2", p.d2PdRho2, s.d2PdRho2, 0},
      {"d2P/dTdrho", p.d2PdTdRho, s.d2PdTdRho, 0},
      {"dP/dT", p.dPdT, s.dPdT, 0},
      {"U", p.internalEnergy, s.internalEnergy, RT},
      {"H", p.enthalpy, s.enthalpy, RT},
      {"S", p.entropy, s.entropy, R},
      {"A", p.helmholtzEnergy, s.helmholtzEnergy, RT},
      {"G", p.gibbsEnergy, s.gibbsEnergy, RT},
      {"Cv", p.cv, s.cv, 0},
      {"Cp", p.cp, s.cp, 0},
      {"W", p.speedOfSound, s.speedOfSound, 0},
      {"JT", p.jouleThomson, s.jouleThomson, 1.0 / (s.cp * s.density)},
      {"kappa", p.isentropicExponent, s.isentropicExponent, 0},
      {"M", p.molarMass, s.molarMass, 0},
  };
  double worst = 0.0;
  for (const Compared& c : compared) {
    double deviation = std::abs(c.computed - c.expected) / std::max(std::abs(c.expected), c.floor);
    if (std::isnan(deviation)) deviation = INFINITY;
    if (deviation > worst || (worst == 0.0 && which && which->empty())) {
      worst = std::max(worst, deviation);
      if (which) *which = c.name;
    }
  }
  return worst;
}

}  // namespace corvane::gerg::test
