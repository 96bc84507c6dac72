// The rules of the seam that every face gets without writing them: the
// edit limit, the change notification of every text set, radio groups, and
// what Ctrl+C copies. A bare face that only stores what it is told shows
// them, so a new face cannot leave one out.
#include "platform/dialog_surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/calc_dlg.h"
#include "platform/copy_text.h"
#include "res/dialogs.h"

namespace corvane {
namespace {

using namespace res;

// A face with nothing of its own: controls in maps, every write recorded.
class BareFace final : public DialogSurface {
 public:
  void SetFocus(int id) override { focus = id; }
  std::string SelectedText() const override { return selection; }
  void CopyToClipboard(std::string_view text) override { clipboard.assign(text); }
  void ShowMessage(std::string_view, std::string_view, MessageIcon) override {}
  std::optional<std::string> AskMixtureFileName(FileDialogKind) override { return std::nullopt; }
  void ShowConstants(const BwrsConstantTexts&) override {}
  void ShowAbout() override {}
  void ShowHelp() override {}
  void EndDialog(int) override {}

  // The user typing into an edit: the face's own notification.
  void Type(int id, const std::string& text) {
    texts[id] = text;
    NotifyEditChanged(id);
  }

  std::map<int, std::string> texts;
  std::map<int, bool> checks;
  std::vector<int> written;  // ids in the order WriteText got them
  std::string selection;
  std::string clipboard;
  int focus = 0;

 protected:
  std::string ReadText(int id) const override {
    const auto it = texts.find(id);
    return it == texts.end() ? std::string() : it->second;
  }
  void WriteText(int id, std::string_view text) override {
    texts[id] = std::string(text);
    written.push_back(id);
  }
  bool ReadChecked(int id) const override {
    const auto it = checks.find(id);
    return it != checks.end() && it->second;
  }
  void WriteChecked(int id, bool checked) override { checks[id] = checked; }
};

TEST(DialogSurface, EveryTextSetOnAnEditIsCutAndNotifiedOnce) {
  BareFace face;
  std::vector<int> notified;
  face.SetEditChangedHandler([&](int id) { notified.push_back(id); });

  face.SetText(IDC_METHANE, std::string(40000, '7'));
  EXPECT_EQ(face.GetText(IDC_METHANE), std::string(kEditTextLimit, '7'));
  face.SetText(IDC_METHANE, face.GetText(IDC_METHANE));  // the same text again
  EXPECT_EQ(notified, (std::vector<int>{IDC_METHANE, IDC_METHANE}));
  EXPECT_EQ(face.written.size(), 2u);

  // Statics and labels are neither cut nor notified.
  face.SetText(IDC_METHOD_NOTE, std::string(40000, 'n'));
  EXPECT_EQ(face.GetText(IDC_METHOD_NOTE).size(), 40000u);
  EXPECT_EQ(notified.size(), 2u);
  // Typing notifies through the face, once.
  face.Type(IDC_ETHANE, "0.5");
  EXPECT_EQ(notified.back(), IDC_ETHANE);
  EXPECT_EQ(notified.size(), 3u);
}

TEST(DialogSurface, CheckingARadioButtonUnchecksOnlyItsGroup) {
  BareFace face;
  for (int id : {IDC_BWRS, IDC_FP, IDC_CP}) face.SetChecked(id, true);
  face.SetChecked(IDC_RKS, true);
  EXPECT_TRUE(face.IsChecked(IDC_RKS));
  EXPECT_FALSE(face.IsChecked(IDC_BWRS));
  EXPECT_TRUE(face.IsChecked(IDC_FP));  // the other group keeps its choice
  EXPECT_TRUE(face.IsChecked(IDC_CP));
  face.SetChecked(IDC_JT, true);  // check boxes are independent
  EXPECT_TRUE(face.IsChecked(IDC_CP) && face.IsChecked(IDC_JT));
  face.SetChecked(IDC_RKS, false);  // a group may be left with none
  EXPECT_FALSE(face.IsChecked(IDC_RKS) || face.IsChecked(IDC_PR) || face.IsChecked(IDC_BWRS));
}

TEST(DialogSurface, TheCoreDrivesTheBareFaceLikeAnyOther) {
  BareFace face;
  CCalcDlg dlg(face);
  dlg.OnInitDialog();
  EXPECT_EQ(face.focus, IDC_TEMPERATURE);
  EXPECT_EQ(face.GetText(IDC_SUM), "1.00000");
  // Typing a fraction moves the Sum, through the face's own notification.
  face.Type(IDC_METHANE, "0.5");
  EXPECT_EQ(face.GetText(IDC_SUM), "0.54000");
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(CopyText, TheWindowAsNameValueAndUnitLinesOrTheSelection) {
  BareFace face;
  CCalcDlg dlg(face);
  dlg.OnInitDialog();
  face.SetChecked(IDC_PR, true);
  face.SetChecked(IDC_NEWTON, true);
  dlg.OnCommand(ID_RUN);
  dlg.OnCommand(ID_COPY);
  const std::vector<std::string> lines = Lines(face.clipboard);
  ASSERT_EQ(lines.size(), 31u);  // state, two choices, note, ten results, fifteen gases, sum
  EXPECT_TRUE(face.clipboard.ends_with("\n"));
  EXPECT_EQ(lines[0], "Pressure\t" + face.GetText(IDC_PRESSURE) + "\tpsia");
  EXPECT_EQ(lines[1], "Temperature\t80.\tF");
  EXPECT_EQ(lines[2], "Equation of State to Use\tPR\t");
  EXPECT_EQ(lines[3], "Solution Method to Use\tNewton\t");
  EXPECT_EQ(lines[4], "Method and iterations note\t" + face.GetText(IDC_METHOD_NOTE) + "\t");
  EXPECT_EQ(lines[5], "Molar Density\t" + face.GetText(IDC_MOLAR_DENSITY) + "\tlb mole/cubic ft");
  EXPECT_EQ(lines[7], "Compressibility\t" + face.GetText(IDC_COMPRESSIBILITY) + "\t");
  EXPECT_EQ(lines[15], "Methane\t0.96000\t");
  EXPECT_EQ(lines[30], "Sum\t1.00000\t");
  for (const std::string& line : lines) EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 2) << line;

  face.selection = "0.96";
  dlg.OnCommand(ID_COPY);
  EXPECT_EQ(face.clipboard, "0.96");
  EXPECT_EQ(TabSeparatedLines({{"a", "b"}, {}, {"c"}}), "a\tb\n\nc\n");
}

}  // namespace
}  // namespace corvane
