// A calculator dialog on a headless surface, initialised as at start-up.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "app/calc_dlg.h"
#include "platform/headless_surface.h"
#include "res/resource.h"

namespace corvane {

class DialogTest : public ::testing::Test {
 protected:
  DialogTest() : dlg(surface) { dlg.OnInitDialog(); }

  void Type(int id, const std::string& text) { surface.SetText(id, text); }
  std::string Text(int id) const { return surface.GetText(id); }
  // The text of the last message box, or "" when none was shown.
  std::string LastMessage() const { return surface.messages.empty() ? "" : surface.messages.back().text; }

  HeadlessSurface surface;
  CCalcDlg dlg;
};

}  // namespace corvane
