// The built parameter table against gerg2008.json, value for value: the
// table was written from that file, and nothing may have drifted since.
#include <gtest/gtest.h>

#include <string>

#include "check_states.h"
#include "json_value.h"

namespace corvane::gerg::test {
namespace {

// A member that the file leaves out for a zero (c of a polynomial term,
// the Gaussian constants of a polynomial departure term, a pair's
// departure function).
double NumberOr0(const JsonValue& object, const std::string& key) {
  return object.Has(key) ? object[key].Number() : 0.0;
}

TEST(GergTable, EqualsTheJsonValueForValue) {
  const JsonValue json = ReadJsonFile(DataPath("gerg2008.json"));
  const Gerg2008Parameters& model = kGerg2008;
  EXPECT_EQ(json["gas_constant_J_mol_K"].Number(), kGasConstant);
  EXPECT_EQ(json["ideal_gas_gas_constant_J_mol_K"].Number(), kIdealGasGasConstant);

  const std::vector<JsonValue>& components = json["components"].items;
  ASSERT_EQ(components.size(), kComponentCount);
  for (std::size_t i = 0; i < kComponentCount; ++i) {
    const JsonValue& j = components[i];
    const ComponentParameters& c = model.components[i];
    SCOPED_TRACE(std::string(c.name));
    EXPECT_EQ(j["index"].Number(), static_cast<double>(i + 1));
    EXPECT_EQ(j["name"].Text(), c.name);
    EXPECT_EQ(j["molar_mass_g_mol"].Number(), c.molarMass);
    EXPECT_EQ(j["critical_temperature_K"].Number(), c.criticalTemperature);
    EXPECT_EQ(j["critical_density_mol_L"].Number(), c.criticalDensity);
    EXPECT_EQ(j["residual_polynomial_terms"].Number(), c.polynomialTerms);
    EXPECT_EQ(j["residual_exponential_terms"].Number(), c.exponentialTerms);
    const std::vector<JsonValue>& terms = j["residual_terms"].items;
    ASSERT_EQ(terms.size(), static_cast<std::size_t>(c.polynomialTerms + c.exponentialTerms));
    for (std::size_t k = 0; k < c.terms.size(); ++k) {
      const PureFluidTerm& t = c.terms[k];
      if (k >= terms.size()) {  // room beyond the component's terms is empty
        EXPECT_TRUE(t.n == 0.0 && t.d == 0 && t.t == 0.0 && t.c == 0) << "term " << k + 1;
        continue;
      }
      EXPECT_EQ(terms[k]["n"].Number(), t.n) << "term " << k + 1;
      EXPECT_EQ(terms[k]["d"].Number(), t.d) << "term " << k + 1;
      EXPECT_EQ(terms[k]["t"].Number(), t.t) << "term " << k + 1;
      EXPECT_EQ(NumberOr0(terms[k], "c"), t.c) << "term " << k + 1;
      EXPECT_EQ(terms[k].Has("c"), static_cast<int>(k) >= c.polynomialTerms) << "term " << k + 1;
    }
    ASSERT_EQ(j["ideal_gas_a"].items.size(), c.idealGasA.size());
    for (std::size_t k = 0; k < c.idealGasA.size(); ++k) EXPECT_EQ(j["ideal_gas_a"].items[k].Number(), c.idealGasA[k]);
    ASSERT_EQ(j["ideal_gas_theta_K"].items.size(), c.idealGasTheta.size());
    for (std::size_t k = 0; k < c.idealGasTheta.size(); ++k)
      EXPECT_EQ(j["ideal_gas_theta_K"].items[k].Number(), c.idealGasTheta[k]);
  }

  const std::vector<JsonValue>& binaries = json["binaries"].items;
  ASSERT_EQ(binaries.size(), kPairCount);
  for (std::size_t p = 0; p < kPairCount; ++p) {
    const JsonValue& j = binaries[p];
    const BinaryParameters& b = model.binaries[p];
    SCOPED_TRACE(j["i"].Text() + " / " + j["j"].Text());
    EXPECT_EQ(j["i"].Text(), model.components[Index(b.i)].name);
    EXPECT_EQ(j["j"].Text(), model.components[Index(b.j)].name);
    EXPECT_EQ(j["beta_v"].Number(), b.betaV);
    EXPECT_EQ(j["gamma_v"].Number(), b.gammaV);
    EXPECT_EQ(j["beta_T"].Number(), b.betaT);
    EXPECT_EQ(j["gamma_T"].Number(), b.gammaT);
    EXPECT_EQ(j["F"].Number(), b.F);
    EXPECT_EQ(NumberOr0(j, "departure"), b.departure);
  }

  const std::vector<JsonValue>& functions = json["departure_functions"].items;
  ASSERT_EQ(functions.size(), kDepartureFunctionCount);
  for (std::size_t f = 0; f < kDepartureFunctionCount; ++f) {
    const JsonValue& j = functions[f];
    const DepartureFunction& d = model.departureFunctions[f];
    SCOPED_TRACE("departure function " + std::to_string(d.number));
    EXPECT_EQ(j["departure"].Number(), d.number);
    EXPECT_EQ(j["polynomial_terms"].Number(), d.polynomialTerms);
    EXPECT_EQ(j["exponential_terms"].Number(), d.exponentialTerms);
    const std::vector<JsonValue>& terms = j["terms"].items;
    ASSERT_EQ(terms.size(), static_cast<std::size_t>(d.polynomialTerms + d.exponentialTerms));
    for (std::size_t k = 0; k < d.terms.size(); ++k) {
      const DepartureTerm& t = d.terms[k];
      if (k >= terms.size()) {
        EXPECT_TRUE(t.n == 0.0 && t.d == 0 && t.t == 0.0 && t.eta == 0.0 && t.beta == 0.0) << "term " << k + 1;
        continue;
      }
      EXPECT_EQ(terms[k]["n"].Number(), t.n) << "term " << k + 1;
      EXPECT_EQ(terms[k]["d"].Number(), t.d) << "term " << k + 1;
      EXPECT_EQ(terms[k]["t"].Number(), t.t) << "term " << k + 1;
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
    for (const JsonValue& user : j["used_by"].items) listed.push_back(user.Text());
    EXPECT_EQ(users, listed);
  }
}

TEST(GergTable, TheJsonReaderRefusesWhatItCannotRead) {
  EXPECT_EQ(ParseJson(" [1.5e-3, -2, \"a\\\"b\", true, null, {}] ").items.size(), 6u);
  EXPECT_EQ(ParseJson("0.57335704239162").number, 0.57335704239162);
  for (const char* bad : {"", "[1,", "{\"a\" 1}", "[1] 2", "+1", "\"\\u0041\"", "tru"})
    EXPECT_THROW(ParseJson(bad), std::runtime_error) << bad;
}

}  // namespace
}  // namespace corvane::gerg::test
