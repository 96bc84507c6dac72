// The composition: fifteen entered mole fractions into fourteen component
// slots (nitrogen, hydrogen, helium and oxygen share the nitrogen slot), the
// list of present slots, the sum test, the live Sum display and Reset.
#include <cmath>

#include "app/calc_dlg.h"
#include "res/dialogs.h"
#include "text/number_text.h"

namespace corvane {

namespace {

// Edits that fill a slot of their own, in reading order.
struct SlotEdit {
  int edit;
  int slot;
};
constexpr SlotEdit kOwnSlotEdits[] = {
    {res::IDC_METHANE, kMethane},       {res::IDC_ETHANE, kEthane},         {res::IDC_PROPANE, kPropane},
    {res::IDC_ISOBUTANE, kIsoButane},   {res::IDC_NBUTANE, kNButane},       {res::IDC_ISOPENTANE, kIsoPentane},
    {res::IDC_NPENTANE, kNPentane},     {res::IDC_NHEXANE, kNHexane},       {res::IDC_NHEPTANE, kNHeptane},
    {res::IDC_CO2, kCarbonDioxide},     {res::IDC_H2S, kHydrogenSulfide},
};

// The order the live Sum adds the edits in: hydrogen before helium.
constexpr int kSumOrderEdits[] = {
    res::IDC_METHANE, res::IDC_ETHANE,   res::IDC_PROPANE,  res::IDC_ISOBUTANE, res::IDC_NBUTANE,
    res::IDC_ISOPENTANE, res::IDC_NPENTANE, res::IDC_NHEXANE, res::IDC_NHEPTANE, res::IDC_CO2,
    res::IDC_H2S,     res::IDC_NITROGEN, res::IDC_HYDROGEN, res::IDC_HELIUM,    res::IDC_OXYGEN};

constexpr double kSumTolerance = 0.0001;

}  // namespace

void CCalcDlg::ReadComposition() {
  presentList = PresentList{};
  int count = 0;
  auto markPresent = [&](int slot) {
    ++count;
    presentList.entries[static_cast<std::size_t>(count)] = static_cast<std::int8_t>(slot);
  };

  for (const SlotEdit& entry : kOwnSlotEdits) {
    const double value = ReadNumber(entry.edit);
    components[static_cast<std::size_t>(entry.slot)].moleFraction = value;
    if (value > 0.0) markPresent(entry.slot);
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
    surface_.ShowMessage("Mixture component sum not equal to 1.0 - Process aborted.", "Reading mixture",
                         MessageIcon::Error);
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
