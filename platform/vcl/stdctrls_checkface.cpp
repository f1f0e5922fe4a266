#include "stdctrls_checkface.h"

#include "colors.h"
#include "drawframecontrol.h"
#include "fill.h"
#include "brush.h"
#include "gdiobj.h"
#include "stdctrls_captiontext.h"
#include "text.h"

namespace {
constexpr int kImageSize = 13;
constexpr int kGap = 4;
}  // namespace

void PaintCheckFace(HDC DC, TWinControl* Control, UINT Image, TAlignment Alignment, bool Focused) {
  const TRect client = Control->GetClientRect();
  RECT all = client;
  HBRUSH back = CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(Control->GetColor())));
  FillRect(DC, &all, back);
  DeleteObject(back);

  const bool imageLeft = Alignment != taLeftJustify;
  const int top = (client.Height() - kImageSize) / 2;
  const int imageX = imageLeft ? 0 : client.right - kImageSize;
  RECT image = TRect(imageX, top, imageX + kImageSize, top + kImageSize);
  if (!Control->GetEnabled()) Image |= DFCS_INACTIVE;
  DrawFrameControl(DC, &image, DFC_BUTTON, Image);

  const AnsiString caption = Control->GetCaption();
  if (caption.IsEmpty()) return;
  // Measure first, so the focus rectangle hugs the caption.
  RECT text = TRect(0, 0, std::max<int>(0, client.Width() - kImageSize - kGap), client.Height());
  DrawCaptionText(DC, Control->GetFont(), caption, text, DT_SINGLELINE | DT_CALCRECT, true);
  const int width = text.right - text.left, height = text.bottom - text.top;
  const int left = imageLeft ? kImageSize + kGap : std::max<int>(0, client.right - kImageSize - kGap - width);
  const int textTop = (client.Height() - height) / 2;
  text = TRect(left, textTop, left + width, textTop + height);
  DrawCaptionText(DC, Control->GetFont(), caption, text, DT_SINGLELINE | DT_LEFT, Control->GetEnabled());
  if (Focused) {
    RECT dots = TRect(left - 1, textTop - 1, left + width + 1, textTop + height + 1);
    DrawFocusRect(DC, &dots);
  }
}
