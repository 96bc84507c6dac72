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
