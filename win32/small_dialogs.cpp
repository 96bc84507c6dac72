#include "win32/small_dialogs.h"

#include "text/wide_text.h"
#include "win32/dialog_template.h"

namespace corvane::win32 {
namespace {

INT_PTR CALLBACK SmallDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      for (const ControlText& value : *reinterpret_cast<const std::vector<ControlText>*>(lParam))
        ::SetDlgItemTextW(window, value.id, WidenUtf8(value.text).value_or(std::wstring()).c_str());
      return TRUE;  // the system sets the default focus
    case WM_COMMAND:
      // OK and Enter (IDOK), Escape and the close box (IDCANCEL).
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) ::EndDialog(window, LOWORD(wParam));
      return TRUE;
    default: return FALSE;
  }
}

}  // namespace

void RunSmallDialog(HINSTANCE instance, HWND owner, const res::DialogResource& dialog,
                    const std::vector<ControlText>& texts) {
  const DialogTemplate modal(dialog, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 0);
  ::DialogBoxIndirectParamW(instance, modal.Get(), owner, &SmallDialogProc, reinterpret_cast<LPARAM>(&texts));
}

}  // namespace corvane::win32
