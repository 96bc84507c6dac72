// corvane-cli's script language: each line stands in for one thing a user
// does in the window, carried out through the very handlers the window uses.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

namespace corvane {

// Runs `script` (raw bytes) against a freshly initialised calculator dialog.
// Message boxes, the constants view and `show` print to `out`; a line that
// cannot be carried out prints "corvane-cli: line N: WHAT" to `err` and ends
// the script. Returns the exit status: 0 after the last line, 2 after an error.
int RunScript(std::string_view script, std::ostream& out, std::ostream& err);

}  // namespace corvane
