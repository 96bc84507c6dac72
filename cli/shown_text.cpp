#include "cli/shown_text.h"

#include "res/dialogs.h"

namespace corvane {

void PrintMessage(std::ostream& out, const ShownMessage& message) {
  out << "message: " << (message.icon == MessageIcon::Error ? "error" : "information") << " | " << message.caption
      << " | " << message.text << '\n';
}

void PrintResultLines(std::ostream& out, const HeadlessSurface& surface) {
  out << "note: " << surface.GetText(res::IDC_METHOD_NOTE) << '\n';
  for (int id : res::kResultStatics)
    out << res::LabelBefore(res::CalculatorDialog(), id) << surface.GetText(id) << '\n';
}

}  // namespace corvane
