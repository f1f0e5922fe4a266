// What the filled dialogs show where their controls leave room: the tile of
// the form fill behind window-less labels and behind the transparent check
// boxes and track bars at every paint, and the tile again where a shortened
// text was.
#include <functional>

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

TEST_F(FormFillTest, TheSettingsShowTheTileBehindLabelsAndBoxes) {
  Form4->Show();
  app->pump();
  // Far right on each box: no glyph, no caption, what the form shows there.
  for (Vyrgroup::TVyrCheckBox* box : {Form4->VyrCheckBox1, Form4->VyrCheckBox2, Form4->VyrCheckBox3,
                                      Form4->VyrCheckBox4, Form4->VyrCheckBox5})
    for (int y = 2; y < box->GetHeight() - 2; y += 3) {
      const TPoint at = OnForm(box, box->GetWidth() - 3, y);
      EXPECT_EQ(ColorToRGB(Shown(box, box->GetWidth() - 3, y)), Tile(Form4->VyrFormFill1, at.x, at.y))
          << box->GetName().c_str() << " at y " << y;
    }
  // Just inside a label's frame, above its letters: the form's tile.
  Vyrstdcs::TVyrLabel* label = Form4->VyrLabel1;
  const TPoint at = OnForm(label, 3, 2);
  EXPECT_EQ(ColorToRGB(Shown(label, 3, 2)), Tile(Form4->VyrFormFill1, at.x, at.y));
  Form4->Hide();
}

// The two track bars are transparent with no background bitmap to copy:
// they show the form's tile behind the track at their first paint and at
// every one after, focused or not (a focus change repaints).
TEST_F(FormFillTest, TheSettingsTrackBarsShowTheTileAtEveryPaintFocusedOrNot) {
  Form4->VyrTrackBar1->SetPosition(0);
  Form4->VyrTrackBar2->SetPosition(0);
  Form4->Show();
  app->pump();
  // The strip above the track, right of the thumb, inside the focus ring.
  auto tiledAbove = [&](Vyrextca::TVyrTrackBar* bar) {
    int wrong = 0;
    for (int y = 1; y < 4; ++y)
      for (int x = 40; x < bar->GetWidth() - 2; ++x) {
        const TPoint at = OnForm(bar, x, y);
        wrong += ColorToRGB(Shown(bar, x, y)) != Tile(Form4->VyrFormFill1, at.x, at.y);
      }
    return wrong;
  };
  struct Step {
    const char* what;
    std::function<void()> act;
  };
  const Step steps[] = {
      {"first paint", [] {}},
      {"repainted", [&] { Form4->VyrTrackBar1->Repaint(), Form4->VyrTrackBar2->Repaint(); }},
      {"bar 2 focused", [&] { Form4->VyrTrackBar2->SetFocus(); }},
      {"repainted focused", [&] { Form4->VyrTrackBar1->Repaint(), Form4->VyrTrackBar2->Repaint(); }},
      {"bar 1 focused again", [&] { Form4->VyrTrackBar1->SetFocus(); }},
      {"dialog repainted", [&] { Form4->Repaint(); }},
  };
  for (const Step& step : steps) {
    step.act();
    app->pump();
    EXPECT_EQ(tiledAbove(Form4->VyrTrackBar1), 0) << step.what;
    EXPECT_EQ(tiledAbove(Form4->VyrTrackBar2), 0) << step.what;
  }
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
