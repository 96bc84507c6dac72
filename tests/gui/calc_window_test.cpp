// The calculator window driven through its real widgets, under the
// "offscreen" platform. Wherever a result depends on the calculation, the
// window is compared with the same core run on the headless surface.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <clocale>
#include <cstdlib>
#include <memory>
#include <optional>

#include "gui_test_support.h"
#include "qt/about_dialog.h"
#include "qt/calc_app.h"
#include "qt/calc_window.h"
#include "qt/constants_dialog.h"
#include "qt/help_window.h"
#include "qt/mixture_file_dialog.h"

namespace corvane::qt::testing {

using namespace corvane::res;

class CalcWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<CalcWindow> window_;
  std::unique_ptr<Twin> twin_;

  QWidget* W(int id) const { return window_->Control(id); }
  QString Text(int id) const { return WidgetText(W(id)); }
  bool Checked(int id) const { return qobject_cast<QAbstractButton*>(W(id))->isChecked(); }

  // Types into an edit as a user does: select everything, then type over it.
  void TypeInto(int id, const QString& text) {
    auto* edit = qobject_cast<QLineEdit*>(W(id));
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
  }

  // Clicks a radio button or check box on its mark, as a user does.
  void Click(int id) { QTest::mouseClick(W(id), Qt::LeftButton, {}, QPoint(6, W(id)->height() / 2)); }

  std::vector<SeenMessage> Menu(int commandId) {
    return AnsweringMessages([&] { window_->MenuAction(commandId)->trigger(); });
  }

  // The first control whose text or check mark differs between the window
  // and the headless twin; empty when they agree on every control.
  QString DifferenceFromTwin() const {
    for (const ControlResource& control : CalculatorDialog().controls) {
      if (control.id == IDC_STATIC) continue;
      const QString shown = Text(control.id);
      const QString expected = QString::fromStdString(twin_->surface.GetText(control.id));
      if (shown != expected)
        return QStringLiteral("control %1 shows \"%2\", corvane-cli's core \"%3\"").arg(control.id).arg(shown, expected);
      const auto* button = qobject_cast<QAbstractButton*>(W(control.id));
      if (button != nullptr && button->isCheckable() && button->isChecked() != twin_->surface.IsChecked(control.id))
        return QStringLiteral("control %1 is checked differently").arg(control.id);
    }
    return {};
  }

  std::map<int, QString> AllTexts() const {
    std::map<int, QString> texts;
    for (const ControlResource& control : CalculatorDialog().controls)
      if (control.id != IDC_STATIC) texts[control.id] = Text(control.id);
    return texts;
  }

  QString SaveScreenshot(const QString& name, QWidget* widget = nullptr) {
    const QString dir = QStringLiteral(CORVANE_SCREENSHOT_DIR);
    QDir().mkpath(dir);
    const QPixmap picture = (widget != nullptr ? widget : window_.get())->grab();
    const QString path = QStringLiteral("%1/%2-%3x.png").arg(dir, name).arg(picture.devicePixelRatio());
    return picture.save(path) ? path : QString();
  }

  // Every text fits its control and no two controls overlap, apart from the
  // group boxes around them.
  QString LayoutProblem() const {
    const auto& entries = CalculatorDialog().controls;
    const std::vector<QWidget*>& widgets = window_->Controls().InTableOrder();
    std::vector<std::size_t> placed;
    for (std::size_t i = 0; i < entries.size(); ++i) {
      const QWidget* widget = widgets[i];
      const QFontMetrics metrics(widget->font());
      const QString text = WidgetText(widget).trimmed();
      int room = widget->width();
      const bool check = qobject_cast<const QCheckBox*>(widget) != nullptr;
      const bool radio = qobject_cast<const QRadioButton*>(widget) != nullptr;
      if (check || radio) {
        const QStyle* style = widget->style();
        room -= style->pixelMetric(check ? QStyle::PM_IndicatorWidth : QStyle::PM_ExclusiveIndicatorWidth, nullptr, widget) +
                style->pixelMetric(check ? QStyle::PM_CheckBoxLabelSpacing : QStyle::PM_RadioButtonLabelSpacing, nullptr, widget);
      } else if (entries[i].kind != ControlKind::Label && entries[i].kind != ControlKind::Static) {
        room -= 12;  // frames and margins of edits, buttons and group titles
      }
      // A path scrolls in its edit; everything else must show whole.
      const int needed = entries[i].id == IDC_REPORT_FILE ? 0 : metrics.horizontalAdvance(text);
      if (needed > room) return QStringLiteral("\"%1\" needs %2 pixels, has %3").arg(text).arg(needed).arg(room);
      if (entries[i].kind == ControlKind::GroupBox) continue;
      if (metrics.height() > widget->height())
        return QStringLiteral("\"%1\" is %2 pixels high, has %3").arg(text).arg(metrics.height()).arg(widget->height());
      for (std::size_t j : placed)
        if (widgets[j]->geometry().intersects(widget->geometry()))
          return QStringLiteral("\"%1\" overlaps \"%2\"").arg(text, WidgetText(widgets[j]));
      placed.push_back(i);
    }
    return {};
  }

