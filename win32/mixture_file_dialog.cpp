#include "win32/mixture_file_dialog.h"

#include "text/wide_text.h"

namespace corvane::win32 {

namespace {

// The type list as the common dialogs take it: each entry a name and a
// pattern, each ending in a NUL, the list ending in an empty name.
std::wstring FilterList() {
  std::wstring list;
  for (const res::FileFilter& filter : res::MixtureFileFilters()) {
    const std::wstring pattern = filter.pattern.empty() ? L"*.*" : WidenUtf8(filter.pattern).value_or(L"");
    list += WidenUtf8(filter.name).value_or(L"") + L" (" + pattern + L")";
    list += L'\0';
    list += pattern;
    list += L'\0';
  }
  return list;
}

}  // namespace

std::optional<std::string> AskMixtureFile(HWND owner, FileDialogKind kind) {
  std::wstring path = WidenUtf8(res::kMixtureFileInitialName).value_or(L"");
  path.resize(32768, L'\0');
  const std::wstring filters = FilterList();
  const std::wstring extension = WidenUtf8(res::kMixtureFileExtension).value_or(L"");
  OPENFILENAMEW request{};
  request.lStructSize = sizeof request;
  request.hwndOwner = owner;
  request.lpstrFilter = filters.c_str();  // its own final NUL ends the list
  request.nFilterIndex = 1;
  request.lpstrFile = path.data();
  request.nMaxFile = static_cast<DWORD>(path.size());
  request.lpstrDefExt = extension.c_str();
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
