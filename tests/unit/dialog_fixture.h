// A calculator dialog on a headless surface, initialised as at start-up.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "app/calc_dlg.h"
#include "platform/headless_surface.h"
#include "res/resource.h"

namespace corvane {

// Presses Save or Recall with its file dialog answered by `path`.
inline void PressFileButton(HeadlessSurface& surface, CCalcDlg& dlg, int button, const std::string& path) {
  surface.AnswerNextFileDialog(path);
  dlg.OnCommand(button);
}

class DialogTest : public ::testing::Test {
 protected:
  DialogTest() : dlg(surface) { dlg.OnInitDialog(); }

  void Type(int id, const std::string& text) { surface.SetText(id, text); }
  std::string Text(int id) const { return surface.GetText(id); }
  // The text of the last message box, or "" when none was shown.
  std::string LastMessage() const { return surface.messages.empty() ? "" : surface.messages.back().text; }

  // Reset, then type the given fractions; every other box keeps "0.00".
  void SetComposition(std::initializer_list<std::pair<int, std::string>> edits) {
    dlg.OnReset();
    for (const auto& [id, text] : edits) Type(id, text);
  }
  void SetState(const std::string& fahrenheit, const std::string& psia) {
    Type(res::IDC_TEMPERATURE, fahrenheit);
    Type(res::IDC_PRESSURE, psia);
  }

  HeadlessSurface surface;
  CCalcDlg dlg;
};

}  // namespace corvane
