#include "hintwindow.h"

#include <algorithm>

#include "colors.h"
#include "gdi.h"
#include "screen.h"
#include "window_pos.h"

namespace {

// Room between the border and the text, as the class library leaves it.
constexpr int kMarginX = 2;
constexpr int kMarginY = 2;
constexpr UINT kTextFlags = DT_LEFT | DT_NOPREFIX | DT_WORDBREAK;

constexpr DWORD kHintStyle = WS_POPUP | WS_BORDER;
constexpr DWORD kHintExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;

}  // namespace

AnsiString GetShortHint(const AnsiString& Hint) {
  const int bar = Hint.Pos("|");
  return bar == 0 ? Hint : Hint.SubString(1, bar - 1);
}

AnsiString GetLongHint(const AnsiString& Hint) {
  const int bar = Hint.Pos("|");
  return bar == 0 ? Hint : Hint.SubString(bar + 1, Hint.Length() - bar);
}

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner) {
  visible_ = false;
  SetColor(clInfoBk);
  GetFont()->SetColor(clInfoText);
  controlStyle_.Exclude(csCaptureMouse);
  controlStyle_.Exclude(csClickEvents);
}

void THintWindow::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style = kHintStyle;
  Params.ExStyle = kHintExStyle;
  Params.WndParent = nullptr;
  Params.WindowClass.style |= CS_SAVEBITS;
}

TRect THintWindow::CalcHintRect(int MaxWidth, const AnsiString& AHint, void*) {
  RECT frame{};
  AdjustWindowRectEx(&frame, kHintStyle, FALSE, kHintExStyle);
  const int frameWidth = frame.right - frame.left, frameHeight = frame.bottom - frame.top;
  HDC dc = CreateCompatibleDC(nullptr);
  RECT r = TRect(0, 0, std::max(1, MaxWidth - frameWidth - 2 * kMarginX), 0);
  if (dc) {
    HGDIOBJ oldFont = SelectObject(dc, GetFont()->GetHandle());
    DrawText(dc, AHint.c_str(), -1, &r, kTextFlags | DT_CALCRECT);
    SelectObject(dc, oldFont);
    DeleteDC(dc);
  }
  return TRect(0, 0, (r.right - r.left) + 2 * kMarginX + frameWidth, (r.bottom - r.top) + 2 * kMarginY + frameHeight);
}

void THintWindow::ActivateHint(TRect Rect, const AnsiString& AHint) {
  SetCaption(AHint);
  // Inside the desktop, preferring to keep the top-left corner in view.
  const TRect desktop = DesktopRect();
  const int width = Rect.Width(), height = Rect.Height();
  Rect.left = std::max<int>(desktop.left, std::min<int>(Rect.left, desktop.right - width));
  Rect.top = std::max<int>(desktop.top, std::min<int>(Rect.top, desktop.bottom - height));
  SetBounds(Rect.left, Rect.top, width, height);
  HWND wnd = GetHandle();
  SetWindowPos(wnd, HWND_TOPMOST, Rect.left, Rect.top, width, height, SWP_NOACTIVATE);
  SetVisible(true);
  Invalidate();
}

void THintWindow::ReleaseHandle() {
  SetVisible(false);
  DestroyHandle();
}

bool THintWindow::IsShown() const { return GetShowing(); }

void THintWindow::Paint() {
  TCanvas* canvas = GetCanvas();
  const TRect client = GetClientRect();
  canvas->GetBrush()->SetStyle(bsSolid);
  canvas->GetBrush()->SetColor(GetColor());
  canvas->FillRect(client);
  canvas->SetFont(GetFont());
  canvas->GetBrush()->SetStyle(bsClear);
  RECT r = TRect(client.left + kMarginX, client.top + kMarginY, client.right - kMarginX, client.bottom - kMarginY);
  const AnsiString text = GetCaption();
  DrawText(canvas->GetHandle(), text.c_str(), -1, &r, kTextFlags);
}
