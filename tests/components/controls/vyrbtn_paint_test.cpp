// The speed buttons' pictures: face by style and state, the glyph's shift
// when pressed, the drop-down part, the built-in glyphs and what the
// presets set up.
#include <string>
#include <vector>

#include "bitmap_class.h"
#include "vyrbtn_fixture.h"

using namespace Vyrbtn;
using S = Vyrgraph::TVyrButtonState;
using U = Vyrgraph::TVyrUserButtonStyle;

namespace {

class ButtonPaintTest : public ButtonTest {
 protected:
  // The bounding box of the pixels of Color on the control.
  static TRect Find(TControl* Control, TColor Color) {
    TRect box(1000, 1000, -1, -1);
    for (int y = 0; y < Control->GetHeight(); ++y)
      for (int x = 0; x < Control->GetWidth(); ++x)
        if (Shown(Control, x, y) == Rgb(Color)) {
          box.left = std::min<int>(box.left, x);
          box.top = std::min<int>(box.top, y);
          box.right = std::max<int>(box.right, x + 1);
          box.bottom = std::max<int>(box.bottom, y + 1);
        }
    return box;
  }
};

TEST_F(ButtonPaintTest, TheGlyphSinksOnePixelWhilePressed) {
  TProbeSpeedButton* button = NewButton(10, 10, 30, 30);
  TBitmap glyph;
  glyph.SetSize(8, 8);
  glyph.GetCanvas()->GetBrush()->SetColor(clRed);
  glyph.GetCanvas()->FillRect(TRect(0, 0, 8, 8));
  glyph.GetCanvas()->SetPixels(0, 7, clOlive);  // the transparent corner
  button->SetGlyph(&glyph);
  app.pump();
  const TRect up = Find(button, clRed);
  EXPECT_EQ(up.Width(), 8);
  EXPECT_EQ(up.Height(), 8);
  EXPECT_EQ(Shown(button, up.left, up.bottom - 1), Shown(button, 2, 15)) << "the corner shows the face";
  Press(button, 5, 5);
  const TRect down = Find(button, clRed);
  EXPECT_EQ(down.left, up.left + 1);
  EXPECT_EQ(down.top, up.top + 1);
  Release(button, 5, 5);
}

TEST_F(ButtonPaintTest, AFlatFaceShowsItsFrameOnlyWhenHot) {
  TProbeSpeedButton* button = NewButton(10, 10);
  button->SetColor(clYellow);
  button->SetStyle(U::ubsFlat);
  app.pump();
  EXPECT_EQ(Shown(button, 0, 0), Rgb(clYellow));
  EXPECT_EQ(Shown(button, 22, 21), Rgb(clYellow));
  MoveTo(button, 5, 5);
  EXPECT_EQ(Shown(button, 0, 0), Rgb(clBtnHighlight));
  EXPECT_EQ(Shown(button, 22, 21), Rgb(clBtnShadow));
  MoveAway();
  EXPECT_EQ(Shown(button, 0, 0), Rgb(clYellow));
}

TEST_F(ButtonPaintTest, APressedMemberShowsItsPatternFromTheFirstPaint) {
  TProbeSpeedButton* button = Place<TProbeSpeedButton>(form, 10, 10, 30, 24);
  button->SetColor(clYellow);
  button->SetStyle(U::ubsKorvelFlat);
  button->SetGroupIndex(1);
  button->SetPressed(true);
  auto row = [&] {
    std::string out;
    for (int x = 2; x < 10; ++x) out += Shown(button, x, 3) == Rgb(clWhite) ? 'w' : '-';
    return out;
  };
  app.pump();
  EXPECT_EQ(row(), "-w-w-w-w");
  button->Invalidate();
  app.pump();
  EXPECT_EQ(row(), "-w-w-w-w");
}

TEST_F(ButtonPaintTest, TheDropDownPartCarriesAnArrow) {
  auto* menu = TObject::Create<TPopupMenu>(form);
  TProbeSpeedButton* button = NewButton(10, 10, 30, 22);
  button->SetColor(clYellow);
  button->SetDropDownMenu(menu);
  button->SetDropDownCombo(true);
  app.pump();
  ASSERT_EQ(button->GetWidth(), 42);
  // Three rows narrowing to a point, centred in the part.
  for (int y = 8; y <= 12; ++y) {
    std::string row;
    for (int x = 32; x <= 40; ++x) row += Shown(button, x, y) == Rgb(clBlack) ? 'k' : '.';
    EXPECT_EQ(row, (std::vector<std::string>{".........", "..kkkkk..", "...kkk...", "....k....", "........."}[y - 8]))
        << y;
  }
}

TEST_F(ButtonPaintTest, TheCaptionTakesTheEnterColourWhileHot) {
  TProbeSpeedButton* button = NewButton(10, 10, 60, 24);
  button->SetCaption("WWW");
  button->SetEnterColor(clRed);
  button->SetEnterColorChange(true);
  app.pump();
  EXPECT_EQ(Find(button, clRed).right, -1) << "at rest in the font's colour";
  MoveTo(button, 5, 5);
  const TRect hot = Find(button, clRed);
  EXPECT_GT(hot.Width(), 10);
  EXPECT_GT(hot.left, 5) << "the caption, not the frame";
  MoveAway();
  EXPECT_EQ(Find(button, clRed).right, -1);
}

TEST_F(ButtonPaintTest, ARotatedCaptionAndABitmapFaceGiveWayToEachOther) {
  TProbeSpeedButton* button = NewButton(10, 10);
  button->GetFont()->SetName("MS Sans Serif");
  button->GetFontFx()->SetAngle(90);
  EXPECT_EQ(std::string(button->GetFont()->GetName().c_str()), "Arial") << "the angle came last";
  EXPECT_EQ(button->GetFontFx()->GetAngle(), 90);
  button->GetFont()->SetName("MS Sans Serif");
  EXPECT_EQ(button->GetFontFx()->GetAngle(), 0) << "the face came last";
  EXPECT_FALSE(button->GetParentFont());
}

TEST_F(ButtonPaintTest, GlyphKindsAreCellsOfTheBuiltInPicture) {
  TBitmap strip, folder;
  VyrDrawGlyphKindStrip(&strip);
  EXPECT_EQ(strip.GetWidth(), 104);
  EXPECT_EQ(strip.GetHeight(), 14);
  VyrGetGlyphKind(&folder, TVyrGlyphKind::gkFolder);
  ASSERT_EQ(folder.GetWidth(), 13);
  ASSERT_EQ(folder.GetHeight(), 14);
  int differing = 0, drawn = 0;
  for (int y = 0; y < 14; ++y)
    for (int x = 0; x < 13; ++x) {
      const TColor pixel = folder.GetCanvas()->GetPixels(x, y);
      EXPECT_EQ(pixel, strip.GetCanvas()->GetPixels(26 + x, y)) << x << "," << y;
      differing += pixel != strip.GetCanvas()->GetPixels(x, y);
      drawn += pixel != clOlive;
    }
  EXPECT_GT(differing, 0) << "not the ellipsis";
  EXPECT_GT(drawn, 0);
  // Every cell has a picture of its own.
  for (int cell = 0; cell < 8; ++cell) {
    int inked = 0;
    for (int y = 0; y < 14; ++y)
      for (int x = 0; x < 13; ++x) inked += strip.GetCanvas()->GetPixels(cell * 13 + x, y) != clOlive;
    EXPECT_GT(inked, 5) << cell;
  }

  TProbeSpeedButton* button = NewButton(10, 10);
  button->SetNumGlyphs(2);
  button->SetGlyphKind(TVyrGlyphKind::gkSearch);
  EXPECT_EQ(button->GetNumGlyphs(), 1);
  EXPECT_EQ(button->GetGlyph()->GetWidth(), 13);
  EXPECT_TRUE(button->IsCustom()) << "a built-in glyph is written with the form";
  EXPECT_FALSE(button->ActionChangeable());
}

TEST_F(ButtonPaintTest, ThePresetsSetTheirSizeStyleAndLook) {
  struct Case {
    TVyrCustomSpeedButton* button;
    int width, height;
    U style;
    TControlStyle controlStyle;
    bool transparent;
    Vyrglyph::TVyrGlyphStyle glyphStyle;
  };
  using G = Vyrglyph::TVyrGlyphStyle;
  const std::vector<Case> cases = {
      {TObject::Create<TVyrSpeedButton>(form), 23, 22, U::ubsAutoDetect,
       TControlStyle{csCaptureMouse, csOpaque, csDoubleClicks, csReplicatable}, false, G::gsStandard},
      {TObject::Create<TVyrOfficeButton>(form), 23, 22, U::ubsFlat,
       TControlStyle{csCaptureMouse, csDoubleClicks, csReplicatable}, false, G::gsStandard},
      {TObject::Create<TVyrExplorerButton>(form), 54, 40, U::ubsExplorer,
       TControlStyle{csCaptureMouse, csDoubleClicks, csReplicatable}, true, G::gsExplorer},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button->ClassName().c_str());
    EXPECT_EQ(c.button->GetWidth(), c.width);
    EXPECT_EQ(c.button->GetHeight(), c.height);
    EXPECT_EQ(c.button->GetStyle(), c.style);
    EXPECT_EQ(c.button->GetControlStyle(), c.controlStyle);
    EXPECT_EQ(c.button->GetTransparent(), c.transparent);
    EXPECT_EQ(c.button->GetGlyphStyle(), c.glyphStyle);
    EXPECT_TRUE(c.button->GetAllowMouseOver());
    EXPECT_FALSE(c.button->GetAllowTransparency());
  }

  // Leaving the explorer styles makes the button opaque again.
  TVyrCustomSpeedButton* explorer = cases[2].button;
  explorer->SetStyle(U::ubsWin40);
  EXPECT_FALSE(explorer->GetTransparent());
  EXPECT_TRUE(explorer->GetControlStyle().Contains(csOpaque));
  EXPECT_EQ(explorer->GetGlyphStyle(), G::gsStandard);
  explorer->SetStyle(U::ubsNavigator);
  EXPECT_EQ(explorer->GetGlyphStyle(), G::gsExplorer);
}

}  // namespace
