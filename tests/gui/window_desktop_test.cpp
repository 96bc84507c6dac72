// The calculator window as a desktop user expects it: focus and Tab, copying
// with the mouse and Ctrl+C, F1 and the help window's keys, a screen too
// small for the dialog, and the columns of the Open dialog. Driven through
// the real widgets under the "offscreen" platform.
#include <QClipboard>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTreeView>
#include <memory>

#include "gui_test_support.h"
#include "qt/calc_window.h"
#include "qt/help_window.h"

namespace corvane::qt::testing {

using namespace corvane::res;

class WindowDesktopTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<CalcWindow> window_;

  QWidget* W(int id) const { return window_->Control(id); }
  bool Checked(int id) const { return qobject_cast<QAbstractButton*>(W(id))->isChecked(); }
  QWidget* Focus() const { return QApplication::focusWidget(); }
  void Key(int key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(Focus() != nullptr ? Focus() : window_.get(), static_cast<Qt::Key>(key), modifiers);
  }

  void Screenshot(QWidget* widget, const QString& name) {
    const QString dir = QStringLiteral(CORVANE_SCREENSHOT_DIR);
    QDir().mkpath(dir);
    const QPixmap picture = widget->grab();
    QVERIFY(picture.save(QStringLiteral("%1/%2-%3x.png").arg(dir, name).arg(picture.devicePixelRatio())));
  }

 private slots:
  void init() {
    window_ = std::make_unique<CalcWindow>();
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  }
  void cleanup() { window_.reset(); }

  void focusStartsOnTemperatureAndTabStopsOnTheCheckedRadioButton() {
    QCOMPARE(Focus(), W(IDC_TEMPERATURE));
    // The pressure edit comes before it in the tab order.
    Key(Qt::Key_Backtab);
    QCOMPARE(Focus(), W(IDC_PRESSURE));
    Key(Qt::Key_Tab);
    QCOMPARE(Focus(), W(IDC_TEMPERATURE));
    Key(Qt::Key_Tab);
    QCOMPARE(Focus(), W(IDC_BWRS));
    Key(Qt::Key_Tab);
    QCOMPARE(Focus(), W(IDC_FP));  // past PR and RKS, onto the checked method

    // Choose RKS with the mouse, leave the group, and come back with Shift+Tab.
    QTest::mouseClick(W(IDC_RKS), Qt::LeftButton, {}, QPoint(6, W(IDC_RKS)->height() / 2));
    W(IDC_JC)->setFocus(Qt::MouseFocusReason);
    Key(Qt::Key_Backtab);
    QCOMPARE(Focus(), W(IDC_RKS));
    // Space on the focused, checked button changes nothing.
    Key(Qt::Key_Space);
    QVERIFY(Checked(IDC_RKS) && !Checked(IDC_BWRS) && !Checked(IDC_PR));
    // The arrow keys still move the choice within the group.
    Key(Qt::Key_Left);
    QVERIFY(Checked(IDC_PR) && !Checked(IDC_RKS));
  }

