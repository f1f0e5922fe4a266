#include <map>

#include "brush.h"
#include "dc.h"
#include "fill.h"
#include "gdiobj.h"
#include "paint.h"
#include "rgn.h"
#include "surface.h"
#include "syscolors.h"
#include "user_fixture.h"
#include "window_pos.h"

namespace {

constexpr Pixel kRed = 0xFF0000, kBlue = 0x0000FF, kGreen = 0x00FF00;

class Painting : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    // Each window paints its whole client area in its colour.
    handler = [this](HWND h, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
      if (msg != WM_PAINT || !colours.count(h)) return std::nullopt;
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(h, &ps);
      paints.push_back({h, TRect(ps.rcPaint)});
      RECT all;
      GetClientRect(h, &all);
      HBRUSH b = CreateSolidBrush(PixelToColorRef(colours[h]));
      FillRect(dc, &all, b);
      DeleteObject(b);
      EndPaint(h, &ps);
      return 0;
    };
  }

  Pixel At(HWND top, int x, int y) { return GetWindowSurface(top)->At(x, y); }

  std::map<HWND, Pixel> colours;
  std::vector<std::pair<HWND, TRect>> paints;
};

TEST_F(Painting, InvalidRectanglesMergeIntoOnePaint) {
  HWND w = MakeTopLevel(WS_POPUP | WS_VISIBLE, TRect(0, 0, 100, 100));
  colours[w] = kRed;
  TestSupport::PumpUntilIdle();
  paints.clear();
  TRect a(10, 10, 20, 20), b{50, 40, 60, 70};
  InvalidateRect(w, &a, FALSE);
  InvalidateRect(w, &b, FALSE);
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetUpdateRgn(w, rgn, FALSE), COMPLEXREGION);
  EXPECT_TRUE(PtInRegion(rgn, 15, 15));
  EXPECT_FALSE(PtInRegion(rgn, 30, 30));
  RECT bounds;
  EXPECT_TRUE(GetUpdateRect(w, &bounds, FALSE));
  EXPECT_EQ(TRect(bounds), TRect(10, 10, 60, 70));
  TRect part(50, 40, 60, 55);
  ValidateRect(w, &part);
  EXPECT_TRUE(GetUpdateRect(w, &bounds, FALSE));
  EXPECT_EQ(TRect(bounds), TRect(10, 10, 60, 70));
  TestSupport::PumpUntilIdle();
  ASSERT_EQ(paints.size(), 1u);
  EXPECT_EQ(paints[0].second, TRect(10, 10, 60, 70));
  EXPECT_FALSE(GetUpdateRect(w, &bounds, FALSE));
  // The paint clip is the update region, not its bounds.
  EXPECT_EQ(At(w, 15, 15), kRed);
  EXPECT_EQ(At(w, 30, 30), kRed) << "painted at the first show";
  DeleteObject(rgn);
}

TEST_F(Painting, ClipChildrenKeepsTheParentOffItsChildren) {
  HWND parent = MakeTopLevel(WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, TRect(0, 0, 100, 100));
  HWND child = MakeChild(parent, TRect(20, 20, 40, 40));
  colours[parent] = kRed;
  colours[child] = kBlue;
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(At(parent, 5, 5), kRed);
  EXPECT_EQ(At(parent, 25, 25), kBlue);
  paints.clear();
  InvalidateRect(parent, nullptr, TRUE);
  TestSupport::PumpUntilIdle();
  ASSERT_EQ(paints.size(), 1u) << "the child was not invalidated";
  EXPECT_EQ(At(parent, 25, 25), kBlue);

  // Without WS_CLIPCHILDREN the parent paints over the child, so the child
  // is invalidated with it and repaints after it.
  SetWindowLongPtr(parent, GWL_STYLE, WS_POPUP | WS_VISIBLE);
  paints.clear();
  InvalidateRect(parent, nullptr, TRUE);
  TestSupport::PumpUntilIdle();
  ASSERT_EQ(paints.size(), 2u);
  EXPECT_EQ(paints[0].first, parent);
  EXPECT_EQ(paints[1].first, child);
  EXPECT_EQ(At(parent, 25, 25), kBlue);
}

TEST_F(Painting, ClipSiblingsKeepsALowerSiblingOutOfTheOneAbove) {
  HWND parent = MakeTopLevel(WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, TRect(0, 0, 100, 100));
  HWND lower = MakeChild(parent, TRect(10, 10, 50, 50), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS);
  HWND upper = MakeChild(parent, TRect(30, 30, 70, 70), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS);
  colours[parent] = kRed;
  colours[lower] = kBlue;
  colours[upper] = kGreen;
  TestSupport::PumpUntilIdle();
  // Drawing on the lower sibling outside a paint cycle.
  HDC dc = GetDC(lower);
  TRect all(0, 0, 40, 40);
  HBRUSH b = CreateSolidBrush(RGB(0, 0, 0));
  FillRect(dc, &all, b);
  DeleteObject(b);
  ReleaseDC(lower, dc);
  EXPECT_EQ(At(parent, 15, 15), 0u);
  EXPECT_EQ(At(parent, 40, 40), kGreen) << "the overlap belongs to the upper sibling";
  EXPECT_EQ(At(parent, 60, 60), kGreen);
  EXPECT_EQ(At(parent, 5, 5), kRed);
}

