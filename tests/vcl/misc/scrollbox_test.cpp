#include "forms_scrollbox.h"

#include "keyboard.h"
#include "metrics.h"
#include "stdctrls_fixture.h"
#include "window_pos.h"

namespace {

// A box of 200 x 150 with a child reaching far right and down.
class ScrollBoxTest : public StdCtrlsTest {
 protected:
  void SetUp() override {
    form = ShownForm(400, 300);
    box = TObject::Create<TScrollBox>(form);
    box->SetParent(form);
    box->SetBounds(10, 10, 200, 150);
    child = TObject::Create<TLoggingControl>(form, nullptr);
    child->SetParent(box);
    child->SetBounds(20, 30, 500, 400);
    app.pump();
  }
  // A click at a point of the box's window (the frame included).
  void ClickWindow(int x, int y) {
    RECT r;
    GetWindowRect(box->GetHandle(), &r);
    app.host().PostClick(r.left + x, r.top + y);
    app.pump();
  }

  TForm* form = nullptr;
  TScrollBox* box = nullptr;
  TLoggingControl* child = nullptr;
};

constexpr int kEdge = 2;  // the sunken edge
constexpr int kBar = 16;

}  // namespace

TEST_F(ScrollBoxTest, ChildrenBeyondTheClientBringBothBars) {
  EXPECT_EQ(box->GetVertScrollBar()->GetRange(), 430);
  EXPECT_EQ(box->GetHorzScrollBar()->GetRange(), 520);
  EXPECT_TRUE(box->GetVertScrollBar()->IsScrollBarVisible());
  EXPECT_TRUE(box->GetHorzScrollBar()->IsScrollBarVisible());
  EXPECT_EQ(box->GetClientWidth(), 200 - 2 * kEdge - kBar);
  EXPECT_EQ(box->GetClientHeight(), 150 - 2 * kEdge - kBar);
  // The vertical bar's arrows sit inside the edge, on the right.
  HDC dc = GetWindowDC(box->GetHandle());
  EXPECT_EQ(GetPixel(dc, 200 - kEdge - kBar / 2, kEdge + kBar + 2), Rgb(clBtnFace));  // the thumb's face
  EXPECT_EQ(GetPixel(dc, 0, 0), Rgb(clBtnShadow));                                  // the sunken edge
  ReleaseDC(box->GetHandle(), dc);

  child->SetBounds(20, 30, 50, 50);  // everything fits now
  app.pump();
  EXPECT_FALSE(box->GetVertScrollBar()->IsScrollBarVisible());
  EXPECT_FALSE(box->GetHorzScrollBar()->IsScrollBarVisible());
  EXPECT_EQ(box->GetClientWidth(), 200 - 2 * kEdge);
}

TEST_F(ScrollBoxTest, BarMessagesAndClicksMoveTheChild) {
  TControlScrollBar* vert = box->GetVertScrollBar();
  const int page = box->GetClientHeight();
  struct Case {
    WPARAM wParam;
    int want;
  } cases[] = {
      {SB_LINEDOWN, 8},
      {SB_PAGEDOWN, 8 + page},
      {SB_LINEUP, page},
      {MAKEWPARAM(SB_THUMBPOSITION, 100), 100},
      {SB_BOTTOM, 430 - page},
      {SB_LINEDOWN, 430 - page},  // held at the end
      {SB_TOP, 0},
  };
  for (const Case& c : cases) {
    SendMessage(box->GetHandle(), WM_VSCROLL, c.wParam, 0);
    EXPECT_EQ(vert->GetPosition(), c.want) << c.wParam;
    EXPECT_EQ(child->GetTop(), 30 - c.want) << c.wParam;
  }

  // The down arrow at the bottom of the vertical bar, and the right arrow.
  ClickWindow(200 - kEdge - kBar / 2, 150 - kEdge - kBar - kBar / 2);
  EXPECT_EQ(vert->GetPosition(), 8);
  ClickWindow(200 - kEdge - kBar - kBar / 2, 150 - kEdge - kBar / 2);
  EXPECT_EQ(box->GetHorzScrollBar()->GetPosition(), 8);
  EXPECT_EQ(child->GetLeft(), 12);
}

TEST_F(ScrollBoxTest, DraggingTheThumbScrolls) {
  RECT r;
  GetWindowRect(box->GetHandle(), &r);
  const int x = r.left + 200 - kEdge - kBar / 2, y = r.top + kEdge + kBar + 3;
  app.host().PostMouseDown(x, y);
  app.host().PostMouseMove(x, y + 40);
  app.host().PostMouseUp(x, y + 40);
  app.pump();
  EXPECT_GT(box->GetVertScrollBar()->GetPosition(), 40);
  EXPECT_EQ(child->GetTop(), 30 - box->GetVertScrollBar()->GetPosition());
}

