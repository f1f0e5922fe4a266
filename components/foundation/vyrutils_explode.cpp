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

}  // namespace

void VyrExplodeFormExt(TForm* Form, int X, int Y, int Delay, int Steps) {
  if (!Form) return;
  const TPoint start = StartPoint(X, Y);
  if (Steps < 4) Steps = 40;
  if (Delay < 1) Delay = 1;
  RECT w{};
  GetWindowRect(Form->GetHandle(), &w);
  const double dx = double(w.left - start.x) / Steps, dy = double(w.top - start.y) / Steps;
  const double dw = double(w.right - w.left) / Steps, dh = double(w.bottom - w.top) / Steps;
  HDC dc = GetDC(nullptr);
  for (int pass = 0; pass < 2; ++pass)
    for (int i = 1; i <= Steps; ++i) {
      const int L = R(i * dx + start.x), T = R(i * dy + start.y);
      Frame(dc, TRect(L, T, R(i * dw + L), R(i * dh + T)), Delay);
    }
  ReleaseDC(nullptr, dc);
}

void VyrExplodeForm(TForm* Form) { VyrExplodeFormExt(Form, -1, 0, ExplodeDelay(), 40); }

void VyrExplodeFormExt2(TForm* Form, int X, int Y, bool FromPoint, int Delay, int W0, int H0, int Steps) {
  if (!Form) return;
  const TPoint start = StartPoint(X, Y);
  if (Steps < 4) Steps = 40;
  if (Delay < 1) Delay = 1;
  RECT w{};
  GetWindowRect(Form->GetHandle(), &w);
  const double W = w.right - w.left, H = w.bottom - w.top;
  const double cx = w.left + W / 2, cy = w.top + H / 2;
  HDC dc = GetDC(nullptr);
  for (int pass = 0; pass < 2; ++pass) {
    if (FromPoint) {
      // Halfway from the start point toward the window's centre, at the
      // starting size.
      const int half = std::max(1, Steps / 2);
      for (int i = 1; i <= half; ++i) {
        const double x = start.x + (cx - start.x) * i / (2.0 * half), y = start.y + (cy - start.y) * i / (2.0 * half);
        Frame(dc, TRect(R(x - W0 / 2.0), R(y - H0 / 2.0), R(x + W0 / 2.0), R(y + H0 / 2.0)), Delay);
      }
    }
    for (int i = 1; i <= Steps; ++i) {
      const double ww = W0 + (W - W0) * i / Steps, hh = H0 + (H - H0) * i / Steps;
      Frame(dc, TRect(R(cx - ww / 2), R(cy - hh / 2), R(cx + ww / 2), R(cy + hh / 2)), Delay);
    }
  }
  ReleaseDC(nullptr, dc);
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