TEST_F(Painting, EraseUsesTheClassBrushAndDrawingOutsideAPaintStaysAndIsPresented) {
  HWND w = MakeTopLevel(WS_POPUP | WS_VISIBLE, TRect(0, 0, 50, 50));
  SetClassLongPtr(w, GCLP_HBRBACKGROUND, COLOR_BTNFACE + 1);
  RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_EQ(At(w, 10, 10), 0xC0C0C0u);
  auto hostId = WindowManager::Find(w)->Host;
  TestSupport::PumpUntilIdle();
  int presents = host->PresentCount(hostId);
  EXPECT_GE(presents, 1);

  HDC dc = GetDC(w);
  SetPixel(dc, 3, 4, RGB(255, 0, 0));
  ReleaseDC(w, dc);
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(At(w, 3, 4), kRed);
  EXPECT_EQ(host->PresentCount(hostId), presents + 1);
  EXPECT_EQ(TestSupport::PumpUntilIdle(), 0);
  EXPECT_EQ(host->PresentCount(hostId), presents + 1) << "nothing changed, nothing presented";

  // A hidden form still draws into its retained surface; a hidden child of
  // it draws nothing, or it would paint over its parent.
  HWND child = MakeChild(w, TRect(0, 0, 10, 10), WS_CHILD);
  ShowWindow(w, SW_HIDE);
  dc = GetDC(child);
  TRect r(0, 0, 10, 10);
  FillRect(dc, &r, GetSysColorBrush(COLOR_WINDOW));
  ReleaseDC(child, dc);
  EXPECT_EQ(At(w, 3, 4), kRed);
  dc = GetDC(w);
  FillRect(dc, &r, GetSysColorBrush(COLOR_WINDOW));
  ReleaseDC(w, dc);
  EXPECT_EQ(At(w, 3, 4), 0xFFFFFFu);
  presents = host->PresentCount(hostId);
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(host->PresentCount(hostId), presents) << "hidden: nothing presented";

  // The screen reads back our composed windows.
  ShowWindow(w, SW_SHOWNA);
  HDC screen = GetDC(nullptr);
  EXPECT_EQ(GetPixel(screen, 3, 4), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(screen, 20, 20), RGB(0xC0, 0xC0, 0xC0));
  ReleaseDC(nullptr, screen);
}

TEST_F(Painting, WindowRegionClipsPaintingAndGoesToTheHost) {
  HWND w = MakeTopLevel(WS_POPUP | WS_VISIBLE, TRect(0, 0, 60, 60));
  colours[w] = kRed;
  SetWindowRgn(w, CreateEllipticRgn(0, 0, 60, 60), TRUE);
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(At(w, 30, 30), kRed);
  EXPECT_EQ(At(w, 1, 1), 0u) << "outside the ellipse";
  const auto* state = host->Window(WindowManager::Find(w)->Host);
  ASSERT_TRUE(state->Shape.has_value());
  EXPECT_FALSE(state->Shape->Contains(1, 1));
  HRGN copy = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(w, copy), COMPLEXREGION);
  SetWindowRgn(w, nullptr, FALSE);
  EXPECT_EQ(GetWindowRgn(w, copy), ERROR);
  DeleteObject(copy);
}

TEST_F(Painting, LockedAndRedrawOffWindowsPaintLater) {
  HWND w = MakeTopLevel(WS_POPUP | WS_VISIBLE, TRect(0, 0, 40, 40));
  colours[w] = kRed;
  TestSupport::PumpUntilIdle();
  paints.clear();
  LockWindowUpdate(w);
  InvalidateRect(w, nullptr, FALSE);
  TestSupport::PumpUntilIdle();
  EXPECT_TRUE(paints.empty());
  LockWindowUpdate(nullptr);
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(paints.size(), 1u);

  paints.clear();
  SendMessage(w, WM_SETREDRAW, FALSE, 0);
  InvalidateRect(w, nullptr, FALSE);
  TestSupport::PumpUntilIdle();
  EXPECT_TRUE(paints.empty());
  SendMessage(w, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(w, nullptr, FALSE);
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(paints.size(), 1u);
}

TEST_F(Painting, MovingAChildRepaintsWhatItUncovered) {
  HWND parent = MakeTopLevel(WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, TRect(0, 0, 100, 100));
  HWND child = MakeChild(parent, TRect(0, 0, 20, 20));
  colours[parent] = kRed;
  colours[child] = kBlue;
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(At(parent, 5, 5), kBlue);
  MoveWindow(child, 50, 50, 20, 20, TRUE);
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(At(parent, 5, 5), kRed);
  EXPECT_EQ(At(parent, 55, 55), kBlue);
  ShowWindow(child, SW_HIDE);
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(At(parent, 55, 55), kRed);
}

}  // namespace
