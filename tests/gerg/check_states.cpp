#include "check_states.h"

#include <charconv>
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

}  // namespace corvane::gerg::test
