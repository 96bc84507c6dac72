// UTF-8, the encoding of every text and name inside the program, to UTF-16,
// the encoding of the Win32 API, and back. Windows only.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// Nothing when the bytes are not UTF-8: such a name names no file.
std::optional<std::wstring> WidenUtf8(std::string_view utf8);
// A lone surrogate becomes U+FFFD.
std::string NarrowToUtf8(std::wstring_view wide);

}  // namespace corvane
