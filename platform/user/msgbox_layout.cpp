#include "msgbox_layout.h"

#include <algorithm>

namespace {
constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kIconGap = 12;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 6;
constexpr int kTextToButtons = 16;
}  // namespace

MessageBoxLayout LayoutMessageBox(TSize text, int buttons, bool icon, int minWidth) {
  MessageBoxLayout l;
  buttons = std::max(buttons, 1);
  int iconSpace = icon ? kIconSize + kIconGap : 0;
  int bodyHeight = std::max<int>(text.cy, icon ? kIconSize : 0);
  int rowWidth = buttons * kButtonWidth + (buttons - 1) * kButtonGap;
  int width = std::max({kMargin + iconSpace + static_cast<int>(text.cx) + kMargin, rowWidth + 2 * kMargin, minWidth});
  int height = kMargin + bodyHeight + kTextToButtons + kButtonHeight + kMargin;
  l.Client = TSize(width, height);
  if (icon) l.Icon = TRect(kMargin, kMargin, kMargin + kIconSize, kMargin + kIconSize);
  // Text shorter than the icon sits level with its middle.
  int textTop = kMargin + (bodyHeight - text.cy) / 2;
  l.Text = TRect(kMargin + iconSpace, textTop, kMargin + iconSpace + text.cx, textTop + text.cy);
  int x = (width - rowWidth) / 2, y = kMargin + bodyHeight + kTextToButtons;
  for (int i = 0; i < buttons; ++i) {
    l.Buttons.emplace_back(x, y, x + kButtonWidth, y + kButtonHeight);
    x += kButtonWidth + kButtonGap;
  }
  return l;
}
