#include "thermo/component_table.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstring>
#include <string>
#include <system_error>
#include <vector>

namespace corvane {
namespace {

TEST(ComponentTable, BwrsSlotsCarryConstantsAndOtherSlotsOnlyCriticalData) {
  ComponentTable table;
  FillComponentTable(table);
  for (int slot : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 14}) {
    EXPECT_EQ(table[slot].moleFraction, 1.0) << slot;
    EXPECT_GT(table[slot].B0, 0.0) << slot;
    EXPECT_GT(table[slot].molecularWeight, 0.0) << slot;
  }
  for (int slot : {11, 13, 15}) {
    EXPECT_EQ(table[slot].moleFraction, 0.0) << slot;
    EXPECT_EQ(table[slot].A0, 0.0) << slot;
    EXPECT_EQ(table[slot].molecularWeight, 0.0) << slot;
    EXPECT_GT(table[slot].criticalTemperature, 0.0) << slot;
  }
  EXPECT_EQ(table[0].criticalTemperature, 0.0);
  EXPECT_EQ(table[1].reserved, 292.0);
  EXPECT_EQ(table[10].reserved, 100.0);
  EXPECT_EQ(table[14].reserved, 0.0);
  EXPECT_EQ(table[kMethane].C0, 2.71092e8);
  EXPECT_EQ(table[kNitrogen].c, 8.44317e7);
  EXPECT_EQ(table[kHydrogenSulfide].criticalPressure, 1300.0);
}

// The published constants, typed again as they are printed: one row per
// slot, the values as text in the printed order. Read with from_chars, not
// with the program's own reader, so that a wrong digit in the table cannot
// hide behind the same wrong digit here.
constexpr struct {
  int slot;
  const char* values;  // B0 A0 C0 D0 E0 b a d alpha c gamma
} kPublishedBwrs[] = {
    {1, "0.723251 7520.29 2.71092e8 1.07737e10 3.01122e10 0.925404 2574.89 47489.1 0.468828 4.37222e8 1.4864"},
    {2, "0.826059 13439.3 2.95195e9 2.57477e11 1.46819e13 3.11206 22404.5 702189 0.909681 6.81826e9 2.99656"},
    {3, "0.964762 18634.7 7.96178e9 4.53708e11 2.56053e13 5.46248 40066.4 1.5052e7 2.01402 2.74461e10 4.56182"},
    {4, "1.8789 37264 1.014136e11 8.53176e11 8.4086e13 8.58663 47990.7 2.16863e7 4.23987 4.06763e10 7.11486"},
    {5, "1.56588 32544.7 1.37436e10 3.33159e11 2.30902e12 9.14066 71181.8 3.64238e7 4.00985 7.00044e10 7.54122"},
    {6, "1.27752 35742 2.2843e10 1.42115e12 2.41326e13 19.8384 204344 3.4922e7 6.16154 1.29083e10 11.7384"},
    {7, "2.44417 51108.2 2.23931e10 1.01769e12 3.9086e13 16.607 162185 3.88521e7 7.06702 1.35286e11 11.8593"},
    {8, "2.66233 45333.1 5.26067e10 5.52158e12 6.26433e14 29.4983 434517 3.2746e7 9.7023 3.18412e11 14.872"},
    {9, "3.60493 77826.9 6.15662e10 7.77123e12 6.36251e12 27.4415 359087 8.35115e6 21.8782 3.74876e11 24.7604"},
    {10, "0.394117 6592.03 2.95902e9 4.09151e11 1.02898e10 0.971443 5632.85 59929.7 0.395525 2.74668e9 1.64916"},
    {12, "0.297508 10586.3 2.11496e9 4.86518e10 3.93226e10 2.53315 20511 19973.1 0.165961 4.36132e9 1.20447"},
    {14, "0.677022 4185.05 1.37936e8 1.95183e10 1.21648e12 0.83347 1404.59 31189.4 0.302696 8.44317e7 1.10011"},
};

constexpr const char* kPublishedCritical[16] = {
    // molecular weight, Tc (R), Pc (psia), Vc (ft3/lbm), acentric factor
    "0 0 0 0 0",  // row 0, no component
    "16.031 343 667.8 0.0988 0.0126",     "30.046 549.8 707.8 0.0783 0.0978", "44.062 665.7 616.3 0.0727 0.1541",
    "58.121 734.6 529.1 0.0714 0.184",    "58.121 765.3 550.7 0.0703 0.2015", "72.147 828.7 490.4 0.0684 0.2286",
    "72.147 845.3 488.6 0.0695 0.2524",   "86.172 911.47 439.5 0.0688 0.302", "100.198 970.57 397.4 0.0682 0.353",
    "44.011 547.5 1071 0.0342 0.2667",    "0 59.37 187.5 0.5101 0",           "34.08 672.07 1300 0.0461 0.105",
    "0 9.36 32.99 0.23 0",                "28.016 227.18 492.8 0.051 0.037",  "0 278.26 731.4 0.0367 0",
};

constexpr double kPublishedReserved[16] = {0, 292, 189, 162, 151, 162, 151, 158, 0, 0, 100, 0, 0, 0, 0, 0};

std::vector<double> Numbers(const char* text) {
  std::vector<double> values;
  const char* end = text + std::strlen(text);
  for (const char* at = text; at < end;) {
    while (at < end && *at == ' ') ++at;
    if (at == end) break;
    double value = 0;
    const auto [next, error] = std::from_chars(at, end, value);
    EXPECT_EQ(error, std::errc()) << at;
    values.push_back(value);
    at = next;
  }
  return values;
}

// Every one of the eighteen fields of all sixteen records, against the copy.
TEST(ComponentTable, EveryFieldOfEverySlotIsThePublishedOne) {
  ComponentTable table;
  FillComponentTable(table);
  std::array<std::vector<double>, kSlotCount> bwrs;
  for (const auto& row : kPublishedBwrs) bwrs[row.slot] = Numbers(row.values);
  for (int slot = 0; slot < kSlotCount; ++slot) {
    SCOPED_TRACE("slot " + std::to_string(slot));
    const ComponentRecord& r = table[slot];
    const std::vector<double> constants = bwrs[slot].empty() ? std::vector<double>(11, 0.0) : bwrs[slot];
    ASSERT_EQ(constants.size(), 11u);
    const double shown[11] = {r.B0, r.A0, r.C0, r.D0, r.E0, r.b, r.a, r.d, r.alpha, r.c, r.gamma};
    for (int i = 0; i < 11; ++i) EXPECT_EQ(shown[i], constants[i]) << "BWRS constant " << i;
    const std::vector<double> critical = Numbers(kPublishedCritical[slot]);
    ASSERT_EQ(critical.size(), 5u);
    EXPECT_EQ(r.molecularWeight, critical[0]);
    EXPECT_EQ(r.criticalTemperature, critical[1]);
    EXPECT_EQ(r.criticalPressure, critical[2]);
    EXPECT_EQ(r.criticalVolume, critical[3]);
    EXPECT_EQ(r.acentricFactor, critical[4]);
    // The mole fraction starts at 1 in the slots with BWRS constants only.
    EXPECT_EQ(r.moleFraction, bwrs[slot].empty() ? 0.0 : 1.0);
    EXPECT_EQ(r.reserved, kPublishedReserved[slot]);
  }
  // The record holds nothing beyond the eighteen fields.
  static_assert(sizeof(ComponentRecord) == 18 * sizeof(double));
}

// The published kij, typed again as the square table they are printed in:
// rows are the lower slot, columns the higher one.
constexpr int kColumns[11] = {2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 14};
constexpr struct {
  int p;
  double k[11];
} kPublished[] = {
    {1, {0.01, 0.023, 0.0275, 0.031, 0.036, 0.041, 0.05, 0.06, 0.05, 0.05, 0.025}},
    {2, {0, 0.0031, 0.004, 0.0045, 0.005, 0.006, 0.007, 0.0085, 0.048, 0.045, 0.07}},
    {3, {0, 0, 0.003, 0.0035, 0.004, 0.0045, 0.005, 0.0065, 0.045, 0.04, 0.1}},
    {4, {0, 0, 0, 0, 0.0008, 0.001, 0.0015, 0.0018, 0.05, 0.036, 0.11}},
    {5, {0, 0, 0, 0, 0.0008, 0.001, 0.0015, 0.0018, 0.05, 0.034, 0.12}},
    {6, {0, 0, 0, 0, 0, 0, 0, 0, 0.05, 0.028, 0.134}},
    {7, {0, 0, 0, 0, 0, 0, 0, 0, 0.05, 0.02, 0.148}},
    {8, {0, 0, 0, 0, 0, 0, 0, 0, 0.05, 0, 0.172}},
    {9, {0, 0, 0, 0, 0, 0, 0, 0, 0.05, 0, 0.2}},
    {10, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0.035, 0}},
    {12, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
};

TEST(InteractionTable, EveryEntryIsThePublishedOne) {
  std::array<std::array<double, 18>, 18> expected{};
  for (const auto& row : kPublished)
    for (int column = 0; column < 11; ++column) expected[row.p][kColumns[column]] = row.k[column];
  InteractionTable k;
  FillInteractionTable(k);
  for (int p = 0; p < 18; ++p)
    for (int q = 0; q < 18; ++q) EXPECT_EQ(k[p][q], expected[p][q]) << p << ", " << q;
}

TEST(InteractionTable, StoredOnceInTheRowOfTheLowerSlot) {
  InteractionTable k;
  FillInteractionTable(k);
  EXPECT_EQ(InteractionParameter(k, 1, 2), 0.01);
  EXPECT_EQ(InteractionParameter(k, 2, 1), 0.0);
  EXPECT_EQ(InteractionParameter(k, 9, 14), 0.2);
  EXPECT_EQ(InteractionParameter(k, 10, 12), 0.035);
  EXPECT_EQ(InteractionParameter(k, 10, 14), 0.0);
  for (int slot = 0; slot < 18; ++slot) EXPECT_EQ(InteractionParameter(k, slot, slot), 0.0);
  for (int other : {0, 11, 13, 15, 16, 17}) EXPECT_EQ(InteractionParameter(k, 1, other), 0.0) << other;
  EXPECT_EQ(InteractionParameter(k, -1, 3), 0.0);
  EXPECT_EQ(InteractionParameter(k, 3, 18), 0.0);
}

}  // namespace
}  // namespace corvane
