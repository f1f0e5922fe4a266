// Where the parts of a message box go, from the size of its wrapped text,
// its number of buttons and whether it shows an icon. Pure geometry.
#pragma once

#include <vector>

#include "rect.h"

struct MessageBoxLayout {
  TSize Client;
  TRect Icon;  // empty without one
  TRect Text;
  std::vector<TRect> Buttons;
};

constexpr int kMessageBoxMaxTextWidth = 420;

// `minWidth`: the client width the caption needs, so that its title shows whole.
MessageBoxLayout LayoutMessageBox(TSize text, int buttons, bool icon, int minWidth = 0);
