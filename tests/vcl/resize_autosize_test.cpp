// The size a control takes: OnCanResize may refuse it, OnConstrainedResize
// narrows its limits, and AutoSize fits a windowed control to its visible
// children.
#include "extctrls_panel.h"
#include "vcl_fixture.h"

namespace {

class ResizeTest : public VclTest {
 protected:
  TForm* form = nullptr;
  TPanel* panel = nullptr;

  void SetUp() override {
    form = ShownForm(400, 300);
    panel = TObject::Create<TPanel>(form);
    panel->SetParent(form);
    panel->SetBounds(10, 10, 100, 80);
  }
  TSwatch* Child(int Left, int Top, int Width, int Height) {
    auto* s = TObject::Create<TSwatch>(form);
    s->SetParent(panel);
    s->SetBounds(Left, Top, Width, Height);
    return s;
  }
};

TEST_F(ResizeTest, OnCanResizeIsAskedForEveryNewSizeAndMayRefuseIt) {
  int asked = 0;
  panel->OnCanResize = TCanResizeEvent([&](TObject*, int& W, int&, bool& Resize) {
    ++asked;
    if (W > 200) Resize = false;
    if (W == 150) W = 160;
  });
  panel->SetBounds(20, 20, 100, 80);  // a move only
  EXPECT_EQ(asked, 0);
  panel->SetWidth(300);
  EXPECT_EQ(panel->GetWidth(), 100);
  panel->SetBounds(30, 30, 250, 90);  // refused size, the move stands
  EXPECT_EQ(panel->GetBoundsRect(), TRect(30, 30, 130, 110));
  panel->SetWidth(150);
  EXPECT_EQ(panel->GetWidth(), 160);
  EXPECT_EQ(asked, 3);
}

TEST_F(ResizeTest, OnConstrainedResizeStartsFromTheConstraints) {
  panel->GetConstraints()->SetMaxWidth(120);
  panel->GetConstraints()->SetMinHeight(50);
  int seen[4] = {};
  panel->OnConstrainedResize = TConstrainedResizeEvent([&](TObject*, int& MinW, int& MinH, int& MaxW, int& MaxH) {
    seen[0] = MinW, seen[1] = MinH, seen[2] = MaxW, seen[3] = MaxH;
    MinW = 60;
  });
  panel->SetBounds(10, 10, 500, 10);
  EXPECT_EQ(seen[1], 50);
  EXPECT_EQ(seen[2], 120);
  EXPECT_EQ(panel->GetWidth(), 120);
  EXPECT_EQ(panel->GetHeight(), 50);
  panel->SetWidth(20);
  EXPECT_EQ(panel->GetWidth(), 60);
}

TEST_F(ResizeTest, AutoSizeHoldsTheVisibleChildrenPlusTheBorder) {
  panel->SetBevelOuter(bvNone);
  panel->SetBorderWidth(3);
  TSwatch* a = Child(5, 5, 40, 20);
  TSwatch* b = Child(30, 40, 50, 30);
  const int frameWidth = panel->GetWidth() - panel->GetClientWidth();
  const int frameHeight = panel->GetHeight() - panel->GetClientHeight();
  panel->SetAutoSize(true);
  // Beyond the children's right and bottom edges: the border width and the
  // window's frame.
  EXPECT_EQ(panel->GetWidth(), 80 + 3 + frameWidth);
  EXPECT_EQ(panel->GetHeight(), 70 + 3 + frameHeight);

  const int w0 = panel->GetWidth(), h0 = panel->GetHeight();
  b->SetLeft(100);  // moved
  EXPECT_EQ(panel->GetWidth(), w0 + 70);
  b->SetHeight(60);  // sized
  EXPECT_EQ(panel->GetHeight(), h0 + 30);
  b->Hide();  // hidden: only a counts
  EXPECT_EQ(panel->GetWidth(), w0 - 35);
  EXPECT_EQ(panel->GetHeight(), h0 - 45);
  Child(0, 0, 200, 10);  // added
  EXPECT_EQ(panel->GetWidth(), w0 + 120);
  (void)a;
}

TEST_F(ResizeTest, AutoSizeIsAskedThroughOnCanResizeToo) {
  Child(0, 0, 300, 20);
  panel->OnCanResize = TCanResizeEvent([](TObject*, int& W, int&, bool&) { W = std::min(W, 150); });
  panel->SetAutoSize(true);
  EXPECT_EQ(panel->GetWidth(), 150);
}

}  // namespace
