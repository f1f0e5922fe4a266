// The fill control, the label filled with a pattern and the panel fill:
// what they paint, when they let the background through, how the panel's
// bitmap follows its fill and its size, and their form text.
#include <functional>
#include <string>

#include "brush_class.h"
#include "controls_fixture.h"
#include "font_class.h"
#include "unitstartup.h"
#include "vyrextcs.h"
#include "vyrstdcs.h"
#include "vyrutils.h"

using namespace Vyrextcs;
using Vyrgraph::TVyrBevelStyle;
using Vyrgraph::TVyrFillObject;
using Vyrgraph::TVyrFillOption;
using Vyrgraph::TVyrFillStyle;
using Vyrgraph::TVyrTileMode;

namespace {

class FillsTest : public ControlsTest {
 protected:
  TUnitStartup units{{Vyrstdcs::Unit, Vyrextcs::Unit}};
  TForm* form = nullptr;
  void SetUp() override { form = NewForm(clWhite); }

  static void SolidBrush(TVyrFillObject* Fill, TColor Color) {
    Fill->GetBrush()->SetStyle(bsSolid);
    Fill->GetBrush()->SetColor(Color);
    Fill->SetStyle(TVyrFillStyle::sfBrush);
  }

  static void PlainPicture(TBitmap& Picture, int Size, TColor Color) {
    Picture.SetSize(Size, Size);
    Picture.GetCanvas()->GetBrush()->SetColor(Color);
    Picture.GetCanvas()->FillRect(TRect(0, 0, Size, Size));
  }

  // A bitmap list of the form holding one plain picture.
  Vyrcont::TVyrBitmapList* ListOf(TColor Color) {
    auto* list = TObject::Create<Vyrcont::TVyrBitmapList>(form);
    TBitmap picture;
    PlainPicture(picture, 8, Color);
    auto* item = TObject::Create<Vyrcont::TVyrBitmapListItem>(nullptr);
    item->SetBitmap(&picture);
    list->Add(item);
    return list;
  }

