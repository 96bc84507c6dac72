#include "win32/dialog_template.h"

#include "text/wide_text.h"

namespace corvane::win32 {
namespace {

// Predefined window classes by atom, as dialog templates name them.
constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStaticClass = 0x0082;

WORD ClassAtom(res::ControlKind kind) {
  switch (kind) {
    case res::ControlKind::Edit: return kEditClass;
    case res::ControlKind::Label:
    case res::ControlKind::Static:
    case res::ControlKind::Icon:
    case res::ControlKind::Chart: return kStaticClass;
    default: return kButtonClass;
  }
}

DWORD StaticAlignment(res::TextAlign align) {
  switch (align) {
    case res::TextAlign::Right: return SS_RIGHT;
    default: return SS_LEFT;
  }
}

}  // namespace

DWORD ControlStyle(const res::ControlResource& control, bool startsGroup) {
  DWORD style = WS_CHILD | WS_VISIBLE | (startsGroup ? WS_GROUP : 0);
  switch (control.kind) {
    case res::ControlKind::GroupBox: return style | BS_GROUPBOX;
    // Labels and values are plain text: an "&" in a result is no mnemonic.
    case res::ControlKind::Label:
    case res::ControlKind::Static: return style | SS_NOPREFIX | StaticAlignment(control.align);
    case res::ControlKind::Icon: return style | SS_ICON;
    // An area the dialog's own code paints.
    case res::ControlKind::Chart: return style | SS_OWNERDRAW;
    case res::ControlKind::Edit: return style | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL | ES_LEFT;
    case res::ControlKind::RadioButton: return style | WS_TABSTOP | BS_AUTORADIOBUTTON;
    case res::ControlKind::CheckBox: return style | WS_TABSTOP | BS_AUTOCHECKBOX;
    // No default button: Enter in an edit is the OK command, as in the tables' dialogs.
    case res::ControlKind::PushButton: return style | WS_TABSTOP | BS_PUSHBUTTON;
  }
  return style;
}

DialogTemplate::DialogTemplate(const res::DialogResource& dialog, DWORD style, DWORD extendedStyle) {
  AddDword(style | DS_SETFONT);
  AddDword(extendedStyle);
  Add(static_cast<WORD>(dialog.controls.size()));
  Add(0);  // x and y: where the system places it
  Add(0);
  Add(static_cast<WORD>(dialog.width));
  Add(static_cast<WORD>(dialog.height));
  Add(0);  // no menu in the template: the window sets its own
  Add(0);  // the dialog window class
  AddText(dialog.caption);
  Add(static_cast<WORD>(dialog.fontPointSize));
  AddText(dialog.fontFamily);

  // Radio buttons of one group form one tab stop; every other control
  // starts a group of its own, which also ends the radio group before it.
  int previousRadioGroup = 0;
  for (const res::ControlResource& control : dialog.controls) {
    const bool continuesRadioGroup =
        control.kind == res::ControlKind::RadioButton && control.radioGroup == previousRadioGroup;
    AddControl(control, !continuesRadioGroup);
    previousRadioGroup = control.kind == res::ControlKind::RadioButton ? control.radioGroup : 0;
  }
}

void DialogTemplate::AddDword(DWORD value) {
  Add(LOWORD(value));
  Add(HIWORD(value));
}

void DialogTemplate::AddText(std::string_view utf8) {
  const std::wstring wide = WidenUtf8(utf8).value_or(std::wstring());
  for (wchar_t c : wide) Add(static_cast<WORD>(c));
  Add(0);
}

void DialogTemplate::AlignToDword() {
  if (words_.size() % 2 != 0) Add(0);
}

void DialogTemplate::AddControl(const res::ControlResource& control, bool startsGroup) {
  AlignToDword();
  AddDword(ControlStyle(control, startsGroup));
  AddDword(0);
  Add(static_cast<WORD>(control.rect.x));
  Add(static_cast<WORD>(control.rect.y));
  Add(static_cast<WORD>(control.rect.w));
  Add(static_cast<WORD>(control.rect.h));
  Add(static_cast<WORD>(control.id));  // IDC_STATIC, -1, is 0xFFFF as resource compilers write it
  Add(0xFFFF);
  Add(ClassAtom(control.kind));
  if (control.kind == res::ControlKind::Icon) {
    Add(0xFFFF);  // the icon resource by number
    Add(static_cast<WORD>(control.id));
  } else {
    AddText(control.text);
  }
  Add(0);  // no creation data
}

}  // namespace corvane::win32