 private slots:
  void init() {
    twin_ = std::make_unique<Twin>();
    window_ = std::make_unique<CalcWindow>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }

  void cleanup() {
    window_.reset();
    twin_.reset();
  }

  // The tests run under C and again under a comma-decimal locale; make sure
  // the second really has one.
  void localeIsTheOneAskedFor() {
    const char* expected = std::getenv("CORVANE_EXPECT_DECIMAL");
    if (expected == nullptr) QSKIP("no locale asked for");
    QVERIFY2(std::string(std::localeconv()->decimal_point) == expected,
             "the locale of this run is missing: generate it with localedef -i de_DE -f UTF-8 de_DE.UTF-8");
  }

  void startUpTextsAndTicks() {
    QCOMPARE(window_->windowTitle(), QStringLiteral("Equation of State and Properties Calculator, V1.0"));
    QCOMPARE(Text(IDC_PRESSURE), QStringLiteral("1000."));
    QCOMPARE(Text(IDC_TEMPERATURE), QStringLiteral("80."));
    QCOMPARE(Text(IDC_METHANE), QStringLiteral("0.96000"));
    QCOMPARE(Text(IDC_NITROGEN), QStringLiteral("0.00300"));
    QCOMPARE(Text(IDC_NHEXANE), QStringLiteral("0.00000"));
    QCOMPARE(Text(IDC_SUM), QStringLiteral("1.00000"));
    QCOMPARE(Text(IDC_METHOD_NOTE), QStringLiteral("Method and iterations note."));
    QCOMPARE(Text(IDC_REPORT_FILE), QDir::currentPath() + QStringLiteral("/corvanetest.txt"));
    for (int id : kResultStatics) QCOMPARE(Text(id), QString());

    QVERIFY(Checked(IDC_BWRS) && !Checked(IDC_PR) && !Checked(IDC_RKS));
    QVERIFY(Checked(IDC_FP) && !Checked(IDC_JC) && !Checked(IDC_NEWTON));
    for (int id : {IDC_POLYTROPIC_BOX, IDC_VISCOSITY_BOX, IDC_CP, IDC_JT}) QVERIFY(Checked(id));
    QVERIFY(!Checked(IDC_WRITE) && !Checked(IDC_APPEND));
    // The temperature edit has the focus, as in every face.
    QCOMPARE(QApplication::focusWidget(), W(IDC_TEMPERATURE));
    QCOMPARE(qobject_cast<QLineEdit*>(W(IDC_TEMPERATURE))->selectedText(), QStringLiteral("80."));
    QCOMPARE(twin_->surface.focus, IDC_TEMPERATURE);

    // The flat menu bar, in order, and no push button that Enter would press.
    QStringList menu;
    for (const MenuItemResource& item : CalculatorMenu()) menu << window_->MenuAction(item.commandId)->text();
    QCOMPARE(menu, (QStringList{"&Help", "&Run", "&View", "&About", "&Exit"}));
    for (int id : {IDC_RESET, IDC_SAVE, IDC_RECALL}) {
      auto* button = qobject_cast<QPushButton*>(W(id));
      QVERIFY(!button->isDefault() && !button->autoDefault());
    }
    QVERIFY2(DifferenceFromTwin().isEmpty(), qPrintable(DifferenceFromTwin()));
  }