  // The pixels of the control's client area that satisfy Test.
  static int Count(TControl* Control, const std::function<bool(TColor)>& Test) {
    int n = 0;
    for (int y = 0; y < Control->GetHeight(); ++y)
      for (int x = 0; x < Control->GetWidth(); ++x) n += Test(Shown(Control, x, y));
    return n;
  }
  static std::function<bool(TColor)> Is(TColor C) {
    const TColor rgb = Rgb(C);
    return [rgb](TColor Pixel) { return Pixel == rgb; };
  }
};

// ---- the fill control ----

TEST_F(FillsTest, AnEmptyFillShowsNothingAtRunTimeAndItsOutlineAtDesignTime) {
  auto* fill = Place<TVyrFill>(form, 10, 10, 40, 30);
  app.pump();
  ASSERT_TRUE(fill->GetEmpty());
  EXPECT_EQ(Count(fill, Is(clWhite)), 40 * 30);
  fill->SetDesigning(true);
  fill->Invalidate();
  app.pump();
  const int dashes = Count(fill, Is(clBlack));
  EXPECT_GT(dashes, 0);
  EXPECT_EQ(Shown(fill, 20, 15), clWhite) << "only the outline";
  for (auto make : std::initializer_list<std::function<void(TVyrFill*)>>{
           [](TVyrFill* f) { f->GetBevel()->SetStyleOuter(TVyrBevelStyle::bvRaised); },
           [](TVyrFill* f) { f->GetCaptionObject()->SetCaption("A"); },
           [](TVyrFill* f) { SolidBrush(f->GetFillObject(), clRed); }}) {
    auto* other = Place<TVyrFill>(form, 60, 10, 40, 30);
    make(other);
    EXPECT_FALSE(other->GetEmpty());
    other->Free();
  }
}

TEST_F(FillsTest, TheFillControlLetsTheBackgroundThroughExactlyWhenItsFillDoes) {
  TBitmap picture;
  PlainPicture(picture, 8, clBlue);
  struct Case {
    const char* what;
    std::function<void(TVyrFillObject*)> setUp;
    bool transparent;
  } cases[] = {
      {"solid brush", [](TVyrFillObject* f) { SolidBrush(f, clRed); }, false},
      {"hatch on its own ground",
       [](TVyrFillObject* f) {
         SolidBrush(f, clRed);
         f->GetBrush()->SetStyle(bsCross);
       },
       false},
      {"hatch alone",
       [](TVyrFillObject* f) {
         SolidBrush(f, clRed);
         f->GetBrush()->SetStyle(bsCross);
         f->SetOptions({});
       },
       true},
      {"gradient", [](TVyrFillObject* f) { f->SetStyle(TVyrFillStyle::sfGradient); }, false},
      {"centred picture alone",
       [&picture](TVyrFillObject* f) {
         f->GetBitmapProp()->Assign(&picture);
         f->SetTileMode(TVyrTileMode::tmCenter);
         f->SetOptions({});
         f->SetStyle(TVyrFillStyle::sfBitmap);
       },
       true},
      {"no fill",
       [](TVyrFillObject* f) {
         SolidBrush(f, clRed);
         f->SetStyle(TVyrFillStyle::sfNone);
       },
       true},
  };
  auto* fill = Place<TVyrFill>(form, 10, 10, 40, 30);
  for (const Case& c : cases) {
    TVyrFillObject fresh;
    fill->SetFillObject(&fresh);
    fill->SetTransparent(!c.transparent);
    c.setUp(fill->GetFillObject());
    EXPECT_EQ(fill->GetTransparent(), c.transparent) << c.what;
  }
}

// Placed away from the form's corner, so the control's coordinates are
// not the surface's: a tiled picture stops at the bevel and the caption
// shows inside it.
TEST_F(FillsTest, TheFillStaysInsideTheBevelAndTheCaptionOverIt) {
  auto* fill = Place<TVyrFill>(form, 150, 100, 40, 30);
  fill->GetBevel()->SetStyleOuter(TVyrBevelStyle::bvRaised);
  TBitmap picture;
  PlainPicture(picture, 16, clBlue);
  TVyrFillObject* object = fill->GetFillObject();
  object->GetBitmapProp()->Assign(&picture);
  object->SetTileMode(TVyrTileMode::tmTile);
  object->SetStyle(TVyrFillStyle::sfBitmap);
  app.pump();
  EXPECT_FALSE(fill->GetTransparent());
  EXPECT_EQ(Shown(fill, 20, 15), clBlue);
  EXPECT_EQ(Shown(fill, 0, 15), Rgb(clBtnHighlight));
  EXPECT_EQ(Shown(fill, 39, 15), Rgb(clBtnShadow)) << "the last tile is cut at the bevel";
  EXPECT_EQ(Shown(fill, 20, 29), Rgb(clBtnShadow));
  EXPECT_EQ(Count(fill, Is(clBlue)), 38 * 28);

  fill->GetCaptionObject()->GetFont()->SetColor(clRed);
  fill->GetCaptionObject()->SetCaption("WWW");
  app.pump();
  EXPECT_LT(Count(fill, Is(clBlue)), 38 * 28 - 10) << "the letters cover some of the fill";
  EXPECT_EQ(Shown(fill, 39, 15), Rgb(clBtnShadow)) << "the bevel stays";
}

TEST_F(FillsTest, TheFillControlTakesItsListPictureFromTheImageList) {
  auto* fill = Place<TVyrFill>(form, 10, 10, 40, 30);
  fill->GetFillObject()->SetStyle(TVyrFillStyle::sfBitmapList);
  EXPECT_TRUE(fill->GetEmpty());
  fill->SetImageList(ListOf(clGreen));
  app.pump();
  EXPECT_FALSE(fill->GetEmpty());
  EXPECT_EQ(Shown(fill, 20, 15), Rgb(clGreen));
  fill->SetImageList(nullptr);
  EXPECT_TRUE(fill->GetEmpty()) << "the picture goes with the list";
}

// ---- the label filled with a pattern ----

class LabelFillTest : public FillsTest {
 protected:
  TVyrLabelFill* Label() {
    auto* label = Place<TVyrLabelFill>(form, 10, 10, 160, 60);
    label->SetAutoSize(false);
    label->SetTransparent(false);
    label->SetColor(clWhite);
    label->SetCaption("WWW");
    label->GetFont()->SetColor(clBlack);
    return label;
  }
};

TEST_F(LabelFillTest, StartsInALargeFace) {
  auto* label = TObject::Create<TVyrLabelFill>(form);
  EXPECT_EQ(label->GetFont()->GetName(), "Arial");
  EXPECT_EQ(label->GetFont()->GetSize(), 28);
  EXPECT_EQ(label->GetBrushBackColor(), clBtnFace);
}

TEST_F(LabelFillTest, TheLettersShowTheFillAndTheGroundStaysTheLabels) {
  struct Case {
    const char* what;
    TColor font;
  } cases[] = {{"black letters", clBlack}, {"letters in the mask's ground colour", clBtnFace}};
  for (const Case& c : cases) {
    auto* label = Label();
    label->GetFont()->SetColor(c.font);
    SolidBrush(label->GetFillObject(), clRed);
    app.pump();
    const int red = Count(label, Is(clRed));
    EXPECT_GT(red, 100) << c.what;
    EXPECT_EQ(red + Count(label, Is(clWhite)), 160 * 60) << c.what << ": nothing but fill and ground";
    EXPECT_EQ(Shown(label, 1, 1), clWhite) << c.what;
    label->Free();
  }
}

TEST_F(LabelFillTest, AHatchFillsTheLettersWithItsLinesOnly) {
  auto* label = Label();
  SolidBrush(label->GetFillObject(), clRed);
  label->GetFillObject()->GetBrush()->SetStyle(bsCross);
  app.pump();
  EXPECT_GT(Count(label, Is(clRed)), 20);
  EXPECT_EQ(Count(label, Is(clBtnFace)), 0) << "the hatch's ground lets the label show";
}

TEST_F(LabelFillTest, DisabledOrWithoutAFillItIsAPlainLabel) {
  auto* label = Label();
  app.pump();
  EXPECT_GT(Count(label, Is(clBlack)), 100) << "no fill: letters in the font colour";
  SolidBrush(label->GetFillObject(), clRed);
  label->SetEnabled(false);
  app.pump();
  EXPECT_EQ(Count(label, Is(clRed)), 0);
  EXPECT_GT(Count(label, [](TColor c) { return c != clWhite; }), 100) << "the disabled text is drawn";
  label->SetEnabled(true);
  app.pump();
  EXPECT_GT(Count(label, Is(clRed)), 100);
}

TEST_F(LabelFillTest, TheListPictureFillsTheLetters) {
  auto* label = Label();
  label->GetFillObject()->SetStyle(TVyrFillStyle::sfBitmapList);
  label->SetImageList(ListOf(clGreen));
  app.pump();
  EXPECT_GT(Count(label, Is(clGreen)), 100);
}

// ---- the panel fill ----

class PanelFillTest : public FillsTest {
 protected:
  TVyrPanelFill* Panel(int Width = 100, int Height = 60) {
    auto* panel = Place<TVyrPanelFill>(form, 20, 30, Width, Height);
    panel->SetCaption("");
    SolidBrush(panel->GetFillObject(), clRed);
    app.pump();
    return panel;
  }
  // What the probe shows after it painted itself on black.
  static TColor PaintedCorner(TProbeControl* Probe) {
    Probe->GetCanvas()->GetBrush()->SetColor(clBlack);
    Probe->GetCanvas()->FillRect(TRect(0, 0, Probe->GetWidth(), Probe->GetHeight()));
    Probe->Paint();
    return Shown(Probe, 0, 0);
  }
};

TEST_F(PanelFillTest, ChangingTheFillRebuildsTheBitmapAndTransparentChildrenRepaint) {
  TVyrPanelFill* panel = Panel();
  auto* probe = Place<TProbeControl>(panel, 5, 7, 30, 10);
  app.pump();
  ASSERT_NE(panel->GetBackImage(), nullptr);
  EXPECT_EQ(Shown(panel, 50, 30), clRed);
  EXPECT_EQ(PaintedCorner(probe), clRed);
  const int invalidations = probe->invalidations;
  panel->GetFillObject()->GetBrush()->SetColor(clBlue);
  EXPECT_GT(probe->invalidations, invalidations) << "told the background changed";
  app.pump();
  EXPECT_EQ(Rgb(panel->GetBackImage()->GetCanvas()->GetPixels(0, 0)), clBlue);
  EXPECT_EQ(Shown(panel, 50, 30), clBlue);
  EXPECT_EQ(PaintedCorner(probe), clBlue);
}

TEST_F(PanelFillTest, TheColourIsTheGroundOfAPictureThatLeavesRoom) {
  TVyrPanelFill* panel = Panel();
  TBitmap picture;
  PlainPicture(picture, 8, clBlue);
  TVyrFillObject* fill = panel->GetFillObject();
  fill->GetBitmapProp()->Assign(&picture);
  fill->SetTileMode(TVyrTileMode::tmNone);
  fill->SetStyle(TVyrFillStyle::sfBitmap);
  panel->SetColor(clYellow);
  auto* probe = Place<TProbeControl>(panel, 50, 30, 10, 10);
  app.pump();
  EXPECT_EQ(Shown(panel, 2, 2), clBlue);
  EXPECT_EQ(Shown(panel, 50, 30), clYellow);
  panel->SetColor(clLime);
  app.pump();
  EXPECT_EQ(Shown(panel, 50, 30), clLime);
  EXPECT_EQ(PaintedCorner(probe), clLime);
}

TEST_F(PanelFillTest, ATurnedCaptionTakesAnOutlineFace) {
  TVyrPanelFill* panel = Panel();
  panel->GetFont()->SetName("Fixedsys");
  if (Vyrutils::VyrIsTrueTypeFont(panel->GetFont())) GTEST_SKIP() << "no bitmap face on this host";
  panel->GetCaptionFx()->SetAngle(90);
  EXPECT_EQ(std::string(panel->GetFont()->GetName().c_str()), "Arial");
}

TEST_F(PanelFillTest, AGradientIsRebuiltOnEverySizeAndOtherFillsKeepABitmapThatCovers) {
  struct Case {
    const char* what;
    bool gradient;
    int widthAfterShrinking;
  } cases[] = {{"brush", false, 150}, {"gradient", true, 120}};
  for (const Case& c : cases) {
    TVyrPanelFill* panel = Panel();
    if (c.gradient) panel->GetFillObject()->SetStyle(TVyrFillStyle::sfGradient);
    auto* probe = Place<TProbeControl>(panel, 5, 7, 30, 10);
    app.pump();
    panel->SetBounds(20, 30, 150, 80);
    EXPECT_EQ(panel->GetBackImage()->GetWidth(), 150) << c.what;
    const int invalidations = probe->invalidations;
    panel->SetBounds(20, 30, 120, 60);
    EXPECT_EQ(panel->GetBackImage()->GetWidth(), c.widthAfterShrinking) << c.what;
    EXPECT_EQ(probe->invalidations > invalidations, c.gradient) << c.what << ": children repaint";
    panel->Free();
  }
}

TEST_F(PanelFillTest, WithoutAFillOrWhenTransparentThePanelKeepsNoBitmap) {
  TVyrPanelFill* panel = Panel();
  ASSERT_NE(panel->GetBackImage(), nullptr);
  panel->GetFillObject()->SetStyle(TVyrFillStyle::sfNone);
  EXPECT_EQ(panel->GetBackImage(), nullptr);
  panel->SetTransparent(true);
  panel->GetFillObject()->SetStyle(TVyrFillStyle::sfBrush);
  EXPECT_EQ(panel->GetBackImage(), nullptr);
}

TEST_F(PanelFillTest, TheBevelsBorderIsFilledUnlessTransparentBorder) {
  TVyrPanelFill* panel = Panel();
  panel->GetBevel()->SetBorderWidth(4);
  panel->GetBevel()->SetBorderColor(clGreen);
  app.pump();
  EXPECT_EQ(Shown(panel, 1, 30), Rgb(clGreen));
  panel->SetTransparentBorder(true);
  app.pump();
  EXPECT_EQ(Shown(panel, 1, 30), clRed);
}

TEST_F(PanelFillTest, TheCaptionIsDrawnOverTheFillAndTheFontFollowsTheForm) {
  TVyrPanelFill* panel = Panel(160, 60);
  panel->GetFont()->SetColor(clBlack);
  panel->SetCaption("Hallo");
  app.pump();
  EXPECT_GT(Count(panel, [](TColor c) { return c != clRed; }), 20);
  EXPECT_EQ(Shown(panel, 2, 2), clRed);

  // A font taken from the form keeps following it.
  TVyrPanelFill* inherits = Panel();
  ASSERT_TRUE(inherits->GetParentFont());
  for (int size : {14, 18}) {
    form->GetFont()->SetSize(size);
    EXPECT_EQ(inherits->GetFont()->GetSize(), size);
    EXPECT_TRUE(inherits->GetParentFont());
  }
}

// ---- form text ----

TEST_F(FillsTest, EveryClassComesBackFromItsFormText) {
  const std::string text = R"(object Host: TForm
  Left = 0
  Top = 0
  Width = 400
  Height = 300
  object Edge: TVyrDrawEdge
    Left = 4
    Top = 5
    DiagonalStyle = dsEndTopRight
    EdgeStyle = etBump
    Filled = True
    FrameSides = [fsLeft, fsTop]
    StandardStyle = lsDoubleRaised
    Soft = True
    Style = esDiagonal
  end
  object Fill: TVyrFill
    Left = 50
    Top = 5
    Width = 60
    Height = 40
    Bevel.StyleOuter = bvRaised
    Caption.Caption = 'Feld'
    FillObject.Style = sfBrush
    FillObject.Brush.Color = clRed
  end
  object Letters: TVyrLabelFill
    Left = 120
    Top = 5
    Width = 100
    Height = 50
    AutoSize = False
    BrushBackColor = clYellow
    Caption = 'Muster'
    FillObject.Style = sfGradient
    FillObject.Gradient.EndColor = clRed
  end
  object Panel: TVyrPanelFill
    Left = 10
    Top = 100
    Width = 200
    Height = 100
    Alignment = agTopLeft
    Caption = 'Tafel'
    CaptionFx.Angle = 90
    FillObject.Style = sfGradient
    TransparentBorder = True
    object Inner: TVyrFill
      Left = 5
      Top = 5
    end
  end
end
)";
  auto* first = TObject::Create<TForm>(Application);
  TestSupport::ReadFormText(text, first);
  auto* edge = dynamic_cast_object<TVyrDrawEdge>(first->FindComponent("Edge"));
  auto* fill = dynamic_cast_object<TVyrFill>(first->FindComponent("Fill"));
  auto* letters = dynamic_cast_object<TVyrLabelFill>(first->FindComponent("Letters"));
  auto* panel = dynamic_cast_object<TVyrPanelFill>(first->FindComponent("Panel"));
  ASSERT_TRUE(edge && fill && letters && panel);
  EXPECT_EQ(edge->GetDiagonalStyle(), TVyrDiagonalStyle::dsEndTopRight);
  EXPECT_EQ(edge->GetFrameSides(), (TVyrFrameSides{TVyrFrameSide::fsLeft, TVyrFrameSide::fsTop}));
  EXPECT_EQ(edge->GetStyle(), TVyrDrawEdgeStyle::esDiagonal);
  EXPECT_EQ(edge->GetWidth(), 40);
  EXPECT_EQ(fill->GetCaptionObject()->GetCaption(), "Feld");
  EXPECT_FALSE(fill->GetTransparent()) << "taken from the fill";
  EXPECT_EQ(letters->GetBrushBackColor(), clYellow);
  EXPECT_EQ(letters->GetFillObject()->GetStyle(), TVyrFillStyle::sfGradient);
  EXPECT_EQ(panel->GetAlignment(), TVyrAlignment::agTopLeft);
  EXPECT_EQ(panel->GetCaptionFx()->GetAngle(), 90);
  EXPECT_TRUE(panel->GetTransparentBorder());
  EXPECT_EQ(first->FindComponent("Inner")->GetParentComponent(), panel);

  const std::string written = TestSupport::WrittenFormText(first);
  first->Free();
  auto* second = TObject::Create<TForm>(Application);
  TestSupport::ReadFormText(written, second);
  EXPECT_EQ(TestSupport::WrittenFormText(second), written);
  for (const char* line : {"EdgeStyle = etBump", "Caption.Caption = 'Feld'", "BrushBackColor = clYellow",
                           "CaptionFx.Angle = 90", "TransparentBorder = True", "Alignment = agTopLeft"})
    EXPECT_NE(written.find(line), std::string::npos) << line;
  for (const char* absent : {"DiagonalStyle = dsEndBottomLeft", "FillObject.Style = sfNone", "ImageIndex"})
    EXPECT_EQ(written.find(absent), std::string::npos) << absent;
}

}  // namespace
