// The application icon, from the PNG sizes shipped in res/icons.
#pragma once

#include <QIcon>

namespace corvane::qt {

QIcon AppIcon();

}  // namespace corvane::qt
