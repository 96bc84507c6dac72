// The Compare dialog of the Qt window, driven through the real menu item:
// a state a Run refuses opens nothing, the table shows what corvane-cli's
// core forms for the same inputs, Ctrl+C copies it, the charts are painted
// where the core's layout says, and Escape closes it.
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "gui_test_support.h"
#include "qt/calc_window.h"
#include "qt/chart_widget.h"
#include "qt/compare_dialog.h"
#include "views/compare_text.h"

namespace corvane::qt::testing {

using namespace corvane::res;

class CompareDialogTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<CalcWindow> window_;
  std::unique_ptr<Twin> twin_;

  void TypeInto(int id, const QString& text) {
    auto* edit = qobject_cast<QLineEdit*>(window_->Control(id));
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
    twin_->surface.SetText(id, text.toStdString());
  }

  // The rich gas at 500 psia and -80 F, typed into the window and the twin.
  void TypeRichGasState() {
    TypeInto(IDC_TEMPERATURE, "-80");
    TypeInto(IDC_PRESSURE, "500");
    for (auto [id, text] : {std::pair{IDC_METHANE, "0.80"}, {IDC_ETHANE, "0.10"}, {IDC_PROPANE, "0.05"},
                            {IDC_ISOBUTANE, "0.01"}, {IDC_NBUTANE, "0.01"}, {IDC_ISOPENTANE, "0"},
                            {IDC_NPENTANE, "0"}, {IDC_CO2, "0.015"}, {IDC_NITROGEN, "0.015"}})
      TypeInto(id, QString::fromLatin1(text));
  }

  void SaveScreenshot(QWidget* widget, const QString& name) {
    const QString dir = QStringLiteral(CORVANE_SCREENSHOT_DIR);
    QDir().mkpath(dir);
    const QPixmap picture = widget->grab();
    picture.save(QStringLiteral("%1/%2-%3x.png").arg(dir, name).arg(picture.devicePixelRatio()));
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

  void theMenuHasCompareAfterViewWithAMnemonicOfItsOwn() {
    QStringList texts;
    for (const MenuItemResource& item : CalculatorMenu()) texts << window_->MenuAction(item.commandId)->text();
    QCOMPARE(texts.indexOf(QStringLiteral("&Compare")), texts.indexOf(QStringLiteral("&View")) + 1);
    QSet<QChar> mnemonics;
    for (const QString& text : texts) mnemonics.insert(text.at(text.indexOf(QLatin1Char('&')) + 1).toLower());
    QCOMPARE(mnemonics.size(), texts.size());
  }

  void aRefusedStateOpensNothingAndShowsTheRunMessage() {
    TypeInto(IDC_PRESSURE, "10");
    bool opened = false;
    std::vector<SeenMessage> seen;
    WhileRunning([&] { window_->MenuAction(ID_COMPARE)->trigger(); },
                 [&](QWidget* modal) {
                   if (qobject_cast<CompareDialog*>(modal) != nullptr) {
                     opened = true;
                     qobject_cast<QDialog*>(modal)->reject();
                   } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                     seen.push_back({box->text(), box->windowTitle(), box->icon()});
                     box->button(QMessageBox::Ok)->click();
                   }
                 });
    QVERIFY(!opened);
    twin_->dlg.OnCommand(ID_COMPARE);
    QCOMPARE(seen, AsSeen(twin_->surface.messages));
    QCOMPARE(seen.size(), std::size_t{1});
  }

  void theTableIsTheCoreOnesCopiesAndCloses() {
    TypeRichGasState();
    twin_->dlg.OnCommand(ID_COMPARE);
    QVERIFY(twin_->surface.lastCompare.has_value());
    const CompareView& expected = *twin_->surface.lastCompare;
    bool checked = false;
    WhileRunning([&] { window_->MenuAction(ID_COMPARE)->trigger(); },
                 [&](QWidget* modal) {
                   auto* dialog = qobject_cast<CompareDialog*>(modal);
                   if (dialog == nullptr) return;
                   QCOMPARE(dialog->windowTitle(), QStringLiteral("Compare Equations of State"));
                   for (int row = 0; row < kCompareRowCount; ++row)
                     for (int column = 0; column < 4; ++column)
                       QCOMPARE(dialog->Text(CompareValueId(row, column)),
                                expected.rows[static_cast<std::size_t>(row)].values[static_cast<std::size_t>(column)]);
                   for (std::size_t line = 0; line < expected.lines.size(); ++line)
                     QCOMPARE(dialog->Text(IDC_COMPARE_LINE_FIRST + static_cast<int>(line)), expected.lines[line]);

                   QTest::keyClick(dialog, Qt::Key_C, Qt::ControlModifier);
                   QCOMPARE(QApplication::clipboard()->text().toStdString(), CompareTableText(expected));

                   SaveScreenshot(dialog, QStringLiteral("compare"));
                   // Each equation's line is painted where the core's layout puts it.
                   ChartWidget* chart = dialog->Chart(IDC_COMPARE_Z_CHART);
                   QVERIFY(chart != nullptr);
                   const QImage picture = chart->grab().toImage();
                   const ChartDrawing drawing = chart->LaidOut();
                   // A line drawn later may cover it where two equations agree.
                   for (std::size_t i = 0; i < expected.zChart.series.size(); ++i) {
                     const ChartSeries& series = expected.zChart.series[i];
                     std::vector<QColor> allowed;
                     for (std::size_t j = i; j < expected.zChart.series.size(); ++j) {
                       const ChartColour& c = expected.zChart.series[j].colour;
                       allowed.emplace_back(c.red, c.green, c.blue);
                     }
                     int found = 0, looked = 0;
                     for (const DrawnLine& line : drawing.lines) {
                       if (!(line.colour == series.colour) || line.width != 2 || line.points.size() < 2) continue;
                       for (std::size_t k = 1; k < line.points.size(); ++k) {
                         const PixelPoint a = line.points[k - 1], b = line.points[k];
                         const QPoint mid((a.x + b.x) / 2, (a.y + b.y) / 2);
                         ++looked;
                         bool seen = false;
                         for (int dx = -1; dx <= 1 && !seen; ++dx)
                           for (int dy = -1; dy <= 1 && !seen; ++dy) {
                             // The picture has the screen's pixels, the layout logical ones.
                             const QPointF at = QPointF(mid) * picture.devicePixelRatio() + QPointF(dx, dy);
                             const QColor got = picture.pixelColor(at.toPoint());
                             for (const QColor& want : allowed)
                               seen = seen || std::abs(got.red() - want.red()) + std::abs(got.green() - want.green()) +
                                                      std::abs(got.blue() - want.blue()) < 60;
                           }
                         if (seen) ++found;
                       }
                     }
                     QVERIFY2(looked > 0 && found * 10 >= looked * 9, qPrintable(QString::fromStdString(series.name)));
                   }
                   QTest::keyClick(dialog, Qt::Key_Escape);
                   checked = true;
                 });
    QVERIFY(checked);
    QVERIFY(QApplication::activeModalWidget() == nullptr || QApplication::activeModalWidget() == window_.get());
  }
};

}  // namespace corvane::qt::testing

QTEST_MAIN(corvane::qt::testing::CompareDialogTest)
#include "compare_dialog_test.moc"
