#include <cstdint>

#include "gdi.h"
#include "paint.h"
#include "stdctrls_label.h"
#include "window_pos.h"
#include "vcl_fixture.h"

namespace {

TColor PixelAt(TWinControl* control, int x, int y) {
  HDC dc = GetDC(control->GetHandle());
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(control->GetHandle(), dc);
  return static_cast<TColor>(c);
}

}  // namespace

TEST_F(VclTest, FormHandleIsCreatedOnFirstNeedAndClientSizeSetsTheOuterSize) {
  TForm* f = app.create_form<TForm>();
  EXPECT_FALSE(f->HandleAllocated());
  f->SetBorderStyle(bsSizeable);
  f->SetClientWidth(200);
  f->SetClientHeight(100);
  EXPECT_GT(f->GetWidth(), 200);
  EXPECT_GT(f->GetHeight(), 100);
  f->Show();
  app.pump();
  ASSERT_TRUE(f->HandleAllocated());
  RECT r;
  GetClientRect(f->GetHandle(), &r);
  EXPECT_EQ(r.right, 200);
  EXPECT_EQ(r.bottom, 100);
  EXPECT_EQ(f->GetClientWidth(), 200);
}

TEST_F(VclTest, BackgroundIsFilledWithColorAndGraphicChildrenPaintOnTop) {
  TForm* f = ShownForm();
  f->SetColor(clBlue);
  auto* swatch = TObject::Create<TSwatch>(f);
  swatch->SetBounds(10, 10, 20, 20);
  swatch->SetParent(f);
  app.pump();
  EXPECT_GE(swatch->Paints, 1);
  EXPECT_EQ(PixelAt(f, 5, 5), clBlue);
  EXPECT_EQ(PixelAt(f, 15, 15), clRed);
  EXPECT_EQ(PixelAt(f, 30, 30), clBlue);  // clipped to its bounds
}

TEST_F(VclTest, ClickOnGraphicChildReachesItInItsOwnCoordinates) {
  TForm* f = ShownForm();
  auto* swatch = TObject::Create<TSwatch>(f);
  swatch->SetBounds(40, 30, 20, 20);
  swatch->SetParent(f);
  int clicks = 0, downX = -1, downY = -1;
  swatch->OnClick = [&](TObject*) { ++clicks; };
  swatch->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int x, int y) { downX = x, downY = y; };
  int formClicks = 0;
  f->OnClick = [&](TObject*) { ++formClicks; };
  app.click(f, 45, 37);
  app.pump();
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(downX, 5);
  EXPECT_EQ(downY, 7);
  EXPECT_EQ(formClicks, 0);
  app.click(f, 5, 5);
  app.pump();
  EXPECT_EQ(formClicks, 1);
}

TEST_F(VclTest, ControlStyleBitsKeepTheLibraryOrder) {
  const TControlStyle s = {csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks, csReplicatable};
  EXPECT_EQ(s.Bits(), 2187u);
  EXPECT_EQ(CM_DIALOGKEY, 0xB005u);
  EXPECT_EQ(CM_MOUSEENTER, 0xB013u);
  EXPECT_EQ(CM_MOUSELEAVE, 0xB014u);
  EXPECT_EQ(CM_BUTTONPRESSED, 0xB018u);
}

TEST_F(VclTest, PerformReachesWindowlessControlsAndUnknownMessagesEndInDefaultHandler) {
  struct TProbe : TGraphicControl {
    using TGraphicControl::TGraphicControl;
    std::vector<UINT> defaulted;
    void DefaultHandler(TMessage& m) override {
      defaulted.push_back(m.Msg);
      m.Result = 42;
    }
  };
  TForm* f = ShownForm();
  auto* probe = TObject::Create<TProbe>(f);
  probe->SetParent(f);
  EXPECT_EQ(probe->Perform(CM_BASE + 205, 0, 0), 42);
  EXPECT_EQ(probe->defaulted, std::vector<UINT>{CM_BASE + 205});
}

TEST_F(VclTest, ChangingTheParentFontReachesChildrenThatFollowIt) {
  TForm* f = ShownForm();
  auto* follower = TObject::Create<TSwatch>(f);
  follower->SetParent(f);
  auto* own = TObject::Create<TSwatch>(f);
  own->SetParent(f);
  own->GetFont()->SetSize(20);
  f->GetFont()->SetSize(14);
  EXPECT_EQ(follower->GetFont()->GetSize(), 14);
  EXPECT_EQ(own->GetFont()->GetSize(), 20);
  EXPECT_FALSE(own->GetParentFont());
}

TEST_F(VclTest, TheWheelGoesToOnMouseWheelFirstThenToTheDownOrUpEvent) {
  TForm* f = ShownForm();
  std::vector<std::string> log;
  bool takeInWheel = false;
  f->OnMouseWheel = [&](TObject*, TShiftState, int delta, TPoint, bool& handled) {
    log.push_back("wheel " + std::to_string(delta));
    handled = takeInWheel;
  };
  f->OnMouseWheelDown = [&](TObject*, TShiftState, TPoint, bool& handled) { log.push_back("down"), handled = true; };
  f->OnMouseWheelUp = [&](TObject*, TShiftState, TPoint, bool& handled) { log.push_back("up"), handled = true; };
  const TPoint p = f->ClientToScreen(TPoint(50, 50));
  app.host().PostWheel(p.x, p.y, -120);
  app.host().PostWheel(p.x, p.y, 120);
  app.pump();
  takeInWheel = true;
  app.host().PostWheel(p.x, p.y, 120);
  app.pump();
  EXPECT_EQ(log, (std::vector<std::string>{"wheel -120", "down", "wheel 120", "up", "wheel 120"}));
}

// A form from outside may give any position and size: a control's right
// and bottom edges stay within 32 bits, and its parent still paints.
TEST_F(VclTest, BoundsFarOutKeepTheirEdgesWithin32Bits) {
  TForm* f = app.create_form<TForm>();
  f->SetBounds(0, 0, 200, 100);
  auto* label = TObject::Create<TLabel>(f);
  label->SetParent(f);
  constexpr int kFar = 2000000000;
  label->SetBounds(kFar, kFar, kFar, kFar);
  f->Show();
  app.pump();
  const TRect r = label->GetBoundsRect();
  EXPECT_EQ(r.right, INT32_MAX);
  EXPECT_EQ(r.bottom, INT32_MAX);
  label->SetBounds(-kFar, -kFar, kFar, kFar);
  EXPECT_EQ(label->GetWidth(), kFar);
}
