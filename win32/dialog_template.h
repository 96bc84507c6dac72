// Dialog templates built in memory from the resource tables: the same bytes
// a resource compiler would write for dialogs 100, 102 and 134, in dialog
// units, with the font the tables name.
#pragma once

#include <cstdint>
#include <vector>

#include "win32/windows_api.h"

namespace corvane::win32 {

// A DLGTEMPLATE and its items, DWORD-aligned, ready for
// DialogBoxIndirectParamW.
class DialogTemplate {
 public:
  DialogTemplate(const res::DialogResource& dialog, DWORD style, DWORD extendedStyle);
  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  void Add(WORD word) { words_.push_back(word); }
  void AddDword(DWORD value);
  void AddText(std::string_view utf8);
  void AlignToDword();
  void AddControl(const res::ControlResource& control, bool startsGroup);

  std::vector<WORD> words_;
};

// Window styles of a control of the tables.
DWORD ControlStyle(const res::ControlResource& control, bool startsGroup);

}  // namespace corvane::win32
