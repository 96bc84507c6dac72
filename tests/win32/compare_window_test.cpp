// The Compare dialog of the real corvane.exe, opened from its menu item
// through window messages: a state a Run refuses opens nothing, the table
// reads what corvane-cli.exe prints for the same inputs, Ctrl+C copies it,
// each equation's line is painted where the core's layout puts it, and
// Escape or Enter closes it; at 100 % and at 150 %.
#include "window_fixture.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <vector>

#include "views/chart.h"
#include "views/compare_text.h"

namespace corvane::win32_test {
namespace {

namespace fs = std::filesystem;
using namespace corvane::res;

const std::wstring kCompare = L"Compare Equations of State";

struct TypedText {
  const char* scriptName;
  int id;
  const char* text;
};

// A rich gas at 500 psia and -80 F, where the equations part ways.
constexpr TypedText kRichGasState[] = {
    {"temperature", IDC_TEMPERATURE, "-80"}, {"pressure", IDC_PRESSURE, "500"}, {"methane", IDC_METHANE, "0.80"},
    {"ethane", IDC_ETHANE, "0.10"},          {"propane", IDC_PROPANE, "0.05"},  {"isobutane", IDC_ISOBUTANE, "0.01"},
    {"nbutane", IDC_NBUTANE, "0.01"},        {"isopentane", IDC_ISOPENTANE, "0"}, {"npentane", IDC_NPENTANE, "0"},
    {"co2", IDC_CO2, "0.015"},               {"nitrogen", IDC_NITROGEN, "0.015"},
};

// What corvane-cli.exe, run as a program of its own, prints for a script.
std::string CliOutput(const fs::path& folder, const std::string& script) {
  const fs::path scriptFile = folder / "compare-script.txt";
  const fs::path outputFile = folder / "compare-output.txt";
  std::ofstream(scriptFile, std::ios::binary) << script;
  SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
  HANDLE output = ::CreateFileW(outputFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherited, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
  if (output == INVALID_HANDLE_VALUE) return {};
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = output;
  startup.hStdError = output;
  const std::wstring program = (ProgramFolder() / "corvane-cli.exe").wstring();
  std::wstring commandLine = L"\"" + program + L"\" \"" + scriptFile.wstring() + L"\"";
  PROCESS_INFORMATION process{};
  const bool started = ::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                                        nullptr, folder.c_str(), &startup, &process);
  ::CloseHandle(output);
  if (!started) return {};
  ::WaitForSingleObject(process.hProcess, 60000);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  std::ifstream in(outputFile, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The Compare dialog's table and lines as its statics read, in the form
// corvane-cli prints them.
std::string ShownTable(HWND compare) {
  std::string text;
  for (int column = 0; column < 4; ++column) text += '\t' + TextOf(compare, IDC_COMPARE_HEADING_FIRST + column);
  text += "\t\n";
  for (int row = 0; row < kCompareRowCount; ++row) {
    text += TextOf(compare, IDC_COMPARE_LABEL_FIRST + row);
    for (int column = 0; column < 4; ++column) text += '\t' + TextOf(compare, CompareValueId(row, column));
    text += '\t' + TextOf(compare, IDC_COMPARE_UNIT_FIRST + row) + '\n';
  }
  for (int line = 0; line < kCompareLineCount; ++line)
    if (const std::string shown = TextOf(compare, IDC_COMPARE_LINE_FIRST + line); !shown.empty())
      text += "line: " + shown + '\n';
  return text;
}

// Every static's text fits it in the dialog's font at `dpi`, wrapped at
// its width as the static wraps it: a one-line static holds one line.
void ExpectEveryCompareTextFits(HWND compare, int dpi) {
  HDC screen = ::GetDC(nullptr);
  HFONT font = CreateDialogFont(CompareDialog(), dpi);
  HGDIOBJ previous = ::SelectObject(screen, font);
  for (HWND child : Children(compare)) {
    const std::wstring text = fs::path(TextOf(child)).wstring();
    if (text.empty()) continue;
    RECT client, needed;
    ::GetClientRect(child, &client);
    needed = client;
    ::DrawTextW(screen, text.c_str(), static_cast<int>(text.size()), &needed,
                DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL);
    EXPECT_LE(needed.right, client.right) << TextOf(child);
    EXPECT_LE(needed.bottom, client.bottom) << TextOf(child);
  }
  ::SelectObject(screen, previous);
  ::DeleteObject(font);
  ::ReleaseDC(nullptr, screen);
}

// The Z chart as the core lays it out on the chart static at `dpi`: its
// size, and the dialog font's average character width and line height.
ChartDrawing ExpectedLayout(HWND chart, const ChartContent& content, int dpi) {
  RECT client;
  ::GetClientRect(chart, &client);
  HDC screen = ::GetDC(nullptr);
  HFONT font = CreateDialogFont(CompareDialog(), dpi);
  HGDIOBJ previous = ::SelectObject(screen, font);
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(screen, &metrics);
  ::SelectObject(screen, previous);
  ::DeleteObject(font);
  ::ReleaseDC(nullptr, screen);
  return DrawChart(content, {client.right, client.bottom, metrics.tmAveCharWidth, metrics.tmHeight});
}

COLORREF Colour(const ChartColour& c) { return RGB(c.red, c.green, c.blue); }

// How many of the midpoints of the series' drawn segments show its colour,
// or that of a series drawn after it (which covers it where two equations
// agree), within a pixel; how many its own colour; and how many midpoints
// there are.
struct SeriesSeen {
  int found = 0;
  int own = 0;
  int looked = 0;
};
SeriesSeen LookForSeries(const Capture& capture, const RECT& place, const ChartContent& content,
                         const ChartDrawing& drawing, std::size_t index) {
  const ChartSeries& series = content.series[index];
  SeriesSeen seen;
  for (const DrawnLine& line : drawing.lines) {
    if (!(line.colour == series.colour) || line.width != 2) continue;
    for (std::size_t k = 1; k < line.points.size(); ++k) {
      const PixelPoint a = line.points[k - 1], b = line.points[k];
      const LONG x = place.left + (a.x + b.x) / 2, y = place.top + (a.y + b.y) / 2;
      const RECT around{x - 1, y - 1, x + 2, y + 2};
      ++seen.looked;
      seen.own += capture.HasColour(around, Colour(series.colour));
      for (std::size_t later = index; later < content.series.size(); ++later) {
        if (capture.HasColour(around, Colour(content.series[later].colour))) {
          ++seen.found;
          break;
        }
      }
    }
  }
  return seen;
}

// How the Compare command is chosen: the menu bar's "&Compare" by its
// mnemonic, Alt+C, as the keyboard finds it (Wine keeps a window's menus
// inside its process, so another cannot click their items), or its command
// as a click on the item posts it.
enum class Choose { AltC, Command };

// What both scales check: the dialog opened from the menu, its texts, the
// copy, the chart's pixels, a screenshot, and Escape or Enter closing it.
void CheckCompareDialog(CalculatorProcess& calculator, const fs::path& folder, int dpi, const std::wstring& shot,
                        Choose choose, WPARAM closingKey, bool scrolls) {
  HWND dialog = calculator.Dialog();
  ASSERT_NE(dialog, nullptr);
  std::string script;
  HeadlessTwin twin;
  for (const TypedText& typed : kRichGasState) {
    calculator.Type(typed.id, typed.text);
    twin.surface.SetText(typed.id, typed.text);
    script += std::string("set ") + typed.scriptName + ' ' + typed.text + '\n';
  }
  twin.dlg.OnCommand(ID_COMPARE);
  ASSERT_TRUE(twin.surface.lastCompare.has_value());
  const CompareView& expected = *twin.surface.lastCompare;

  if (choose == Choose::AltC) {
    ::PostMessageW(dialog, WM_SYSCOMMAND, SC_KEYMENU, 'c');
  } else {
    calculator.Menu(ID_COMPARE);
  }
  HWND compare = calculator.WaitForWindow(kCompare, std::chrono::seconds(30));
  ASSERT_NE(compare, nullptr) << "no Compare dialog";
  EXPECT_EQ(::GetWindow(compare, GW_OWNER), dialog);
  EXPECT_FALSE(::IsWindowEnabled(dialog)) << "modal";

  // The phase check comes once the dialog is up: its pending line gives way.
  for (int wait = 0; wait < 300 && TextOf(compare, IDC_COMPARE_LINE_FIRST) == kPhaseCheckPending; ++wait) ::Sleep(50);
  EXPECT_NE(TextOf(compare, IDC_COMPARE_LINE_FIRST), kPhaseCheckPending);

  // The table and lines are what corvane-cli.exe prints, its chart the core's.
  const std::string cli = CliOutput(folder, script + "compare\n");
  const std::string table = ShownTable(compare);
  EXPECT_EQ(cli.substr(0, table.size()), table);
  EXPECT_EQ(cli.substr(std::min(cli.size(), table.size())),
            ChartText(expected.zChart) + (expected.envelopeChart ? ChartText(*expected.envelopeChart) : ""));
  EXPECT_EQ(TextOf(compare, CompareValueId(0, 3)), expected.rows[0].values[3]);
  ASSERT_FALSE(TextOf(compare, CompareValueId(0, 0)).empty());

  // Ctrl+C: the table as tab-separated lines, as the core composes them.
  SetClipboardText("");
  calculator.Press('C', true, compare);
  EXPECT_EQ(ClipboardText(), WithCrLf(CompareTableText(expected)));
  EXPECT_TRUE(::IsWindow(compare)) << "Ctrl+C leaves it open";

  // The dialog lies on the screen, wholly; where it is too tall for it, its
  // scroll bar reaches the chart at the bottom.
  ExpectInsideTheWorkArea(compare);
  EXPECT_EQ((::GetWindowLongW(compare, GWL_STYLE) & WS_VSCROLL) != 0, scrolls);
  if (scrolls) {
    Screenshot(compare, shot + L"-top");
    ::SendMessageW(compare, WM_VSCROLL, SB_BOTTOM, 0);
    calculator.Settle();
  }

  // Each equation's line where the core's layout of the chart puts it.
  HWND chart = ::GetDlgItem(compare, IDC_COMPARE_Z_CHART);
  ASSERT_NE(chart, nullptr);
  const RECT place = PlaceInWindow(compare, chart);
  const ChartDrawing drawing = ExpectedLayout(chart, expected.zChart, dpi);
  const auto allSeen = [&](const Capture& capture) {
    for (std::size_t i = 0; i < expected.zChart.series.size(); ++i) {
      const SeriesSeen seen = LookForSeries(capture, place, expected.zChart, drawing, i);
      if (seen.looked == 0 || seen.own == 0 || seen.found * 10 < seen.looked * 9) return false;
    }
    return true;
  };
  const Capture capture = CaptureWhenPainted(calculator, compare, allSeen);
  for (std::size_t i = 0; i < expected.zChart.series.size(); ++i) {
    const SeriesSeen seen = LookForSeries(capture, place, expected.zChart, drawing, i);
    EXPECT_GT(seen.looked, 0) << expected.zChart.series[i].name;
    EXPECT_GE(seen.found * 10, seen.looked * 9) << expected.zChart.series[i].name << ": " << seen.found << " of "
                                                << seen.looked;
    EXPECT_GT(seen.own, 0) << expected.zChart.series[i].name;
  }
  // Where no line runs, the plot is white: the top right corner of a Z
  // chart whose lines fall with pressure from Z = 1.
  const RECT corner{place.left + drawing.plotRight - 6, place.top + drawing.plotTop + 2,
                    place.left + drawing.plotRight - 2, place.top + drawing.plotTop + 6};
  for (const ChartSeries& series : expected.zChart.series)
    EXPECT_FALSE(capture.HasColour(corner, Colour(series.colour))) << series.name;

  Screenshot(compare, scrolls ? shot + L"-bottom" : shot);
  ExpectEveryCompareTextFits(compare, dpi);

  calculator.Key(compare, closingKey);
  calculator.Settle();
  EXPECT_FALSE(::IsWindow(compare)) << "key " << closingKey;
  EXPECT_TRUE(::IsWindowEnabled(dialog));
}

TEST_F(Window, ARefusedStateOpensNoCompareDialogAndShowsTheRunMessage) {
  CalculatorProcess calculator = Start();
  ASSERT_NE(calculator.Dialog(), nullptr);
  calculator.Type(IDC_PRESSURE, "10");
  calculator.Menu(ID_RUN);
  const Answered run = AnswerMessage(calculator, L"User Inputs", nullptr);
  calculator.Menu(ID_COMPARE);
  const Answered compare = AnswerMessage(calculator, L"User Inputs", nullptr);
  EXPECT_EQ(compare.text, run.text);
  EXPECT_TRUE(compare.iconIsError);
  EXPECT_FALSE(compare.text.empty());
  EXPECT_EQ(calculator.WaitForWindow(kCompare, std::chrono::seconds(1)), nullptr);
  EXPECT_TRUE(::IsWindowEnabled(calculator.Dialog()));

  // The script's compare prints the same message box, and no table.
  const std::string script = Headless("set pressure 10\ncompare\n");
  EXPECT_EQ(script, "message: error | User Inputs | " + compare.text + "\n");
}

TEST_F(Window, TheCompareDialogShowsCopiesAndDrawsWhatTheCoreForms) {
  CalculatorProcess calculator = Start();
  HDC screen = ::GetDC(nullptr);
  const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
  ::ReleaseDC(nullptr, screen);
  CheckCompareDialog(calculator, folder_, dpi, L"compare", Choose::AltC, VK_ESCAPE, false);
}

TEST_F(SmallScreen, TheCompareDialogAtOneAndAHalfTimesTheScale) {
  CalculatorProcess calculator = Start();
  CheckCompareDialog(calculator, folder_, kDpi, L"compare-150", Choose::Command, VK_RETURN, true);
}

}  // namespace
}  // namespace corvane::win32_test
