// A dialog control with its rectangle in dialog units, for the dialogs of
// the transformation commands.
#pragma once

#include <utility>

#include "platform/dialog.h"

namespace kora {

inline platform::Control Placed(platform::Control control, int x, int y, int width, int height) {
  control.x = x;
  control.y = y;
  control.width = width;
  control.height = height;
  return control;
}

}  // namespace kora
