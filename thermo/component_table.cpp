#include "thermo/component_table.h"

namespace corvane {
namespace {

struct BwrsRow {
  int slot;
  BwrsConstants constants;
};

// BWRS constants of the twelve BWRS slots.
constexpr BwrsRow kBwrsRows[] = {
    {1, {0.723251, 7520.29, 2.71092e8, 1.07737e10, 3.01122e10, 0.925404, 2574.89, 47489.1, 0.468828,
     4.37222e8, 1.4864}},
    {2, {0.826059, 13439.3, 2.95195e9, 2.57477e11, 1.46819e13, 3.11206, 22404.5, 702189, 0.909681,
     6.81826e9, 2.99656}},
    {3, {0.964762, 18634.7, 7.96178e9, 4.53708e11, 2.56053e13, 5.46248, 40066.4, 1.5052e7, 2.01402,
     2.74461e10, 4.56182}},
    {4, {1.8789, 37264, 1.014136e11, 8.53176e11, 8.4086e13, 8.58663, 47990.7, 2.16863e7, 4.23987,
     4.06763e10, 7.11486}},
    {5, {1.56588, 32544.7, 1.37436e10, 3.33159e11, 2.30902e12, 9.14066, 71181.8, 3.64238e7, 4.00985,
     7.00044e10, 7.54122}},
    {6, {1.27752, 35742, 2.2843e10, 1.42115e12, 2.41326e13, 19.8384, 204344, 3.4922e7, 6.16154,
     1.29083e10, 11.7384}},
    {7, {2.44417, 51108.2, 2.23931e10, 1.01769e12, 3.9086e13, 16.607, 162185, 3.88521e7, 7.06702,
     1.35286e11, 11.8593}},
    {8, {2.66233, 45333.1, 5.26067e10, 5.52158e12, 6.26433e14, 29.4983, 434517, 3.2746e7, 9.7023,
     3.18412e11, 14.872}},
    {9, {3.60493, 77826.9, 6.15662e10, 7.77123e12, 6.36251e12, 27.4415, 359087, 8.35115e6, 21.8782,
     3.74876e11, 24.7604}},
    {10, {0.394117, 6592.03, 2.95902e9, 4.09151e11, 1.02898e10, 0.971443, 5632.85, 59929.7, 0.395525,
     2.74668e9, 1.64916}},
    {12, {0.297508, 10586.3, 2.11496e9, 4.86518e10, 3.93226e10, 2.53315, 20511, 19973.1, 0.165961,
     4.36132e9, 1.20447}},
    {14, {0.677022, 4185.05, 1.37936e8, 1.95183e10, 1.21648e12, 0.83347, 1404.59, 31189.4, 0.302696,
     8.44317e7, 1.10011}},
};

struct CriticalRow {
  double molecularWeight, criticalTemperature, criticalPressure, criticalVolume, acentricFactor;
};

// Molecular weight (lbm/lb-mole), Tc (R), Pc (psia), Vc (ft3/lbm) and the
// acentric factor of slots 1 to 15.
constexpr CriticalRow kCriticalRows[15] = {
    {16.031, 343, 667.8, 0.0988, 0.0126},      // methane
    {30.046, 549.8, 707.8, 0.0783, 0.0978},    // ethane
    {44.062, 665.7, 616.3, 0.0727, 0.1541},    // propane
    {58.121, 734.6, 529.1, 0.0714, 0.184},     // iso-butane
    {58.121, 765.3, 550.7, 0.0703, 0.2015},    // n-butane
    {72.147, 828.7, 490.4, 0.0684, 0.2286},    // iso-pentane
    {72.147, 845.3, 488.6, 0.0695, 0.2524},    // n-pentane
    {86.172, 911.47, 439.5, 0.0688, 0.302},    // n-hexane
    {100.198, 970.57, 397.4, 0.0682, 0.353},   // n-heptane
    {44.011, 547.5, 1071, 0.0342, 0.2667},     // carbon dioxide
    {0, 59.37, 187.5, 0.5101, 0},              // hydrogen
    {34.08, 672.07, 1300, 0.0461, 0.105},      // hydrogen sulfide
    {0, 9.36, 32.99, 0.23, 0},                 // helium
    {28.016, 227.18, 492.8, 0.051, 0.037},     // nitrogen
    {0, 278.26, 731.4, 0.0367, 0},             // oxygen
};

struct ReservedValue {
  int slot;
  double value;
};
constexpr ReservedValue kReservedValues[] = {{1, 292}, {2, 189}, {3, 162}, {4, 151}, {5, 162},
                                             {6, 151}, {7, 158}, {10, 100}};

struct InteractionEntry {
  int p, q;
  double k;
};

// The non-zero kij, stored in the row of the lower slot.
constexpr InteractionEntry kInteractions[] = {
    {1, 2, 0.01},     {1, 3, 0.023},    {1, 4, 0.0275},   {1, 5, 0.031},   {1, 6, 0.036},
    {1, 7, 0.041},    {1, 8, 0.05},     {1, 9, 0.06},     {1, 10, 0.05},   {1, 12, 0.05},
    {1, 14, 0.025},   {2, 3, 0.0031},   {2, 4, 0.004},    {2, 5, 0.0045},  {2, 6, 0.005},
    {2, 7, 0.006},    {2, 8, 0.007},    {2, 9, 0.0085},   {2, 10, 0.048},  {2, 12, 0.045},
    {2, 14, 0.07},    {3, 4, 0.003},    {3, 5, 0.0035},   {3, 6, 0.004},   {3, 7, 0.0045},
    {3, 8, 0.005},    {3, 9, 0.0065},   {3, 10, 0.045},   {3, 12, 0.04},   {3, 14, 0.1},
    {4, 6, 0.0008},   {4, 7, 0.001},    {4, 8, 0.0015},   {4, 9, 0.0018},  {4, 10, 0.05},
    {4, 12, 0.036},   {4, 14, 0.11},    {5, 6, 0.0008},   {5, 7, 0.001},   {5, 8, 0.0015},
    {5, 9, 0.0018},   {5, 10, 0.05},    {5, 12, 0.034},   {5, 14, 0.12},   {6, 10, 0.05},
    {6, 12, 0.028},   {6, 14, 0.134},   {7, 10, 0.05},    {7, 12, 0.02},   {7, 14, 0.148},
    {8, 10, 0.05},    {8, 14, 0.172},   {9, 10, 0.05},    {9, 14, 0.2},    {10, 12, 0.035},
};

}  // namespace

void FillComponentTable(ComponentTable& table) {
  table.fill(ComponentRecord{});
  for (const BwrsRow& row : kBwrsRows) {
    ComponentRecord& r = table[row.slot];
    static_cast<BwrsConstants&>(r) = row.constants;
    r.moleFraction = 1.0;
  }
  for (int slot = 1; slot <= 15; ++slot) {
    const CriticalRow& row = kCriticalRows[slot - 1];
    ComponentRecord& r = table[slot];
    r.molecularWeight = row.molecularWeight;
    r.criticalTemperature = row.criticalTemperature;
    r.criticalPressure = row.criticalPressure;
    r.criticalVolume = row.criticalVolume;
    r.acentricFactor = row.acentricFactor;
  }
  for (const ReservedValue& rv : kReservedValues) table[rv.slot].reserved = rv.value;
}

void FillInteractionTable(InteractionTable& k) {
  for (auto& row : k) row.fill(0.0);
  for (const InteractionEntry& e : kInteractions) k[e.p][e.q] = e.k;
}

double InteractionParameter(const InteractionTable& k, int p, int q) {
  if (p < 0 || q < 0 || p >= 18 || q >= 18) return 0.0;
  return k[p][q];
}

}  // namespace corvane