  void ctrlCCopiesTheWindowAsATableOrTheSelection() {
    // The start-up focus selects the temperature's text: Ctrl+C copies it.
    Key(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("80."));

    AnsweringMessages([&] { window_->MenuAction(ID_RUN)->trigger(); });
    W(IDC_PRESSURE)->setFocus();
    Key(Qt::Key_C, Qt::ControlModifier);
    // The very text the core composes for every face.
    Twin twin;
    twin.dlg.OnCommand(ID_RUN);
    twin.dlg.OnCommand(ID_COPY);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromStdString(twin.surface.clipboard));
    const QStringList lines = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& line : lines) QVERIFY2(line.count(QLatin1Char('\t')) == 2, qPrintable(line));
    // Pressure, temperature, two choices, the note, ten results, fifteen gases and the sum.
    QCOMPARE(lines.size(), 31);
    QCOMPARE(lines.first(), QStringLiteral("Pressure\t1000.0\tpsia"));
    QCOMPARE(lines[1], QStringLiteral("Temperature\t80.\tF"));
    QCOMPARE(lines[2], QStringLiteral("Equation of State to Use\tBWRS\t"));
    QVERIFY(lines.contains(QStringLiteral("Methane\t0.96000\t")));
    QVERIFY(lines.contains(QStringLiteral("Sum\t1.00000\t")));
    const QString density = WidgetText(W(IDC_MOLAR_DENSITY));
    QVERIFY(!density.isEmpty());
    QVERIFY(lines.contains(QStringLiteral("Molar Density\t%1\tlb mole/cubic ft").arg(density)));

    // A selection in an edit is the edit's own to copy.
    auto* methane = qobject_cast<QLineEdit*>(W(IDC_METHANE));
    methane->setFocus();
    methane->selectAll();
    Key(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("0.96000"));

    // A result dragged over with the mouse is selected; Ctrl+C copies just it.
    auto* result = qobject_cast<QLabel*>(W(IDC_COMPRESSIBILITY));
    const int y = result->height() / 2;
    QTest::mousePress(result, Qt::LeftButton, {}, QPoint(1, y));
    QTest::mouseMove(result, QPoint(result->width() - 1, y));
    QTest::mouseRelease(result, Qt::LeftButton, {}, QPoint(result->width() - 1, y));
    QCOMPARE(result->selectedText(), result->text());
    Key(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), result->text());
  }

  void f1OpensHelpWithBackForwardAndEscape() {
    Key(Qt::Key_F1);
    HelpWindow* help = window_->Help();
    QVERIFY(help != nullptr && help->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(help));
    help->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(help));
    QTextBrowser* browser = help->Browser();
    QVERIFY(!help->BackAction()->isEnabled() && !help->ForwardAction()->isEnabled());
    // The plots of the manual are in the resources beside it.
    for (const char* plot : {"accuracy-z-default.png", "accuracy-z-rich.png", "accuracy-cp-bwrs.png"})
      QVERIFY2(!QPixmap(QStringLiteral(":/help/") + QLatin1String(plot)).isNull(), plot);
    Screenshot(help, QStringLiteral("help-window-top"));

    // Follow the first link with the keyboard, then go back and forward.
    browser->setFocus();
    QTest::keyClick(browser, Qt::Key_Tab);
    QTest::keyClick(browser, Qt::Key_Return);
    const QUrl followed = browser->source();
    QVERIFY2(followed.hasFragment(), qPrintable(followed.toString()));
    QVERIFY(help->BackAction()->isEnabled());
    QTest::keyClick(browser, Qt::Key_Left, Qt::AltModifier);
    QVERIFY(!browser->source().hasFragment());
    QVERIFY(help->ForwardAction()->isEnabled());
    QTest::keyClick(browser, Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(browser->source(), followed);

    browser->setSource(QUrl(QStringLiteral("qrc:/help/corvane-help.html#accuracy")));
    Screenshot(help, QStringLiteral("help-window-accuracy"));
    QTest::keyClick(browser, Qt::Key_Escape);
    QVERIFY(!help->isVisible());
    QVERIFY(window_->isVisible());
  }

  void theWindowFitsTheScreenAndScrollsWhenItMust() {
    const QRect room = window_->screen()->availableGeometry();
    QVERIFY2(window_->width() <= room.width() && window_->height() <= room.height(),
             qPrintable(QStringLiteral("%1x%2 on %3x%4").arg(window_->width()).arg(window_->height())
                            .arg(room.width()).arg(room.height())));
    auto* scroll = window_->findChild<QScrollArea*>();
    QVERIFY(scroll != nullptr);
    const QSize client = scroll->widget()->size();
    const QSize view = scroll->viewport()->size();
    QCOMPARE(scroll->horizontalScrollBar()->isVisible(), client.width() > view.width());
    QCOMPARE(scroll->verticalScrollBar()->isVisible(), client.height() > view.height());
    // Tabbing to a control out of view scrolls it into view.
    W(IDC_REPORT_FILE)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(W(IDC_REPORT_FILE), Qt::Key_Tab);
    QWidget* now = Focus();
    QVERIFY(now != nullptr);
    const QRect shown(now->mapTo(scroll->viewport(), QPoint(0, 0)), now->size());
    QVERIFY(scroll->viewport()->rect().intersects(shown));
    Screenshot(window_.get(), QStringLiteral("calculator-window-fitted"));
  }

  void openDialogColumnsShowTheirTexts() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QFile file(folder.filePath(QStringLiteral("north-field-export-blend-with-a-long-descriptive-name.dat")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QString startDir = QDir::currentPath();
    QDir::setCurrent(folder.path());
    auto restore = qScopeGuard([&] { QDir::setCurrent(startDir); });

    QString problem = QStringLiteral("no dialog");
    WhileRunning([&] { window_->AskMixtureFileName(FileDialogKind::Open); },
                 [&](QWidget* widget) {
                   auto* view = widget->findChild<QTreeView*>(QStringLiteral("treeView"));
                   if (view == nullptr) return;
                   if (!QTest::qWaitFor([&] { return view->model()->rowCount(view->rootIndex()) > 0; })) return;
                   QTest::qWait(50);
                   problem.clear();
                   const QAbstractItemModel* model = view->model();
                   const QFontMetrics metrics(view->font());
                   const int icon = view->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, view) + 8;
                   QHeaderView* header = view->header();
                   int total = 0;
                   for (int c = 0; c < header->count(); ++c) {
                     const int width = header->sectionSize(c);
                     total += width;
                     // Every cell's text whole (the names with their icons), and the heading.
                     int needed = header->sectionSizeHint(c);
                     for (int r = 0; r < model->rowCount(view->rootIndex()); ++r) {
                       const QString text = model->index(r, c, view->rootIndex()).data().toString();
                       needed = qMax(needed, metrics.horizontalAdvance(text) + (c == 0 ? icon : 0));
                     }
                     if (width < needed) problem += QStringLiteral("column %1: %2 < %3; ").arg(c).arg(width).arg(needed);
                   }
                   if (total > view->viewport()->width())
                     problem += QStringLiteral("columns %1 wider than the list %2").arg(total).arg(view->viewport()->width());
                   Screenshot(widget, QStringLiteral("open-dialog"));
                   QTest::keyClick(widget, Qt::Key_Escape);
                 });
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
  }
};

}  // namespace corvane::qt::testing

QTEST_MAIN(corvane::qt::testing::WindowDesktopTest)
#include "window_desktop_test.moc"
