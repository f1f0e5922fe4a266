// Window helpers: the previous instance, centring and placing windows and
// forms, waiting with messages flowing, and the divisors of a number.
#include <algorithm>
#include <vector>

#include "application.h"
#include "clock.h"
#include "control.h"
#include "forms.h"
#include "metrics.h"
#include "tscreen.h"
#include "window.h"
#include "window_pos.h"
#include "vyrclass_application.h"
#include "vyrutils.h"

namespace Vyrutils {

namespace {

constexpr UINT kPlaceOnly = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;

int ClampToScreen(int Pos, int Size, int Screen) { return std::max(0, std::min(Pos, Screen - Size)); }

}  // namespace

void VyrGetDivider(TStringList* List, int N) {
  List->Clear();
  if (N < 2) return;
  std::vector<int> divisors;
  for (int d = 1; d <= N / 2; ++d) {
    if (N % d != 0) continue;
    divisors.push_back(d);
    divisors.push_back(N / d);
    if (d >= N / d) break;
  }
  std::sort(divisors.begin(), divisors.end());
  divisors.erase(std::unique(divisors.begin(), divisors.end()), divisors.end());
  for (int d : divisors) List->Add(AnsiString(d));
}

void VyrWait(unsigned Ms) {
  if (Ms == 0) return;
  constexpr DWORD kSlice = 5;
  const DWORD start = GetTickCount();
  for (DWORD passed = 0; passed < Ms; passed = GetTickCount() - start) {
    Application->ProcessMessages();
    Sleep(std::min<DWORD>(kSlice, Ms - passed));
  }
  Application->ProcessMessages();
}

void VyrCenterWindow(HWND Wnd, bool Upper) {
  RECT r{};
  GetWindowRect(Wnd, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
  const int x = ClampToScreen((sw - w) / 2, w, sw), y = ClampToScreen((sh - h) / (2 + (Upper ? 1 : 0)), h, sh);
  SetWindowPos(Wnd, nullptr, x, y, 0, 0, kPlaceOnly);
}

void VyrCenterForm(TForm* Form) {
  if (!Form) return;
  Form->SetBounds((Screen->GetWidth() - Form->GetWidth()) / 2, (Screen->GetHeight() - Form->GetHeight()) / 2,
                  Form->GetWidth(), Form->GetHeight());
}

int VyrCenterChild(TForm* Parent, TForm* Child, bool Show) {
  if (!Parent || !Child) return 0;
  Child->SetPosition(poDefault);
  const int w = Child->GetWidth(), h = Child->GetHeight();
  const int x = Parent->GetLeft() + (Parent->GetWidth() - w) / 2, y = Parent->GetTop() + (Parent->GetHeight() - h) / 2;
  Child->SetBounds(ClampToScreen(x, w, Screen->GetWidth()), ClampToScreen(y, h, Screen->GetHeight()), w, h);
  return Show ? Child->ShowModal() : 0;
}

void VyrCenterChildWindow(HWND Parent, HWND Child, bool /*Flag*/) {
  RECT p{}, c{};
  GetWindowRect(Parent, &p);
  GetWindowRect(Child, &c);
  const int w = c.right - c.left, h = c.bottom - c.top;
  const int x = p.left + (p.right - p.left - w) / 2, y = p.top + (p.bottom - p.top - h) / 2;
  SetWindowPos(Child, nullptr, ClampToScreen(x, w, GetSystemMetrics(SM_CXSCREEN)),
               ClampToScreen(y, h, GetSystemMetrics(SM_CYSCREEN)), 0, 0, kPlaceOnly);
}

namespace {

// The offset of Size in Room for a column or row: 0 first, 1 centred, 2 last.
int PlaceIn(int Room, int Size, int Place) { return Place == 0 ? 0 : Place == 1 ? (Room - Size) / 2 : Room - Size; }

TRect ScreenRect() { return TRect(0, 0, Screen->GetWidth(), Screen->GetHeight()); }

// The screen stands in for a form that is not there.
TRect WindowRectOf(TCustomForm* Form) {
  if (!Form) return ScreenRect();
  RECT r{};
  GetWindowRect(Form->GetHandle(), &r);
  return TRect(r);
}

}  // namespace

void VyrPositionWindow(HWND Wnd, const TRect& Target, Vyrgraph::TVyrDlgPosition Position, bool /*Flag*/) {
  RECT r{};
  GetWindowRect(Wnd, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  // bpCustom goes top-left; the rest run row by row from bpTopLeft.
  const int cell = std::max(0, static_cast<int>(Position) - static_cast<int>(Vyrgraph::TVyrDlgPosition::bpTopLeft));
  int x = Target.left + PlaceIn(Target.Width(), w, cell % 3);
  int y = Target.top + PlaceIn(Target.Height(), h, cell / 3);
  if (x + w > GetSystemMetrics(SM_CXSCREEN)) x = Target.right - w;
  if (y + h > GetSystemMetrics(SM_CYSCREEN)) y = Target.bottom - h;
  SetWindowPos(Wnd, nullptr, std::max(0, x), std::max(0, y), 0, 0, kPlaceOnly);
}

TRect VyrDlgGetTargetRect(Vyrgraph::TVyrDlgPosRel Rel) {
  switch (Rel) {
    case Vyrgraph::TVyrDlgPosRel::brScreenWorkArea: {
      RECT area{};
      SystemParametersInfo(SPI_GETWORKAREA, 0, &area, 0);
      return TRect(area);
    }
    case Vyrgraph::TVyrDlgPosRel::brMainForm: return WindowRectOf(Application->GetMainForm());
    case Vyrgraph::TVyrDlgPosRel::brActiveWindow: return WindowRectOf(Screen->GetActiveForm());
    case Vyrgraph::TVyrDlgPosRel::brScreen: break;
  }
  return ScreenRect();
}

bool VyrIsChild(TControl* Parent, TControl* Control) {
  for (TControl* c = Control; c; c = c->GetParent())
    if (c == Parent) return true;
  return false;
}

void VyrActivatePrevInstance() {
  if (!Vyrclass::VyrApplication || !Vyrclass::VyrApplication->GetPrevInstance()) return;
  const AnsiString title = Application->GetTitle();
  HWND own = Application->GetHandle();
  SetWindowText(own, "");
  // Only this process's windows are there to find: another instance's
  // window is not among them.
  HWND other = FindWindow("TApplication", title.c_str());
  SetWindowText(own, title.c_str());
  if (!other) return;
  if (IsIconic(other))
    ShowWindow(other, SW_RESTORE);
  else
    BringWindowToTop(other);
}

}  // namespace Vyrutils