  void typingAFractionUpdatesTheSum() {
    TypeInto(IDC_METHANE, QStringLiteral("0.95"));
    QCOMPARE(Text(IDC_SUM), QStringLiteral("0.99000"));
    TypeInto(IDC_HELIUM, QStringLiteral("1e-2"));
    QCOMPARE(Text(IDC_SUM), QStringLiteral("1.00000"));
    // A comma ends the number whatever the locale: "0,96" reads as 0.
    TypeInto(IDC_METHANE, QStringLiteral("0,96"));
    QCOMPARE(Text(IDC_SUM), QStringLiteral("0.05000"));
    // Every keystroke counts, as in the core: an edit emptied reads as 0.
    TypeInto(IDC_ETHANE, QString());
    QCOMPARE(Text(IDC_SUM), QStringLiteral("0.03000"));
  }

  void resetClearsEveryFraction() {
    QTest::mouseClick(W(IDC_RESET), Qt::LeftButton);
    for (int id : kCompositionEdits) QCOMPARE(Text(id), QStringLiteral("0.00"));
    QCOMPARE(Text(IDC_SUM), QStringLiteral("0.00000"));
    twin_->dlg.OnCommand(IDC_RESET);
    QVERIFY2(DifferenceFromTwin().isEmpty(), qPrintable(DifferenceFromTwin()));
  }

  // A pasted or set text longer than an edit holds is cut alike in both faces.
  void aLongTextIsCutToWhatAnEditHolds() {
    auto* edit = qobject_cast<QLineEdit*>(W(IDC_METHANE));
    edit->selectAll();
    edit->insert(QString(40000, QLatin1Char('1')));  // as a paste does
    window_->SetText(IDC_ETHANE, std::string(40000, '2'));
    QCOMPARE(Text(IDC_METHANE).size(), kEditTextLimit);
    QCOMPARE(Text(IDC_ETHANE).size(), kEditTextLimit);
    twin_->surface.SetText(IDC_METHANE, std::string(40000, '1'));
    twin_->surface.SetText(IDC_ETHANE, std::string(40000, '2'));
    QVERIFY2(DifferenceFromTwin().isEmpty(), qPrintable(DifferenceFromTwin()));
  }

  void runAtStartUpShowsWhatTheCliShows() {
    const std::vector<SeenMessage> seen = Menu(ID_RUN);
    twin_->dlg.OnCommand(ID_RUN);
    QVERIFY(seen == AsSeen(twin_->surface.messages));
    QVERIFY2(DifferenceFromTwin().isEmpty(), qPrintable(DifferenceFromTwin()));
    // Whatever the locale, numbers carry a point and never a comma.
    for (int id : kResultStatics) QVERIFY2(!Text(id).contains(QLatin1Char(',')), qPrintable(Text(id)));
    QVERIFY(!Text(IDC_PRESSURE).contains(QLatin1Char(',')));
  }

  void radioButtonsAndTicksWaitForTheNextRun() {
    const std::map<int, QString> before = AllTexts();
    for (int id : {IDC_PR, IDC_JC, IDC_VISCOSITY_BOX, IDC_WRITE, IDC_WRITE}) Click(id);
    QVERIFY(Checked(IDC_PR) && !Checked(IDC_BWRS) && Checked(IDC_JC) && !Checked(IDC_FP));
    QVERIFY(!Checked(IDC_VISCOSITY_BOX));
    QVERIFY(before == AllTexts());

    // The next run reads them, as the core does for the same clicks.
    twin_->surface.SetChecked(IDC_PR, true);
    twin_->surface.SetChecked(IDC_JC, true);
    twin_->surface.SetChecked(IDC_VISCOSITY_BOX, false);
    const std::vector<SeenMessage> seen = Menu(ID_RUN);
    twin_->dlg.OnCommand(ID_RUN);
    QVERIFY(seen == AsSeen(twin_->surface.messages));
    QVERIFY2(DifferenceFromTwin().isEmpty(), qPrintable(DifferenceFromTwin()));
  }

  void rejectedInputShowsItsMessageAndLeavesTheResults() {
    Menu(ID_RUN);
    std::map<int, QString> expected = AllTexts();

    TypeInto(IDC_PRESSURE, QStringLiteral("14.69"));
    std::vector<SeenMessage> seen = Menu(ID_RUN);
    QCOMPARE(seen.size(), std::size_t{1});
    QCOMPARE(seen[0].text, QStringLiteral("Pressure < 14.7 or > 3000.0 psia, run aborted"));
    QCOMPARE(seen[0].caption, QStringLiteral("User Inputs"));
    QCOMPARE(seen[0].icon, QMessageBox::Critical);
    // Only the typed pressure differs from what the first run left.
    expected[IDC_PRESSURE] = QStringLiteral("14.69");
    QVERIFY(AllTexts() == expected);

    TypeInto(IDC_PRESSURE, QStringLiteral("1000"));
    TypeInto(IDC_TEMPERATURE, QStringLiteral("300.01"));
    seen = Menu(ID_RUN);
    QCOMPARE(seen.size(), std::size_t{1});
    QCOMPARE(seen[0].text, QStringLiteral("Temperature < -100 or > 300 F, run aborted"));
    QCOMPARE(seen[0].caption, QStringLiteral("User Inputs"));
  }

