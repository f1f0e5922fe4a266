// The buttons of each message-box type, their German captions, and which
// answer Esc gives.
#pragma once

#include <vector>

#include "wintypes.h"

struct MessageBoxButton {
  int Id;
  const char* Caption;
};

std::vector<MessageBoxButton> MessageBoxButtons(UINT flags);
// The index of the default button (MB_DEFBUTTONn, limited to the buttons).
int MessageBoxDefaultIndex(UINT flags);
// The answer of Esc and of the close button, 0 when the box has none.
int MessageBoxCancelId(UINT flags);
