#include "window_mode.h"

namespace Game {

WindowMode ChooseWindowMode(int desktopWidth, int desktopHeight, bool hiRes) {
  WindowMode mode;
  if (desktopWidth < 1024 || desktopHeight < 768) {
    // Six pixels taller than designed, as the small desktops always had it.
    mode.resize = true;
    mode.clientHeight = 525;
  } else if (hiRes) {
    mode.resize = true;
    mode.viewMode = 2;
    mode.clientWidth = 950;
    mode.clientHeight = 690;
    mode.viewWidth = 800;
    mode.viewHeight = 640;
    mode.sideColumnMoved = true;
  }
  return mode;
}

}  // namespace Game
