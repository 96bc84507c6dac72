// Recall of a file of any length and content: the first 128 bytes (or as
// many as there are) replace the leading bytes of the reserved value and the
// fifteen fractions, and each composition edit then shows its fraction as
// printf's "%.5f" shows it in the C locale.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/calc_dlg.h"
#include "fuzz_sandbox.h"
#include "platform/headless_surface.h"
#include "res/dialogs.h"

namespace {

using Block = std::array<double, 16>;  // the reserved value, then the fractions in entry order

// The fifteen edits in the file's order.
constexpr std::array<int, 15> kFileOrderEdits = {
    corvane::res::IDC_METHANE,  corvane::res::IDC_ETHANE,     corvane::res::IDC_PROPANE,
    corvane::res::IDC_ISOBUTANE, corvane::res::IDC_NBUTANE,   corvane::res::IDC_ISOPENTANE,
    corvane::res::IDC_NPENTANE, corvane::res::IDC_NHEXANE,    corvane::res::IDC_NHEPTANE,
    corvane::res::IDC_CO2,      corvane::res::IDC_HYDROGEN,   corvane::res::IDC_H2S,
    corvane::res::IDC_HELIUM,   corvane::res::IDC_NITROGEN,   corvane::res::IDC_OXYGEN};

std::string PrintfFixed5(double value) {
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%.5f", value);
  std::string text(buffer);
  if (text == "-nan") text = "nan";
  return text;
}

struct Dialog {
  corvane::HeadlessSurface surface;
  corvane::CCalcDlg dlg{surface};
  Dialog() { dlg.OnInitDialog(); }
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  corvane::fuzz::EnterSandbox(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // One dialog for all inputs: each recall starts from what the last left.
  static Dialog* const dialog = new Dialog;
  corvane::CCalcDlg& dlg = dialog->dlg;

  Block expected;
  expected[0] = dlg.mixtureFileReserved;
  std::memcpy(&expected[1], dlg.entryFractions.data(), sizeof(double) * 15);
  std::memcpy(expected.data(), data, std::min(size, sizeof expected));  // little-endian host

  if (std::FILE* file = std::fopen("mixture.dat", "wb")) {
    if (size > 0) std::fwrite(data, 1, size, file);
    std::fclose(file);
  }
  dialog->surface.AnswerNextFileDialog("mixture.dat");
  dlg.OnCommand(corvane::res::IDC_RECALL);

  if (std::memcmp(&dlg.mixtureFileReserved, &expected[0], sizeof(double)) != 0) std::abort();
  if (std::memcmp(dlg.entryFractions.data(), &expected[1], sizeof(double) * 15) != 0) std::abort();
  for (std::size_t i = 0; i < kFileOrderEdits.size(); ++i)
    if (dialog->surface.GetText(kFileOrderEdits[i]) != PrintfFixed5(expected[i + 1])) std::abort();
  corvane::fuzz::EmptySandbox();
  return 0;
}
