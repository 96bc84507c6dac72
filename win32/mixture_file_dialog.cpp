#include "win32/mixture_file_dialog.h"

#include "text/wide_text.h"

namespace corvane::win32 {

std::optional<std::string> AskMixtureFile(HWND owner, FileDialogKind kind) {
  std::wstring path(32768, L'\0');
  path.replace(0, 5, L"*.dat");
  // Two entries, each a name and a pattern, the list ending in an empty name.
  static constexpr wchar_t kFilter[] = L"Mixture Files (*.dat)\0*.dat\0All Files (*.*)\0*.*\0";
  OPENFILENAMEW request{};
  request.lStructSize = sizeof request;
  request.hwndOwner = owner;
  request.lpstrFilter = kFilter;
  request.nFilterIndex = 1;
  request.lpstrFile = path.data();
  request.nMaxFile = static_cast<DWORD>(path.size());
  request.lpstrDefExt = L"dat";
  // The working directory stays where the program started, so a report
  // name typed without a folder keeps meaning the same file, as in the
  // other faces.
  request.Flags = OFN_EXPLORER | OFN_CREATEPROMPT | OFN_NOCHANGEDIR;
  const BOOL chosen = kind == FileDialogKind::Save ? ::GetSaveFileNameW(&request) : ::GetOpenFileNameW(&request);
  if (!chosen) return std::nullopt;
  path.resize(path.find(L'\0'));
  return NarrowToUtf8(path);
}

}  // namespace corvane::win32