  void viewBeforeAndAfterABwrsRun() {
    std::vector<SeenMessage> seen = Menu(ID_VIEW);
    QCOMPARE(seen.size(), std::size_t{1});
    QCOMPARE(seen[0].text, QStringLiteral("BWRS coefficients not yet computed."));
    QCOMPARE(seen[0].caption, QStringLiteral("View BWRS Coefficients"));
    QCOMPARE(seen[0].icon, QMessageBox::Critical);

    Menu(ID_RUN);
    twin_->dlg.OnCommand(ID_RUN);
    twin_->surface.messages.clear();
    twin_->dlg.OnCommand(ID_VIEW);

    std::vector<std::string> shownValues;
    QString title;
    seen.clear();
    WhileRunning([&] { window_->MenuAction(ID_VIEW)->trigger(); },
                 [&](QWidget* widget) {
                   if (auto* view = qobject_cast<ConstantsDialog*>(widget)) {
                     title = view->windowTitle();
                     for (int id : kConstantStatics) shownValues.push_back(view->Text(id));
                     QTest::keyClick(view, Qt::Key_Escape);
                   } else if (auto* box = qobject_cast<QMessageBox*>(widget)) {
                     seen.push_back({box->text(), box->windowTitle(), box->icon()});
                     box->button(QMessageBox::Ok)->click();
                   }
                 });
    if (twin_->surface.lastConstants) {
      QCOMPARE(title, QStringLiteral("View BWRS Constants"));
      QVERIFY(shownValues == std::vector<std::string>(twin_->surface.lastConstants->begin(),
                                                      twin_->surface.lastConstants->end()));
      QVERIFY(seen.empty());
    } else {
      // Until the mixing rules are in, a BWRS run leaves the constants at zero.
      QVERIFY(shownValues.empty());
      QVERIFY(seen == AsSeen(twin_->surface.messages));
    }
  }

