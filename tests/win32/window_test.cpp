// The real corvane.exe under test: started, driven through window messages
// as a user's clicks and keys arrive, and compared with its headless twin.
// Screenshots of its windows go to screenshots/ in the working directory.
#include "window_fixture.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace corvane::win32_test {
namespace {

namespace fs = std::filesystem;
using namespace corvane::res;

TEST_F(Window, StartsWithTheTablesTextsTicksAndColours) {
  CalculatorProcess calculator = Start();
  HWND dialog = calculator.Dialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(TextOf(dialog, IDC_TEMPERATURE), "80.");
  EXPECT_EQ(TextOf(dialog, IDC_PRESSURE), "1000.");
  EXPECT_EQ(TextOf(dialog, IDC_METHANE), "0.96000");
  EXPECT_EQ(TextOf(dialog, IDC_NHEXANE), "0.00000");
  EXPECT_EQ(TextOf(dialog, IDC_SUM), "1.00000");
  EXPECT_EQ(fs::path(TextOf(dialog, IDC_REPORT_FILE)), folder_ / "corvanetest.txt");
  EXPECT_TRUE(TextOf(dialog, IDC_REPORT_FILE).ends_with("\\corvanetest.txt"));
  for (int id : {IDC_BWRS, IDC_FP, IDC_POLYTROPIC_BOX, IDC_VISCOSITY_BOX, IDC_CP, IDC_JT})
    EXPECT_EQ(::IsDlgButtonChecked(dialog, id), BST_CHECKED) << id;
  for (int id : {IDC_PR, IDC_RKS, IDC_JC, IDC_NEWTON, IDC_WRITE, IDC_APPEND})
    EXPECT_EQ(::IsDlgButtonChecked(dialog, id), BST_UNCHECKED) << id;
  // The temperature edit has the focus, its text selected, as in every face.
  EXPECT_EQ(calculator.Focus(), calculator.Control(IDC_TEMPERATURE));
  DWORD start = 1, end = 0;
  ::SendMessageW(calculator.Control(IDC_TEMPERATURE), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 3u);
  EXPECT_EQ(HeadlessTwin().surface.focus, IDC_TEMPERATURE);

  Screenshot(dialog, L"window-start");
  auto shown = [&](const Capture& capture, const TextColour& colour) {
    return capture.HasColour(PlaceInWindow(dialog, calculator.Control(colour.id)),
                             RGB(colour.red, colour.green, colour.blue));
  };
  const Capture capture = CaptureWhenPainted(calculator, dialog, [&](const Capture& look) {
    for (const TextColour& colour : TextColours())
      if (!TextOf(dialog, colour.id).empty() && !shown(look, colour)) return false;
    return true;
  });
  for (const TextColour& colour : TextColours()) {
    if (TextOf(dialog, colour.id).empty()) continue;  // the result statics before a run
    EXPECT_TRUE(shown(capture, colour)) << "control " << colour.id;
  }

  ExpectEveryTextFits(dialog);
}

// Wine keeps a window's menus inside its process, so the system menu is
// opened as Alt+Space opens it and shown in a screenshot, not read.
TEST_F(Window, TheSystemMenuOpensForItsScreenshot) {
  CalculatorProcess calculator = Start();
  ASSERT_NE(calculator.Dialog(), nullptr);
  ::PostMessageW(calculator.Dialog(), WM_SYSCOMMAND, SC_KEYMENU, ' ');
  HWND popup = nullptr;
  for (int attempt = 0; attempt < 50 && popup == nullptr; ++attempt) {
    ::Sleep(100);
    popup = ::FindWindowW(L"#32768", nullptr);  // the class of menu pop-ups
  }
  ASSERT_NE(popup, nullptr);
  RECT menu, frame;
  ::GetWindowRect(popup, &menu);
  ::GetWindowRect(calculator.Dialog(), &frame);
  ::UnionRect(&frame, &frame, &menu);
  Screenshot(frame, L"system-menu");
}

TEST_F(Window, TypingUpdatesTheSumAndResetClearsTheFractions) {
  CalculatorProcess calculator = Start();
  ASSERT_NE(calculator.Dialog(), nullptr);
  calculator.Type(IDC_METHANE, "0.5");
  EXPECT_EQ(TextOf(calculator.Dialog(), IDC_SUM), "0.54000");
  calculator.Type(IDC_ETHANE, "x");
  EXPECT_EQ(TextOf(calculator.Dialog(), IDC_SUM), "0.52000");
  calculator.Click(IDC_RESET);
  calculator.Settle();
  for (int id : kCompositionEdits) EXPECT_EQ(TextOf(calculator.Dialog(), id), "0.00");
  EXPECT_EQ(TextOf(calculator.Dialog(), IDC_SUM), "0.00000");
}

TEST_F(Window, RunViewAndAboutShowWhatTheHeadlessTwinShows) {
  CalculatorProcess calculator = Start();
  HWND dialog = calculator.Dialog();
  ASSERT_NE(dialog, nullptr);

  // View before any BWRS run: its message, with the error icon.
  calculator.Menu(ID_VIEW);
  const Answered refused = AnswerMessage(calculator, L"View BWRS Coefficients", nullptr);
  EXPECT_EQ(refused.text, "BWRS coefficients not yet computed.");
  EXPECT_TRUE(refused.iconIsError);

  // Alt+R: the menu bar's "&Run", found by its mnemonic as the keyboard
  // finds it. (Wine keeps a window's menus inside its process: another
  // process cannot read their items.)
  ::PostMessageW(dialog, WM_SYSCOMMAND, SC_KEYMENU, 'r');
  calculator.Settle();
  const std::string twin = Headless("run\nshow\n");
  EXPECT_TRUE(Contains(twin, "pressure: " + TextOf(dialog, IDC_PRESSURE)));
  EXPECT_TRUE(Contains(twin, "note: " + TextOf(dialog, IDC_METHOD_NOTE))) << TextOf(dialog, IDC_METHOD_NOTE);
  for (int id : kResultStatics) {
    const std::string row = std::string(LabelBefore(CalculatorDialog(), id)) + TextOf(dialog, id);
    EXPECT_TRUE(Contains(twin, row)) << row;
  }
  Screenshot(dialog, L"window-after-run");
  ExpectEveryTextFits(dialog);
  auto shown = [&](const Capture& capture, int id) {
    return capture.HasColour(PlaceInWindow(dialog, calculator.Control(id)), RGB(0, 0, 128));
  };
  const Capture capture = CaptureWhenPainted(calculator, dialog, [&](const Capture& look) {
    for (int id : kResultStatics)
      if (!shown(look, id)) return false;
    return true;
  });
  for (int id : kResultStatics) EXPECT_TRUE(shown(capture, id)) << id;

  calculator.Menu(ID_VIEW);
  HWND view = calculator.WaitForWindow(L"View BWRS Constants");
  ASSERT_NE(view, nullptr);
  const std::string twinView = Headless("run\nview\n");
  for (std::size_t row = 0; row < kConstantStatics.size(); ++row) {
    const std::string line = std::string(LabelBefore(ConstantsDialog(), kConstantStatics[row])) +
                             TextOf(view, kConstantStatics[row]);
    EXPECT_TRUE(Contains(twinView, line)) << line;
  }
  Screenshot(view, L"constants-view");
  calculator.Key(view, VK_ESCAPE);
  calculator.Settle();
  EXPECT_FALSE(::IsWindow(view));

  // The system menu's item opens the About box too.
  ::PostMessageW(dialog, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
  HWND about = calculator.WaitForWindow(L"About Corvane");
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(TextOf(about, IDOK), "OK");
  Screenshot(about, L"about");
  ::PostMessageW(::GetDlgItem(about, IDOK), BM_CLICK, 0, 0);
  calculator.Settle();
  EXPECT_FALSE(::IsWindow(about));
}

TEST_F(Window, ARejectedPressureRaisesItsMessageAndTheResultsStay) {
  CalculatorProcess calculator = Start();
  HWND dialog = calculator.Dialog();
  ASSERT_NE(dialog, nullptr);
  calculator.Menu(ID_RUN);
  calculator.Settle();
  const std::string density = TextOf(dialog, IDC_MOLAR_DENSITY);
  ASSERT_FALSE(density.empty());

  calculator.Type(IDC_PRESSURE, "5");
  calculator.Menu(ID_RUN);
  const Answered message = AnswerMessage(calculator, L"User Inputs", L"message-box");
  EXPECT_TRUE(Contains(Headless("set pressure 5\nrun\n"), "message: error | User Inputs | " + message.text));
  EXPECT_TRUE(message.iconIsError);
  EXPECT_EQ(TextOf(dialog, IDC_MOLAR_DENSITY), density);
  EXPECT_EQ(TextOf(dialog, IDC_PRESSURE), "5");
}

TEST_F(Window, SaveAndRecallGoThroughTheCommonDialogs) {
  CalculatorProcess calculator = Start();
  ASSERT_NE(calculator.Dialog(), nullptr);
  // Answers a file dialog with a name typed into its file-name field.
  const auto answer = [&](const std::wstring& caption, const std::string& name) {
    HWND chooser = calculator.WaitForWindow(caption);
    ASSERT_NE(chooser, nullptr) << "no file dialog";
    bool typed = false;
    for (HWND child : Children(chooser)) {
      wchar_t className[32] = {};
      ::GetClassNameW(child, className, 32);
      if (std::wstring(className) == L"Edit" && TextOf(child) == "*.dat") {
        ::SendMessageW(child, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(fs::path(name).wstring().c_str()));
        typed = true;
      }
    }
    ASSERT_TRUE(typed) << "no file name field holding *.dat";
    ::PostMessageW(chooser, WM_COMMAND, IDOK, 0);
    calculator.Settle();
  };

  calculator.Type(IDC_METHANE, "0.5");
  calculator.Click(IDC_SAVE);
  answer(L"Save As", "mix");  // the default extension makes it mix.dat
  EXPECT_EQ(fs::file_size(folder_ / "mix.dat"), 128u);

  calculator.Click(IDC_RESET);
  calculator.Settle();
  calculator.Click(IDC_RECALL);
  answer(L"Open", (folder_ / "mix.dat").string());
  EXPECT_EQ(TextOf(calculator.Dialog(), IDC_METHANE), "0.50000");
  EXPECT_EQ(TextOf(calculator.Dialog(), IDC_SUM), "0.54000");
}

TEST_F(Window, EnterInAnEditEscapeAndTheCloseBoxEndTheProgram) {
  for (const int way : {VK_RETURN, VK_ESCAPE, 0}) {
    CalculatorProcess calculator = Start();
    ASSERT_NE(calculator.Dialog(), nullptr);
    if (way != 0) {
      calculator.Key(calculator.Control(IDC_METHANE), static_cast<WPARAM>(way));
    } else {
      ::PostMessageW(calculator.Dialog(), WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    DWORD code = 99;
    EXPECT_TRUE(calculator.WaitForExit(&code)) << "way " << way;
    EXPECT_EQ(code, 0u);
  }
}

TEST_F(Window, HelpFromTheMenuOrF1WithoutItsPageSaysSo) {
  // A copy of the program alone in a folder, without the page beside it:
  // its Help says the page is missing, which shows that the menu item and
  // F1 from the keyboard reach it, without a browser opening.
  fs::copy_file(ProgramFolder() / "corvane.exe", folder_ / "corvane.exe");
  for (const bool key : {false, true}) {
    CalculatorProcess calculator = Start(folder_ / "corvane.exe");
    ASSERT_NE(calculator.Dialog(), nullptr);
    if (key) {
      calculator.Press(VK_F1);
    } else {
      calculator.Menu(ID_HELP);
    }
    const Answered message = AnswerMessage(calculator, L"Corvane Help", nullptr);
    EXPECT_NE(message.text.find("missing"), std::string::npos) << message.text;
  }
}

TEST_F(Window, TheHelpPageLiesBesideTheProgramWithEveryPictureItShows) {
  const fs::path page = ProgramFolder() / "corvane-help.html";
  ASSERT_TRUE(fs::exists(page));
  std::ifstream in(page);
  const std::string html((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  int pictures = 0;
  for (std::size_t at = html.find("src=\""); at != std::string::npos; at = html.find("src=\"", at + 1)) {
    const std::size_t start = at + 5;
    const std::string name = html.substr(start, html.find('"', start) - start);
    EXPECT_TRUE(fs::exists(ProgramFolder() / name)) << name;
    ++pictures;
  }
  EXPECT_EQ(pictures, 3);
}

TEST_F(Window, CtrlCCopiesTheWindowAsTheOtherFacesDoOrTheSelection) {
  CalculatorProcess calculator = Start();
  HWND dialog = calculator.Dialog();
  ASSERT_NE(dialog, nullptr);
  calculator.Menu(ID_RUN);
  calculator.Settle();
  HeadlessTwin twin;
  twin.dlg.OnCommand(ID_RUN);
  twin.dlg.OnCommand(ID_COPY);
  ASSERT_FALSE(twin.surface.clipboard.empty());

  // The start-up focus selects the temperature's text: Ctrl+C copies it.
  SetClipboardText("");
  calculator.Press('C', true);
  EXPECT_EQ(ClipboardText(), "80.");
  // Nothing selected (a button has the focus): the whole window, line by
  // line as the core composes it.
  calculator.FocusOn(IDC_BWRS);
  calculator.Press('C', true);
  const std::string table = ClipboardText();
  EXPECT_EQ(table, WithCrLf(twin.surface.clipboard));
  EXPECT_TRUE(table.starts_with("Pressure\t1000.0\tpsia\r\nTemperature\t80.\tF\r\n")) << table;

  // An edit's selected text, and only that.
  calculator.FocusOn(IDC_METHANE);
  calculator.Press('C', true);
  EXPECT_EQ(ClipboardText(), "0.96000");
  // The plain C key still types.
  calculator.Press('C');
  EXPECT_EQ(TextOf(dialog, IDC_METHANE), "c");
}

TEST_F(Window, EditsHoldAtMostTheLimitOfTheOtherFaces) {
  CalculatorProcess calculator = Start();
  HWND dialog = calculator.Dialog();
  ASSERT_NE(dialog, nullptr);
  for (const ControlResource& control : CalculatorDialog().controls) {
    if (control.kind != ControlKind::Edit) continue;
    EXPECT_EQ(::SendMessageW(calculator.Control(control.id), EM_GETLIMITTEXT, 0, 0), kEditTextLimit) << control.id;
  }
  // A paste longer than an edit holds is cut, and the Sum reads what is kept.
  const std::string pasted = "0." + std::string(40000, '1');
  SetClipboardText(pasted);
  calculator.FocusOn(IDC_METHANE);
  ::SendMessageW(calculator.Control(IDC_METHANE), WM_PASTE, 0, 0);
  calculator.Settle();
  EXPECT_EQ(TextOf(dialog, IDC_METHANE), pasted.substr(0, kEditTextLimit));
  EXPECT_TRUE(Contains(Headless("set methane " + pasted + "\nshow\n"), "Sum: " + TextOf(dialog, IDC_SUM)));
}

// At 150 % the dialog is taller than the Wine desktop of these tests.
TEST_F(SmallScreen, TheWindowFitsTheScreenAndScrollsToEveryControl) {
  CalculatorProcess calculator = Start();
  HWND dialog = calculator.Dialog();
  ASSERT_NE(dialog, nullptr);
  ExpectInsideTheWorkArea(dialog);
  ASSERT_NE(::GetWindowLongW(dialog, GWL_STYLE) & WS_VSCROLL, 0) << "no vertical scroll bar";
  // The screen is wide enough: the window widens by the bar instead of
  // needing a second one.
  EXPECT_EQ(::GetWindowLongW(dialog, GWL_STYLE) & WS_HSCROLL, 0);
  Screenshot(dialog, L"window-small-screen-top");

  // Whether a control lies wholly inside the dialog's client area.
  const auto inView = [&](int id) {
    RECT client, place;
    ::GetClientRect(dialog, &client);
    ::MapWindowPoints(dialog, nullptr, reinterpret_cast<POINT*>(&client), 2);
    ::GetWindowRect(calculator.Control(id), &place);
    return place.top >= client.top && place.bottom <= client.bottom && place.left >= client.left &&
           place.right <= client.right;
  };
  const int bottomRow[] = {IDC_WRITE, IDC_APPEND, IDC_RESET, IDC_SAVE, IDC_RECALL};
  EXPECT_TRUE(inView(IDC_TEMPERATURE));
  EXPECT_FALSE(inView(IDC_RECALL));
  // The scroll bar reaches the bottom row.
  ::SendMessageW(dialog, WM_VSCROLL, SB_BOTTOM, 0);
  calculator.Settle();
  for (int id : bottomRow) EXPECT_TRUE(inView(id)) << id;
  EXPECT_FALSE(inView(IDC_PRESSURE));
  Screenshot(dialog, L"window-small-screen-bottom");

  // From the top again, Tab onto a button out of view brings it into view.
  ::SendMessageW(dialog, WM_VSCROLL, SB_TOP, 0);
  calculator.Settle();
  EXPECT_TRUE(inView(IDC_PRESSURE));
  calculator.FocusOn(IDC_OXYGEN);
  calculator.Press(VK_TAB);
  EXPECT_EQ(calculator.Focus(), calculator.Control(IDC_RESET));
  EXPECT_TRUE(inView(IDC_RESET));
  // The Reset button still works where it now lies.
  calculator.Click(IDC_RESET);
  calculator.Settle();
  EXPECT_EQ(TextOf(dialog, IDC_METHANE), "0.00");
}

}  // namespace
}  // namespace corvane::win32_test
