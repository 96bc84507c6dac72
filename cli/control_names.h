// The names corvane-cli gives the dialog's controls: the script language's
// names, which the flags and the batch's column names reuse.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace corvane {

enum class NameKind { Edit, Gas, EquationRadio, MethodRadio, CheckBox };

struct ControlName {
  std::string_view name;
  int id;
  NameKind kind;
};

// Every name, in the order --help and error messages list them.
std::span<const ControlName> ControlNames();

// The entry of `name`, or nullptr when there is none (names are case-sensitive).
const ControlName* FindControlName(std::string_view name);

// The fifteen gases in dialog order (methane .. oxygen), as `show` lists them.
const std::array<ControlName, 15>& GasNames();

// "gases: methane, ethane, ...; ..." for the kinds given, grouped by kind.
std::string ListNames(std::initializer_list<NameKind> kinds);

}  // namespace corvane