  void constantsViewShowsItsRowsAndClosesByEnterEscapeOrCloseBox() {
    // Texts as wide as the view ever shows: up to sixteen digits.
    const std::array<std::string, 11> texts = {"0.723251",        "7520.29",  "271092000.",  "10723420000.",
                                               "2150573000000.3", "0.925397", "2574.89",     "47489.1",
                                               "0.468828",        "437222000.", "1.2345678e-005"};
    for (int way = 0; way < 3; ++way) {
      ConstantsDialog view(window_.get(), texts);
      QCOMPARE(view.windowTitle(), QStringLiteral("View BWRS Constants"));
      // Label and value, row by row, as the table places them.
      QStringList expected;
      for (std::size_t row = 0; row < texts.size(); ++row) {
        const std::string_view label = LabelBefore(res::ConstantsDialog(), kConstantStatics[row]);
        expected << QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size()))
                 << QString::fromStdString(texts[row]);
        QCOMPARE(view.Text(kConstantStatics[row]), texts[row]);
      }
      QStringList shown;
      for (const QLabel* label : view.findChildren<QLabel*>()) shown << label->text();
      QCOMPARE(shown, expected);
      QVERIFY(view.findChildren<QPushButton*>().isEmpty());
      if (way == 0) {
        view.show();
        SaveScreenshot(QStringLiteral("constants-view"), &view);
        view.hide();
      }
      const int abandoned = WhileRunning([&] { view.exec(); }, [&](QWidget* widget) {
        if (way == 0) QTest::keyClick(widget, Qt::Key_Return);
        if (way == 1) QTest::keyClick(widget, Qt::Key_Escape);
        if (way == 2) widget->close();
      });
      QCOMPARE(abandoned, 0);
      QVERIFY(!view.isVisible());
    }
  }

  void mixtureFileDialogsAsTheUserMeetsThem() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString startDir = QDir::currentPath();
    QDir::setCurrent(folder.path());
    auto restore = qScopeGuard([&] { QDir::setCurrent(startDir); });
    QFile present(folder.filePath(QStringLiteral("present.dat")));
    QVERIFY(present.open(QIODevice::WriteOnly));
    present.close();

    // Save: the settings, a pattern that names no file, then a name typed
    // without an extension.
    QStringList filters;
    QString selectedFilter, initialName, suffix, directory;
    bool saving = false, stayedOnPattern = false;
    std::optional<std::string> saved;
    WhileRunning([&] { saved = window_->AskMixtureFileName(FileDialogKind::Save); },
                 [&](QWidget* widget) {
                   auto* dialog = qobject_cast<QFileDialog*>(widget);
                   if (dialog == nullptr) return;
                   filters = dialog->nameFilters();
                   selectedFilter = dialog->selectedNameFilter();
                   suffix = dialog->defaultSuffix();
                   directory = dialog->directory().absolutePath();
                   saving = dialog->acceptMode() == QFileDialog::AcceptSave;
                   auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                   initialName = name->text();
                   QTest::keyClick(name, Qt::Key_Return);
                   stayedOnPattern = dialog->isVisible();
                   name->setText(QStringLiteral("mixture"));
                   QTest::keyClick(name, Qt::Key_Return);
                 });
    QCOMPARE(filters, (QStringList{"Mixture Files (*.dat)", "All Files (*)"}));
    QCOMPARE(selectedFilter, QStringLiteral("Mixture Files (*.dat)"));
    QCOMPARE(initialName, QStringLiteral("*.dat"));
    QCOMPARE(suffix, QStringLiteral("dat"));
    QCOMPARE(directory, QDir(folder.path()).absolutePath());
    QVERIFY(saving && stayedOnPattern);
    QCOMPARE(saved, std::optional<std::string>(folder.filePath(QStringLiteral("mixture.dat")).toStdString()));

    // Saving over an existing file is not questioned.
    int questions = 0;
    WhileRunning([&] { saved = window_->AskMixtureFileName(FileDialogKind::Save); },
                 [&](QWidget* widget) {
                   if (qobject_cast<QMessageBox*>(widget) != nullptr) ++questions;
                   auto* name = widget->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                   if (name == nullptr) return;
                   name->setText(QStringLiteral("present.dat"));
                   QTest::keyClick(name, Qt::Key_Return);
                 });
    QCOMPARE(questions, 0);
    QCOMPARE(saved, std::optional<std::string>(folder.filePath(QStringLiteral("present.dat")).toStdString()));

    // Open: a name that does not exist is asked about; "No" keeps the dialog.
    int step = 0;
    QString question;
    std::optional<std::string> opened;
    WhileRunning([&] { opened = window_->AskMixtureFileName(FileDialogKind::Open); },
                 [&](QWidget* widget) {
                   auto* name = widget->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                   if (auto* box = qobject_cast<QMessageBox*>(widget)) {
                     question = box->text();
                     box->button(QMessageBox::No)->click();
                   } else if (name != nullptr) {
                     name->setText(step == 0 ? QStringLiteral("missing") : QStringLiteral("present"));
                     QTest::keyClick(name, Qt::Key_Return);
                   }
                   ++step;
                 });
    QCOMPARE(question, QStringLiteral("missing.dat\nThis file does not exist.\nDo you want to create it?"));
    QCOMPARE(opened, std::optional<std::string>(folder.filePath(QStringLiteral("present.dat")).toStdString()));

    // "Yes" goes on with the name; Escape cancels.
    WhileRunning([&] { opened = window_->AskMixtureFileName(FileDialogKind::Open); },
                 [&](QWidget* widget) {
                   if (auto* box = qobject_cast<QMessageBox*>(widget)) {
                     box->button(QMessageBox::Yes)->click();
                   } else if (auto* name = widget->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
                     name->setText(QStringLiteral("missing"));
                     QTest::keyClick(name, Qt::Key_Return);
                   }
                 });
    QCOMPARE(opened, std::optional<std::string>(folder.filePath(QStringLiteral("missing.dat")).toStdString()));
    WhileRunning([&] { opened = window_->AskMixtureFileName(FileDialogKind::Open); },
                 [&](QWidget* widget) { QTest::keyClick(widget, Qt::Key_Escape); });
    QVERIFY(!opened.has_value());
  }

  void saveAndRecallThroughTheButtons() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString mixture = folder.filePath(QStringLiteral("mixture"));
    const auto answerWith = [](const QString& path) {
      return [path](QWidget* widget) {
        if (auto* name = widget->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
          name->setText(path);
          QTest::keyClick(name, Qt::Key_Return);
        }
      };
    };
    TypeInto(IDC_ETHANE, QStringLiteral("0.0123456789"));
    twin_->surface.SetText(IDC_ETHANE, "0.0123456789");
    WhileRunning([&] { QTest::mouseClick(W(IDC_SAVE), Qt::LeftButton); }, answerWith(mixture));
    twin_->surface.AnswerNextFileDialog(folder.filePath(QStringLiteral("twin")).toStdString());
    twin_->dlg.OnCommand(IDC_SAVE);
    QFile twinFile(folder.filePath(QStringLiteral("twin.dat")));
    if (!twinFile.exists()) QSKIP("the core does not save mixture files yet");
    QFile saved(mixture + QStringLiteral(".dat"));
    QVERIFY(saved.open(QIODevice::ReadOnly) && twinFile.open(QIODevice::ReadOnly));
    QCOMPARE(saved.size(), qint64{128});
    QCOMPARE(saved.readAll(), twinFile.readAll());

    // The saved mixture comes back over a changed one.
    TypeInto(IDC_METHANE, QStringLiteral("0.5"));
    twin_->surface.SetText(IDC_METHANE, "0.5");
    WhileRunning([&] { QTest::mouseClick(W(IDC_RECALL), Qt::LeftButton); }, answerWith(mixture));
    twin_->surface.AnswerNextFileDialog(folder.filePath(QStringLiteral("twin")).toStdString());
    twin_->dlg.OnCommand(IDC_RECALL);
    QCOMPARE(Text(IDC_METHANE), QStringLiteral("0.96000"));
    QCOMPARE(Text(IDC_ETHANE), QStringLiteral("0.01235"));
    QVERIFY2(DifferenceFromTwin().isEmpty(), qPrintable(DifferenceFromTwin()));

    // A cancelled dialog changes nothing.
    const std::map<int, QString> before = AllTexts();
    WhileRunning([&] { QTest::mouseClick(W(IDC_RECALL), Qt::LeftButton); },
                 [&](QWidget* widget) { QTest::keyClick(widget, Qt::Key_Escape); });
    QVERIFY(before == AllTexts());
  }

  void theApplicationRunsTheWindowModallyAndEndsWithIt() {
    window_.reset();
    CCalcApp app;
    bool answer = true;
    QString title;
    const int abandoned = WhileRunning([&] { answer = app.InitInstance(); },
                                       [&](QWidget* widget) {
                                         title = widget->windowTitle();
                                         QTest::keyClick(widget, Qt::Key_Escape);
                                       });
    QCOMPARE(abandoned, 0);
    QCOMPARE(title, QStringLiteral("Equation of State and Properties Calculator, V1.0"));
    QVERIFY(!answer);
  }

  void enterInAnEditEndsTheDialog() {
    QTest::keyClick(W(IDC_METHANE), Qt::Key_Return);
    QVERIFY(!window_->isVisible());
    QCOMPARE(window_->result(), IDOK);
  }

  void enterOnAFocusedButtonPressesIt() {
    W(IDC_RESET)->setFocus();
    QTest::keyClick(W(IDC_RESET), Qt::Key_Return);
    QVERIFY(window_->isVisible());
    QCOMPARE(Text(IDC_METHANE), QStringLiteral("0.00"));
  }

  void escapeExitAndTheCloseBoxEndTheDialog() {
    QTest::keyClick(W(IDC_PRESSURE), Qt::Key_Escape);
    QVERIFY(!window_->isVisible());
    QCOMPARE(window_->result(), IDCANCEL);

    init();
    window_->MenuAction(IDCANCEL)->trigger();
    QVERIFY(!window_->isVisible());
    QCOMPARE(window_->result(), IDCANCEL);

    init();
    QVERIFY(window_->close());
    QVERIFY(!window_->isVisible());
    QCOMPARE(window_->result(), IDCANCEL);
  }

  void textColoursByControlId() {
    const QColor standard = QApplication::palette().color(QPalette::WindowText);
    std::map<int, QColor> coloured;
    for (const TextColour& c : TextColours()) coloured[c.id] = QColor(c.red, c.green, c.blue);
    QCOMPARE(coloured[IDC_METHOD_NOTE], QColor(255, 0, 0));
    QCOMPARE(coloured[IDC_HELIUM_LABEL], QColor(0, 0, 255));
    QCOMPARE(coloured[IDC_MOLE_FR_HEADING], QColor(0, 150, 0));
    QCOMPARE(coloured[IDC_JOULE_THOMSON], QColor(0, 0, 128));
    QCOMPARE(coloured.size(), std::size_t{17});
    for (const ControlResource& control : CalculatorDialog().controls) {
      if (control.id == IDC_STATIC) continue;
      const QColor shown = W(control.id)->palette().color(QPalette::WindowText);
      const auto it = coloured.find(control.id);
      QCOMPARE(shown, it == coloured.end() ? standard : it->second);
    }
    // The colours stay whatever a run writes.
    Menu(ID_RUN);
    QCOMPARE(W(IDC_MOLAR_DENSITY)->palette().color(QPalette::WindowText), QColor(0, 0, 128));
  }

  void aboutBoxShowsTheVersion() {
    QString title;
    QStringList labels;
    bool okIsDefault = false;
    WhileRunning([&] { window_->MenuAction(IDM_ABOUTBOX)->trigger(); },
                 [&](QWidget* widget) {
                   auto* about = qobject_cast<AboutDialog*>(widget);
                   if (about == nullptr) return;
                   title = about->windowTitle();
                   for (auto* label : about->findChildren<QLabel*>())
                     if (!label->text().isEmpty()) labels << label->text();
                   okIsDefault = qobject_cast<QPushButton*>(about->Control(IDOK))->isDefault();
                   SaveScreenshot(QStringLiteral("about-box"), about);
                   QTest::keyClick(about, Qt::Key_Return);
                 });
    QCOMPARE(title, QStringLiteral("About Corvane"));
    QCOMPARE(labels, QStringList{QStringLiteral("Corvane Version 1.0")});
    QVERIFY(okIsDefault);
    QVERIFY(window_->isVisible());
  }

  void helpOpensTheManual() {
    window_->MenuAction(ID_HELP)->trigger();
    HelpWindow* help = window_->Help();
    QVERIFY(help != nullptr && help->isVisible());
    const QString manual = help->Browser()->toPlainText();
    for (const char* topic : {"Inputs and their ranges", "The three equations of state", "Root methods and the method note",
                              "Results and units", "The report file", "Mixture files", "14.7 to 3000.0"})
      QVERIFY2(manual.contains(QLatin1String(topic)), topic);
    SaveScreenshot(QStringLiteral("help-window"), help);
    // A second request brings the same window forward.
    window_->MenuAction(ID_HELP)->trigger();
    QCOMPARE(window_->Help(), help);
  }

  void layoutFitsEveryTextAfterARun() {
    Menu(ID_RUN);
    QVERIFY2(LayoutProblem().isEmpty(), qPrintable(LayoutProblem()));
    // The longest note any solver writes.
    window_->SetText(IDC_METHOD_NOTE, "BWRS Johnson-Culver, Liquid Root iterations - 100");
    QVERIFY2(LayoutProblem().isEmpty(), qPrintable(LayoutProblem()));
  }

  void layoutFitsEveryTextAtALargerFont() {
    const QFont normal = QApplication::font();
    QFont larger = normal;
    larger.setPointSizeF(normal.pointSizeF() * 1.5);
    QApplication::setFont(larger);
    auto restore = qScopeGuard([&] { QApplication::setFont(normal); });
    init();
    Menu(ID_RUN);
    QVERIFY2(LayoutProblem().isEmpty(), qPrintable(LayoutProblem()));
    QVERIFY(!SaveScreenshot(QStringLiteral("calculator-window-large-font")).isEmpty());
  }

  void screenshotAfterARunAtStartUp() {
    Menu(ID_RUN);
    const QString path = SaveScreenshot(QStringLiteral("calculator-window"));
    QVERIFY2(!path.isEmpty(), "the screenshot could not be written");
    qInfo("screenshot: %s", qPrintable(path));
  }
};

}  // namespace corvane::qt::testing

QTEST_MAIN(corvane::qt::testing::CalcWindowTest)
#include "calc_window_test.moc"
