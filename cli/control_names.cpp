#include "cli/control_names.h"

#include <algorithm>

#include "model/gases.h"
#include "res/dialogs.h"
#include "res/resource.h"

namespace corvane {
namespace {

// The gases' script names and edits, in dialog order.
constexpr std::array<ControlName, kGasCount> kGases = [] {
  std::array<ControlName, kGasCount> gases{};
  for (std::size_t i = 0; i < kGasCount; ++i) {
    const std::size_t gas = Index(kDialogOrder[i]);
    gases[i] = {kScriptNames[gas], res::kGasEdits[gas], NameKind::Gas};
  }
  return gases;
}();

constexpr std::array<ControlName, 3 + 15 + 12> MakeNames() {
  std::array<ControlName, 30> names = {{
      {"pressure", res::IDC_PRESSURE, NameKind::Edit},
      {"temperature", res::IDC_TEMPERATURE, NameKind::Edit},
      {"report", res::IDC_REPORT_FILE, NameKind::Edit},
  }};
  std::size_t n = 3;
  for (const ControlName& gas : kGases) names[n++] = gas;
  for (const ControlName& other : {
           ControlName{"bwrs", res::IDC_BWRS, NameKind::EquationRadio},
           ControlName{"pr", res::IDC_PR, NameKind::EquationRadio},
           ControlName{"rks", res::IDC_RKS, NameKind::EquationRadio},
           ControlName{"jc", res::IDC_JC, NameKind::MethodRadio},
           ControlName{"fp", res::IDC_FP, NameKind::MethodRadio},
           ControlName{"newton", res::IDC_NEWTON, NameKind::MethodRadio},
           ControlName{"polytropic", res::IDC_POLYTROPIC_BOX, NameKind::CheckBox},
           ControlName{"viscosity", res::IDC_VISCOSITY_BOX, NameKind::CheckBox},
           ControlName{"cp", res::IDC_CP, NameKind::CheckBox},
           ControlName{"jt", res::IDC_JT, NameKind::CheckBox},
           ControlName{"write", res::IDC_WRITE, NameKind::CheckBox},
           ControlName{"append", res::IDC_APPEND, NameKind::CheckBox},
       })
    names[n++] = other;
  return names;
}

constexpr auto kNames = MakeNames();

std::string_view KindTitle(NameKind kind) {
  switch (kind) {
    case NameKind::Edit: return "edits";
    case NameKind::Gas: return "gases";
    case NameKind::EquationRadio: return "equations";
    case NameKind::MethodRadio: return "methods";
    case NameKind::CheckBox: return "boxes";
  }
  return "";
}

}  // namespace

std::span<const ControlName> ControlNames() { return kNames; }

const ControlName* FindControlName(std::string_view name) {
  const auto it = std::find_if(kNames.begin(), kNames.end(), [&](const ControlName& n) { return n.name == name; });
  return it == kNames.end() ? nullptr : &*it;
}

const std::array<ControlName, 15>& GasNames() { return kGases; }

std::string ListNames(std::initializer_list<NameKind> kinds) {
  std::string list;
  for (NameKind kind : kinds) {
    if (!list.empty()) list += "; ";
    list += KindTitle(kind);
    list += ':';
    const char* separator = " ";
    for (const ControlName& n : kNames) {
      if (n.kind != kind) continue;
      list += separator;
      list += n.name;
      separator = ", ";
    }
  }
  return list;
}

}  // namespace corvane
