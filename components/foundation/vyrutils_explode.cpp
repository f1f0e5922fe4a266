// The zoom effect of a form opening: focus rectangles drawn twice over on
// the screen DC, so the second pass takes away what the first drew.
#include <algorithm>
#include <cmath>

#include "application.h"
#include "fill.h"
#include "forms.h"
#include "sysmenu.h"
#include "mouse.h"
#include "numbers.h"
#include "paint.h"
#include "window_pos.h"
#include "vyrclass_application.h"
#include "vyrutils.h"

namespace Vyrutils {

namespace {

int ExplodeDelay() { return Vyrclass::VyrApplication ? Vyrclass::VyrApplication->GetExplodeDelay() : 3; }

TPoint StartPoint(int X, int Y) {
  if (X >= 0) return TPoint(X, Y);
  POINT p{};
  GetCursorPos(&p);
  return TPoint(p.x, p.y);
}

// One frame: a wait on the platform clock in place of a busy loop.
void Frame(HDC Dc, const TRect& R, int Delay) {
  Vyrprocs::VyrDelay(static_cast<unsigned>(Delay));
  DrawFocusRect(Dc, &R);
}

int R(double V) { return static_cast<int>(Round(V)); }

// What both zooms start from: the point (the cursor for X < 0), the step
// count (40 below 4), the delay (at least 1) and the form's window rect.
struct Zoom {
  TPoint start;
  int steps;
  int delay;
  RECT window;
};

Zoom ZoomOf(TForm* Form, int X, int Y, int Delay, int Steps) {
  Zoom z{StartPoint(X, Y), Steps < 4 ? 40 : Steps, std::max(1, Delay), {}};
  GetWindowRect(Form->GetHandle(), &z.window);
  return z;
}

// Two passes on the screen DC: the second takes away what the first drew.
template <class Pass>
void TwoPasses(Pass Draw) {
  HDC dc = GetDC(nullptr);
  for (int pass = 0; pass < 2; ++pass) Draw(dc);
  ReleaseDC(nullptr, dc);
}

}  // namespace

void VyrExplodeFormExt(TForm* Form, int X, int Y, int Delay, int Steps) {
  if (!Form) return;
  const Zoom z = ZoomOf(Form, X, Y, Delay, Steps);
  const RECT& w = z.window;
  const double dx = double(w.left - z.start.x) / z.steps, dy = double(w.top - z.start.y) / z.steps;
  const double dw = double(w.right - w.left) / z.steps, dh = double(w.bottom - w.top) / z.steps;
  TwoPasses([&](HDC dc) {
    for (int i = 1; i <= z.steps; ++i) {
      const int L = R(i * dx + z.start.x), T = R(i * dy + z.start.y);
      Frame(dc, TRect(L, T, R(i * dw + L), R(i * dh + T)), z.delay);
    }
  });
}

void VyrExplodeForm(TForm* Form) { VyrExplodeFormExt(Form, -1, 0, ExplodeDelay(), 40); }

void VyrExplodeFormExt2(TForm* Form, int X, int Y, bool FromPoint, int Delay, int W0, int H0, int Steps) {
  if (!Form) return;
  const Zoom z = ZoomOf(Form, X, Y, Delay, Steps);
  const RECT& w = z.window;
  const TPoint start = z.start;
  const double W = w.right - w.left, H = w.bottom - w.top;
  const double cx = w.left + W / 2, cy = w.top + H / 2;
  TwoPasses([&](HDC dc) {
    if (FromPoint) {
      // Halfway from the start point toward the window's centre, at the
      // starting size.
      const int half = std::max(1, z.steps / 2);
      for (int i = 1; i <= half; ++i) {
        const double x = start.x + (cx - start.x) * i / (2.0 * half), y = start.y + (cy - start.y) * i / (2.0 * half);
        Frame(dc, TRect(R(x - W0 / 2.0), R(y - H0 / 2.0), R(x + W0 / 2.0), R(y + H0 / 2.0)), z.delay);
      }
    }
    for (int i = 1; i <= z.steps; ++i) {
      const double ww = W0 + (W - W0) * i / z.steps, hh = H0 + (H - H0) * i / z.steps;
      Frame(dc, TRect(R(cx - ww / 2), R(cy - hh / 2), R(cx + ww / 2), R(cy + hh / 2)), z.delay);
    }
  });
}

void VyrExplodeForm2(TForm* Form) { VyrExplodeFormExt2(Form, -1, 0, true, ExplodeDelay(), 10, 20, 40); }

void VyrCheckFormSysMenu(TForm* Form, Vyrprocs::TVyrSysMenuEntries Entries) {
  if (!Form) return;
  Vyrprocs::VyrCheckSystemMenu(Entries, GetSystemMenu(Form->GetHandle(), FALSE), false);
}

void VyrCheckApplicationSysMenu(Vyrprocs::TVyrSysMenuEntries Entries) {
  Vyrprocs::VyrCheckSystemMenu(Entries, GetSystemMenu(Application->GetHandle(), FALSE), false);
}

}  // namespace Vyrutils
