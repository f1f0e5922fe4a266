// The standard-control suites: the class-library fixture and pixel helpers.
#pragma once

#include "colors.h"
#include "gdi.h"
#include "paint.h"
#include "vcl_fixture.h"

class StdCtrlsTest : public VclTest {
 protected:
  // The pixel at a point of a windowed control's client area.
  static COLORREF Pixel(TWinControl* control, int x, int y) {
    HDC dc = GetDC(control->GetHandle());
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(control->GetHandle(), dc);
    return c;
  }
  // How many pixels of a client rectangle have the colour.
  static int CountPixels(TWinControl* control, const TRect& r, TColor color) {
    const COLORREF want = static_cast<COLORREF>(ColorToRGB(color));
    HDC dc = GetDC(control->GetHandle());
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) n += GetPixel(dc, x, y) == want;
    ReleaseDC(control->GetHandle(), dc);
    return n;
  }
  // How many pixels of a client rectangle differ from the colour (text on
  // a background: its smoothed edges have no one colour).
  static int CountOtherThan(TWinControl* control, const TRect& r, TColor background) {
    return r.Width() * r.Height() - CountPixels(control, r, background);
  }
  static COLORREF Rgb(TColor color) { return static_cast<COLORREF>(ColorToRGB(color)); }
};
