// The fifteen gases and the orders the program takes them in. The orders
// differ on purpose: each fixes something a user, a file or a script sees,
// so none may be "tidied" into another. Each is checked below to hold every
// gas exactly once.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace corvane {

// Entry order, the order of the enumerators. It fixes: the entered
// fractions (`entryFractions`), the mixture file's fifteen values, the
// report's composition block, the start-up values and Reset; and the
// component slots, slot = position + 1 (hydrogen 11, hydrogen sulfide 12,
// helium 13, nitrogen 14, oxygen 15).
enum class Gas : std::size_t {
  Methane,
  Ethane,
  Propane,
  IsoButane,
  NButane,
  IsoPentane,
  NPentane,
  NHexane,
  NHeptane,
  CarbonDioxide,
  Hydrogen,
  HydrogenSulfide,
  Helium,
  Nitrogen,
  Oxygen,
};
constexpr std::size_t kGasCount = 15;
using GasOrder = std::array<Gas, kGasCount>;

constexpr GasOrder kEntryOrder = {
    Gas::Methane,       Gas::Ethane,   Gas::Propane,         Gas::IsoButane, Gas::NButane,
    Gas::IsoPentane,    Gas::NPentane, Gas::NHexane,         Gas::NHeptane,  Gas::CarbonDioxide,
    Gas::Hydrogen,      Gas::HydrogenSulfide, Gas::Helium,   Gas::Nitrogen,  Gas::Oxygen};

// Dialog order: the composition edits from top to bottom, the lumped gases
// last; the script's `show` lists them so.
constexpr GasOrder kDialogOrder = {
    Gas::Methane,       Gas::Ethane,   Gas::Propane,         Gas::IsoButane, Gas::NButane,
    Gas::IsoPentane,    Gas::NPentane, Gas::NHexane,         Gas::NHeptane,  Gas::CarbonDioxide,
    Gas::HydrogenSulfide, Gas::Nitrogen, Gas::Helium,        Gas::Hydrogen,  Gas::Oxygen};

// Sum order: the live Sum adds the edits in this order, hydrogen before
// helium; the last digit of the shown sum can depend on it.
constexpr GasOrder kSumOrder = {
    Gas::Methane,       Gas::Ethane,   Gas::Propane,         Gas::IsoButane, Gas::NButane,
    Gas::IsoPentane,    Gas::NPentane, Gas::NHexane,         Gas::NHeptane,  Gas::CarbonDioxide,
    Gas::HydrogenSulfide, Gas::Nitrogen, Gas::Hydrogen,      Gas::Helium,    Gas::Oxygen};

// Names in entry order: as the report prints them, and as scripts call the
// edits.
constexpr std::array<std::string_view, kGasCount> kReportNames = {
    "methane", "ethane",   "propane",  "ibutane", "nbutane", "ipentane", "npentane", "nhexane",
    "nheptane", "CO2",     "hydrogen", "H2S",     "helium",  "nitrogen", "oxygen"};
constexpr std::array<std::string_view, kGasCount> kScriptNames = {
    "methane", "ethane", "propane", "isobutane", "nbutane", "isopentane", "npentane", "nhexane",
    "nheptane", "co2",   "hydrogen", "h2s",      "helium",  "nitrogen",   "oxygen"};

constexpr std::size_t Index(Gas gas) { return static_cast<std::size_t>(gas); }

// `values` (given in entry order) taken in `order`.
template <typename T>
constexpr std::array<T, kGasCount> InOrder(const GasOrder& order, const std::array<T, kGasCount>& values) {
  std::array<T, kGasCount> reordered{};
  for (std::size_t i = 0; i < kGasCount; ++i) reordered[i] = values[Index(order[i])];
  return reordered;
}

constexpr bool HoldsEveryGasOnce(const GasOrder& order) {
  std::array<int, kGasCount> seen{};
  for (Gas gas : order) {
    if (Index(gas) >= kGasCount) return false;
    ++seen[Index(gas)];
  }
  for (int count : seen)
    if (count != 1) return false;
  return true;
}
static_assert(HoldsEveryGasOnce(kEntryOrder) && HoldsEveryGasOnce(kDialogOrder) && HoldsEveryGasOnce(kSumOrder));
static_assert([] {
  for (std::size_t i = 0; i < kGasCount; ++i)
    if (Index(kEntryOrder[i]) != i) return false;
  return true;
}());

}  // namespace corvane
