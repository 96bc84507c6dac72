#include "views/constants_view.h"

#include "text/number_text.h"

namespace corvane {

BwrsConstantTexts FormatBwrsConstants(const BwrsConstants& m) {
  // Significant digits per constant: enough to show every pure component's
  // published value in fixed notation.
  return {FormatGeneral(m.B0, 8),    FormatGeneral(m.A0, 7), FormatGeneral(m.C0, 12),
          FormatGeneral(m.D0, 14),   FormatGeneral(m.E0, 16), FormatGeneral(m.b, 7),
          FormatGeneral(m.a, 7),     FormatGeneral(m.d, 10), FormatGeneral(m.alpha, 7),
          FormatGeneral(m.c, 13),    FormatGeneral(m.gamma, 7)};
}

}  // namespace corvane