TEST_F(ScrollBoxTest, WheelScrollsDownThenSidewaysWithShift) {
  child->SetFocus();
  app.pump();
  // The focus brought the child's corner into view.
  ASSERT_EQ(box->GetVertScrollBar()->GetPosition(), 30);
  ASSERT_EQ(box->GetHorzScrollBar()->GetPosition(), 20);
  const TPoint at = box->ClientToScreen(TPoint(50, 50));
  app.host().PostWheel(at.x, at.y, -120);
  app.pump();
  EXPECT_EQ(box->GetVertScrollBar()->GetPosition(), 30 + 24);  // three lines of 8
  EXPECT_EQ(child->GetTop(), 30 - 30 - 24);

  Backend::Event shifted;
  shifted.Kind = Backend::EventKind::MouseWheel;
  shifted.X = at.x;
  shifted.Y = at.y;
  shifted.WheelDelta = -120;
  shifted.Modifiers = Backend::modShift;
  app.host().PostEvent(shifted);
  app.pump();
  EXPECT_EQ(box->GetHorzScrollBar()->GetPosition(), 20 + 24);
  EXPECT_EQ(box->GetVertScrollBar()->GetPosition(), 30 + 24);
}

// A box that draws a one-pixel frame of its own in place of the edge.
class TFramedBox : public TScrollBox {
  MORVANT_CLASS(TFramedBox, TScrollBox)
 public:
  explicit TFramedBox(TComponent* AOwner) : TScrollBox(AOwner) { SetBorderStyle(bsNone); }

 protected:
  void WMNCCalcSize(TMessage& Message) override {
    auto* r = reinterpret_cast<RECT*>(Message.LParam);
    *r = TRect(r->left + 1, r->top + 1, r->right - 1, r->bottom - 1);
    ExcludeScrollBars(*r);
  }
  void WMNCPaint(TMessage&) override {
    HDC dc = GetWindowDC(GetHandle());
    RECT whole = TRect(0, 0, GetWidth(), GetHeight());
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FrameRect(dc, &whole, red);
    DeleteObject(red);
    ReleaseDC(GetHandle(), dc);
    PaintScrollBars();
  }
};

TEST_F(ScrollBoxTest, SubclassReplacesTheBorderAndKeepsTheBars) {
  auto* framed = TObject::Create<TFramedBox>(form);
  framed->SetParent(form);
  framed->SetBounds(220, 10, 150, 100);
  auto* inner = TObject::Create<TLoggingControl>(form, nullptr);
  inner->SetParent(framed);
  inner->SetBounds(0, 0, 100, 300);
  app.pump();
  EXPECT_EQ(framed->GetClientWidth(), 150 - 2 - kBar);
  EXPECT_EQ(framed->GetClientHeight(), 100 - 2);
  HDC dc = GetWindowDC(framed->GetHandle());
  EXPECT_EQ(GetPixel(dc, 0, 50), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(dc, 150 - 1 - kBar / 2, 1 + kBar + 2), Rgb(clBtnFace));  // the thumb
  ReleaseDC(framed->GetHandle(), dc);
}

// Tab from a control in view to one below the box's edge, then to one in a
// box inside the box, itself below the edge of both: each scrolls the
// focused control into its client area, the inner box first.
TEST_F(ScrollBoxTest, FocusByTabScrollsTheControlIntoViewNestedBoxesToo) {
  child->SetBounds(0, 0, 50, 20);
  auto* below = TObject::Create<TLoggingControl>(form, nullptr);
  below->SetParent(box);
  below->SetBounds(10, 300, 50, 20);
  auto* inner = TObject::Create<TScrollBox>(form);
  inner->SetParent(box);
  inner->SetBounds(10, 400, 150, 80);
  auto* deep = TObject::Create<TLoggingControl>(form, nullptr);
  deep->SetParent(inner);
  deep->SetBounds(10, 200, 50, 20);
  app.pump();
  // The control's rectangle in the client area of a box that holds it.
  auto within = [](TScrollBox* in, TControl* c) {
    const TPoint at = in->ScreenToClient(c->GetParent()->ClientToScreen(TPoint(c->GetLeft(), c->GetTop())));
    return at.x >= 0 && at.y >= 0 && at.x + c->GetWidth() <= in->GetClientWidth() &&
           at.y + c->GetHeight() <= in->GetClientHeight();
  };
  child->SetFocus();
  app.pump();
  ASSERT_FALSE(within(box, below));
  EXPECT_EQ(box->GetVertScrollBar()->GetPosition(), 0);
  app.key(VK_TAB);
  app.pump();
  ASSERT_EQ(form->GetActiveControl(), below);
  EXPECT_TRUE(within(box, below));
  app.key(VK_TAB);
  app.pump();
  ASSERT_EQ(form->GetActiveControl(), deep);
  EXPECT_TRUE(within(inner, deep));
  EXPECT_TRUE(within(box, deep));
  // Back up with Shift+Tab: the control above comes back into view.
  app.key(VK_TAB, Backend::modShift);
  app.pump();
  ASSERT_EQ(form->GetActiveControl(), below);
  EXPECT_TRUE(within(box, below));
}
