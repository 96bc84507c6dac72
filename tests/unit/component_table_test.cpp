#include "thermo/component_table.h"

#include <gtest/gtest.h>

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
