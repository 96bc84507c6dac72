// The Save and Recall dialogs of mixture files: the type list, default
// suffix and initial name of res::MixtureFileFilters and the names beside it
// ("Mixture Files (*.dat)" selected, "All Files (*)"), no question before an
// existing file is replaced, and a question before the open dialog goes on
// with a file that does not exist.
#pragma once

#include <QFileDialog>
#include <optional>
#include <string>

#include "platform/dialog_surface.h"

namespace corvane::qt {

class MixtureFileDialog final : public QFileDialog {
  Q_OBJECT

 public:
  MixtureFileDialog(QWidget* owner, FileDialogKind kind);

  void accept() override;

 private:
  void FitColumns();
};

// Runs the dialog modally: the chosen path (in the file system's encoding),
// or nothing when it was cancelled.
std::optional<std::string> AskMixtureFile(QWidget* owner, FileDialogKind kind);

}  // namespace corvane::qt
