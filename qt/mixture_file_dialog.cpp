#include "qt/mixture_file_dialog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QMessageBox>
#include <QScreen>
#include <QTreeView>

#include "qt/dialog_controls.h"
#include "res/dialogs.h"

namespace corvane::qt {

MixtureFileDialog::MixtureFileDialog(QWidget* owner, FileDialogKind kind) : QFileDialog(owner) {
  // Qt's own dialog on every desktop, so the questions below are always asked.
  setOption(QFileDialog::DontUseNativeDialog);
  setOption(QFileDialog::DontConfirmOverwrite);
  setAcceptMode(kind == FileDialogKind::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  setFileMode(QFileDialog::AnyFile);
  QStringList filters;
  for (const res::FileFilter& filter : res::MixtureFileFilters())
    filters << QStringLiteral("%1 (%2)").arg(ToQString(filter.name), filter.pattern.empty() ? QStringLiteral("*")
                                                                                           : ToQString(filter.pattern));
  setNameFilters(filters);
  selectNameFilter(filters.first());
  setDefaultSuffix(ToQString(res::kMixtureFileExtension));
  setDirectory(QDir::currentPath());
  selectFile(ToQString(res::kMixtureFileInitialName));
  // The list with its columns, each as wide as its texts once the folder
  // has been read (the model reads it in the background).
  setViewMode(QFileDialog::Detail);
  if (auto* model = findChild<QFileSystemModel*>())
    connect(model, &QFileSystemModel::directoryLoaded, this, &MixtureFileDialog::FitColumns);
}

void MixtureFileDialog::FitColumns() {
  // The detail list is the dialog's one tree view: found by its kind, not
  // by the private name Qt gives it.
  auto* view = findChild<QTreeView*>();
  if (view == nullptr) return;
  int needed = 0;
  for (int column = 0; column < view->header()->count(); ++column) {
    view->resizeColumnToContents(column);
    needed += view->header()->sectionSize(column);
  }
  // Widen the dialog, within the screen, so every column shows at once.
  const int missing = needed - view->viewport()->width();
  if (missing > 0) {
    int wider = width() + missing;
    if (const QScreen* where = screen()) wider = qMin(wider, where->availableGeometry().width());
    resize(wider, height());
  }
}

void MixtureFileDialog::accept() {
  const QStringList files = selectedFiles();
  // A name with wildcards is a pattern, not a file: "*.dat" left as it was
  // must not become a file of that name.
  for (const QString& file : files) {
    const QString name = QFileInfo(file).fileName();
    if (name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'))) return;
  }
  if (acceptMode() == QFileDialog::AcceptOpen && files.size() == 1) {
    const QFileInfo info(files.first());
    if (!info.exists()) {
      const QString question = QStringLiteral("%1\nThis file does not exist.\nDo you want to create it?");
      QMessageBox ask(QMessageBox::Question, windowTitle(), question.arg(info.fileName()),
                      QMessageBox::Yes | QMessageBox::No, this);
      ask.setTextFormat(Qt::PlainText);
      ask.setDefaultButton(QMessageBox::Yes);
      if (ask.exec() != QMessageBox::Yes) return;
    }
  }
  QFileDialog::accept();
}

std::optional<std::string> AskMixtureFile(QWidget* owner, FileDialogKind kind) {
  MixtureFileDialog dialog(owner, kind);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList files = dialog.selectedFiles();
  if (files.isEmpty()) return std::nullopt;
  return QFile::encodeName(files.first()).toStdString();
}

}  // namespace corvane::qt
