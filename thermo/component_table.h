// Pure-component data of the fifteen component slots and the BWRS binary
// interaction parameters, as value types that the dialog owns.
//
// Units throughout: pressure psia, temperature degrees Rankine, molar density
// lb-mole/ft3, so that the BWRS constants go with R = 10.7335 psia ft3/(lb-mole R).
#pragma once

#include <array>
#include <cstdint>

namespace corvane {

// Slot numbers. Loops over components run over slots 1 to 14; slots 11, 13
// and 15 carry critical constants only and never get a mole fraction.
enum ComponentSlot : int {
  kMethane = 1,
  kEthane = 2,
  kPropane = 3,
  kIsoButane = 4,
  kNButane = 5,
  kIsoPentane = 6,
  kNPentane = 7,
  kNHexane = 8,
  kNHeptane = 9,
  kCarbonDioxide = 10,
  kHydrogen = 11,
  kHydrogenSulfide = 12,
  kHelium = 13,
  kNitrogen = 14,
  kOxygen = 15,
};

// The gas constant the BWRS constants below are fitted with.
constexpr double kGasConstant = 10.7335;  // psia ft3/(lb-mole R)

constexpr int kFirstSlot = 1;
constexpr int kLastMixedSlot = 14;  // every loop over components ends here
constexpr int kSlotCount = 16;      // rows 0..15, row 0 unused

// The eleven BWRS constants of a component or a mixture, in their published
// order.
struct BwrsConstants {
  double B0 = 0;     // ft3/lb-mole
  double A0 = 0;     // psia (ft3/lb-mole)^2
  double C0 = 0;     // psia R^2 (ft3/lb-mole)^2
  double D0 = 0;     // psia R^3 (ft3/lb-mole)^2
  double E0 = 0;     // psia R^4 (ft3/lb-mole)^2
  double b = 0;      // (ft3/lb-mole)^2
  double a = 0;      // psia (ft3/lb-mole)^3
  double d = 0;      // psia R (ft3/lb-mole)^3
  double alpha = 0;  // (ft3/lb-mole)^3
  double c = 0;      // psia R^2 (ft3/lb-mole)^3
  double gamma = 0;  // (ft3/lb-mole)^2
};

// The eighteen parameters of one slot: the BWRS constants, then the
// molecular weight, in the same order as MixtureCoefficients so a pure
// component copies over as it stands.
struct ComponentRecord : BwrsConstants {
  double molecularWeight = 0;      // lbm/lb-mole
  double moleFraction = 0;         // written by every composition read
  double criticalTemperature = 0;  // R
  double criticalPressure = 0;     // psia
  double criticalVolume = 0;       // ft3/lbm
  double acentricFactor = 0;       // Pitzer
  double reserved = 0;             // carried, never read
};

using ComponentTable = std::array<ComponentRecord, kSlotCount>;

// k[p][q], each unordered pair stored once in the row of the lower slot.
// Rows and columns run to 17, two beyond the last slot, so that a lookup of
// any slot up to 17 stays inside the table and reads 0 for the slots
// without data (0, 11, 13, 15, 16, 17).
using InteractionTable = std::array<std::array<double, 18>, 18>;

// The eleven BWRS constants of the current mixture and its molecular weight,
// in the same order as the first twelve fields of ComponentRecord.
struct MixtureCoefficients : BwrsConstants {
  double molecularWeight = 0;  // lbm/lb-mole
};

// The slots whose mole fraction is above zero, in increasing slot order.
// entries[0] repeats the count; entries[1..count] are the slots.
struct PresentList {
  std::int8_t count = 0;
  std::array<std::int8_t, 15> entries{};
};

// Fills every record with the program's constant data: BWRS constants,
// molecular weights, critical constants, acentric factors, the reserved
// values, and moleFraction 1.0 in the twelve BWRS slots. Row 0 stays zero.
void FillComponentTable(ComponentTable& table);

// Fills the interaction table: zero everywhere but the published pairs.
void FillInteractionTable(InteractionTable& k);

// kij for slots p <= q; zero for the diagonal and any slot without data.
double InteractionParameter(const InteractionTable& k, int p, int q);

}  // namespace corvane
