// The composition: fifteen entered mole fractions into fourteen component
// slots (nitrogen, hydrogen, helium and oxygen share the nitrogen slot), the
// list of present slots, the sum test, the live Sum display and Reset.
#include <cmath>

#include "app/calc_dlg.h"
#include "model/gases.h"
#include "res/dialogs.h"
#include "text/number_text.h"

namespace corvane {

namespace {

// A gas's component slot is its entry position + 1.
constexpr int SlotOf(Gas gas) { return static_cast<int>(Index(gas)) + 1; }
static_assert(SlotOf(Gas::Methane) == kMethane && SlotOf(Gas::CarbonDioxide) == kCarbonDioxide &&
              SlotOf(Gas::Hydrogen) == kHydrogen && SlotOf(Gas::HydrogenSulfide) == kHydrogenSulfide &&
              SlotOf(Gas::Helium) == kHelium && SlotOf(Gas::Nitrogen) == kNitrogen && SlotOf(Gas::Oxygen) == kOxygen);

// Hydrogen, helium and oxygen carry no BWRS constants; they count as nitrogen.
constexpr bool SharesTheNitrogenSlot(Gas gas) {
  return gas == Gas::Hydrogen || gas == Gas::Helium || gas == Gas::Nitrogen || gas == Gas::Oxygen;
}

constexpr std::array<int, kGasCount> kSumOrderEdits = InOrder(kSumOrder, res::kGasEdits);

constexpr double kSumTolerance = 0.0001;

}  // namespace

void CCalcDlg::ReadComposition() {
  presentList = PresentList{};
  int count = 0;
  auto markPresent = [&](int slot) {
    ++count;
    presentList.entries[static_cast<std::size_t>(count)] = static_cast<std::int8_t>(slot);
  };

  // The gases with a slot of their own, in increasing slot order.
  for (Gas gas : kEntryOrder) {
    if (SharesTheNitrogenSlot(gas)) continue;
    const double value = ReadNumber(res::kGasEdits[Index(gas)]);
    components[static_cast<std::size_t>(SlotOf(gas))].moleFraction = value;
    if (value > 0.0) markPresent(SlotOf(gas));
  }

  // Nitrogen first, then hydrogen, helium and oxygen added in that order.
  const double nitrogen = ReadNumber(res::IDC_NITROGEN);
  const double hydrogen = ReadNumber(res::IDC_HYDROGEN);
  const double helium = ReadNumber(res::IDC_HELIUM);
  const double oxygen = ReadNumber(res::IDC_OXYGEN);
  double& lumped = components[kNitrogen].moleFraction;
  lumped = nitrogen;
  lumped += hydrogen;
  lumped += helium;
  lumped += oxygen;
  if (lumped > 0.0) markPresent(kNitrogen);

  presentList.count = static_cast<std::int8_t>(count);
  presentList.entries[0] = presentList.count;

  const auto& edits = EntryOrderEdits();
  for (std::size_t i = 0; i < edits.size(); ++i) entryFractions[i] = ReadNumber(edits[i]);

  compositionAccepted = 1;
  double sum = 0.0;
  for (int slot = kFirstSlot; slot <= kLastMixedSlot; ++slot) sum += components[static_cast<std::size_t>(slot)].moleFraction;
  // A sum that is not a number (opposite infinities) is refused as well.
  if (std::fabs(sum - 1.0) > kSumTolerance || !std::isfinite(sum)) {
    compositionAccepted = 0;
    ShowMessage(res::kCompositionSumNotOne);
  }
}

void CCalcDlg::UpdateCompositionSum() {
  double total = 0.0;
  for (int edit : kSumOrderEdits) total += ReadNumber(edit);
  surface_.SetText(res::IDC_SUM, FormatFixed(total, 5));
}

void CCalcDlg::OnReset() {
  for (int edit : EntryOrderEdits()) surface_.SetText(edit, "0.00");
}

void CCalcDlg::OnReportFileNameChanged() { reportFileIsNew = 1; }

}  // namespace corvane
