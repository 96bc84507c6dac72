// The built parameter table against gerg2008.json, value for value: the
// table was written from that file, and nothing may have drifted since.
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <string>

#include "check_states.h"

namespace corvane::gerg::test {
namespace {

// A member that the file leaves out for a zero (c of a polynomial term,
// the Gaussian constants of a polynomial departure term, a pair's
// departure function).
using Json = nlohmann::json;

double NumberOr0(const Json& object, const std::string& key) {
  return object.contains(key) ? object[key].get<double>() : 0.0;
}

double Number(const Json& value) { return value.get<double>(); }
std::string Text(const Json& value) { return value.get<std::string>(); }

TEST(GergTable, EqualsTheJsonValueForValue) {
  std::ifstream file(DataPath("gerg2008.json"), std::ios::binary);
  ASSERT_TRUE(file) << DataPath("gerg2008.json");
  const Json json = Json::parse(file);
  const Gerg2008Parameters& model = kGerg2008;
  EXPECT_EQ(Number(json["gas_constant_J_mol_K"]), kGasConstant);
  EXPECT_EQ(Number(json["ideal_gas_gas_constant_J_mol_K"]), kIdealGasGasConstant);

  const Json& components = json["components"];
  ASSERT_EQ(components.size(), kComponentCount);
  for (std::size_t i = 0; i < kComponentCount; ++i) {
    const Json& j = components[i];
    const ComponentParameters& c = model.components[i];
    SCOPED_TRACE(std::string(c.name));
    EXPECT_EQ(Number(j["index"]), static_cast<double>(i + 1));
    EXPECT_EQ(Text(j["name"]), c.name);
    EXPECT_EQ(Number(j["molar_mass_g_mol"]), c.molarMass);
    EXPECT_EQ(Number(j["critical_temperature_K"]), c.criticalTemperature);
    EXPECT_EQ(Number(j["critical_density_mol_L"]), c.criticalDensity);
    EXPECT_EQ(Number(j["residual_polynomial_terms"]), c.polynomialTerms);
    EXPECT_EQ(Number(j["residual_exponential_terms"]), c.exponentialTerms);
    const Json& terms = j["residual_terms"];
    ASSERT_EQ(terms.size(), static_cast<std::size_t>(c.polynomialTerms + c.exponentialTerms));
    for (std::size_t k = 0; k < c.terms.size(); ++k) {
      const PureFluidTerm& t = c.terms[k];
      if (k >= terms.size()) {  // room beyond the component's terms is empty
        EXPECT_TRUE(t.n == 0.0 && t.d == 0 && t.t == 0.0 && t.c == 0) << "term " << k + 1;
        continue;
      }
      EXPECT_EQ(Number(terms[k]["n"]), t.n) << "term " << k + 1;
      EXPECT_EQ(Number(terms[k]["d"]), t.d) << "term " << k + 1;
      EXPECT_EQ(Number(terms[k]["t"]), t.t) << "term " << k + 1;
      EXPECT_EQ(NumberOr0(terms[k], "c"), t.c) << "term " << k + 1;
      EXPECT_EQ(terms[k].contains("c"), static_cast<int>(k) >= c.polynomialTerms) << "term " << k + 1;
    }
    ASSERT_EQ(j["ideal_gas_a"].size(), c.idealGasA.size());
    for (std::size_t k = 0; k < c.idealGasA.size(); ++k) EXPECT_EQ(Number(j["ideal_gas_a"][k]), c.idealGasA[k]);
    ASSERT_EQ(j["ideal_gas_theta_K"].size(), c.idealGasTheta.size());
    for (std::size_t k = 0; k < c.idealGasTheta.size(); ++k)
      EXPECT_EQ(Number(j["ideal_gas_theta_K"][k]), c.idealGasTheta[k]);
  }

  const Json& binaries = json["binaries"];
  ASSERT_EQ(binaries.size(), kPairCount);
  for (std::size_t p = 0; p < kPairCount; ++p) {
    const Json& j = binaries[p];
    const BinaryParameters& b = model.binaries[p];
    SCOPED_TRACE(Text(j["i"]) + " / " + Text(j["j"]));
    EXPECT_EQ(Text(j["i"]), model.components[Index(b.i)].name);
    EXPECT_EQ(Text(j["j"]), model.components[Index(b.j)].name);
    EXPECT_EQ(Number(j["beta_v"]), b.betaV);
    EXPECT_EQ(Number(j["gamma_v"]), b.gammaV);
    EXPECT_EQ(Number(j["beta_T"]), b.betaT);
    EXPECT_EQ(Number(j["gamma_T"]), b.gammaT);
    EXPECT_EQ(Number(j["F"]), b.F);
    EXPECT_EQ(NumberOr0(j, "departure"), b.departure);
  }

  const Json& functions = json["departure_functions"];
  ASSERT_EQ(functions.size(), kDepartureFunctionCount);
  for (std::size_t f = 0; f < kDepartureFunctionCount; ++f) {
    const Json& j = functions[f];
    const DepartureFunction& d = model.departureFunctions[f];
    SCOPED_TRACE("departure function " + std::to_string(d.number));
    EXPECT_EQ(Number(j["departure"]), d.number);
    EXPECT_EQ(Number(j["polynomial_terms"]), d.polynomialTerms);
    EXPECT_EQ(Number(j["exponential_terms"]), d.exponentialTerms);
    const Json& terms = j["terms"];
    ASSERT_EQ(terms.size(), static_cast<std::size_t>(d.polynomialTerms + d.exponentialTerms));
    for (std::size_t k = 0; k < d.terms.size(); ++k) {
      const DepartureTerm& t = d.terms[k];
      if (k >= terms.size()) {
        EXPECT_TRUE(t.n == 0.0 && t.d == 0 && t.t == 0.0 && t.eta == 0.0 && t.beta == 0.0) << "term " << k + 1;
        continue;
      }
      EXPECT_EQ(Number(terms[k]["n"]), t.n) << "term " << k + 1;
      EXPECT_EQ(Number(terms[k]["d"]), t.d) << "term " << k + 1;
      EXPECT_EQ(Number(terms[k]["t"]), t.t) << "term " << k + 1;
      EXPECT_EQ(NumberOr0(terms[k], "eta"), t.eta) << "term " << k + 1;
      EXPECT_EQ(NumberOr0(terms[k], "epsilon"), t.epsilon) << "term " << k + 1;
      EXPECT_EQ(NumberOr0(terms[k], "beta"), t.beta) << "term " << k + 1;
      EXPECT_EQ(NumberOr0(terms[k], "gamma"), t.gamma) << "term " << k + 1;
    }
    // used_by: the pairs that name the function, in the table's order.
    std::vector<std::string> users;
    for (const BinaryParameters& b : model.binaries)
      if (b.departure == d.number)
        users.push_back(std::string(model.components[Index(b.i)].name) + " / " +
                        std::string(model.components[Index(b.j)].name));
    std::vector<std::string> listed;
    for (const Json& user : j["used_by"]) listed.push_back(Text(user));
    EXPECT_EQ(users, listed);
  }
}

}  // namespace
}  // namespace corvane::gerg::test
