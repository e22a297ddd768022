#pragma once

#include <QFont>

namespace platform {

// The font of every form, grid, memo and button: the layouts' "MS Sans Serif" 8 point.
QFont FormFont();

} // namespace platform
