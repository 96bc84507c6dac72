// Save and Recall: the entered mole fractions to and from a mixture file,
// with the reserved value that travels with them.
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "app/calc_dlg.h"
#include "files/file_access.h"
#include "files/file_replacement.h"
#include "files/mixture_file.h"
#include "text/number_text.h"

namespace corvane {

namespace {

// The file the user chose, with the mixture files' extension when it has none.
std::optional<std::string> WithExtension(std::optional<std::string> path) {
  if (path) path = WithMixtureExtension(std::move(*path));
  return path;
}

MixtureBlock BlockOf(double reserved, const std::array<double, 15>& fractions) {
  MixtureBlock block{};
  block[0] = reserved;
  for (std::size_t i = 0; i < fractions.size(); ++i) block[i + 1] = fractions[i];
  return block;
}

}  // namespace

void CCalcDlg::SaveMixture() {
  const std::optional<std::string> path = WithExtension(surface_.AskMixtureFileName(FileDialogKind::Save));
  if (!path) return;
  // Nothing changes, the fractions included, when the file cannot be created.
  std::optional<FileReplacement> file = FileReplacement::Begin(*path);
  if (!file) return;
  const auto& edits = EntryOrderEdits();
  for (std::size_t i = 0; i < edits.size(); ++i) entryFractions[i] = ReadNumber(edits[i]);
  // A disk that fills, or any failed write, leaves the old file as it was.
  const MixtureFileBytes bytes = EncodeMixtureBlock(BlockOf(mixtureFileReserved, entryFractions));
  if (file->Write(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()))) file->Finish();
}

void CCalcDlg::RecallMixture() {
  const std::optional<std::string> path = WithExtension(surface_.AskMixtureFileName(FileDialogKind::Open));
  if (!path) return;
  // A short file replaces only the leading bytes it holds.
  MixtureBlock block = BlockOf(mixtureFileReserved, entryFractions);
  if (!ReadMixtureFile(*path, block)) return;
  mixtureFileReserved = block[0];
  for (std::size_t i = 0; i < entryFractions.size(); ++i) entryFractions[i] = block[i + 1];
  // Each text set raises the edit's change notification, so the Sum follows.
  const auto& edits = EntryOrderEdits();
  for (std::size_t i = 0; i < edits.size(); ++i) surface_.SetText(edits[i], FormatFixed(entryFractions[i], 5));
}

}  // namespace corvane
