// The main window's layout for the desktop at hand: the small view of 20 x 15
// cells, or on a large desktop, when the player asked for it, the large one
// of 25 x 20 cells with the side column moved right.
#pragma once

#include "wintypes.h"

namespace Game {

struct WindowMode {
  Integer viewMode = 0;
  // False: the designed layout stays as it is.
  bool resize = false;
  int clientWidth = 780, clientHeight = 519;
  int viewWidth = 640, viewHeight = 480;  // Image4; Panel4 is 2 pixels larger
  bool sideColumnMoved = false;
};

WindowMode ChooseWindowMode(int desktopWidth, int desktopHeight, bool hiRes);

}  // namespace Game
