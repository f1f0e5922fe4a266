#include "msgbox_icons.h"

#include <cstring>

#include "brush.h"
#include "dc.h"
#include "font.h"
#include "gdiobj.h"
#include "msgbox.h"
#include "pen.h"
#include "shapes.h"
#include "text.h"

namespace {

// Fills with `fill`, outlines in black, and deletes the objects after.
class Ink {
 public:
  Ink(HDC dc, COLORREF fill, COLORREF line, int width = 1)
      : dc_(dc), brush_(CreateSolidBrush(fill)), pen_(CreatePen(PS_SOLID, width, line)) {
    oldBrush_ = SelectObject(dc, brush_);
    oldPen_ = SelectObject(dc, pen_);
  }
  ~Ink() {
    SelectObject(dc_, oldBrush_);
    SelectObject(dc_, oldPen_);
    DeleteObject(brush_);
    DeleteObject(pen_);
  }
  Ink(const Ink&) = delete;
  Ink& operator=(const Ink&) = delete;

 private:
  HDC dc_;
  HBRUSH brush_;
  HPEN pen_;
  HGDIOBJ oldBrush_, oldPen_;
};

void Glyph(HDC dc, const TRect& r, const char* text, COLORREF color, int height) {
  LOGFONT lf;
  lf.lfHeight = -height;
  lf.lfWeight = FW_BOLD;
  std::strncpy(lf.lfFaceName, "Times New Roman", LF_FACESIZE - 1);
  HFONT font = CreateFontIndirect(&lf);
  HGDIOBJ old = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, color);
  RECT box = r;
  DrawText(dc, text, -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, old);
  DeleteObject(font);
}

void Stop(HDC dc, const TRect& r) {
  {
    Ink ink(dc, RGB(255, 0, 0), RGB(128, 0, 0));
    Ellipse(dc, r.left + 1, r.top + 1, r.right - 1, r.bottom - 1);
  }
  Ink white(dc, RGB(255, 255, 255), RGB(255, 255, 255), 3);
  int a = 10;
  MoveToEx(dc, r.left + a, r.top + a, nullptr);
  LineTo(dc, r.right - a, r.bottom - a);
  MoveToEx(dc, r.right - a, r.top + a, nullptr);
  LineTo(dc, r.left + a, r.bottom - a);
}

void Bubble(HDC dc, const TRect& r, const char* glyph) {
  {
    Ink ink(dc, RGB(255, 255, 255), RGB(0, 0, 0));
    Ellipse(dc, r.left + 1, r.top + 1, r.right - 1, r.bottom - 4);
    POINT tail[3] = {TPoint(r.left + 8, r.bottom - 9), TPoint(r.left + 6, r.bottom - 1), TPoint(r.left + 15, r.bottom - 6)};
    Polygon(dc, tail, 3);
  }
  {
    // The tail's seam with the circle.
    Ink seam(dc, RGB(255, 255, 255), RGB(255, 255, 255));
    MoveToEx(dc, r.left + 9, r.bottom - 8, nullptr);
    LineTo(dc, r.left + 14, r.bottom - 7);
  }
  Glyph(dc, TRect(r.left, r.top, r.right, r.bottom - 3), glyph, RGB(0, 0, 255), 22);
}

void Warning(HDC dc, const TRect& r) {
  {
    Ink ink(dc, RGB(255, 255, 0), RGB(0, 0, 0));
    POINT tri[3] = {TPoint(r.left + r.Width() / 2, r.top + 1), TPoint(r.right - 1, r.bottom - 2), TPoint(r.left + 1, r.bottom - 2)};
    Polygon(dc, tri, 3);
  }
  Glyph(dc, TRect(r.left, r.top + 8, r.right, r.bottom - 1), "!", RGB(0, 0, 0), 20);
}

}  // namespace

void DrawMessageBoxIcon(HDC dc, const TRect& r, UINT iconFlags) {
  switch (iconFlags & MB_ICONMASK) {
    case MB_ICONHAND: Stop(dc, r); break;
    case MB_ICONQUESTION: Bubble(dc, r, "?"); break;
    case MB_ICONEXCLAMATION: Warning(dc, r); break;
    case MB_ICONASTERISK: Bubble(dc, r, "i"); break;
  }
}
