#include "qt/app_icon.h"

#include <QString>

namespace corvane::qt {

QIcon AppIcon() {
  QIcon icon;
  for (int side : {16, 24, 32, 48, 64, 128, 256})
    icon.addFile(QStringLiteral(":/icons/corvane-%1.png").arg(side), QSize(side, side));
  return icon;
}

}  // namespace corvane::qt
