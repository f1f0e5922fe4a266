// The list image and the bitmap image: the style flags, where the picture
// lands inside the bevel, the autosize rule, the shown bitmap of another
// control, the transparent modes, and their form text.
#include <string>

#include "vyrctrla_fixture.h"

using namespace Vyrctrla;
using Vyrgraph::TVyrBevelStyle;

namespace {

class ImagesTest : public FrameStripTest {
 protected:
  static void Raised(Vyrctrl::TVyrGraphicControl* Control, int Width) {
    Control->GetBevel()->SetStyleOuter(TVyrBevelStyle::bvRaised);
    Control->GetBevel()->SetWidthOuter(Width);
  }
};

TEST_F(ImagesTest, TheStyleGivesTheDrawingFlagsAndABevellessControlTogglesTheClip) {
  struct Case {
    TVyrBitmapStyle style;
    std::uint16_t withBevel;
  } cases[] = {{TVyrBitmapStyle::sbNone, 0x0000},      {TVyrBitmapStyle::sbAutosize, 0x0001},
               {TVyrBitmapStyle::sbCenter, 0x0009},    {TVyrBitmapStyle::sbStretch, 0x0010},
               {TVyrBitmapStyle::sbTile, 0x0021},      {TVyrBitmapStyle::sbKeepAspRatio, 0x0610},
               {TVyrBitmapStyle::sbKeepWidth, 0x0211}, {TVyrBitmapStyle::sbKeepHeight, 0x0411}};
  for (const Case& c : cases) {
    EXPECT_EQ(VyrStyleFlags(c.style, 2), c.withBevel) << static_cast<int>(c.style);
    EXPECT_EQ(VyrStyleFlags(c.style, 0), c.withBevel ^ 1) << static_cast<int>(c.style);
  }
}

// An opaque list image fills its colour and shows the chosen frame,
// centred inside the bevel; a new index shows another frame.
TEST_F(ImagesTest, TheListImageShowsTheChosenFrameCentredInsideTheBevel) {
  auto* image = Place<TVyrLImage>(form, 10, 10, 40, 30);
  image->SetTransparent(false);
  image->SetColor(clGray);
  image->SetStyle(TVyrBitmapStyle::sbCenter);
  image->SetImageList(list);
  image->SetImageIndexValue(2);
  app.pump();
  EXPECT_FALSE(image->GetEmpty());
  EXPECT_EQ(Shown(image, 20, 15), Rgb(clBlue));
  EXPECT_EQ(Shown(image, 14, 15), Rgb(clGray)) << "left of the centred frame";
  EXPECT_EQ(Shown(image, 20, 10), Rgb(clGray)) << "above it";

  image->SetImageIndexValue(3);
  app.pump();
  EXPECT_EQ(Shown(image, 20, 15), Rgb(clYellow));

  image->SetImageIndexValue(7);
  app.pump();
  EXPECT_TRUE(image->GetEmpty()) << "the strip holds no eighth frame";
}

// A transparent list image lets the form through around the frame.
TEST_F(ImagesTest, ATransparentListImageLeavesTheBackgroundAroundTheFrame) {
  auto* image = Place<TVyrLImage>(form, 10, 10, 40, 30);
  image->SetColor(clGray);
  image->SetImageList(list);
  app.pump();
  EXPECT_TRUE(image->GetTransparent());
  EXPECT_EQ(Shown(image, 2, 2), Rgb(clRed)) << "frame 0 at the top-left";
  EXPECT_EQ(Shown(image, 30, 20), Rgb(clWhite)) << "the form, not the colour";
}

TEST_F(ImagesTest, AutosizeTakesThePictureAndTwiceTheBevel) {
  auto* listImage = Place<TVyrLImage>(form, 10, 10, 40, 30);
  auto* bitmapImage = Place<TVyrNImage>(form, 100, 10, 40, 30);
  TBitmap picture;
  Plain(picture, 17, 13, clRed);
  for (Vyrctrl::TVyrGraphicControl* c : {static_cast<Vyrctrl::TVyrGraphicControl*>(listImage),
                                         static_cast<Vyrctrl::TVyrGraphicControl*>(bitmapImage)})
    Raised(c, 3);
  listImage->SetStyle(TVyrBitmapStyle::sbAutosize);
  bitmapImage->SetStyle(TVyrBitmapStyle::sbAutosize);
  app.pump();
  EXPECT_EQ(listImage->GetWidth(), 26) << "empty: 20 and the bevel";
  EXPECT_EQ(bitmapImage->GetHeight(), 26);

  listImage->SetImageList(list);
  bitmapImage->SetBitmap(&picture);
  app.pump();
  EXPECT_EQ(listImage->GetWidth(), 16);
  EXPECT_EQ(listImage->GetHeight(), 14);
  EXPECT_EQ(bitmapImage->GetWidth(), 23);
  EXPECT_EQ(bitmapImage->GetHeight(), 19);
  EXPECT_EQ(Shown(bitmapImage, 11, 9), Rgb(clRed));
}

// A bitmap image shows another one's bitmap while linked, never itself,
// and its own again once the other goes.
TEST_F(ImagesTest, TheBitmapImageShowsItsControlsBitmapUntilThatGoes) {
  auto* source = Place<TVyrNImage>(form, 10, 10, 20, 20);
  auto* mirror = Place<TVyrNImage>(form, 50, 10, 20, 20);
  TBitmap red, blue;
  Plain(red, 20, 20, clRed);
  Plain(blue, 20, 20, clBlue);
  source->SetBitmap(&red);
  mirror->SetBitmap(&blue);
  mirror->SetControl(mirror);
  EXPECT_EQ(mirror->GetControl(), nullptr) << "not itself";
  mirror->SetControl(source);
  app.pump();
  EXPECT_TRUE(mirror->HasControl());
  EXPECT_EQ(mirror->GetBitmap(), source->GetOwnBitmap());
  EXPECT_EQ(Shown(mirror, 10, 10), Rgb(clRed));

  source->Free();
  app.pump();
  EXPECT_EQ(mirror->GetControl(), nullptr);
  EXPECT_EQ(Shown(mirror, 10, 10), Rgb(clBlue));

  TBitmap none;
  mirror->SetBitmap(&none);
  EXPECT_TRUE(mirror->GetEmpty());
  EXPECT_EQ(mirror->GetPalette(), nullptr);
}

// The transparent modes: the bitmap's own transparent colour or the
// style's colour lets the form through, or nothing does.
TEST_F(ImagesTest, TheTransparentStyleDecidesWhichColourLetsTheBackgroundThrough) {
  using Vyrgraph::TVyrTransparentMode;
  // A red square with a green border; the bottom-left pixel (green) is the
  // bitmap's own transparent colour.
  TBitmap picture;
  Plain(picture, 20, 20, clLime);
  picture.GetCanvas()->GetBrush()->SetColor(clRed);
  picture.GetCanvas()->FillRect(TRect(5, 5, 15, 15));
  struct Case {
    TVyrTransparentMode mode;
    TColor styleColor;
    TColor border;
  } cases[] = {{TVyrTransparentMode::tpNone, clBlue, clLime},
               {TVyrTransparentMode::tpRestoreBack, clBlue, clWhite},
               {TVyrTransparentMode::tpRBTranspColor, clLime, clWhite},
               {TVyrTransparentMode::tpRBTranspColor, clBlue, clLime}};
  for (const Case& c : cases) {
    auto* image = Place<TVyrNImage>(form, 10, 10, 20, 20);
    image->SetBitmap(&picture);
    image->GetTransparentStyle()->SetColor(c.styleColor);
    image->GetTransparentStyle()->SetMode(c.mode);
    app.pump();
    EXPECT_EQ(Shown(image, 10, 10), Rgb(clRed)) << static_cast<int>(c.mode);
    EXPECT_EQ(Shown(image, 1, 1), Rgb(c.border)) << static_cast<int>(c.mode);
    image->Free();
    app.pump();
  }
}

TEST_F(ImagesTest, EveryClassComesBackFromItsFormText) {
  list->SetName("Strips");
  auto* image = Place<TVyrLImage>(form, 10, 10, 40, 30);
  image->SetName("Picture");
  image->SetImageList(list);
  image->SetImageIndexValue(3);
  image->SetStyle(TVyrBitmapStyle::sbKeepWidth);
  image->SetSilentMove(true);
  auto* ani = Place<TVyrAniCtrl>(form, 60, 10, 40, 30);
  ani->SetName("Film");
  ani->SetImageList(list);
  ani->SetStartFrame(1);
  ani->SetStopFrame(3);
  ani->SetAniStyle(TVyrAnimationStyle::asLoopReverse);
  ani->SetInterval(300);
  ani->SetReverse(true);
  ani->SetTimerMode(TVyrTimerMode::tmHiTimer);
  auto* source = Place<TVyrNImage>(form, 10, 50, 20, 20);
  source->SetName("Source");
  TBitmap red;
  Plain(red, 6, 4, clRed);
  source->SetBitmap(&red);
  source->GetTransparentStyle()->SetMode(Vyrgraph::TVyrTransparentMode::tpTransparentColor);
  auto* mirror = Place<TVyrNImage>(form, 40, 50, 20, 20);
  mirror->SetName("Mirror");
  mirror->SetQuickDraw(false);
  mirror->SetControl(source);

  // The controls' part of the text; the form itself was shown.
  auto controls = [](TForm* Form) {
    const std::string text = TestSupport::WrittenFormText(Form);
    return text.substr(text.find("  object "));
  };
  const std::string written = controls(form);
  auto* second = TObject::Create<TForm>(Application);
  TestSupport::ReadFormText(TestSupport::WrittenFormText(form), second);
  EXPECT_EQ(controls(second), written);
  auto* picture = dynamic_cast_object<TVyrLImage>(second->FindComponent("Picture"));
  auto* film = dynamic_cast_object<TVyrAniCtrl>(second->FindComponent("Film"));
  auto* copy = dynamic_cast_object<TVyrNImage>(second->FindComponent("Source"));
  auto* other = dynamic_cast_object<TVyrNImage>(second->FindComponent("Mirror"));
  ASSERT_TRUE(picture && film && copy && other);
  EXPECT_EQ(picture->GetImageIndex(), 3);
  EXPECT_EQ(picture->GetStyle(), TVyrBitmapStyle::sbKeepWidth);
  EXPECT_EQ(film->GetStartFrame(), 1);
  EXPECT_EQ(film->GetStopFrame(), 3);
  EXPECT_EQ(film->GetCurrentFrame(), 3) << "reversed: the first frame is the stop frame";
  EXPECT_EQ(film->GetTimerMode(), TVyrTimerMode::tmHiTimer);
  EXPECT_NE(film->GetHiTimer(), nullptr);
  EXPECT_EQ(film->GetPoolTimer(), 0);
  EXPECT_EQ(copy->GetOwnBitmap()->GetWidth(), 6);
  EXPECT_EQ(other->GetControl(), copy);
  for (const char* line : {"SilentMove = True", "AnimationStyle = asLoopReverse", "Interval = 300",
                           "TimerMode = tmHiTimer", "TransparentStyle.Mode = tpTransparentColor",
                           "Control = Source", "QuickDraw = False"})
    EXPECT_NE(written.find(line), std::string::npos) << line;
  for (const char* absent : {"UseBitmap", "MakeVisible", "ForceTransparent = False", "Style = sbNone"})
    EXPECT_EQ(written.find(absent), std::string::npos) << absent;
  second->Free();
}

}  // namespace
