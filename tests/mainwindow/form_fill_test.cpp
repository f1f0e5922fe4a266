// What the filled dialogs show where their controls leave room: the tile of
// the form fill behind window-less labels, the plain face colour behind the
// transparent check boxes, and the tile again where a shortened text was.
#include "main_window_fixture.h"
#include "paint.h"
#include "window_pos.h"

namespace {

class FormFillTest : public MainWindowTest {
 protected:
  void SetUp() override { Open(); }

  // The pixel the screen shows at a point of a control's client area.
  static TColor Shown(TControl* control, int x, int y) {
    TCustomForm* top = GetParentForm(control);
    const TPoint screen = control->ClientToScreen(TPoint(x, y));
    RECT frame;
    GetWindowRect(top->GetHandle(), &frame);
    const Surface* surface = GetWindowSurface(top->GetHandle());
    if (!surface || !surface->Contains(screen.x - frame.left, screen.y - frame.top)) return clNone;
    return static_cast<TColor>(PixelToColorRef(surface->At(screen.x - frame.left, screen.y - frame.top)));
  }
  // The fill's tile at a point of the form's client area, laid from its
  // corner.
  static TColor Tile(Vyrforma::TVyrFormFill* fill, int x, int y) {
    TBitmap* tile = fill->GetFillObject()->GetBitmapProp();
    return static_cast<TColor>(ColorToRGB(tile->GetCanvas()->GetPixels(x % tile->GetWidth(), y % tile->GetHeight())));
  }
  // A control's point in its form's client coordinates.
  static TPoint OnForm(TControl* control, int x, int y) {
    return GetParentForm(control)->ScreenToClient(control->ClientToScreen(TPoint(x, y)));
  }
};

TEST_F(FormFillTest, TheSettingsShowTheTileBehindLabelsAndTheFaceBehindBoxes) {
  Form4->Show();
  app->pump();
  // Far right on the first box: no glyph, no caption, only its own fill.
  Vyrgroup::TVyrCheckBox* box = Form4->VyrCheckBox1;
  EXPECT_EQ(ColorToRGB(Shown(box, box->GetWidth() - 3, box->GetHeight() / 2)), ColorToRGB(clBtnFace));
  // Just inside a label's frame, above its letters: the form's tile.
  Vyrstdcs::TVyrLabel* label = Form4->VyrLabel1;
  const TPoint at = OnForm(label, 3, 2);
  EXPECT_EQ(ColorToRGB(Shown(label, 3, 2)), Tile(Form4->VyrFormFill1, at.x, at.y));
  Form4->Hide();
}

TEST_F(FormFillTest, AShortenedLabelGivesItsFormerAreaBackToTheTile) {
  Form3->Show();
  Vyrstdcs::TVyrLabel* label = Form3->VyrLabel3;
  label->SetCaption("0000000000");
  app->pump();
  const int wide = label->GetWidth(), high = label->GetHeight();
  auto isTile = [&](int x, int y) {
    const TPoint at = OnForm(label, x, y);
    return ColorToRGB(Shown(label, x, y)) == Tile(Form3->VyrFormFill1, at.x, at.y);
  };
  std::vector<TPoint> inked;  // points of the long text that are not the tile
  for (int y = 0; y < high; ++y)
    for (int x = wide / 2; x < wide; ++x)
      if (!isTile(x, y)) inked.push_back(TPoint(x, y));
  ASSERT_FALSE(inked.empty());
  label->SetCaption("1");
  app->pump();
  ASSERT_LT(label->GetWidth(), wide / 2);
  for (const TPoint& p : inked) EXPECT_TRUE(isTile(p.x, p.y)) << p.x << "," << p.y;
  Form3->Hide();
}

}  // namespace
