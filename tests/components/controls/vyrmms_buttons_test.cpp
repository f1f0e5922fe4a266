// The picture buttons: the clip's cells, the face and mask each state
// shows, the up mask as the hit area, and the strip in the form stream.
#include <cmath>
#include <string>

#include "exceptions.h"
#include "form_text.h"
#include "vyrbtn_fixture.h"
#include "vyrmms_buttons.h"

using namespace Vyrmms;
using S = Vyrgraph::TVyrButtonState;

namespace {

std::unique_ptr<TBitmap> Solid(int W, int H, TColor Colour) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetSize(W, H);
  bitmap->GetCanvas()->GetBrush()->SetColor(Colour);
  bitmap->GetCanvas()->FillRect(TRect(0, 0, W, H));
  return bitmap;
}

bool SamePixels(TBitmap* A, TBitmap* B) {
  if (A->GetWidth() != B->GetWidth() || A->GetHeight() != B->GetHeight()) return false;
  for (int y = 0; y < A->GetHeight(); ++y)
    for (int x = 0; x < A->GetWidth(); ++x)
      if (ColorToRGB(A->GetCanvas()->GetPixels(x, y)) != ColorToRGB(B->GetCanvas()->GetPixels(x, y))) return false;
  return true;
}

std::unique_ptr<TBitmap> CellOf(const TVyrClip& Clip, int I) {
  auto cell = std::make_unique<TBitmap>();
  Clip.GetCell(I, cell.get());
  return cell;
}

class TProbe3DButton : public TVyr3DEffectButton {
  MORVANT_COMPONENT(TProbe3DButton, TVyr3DEffectButton)
 public:
  explicit TProbe3DButton(TComponent* AOwner) : TVyr3DEffectButton(AOwner) {}
  void ShowState(S State) {
    state_ = State;
    Paint();
  }
};
inline void TProbe3DButton::Publish(TPublisher<TProbe3DButton>&) {}

TEST(ClipTest, CellsGoWhereTheirIndexSaysAndKeepTheirNeighbours) {
  TVyrClip empty;
  auto b = Solid(20, 10, clRed);
  empty.SetCell(3, b.get());
  EXPECT_EQ(empty.GetCount(), 4);
  EXPECT_EQ(empty.GetBitmap()->GetWidth(), 80);
  EXPECT_EQ(empty.GetBitmap()->GetHeight(), 10);
  EXPECT_TRUE(SamePixels(CellOf(empty, 3).get(), b.get()));

  const TColor colours[] = {clRed, clLime, clBlue, clYellow, clFuchsia, clAqua};
  auto six = [&](TVyrClip& Clip) {
    for (int i = 0; i < 6; ++i) Clip.SetCell(i, Solid(20, 10, colours[i]).get());
  };
  TVyrClip first;
  six(first);
  first.SetCell(0, Solid(20, 10, clBlack).get());
  EXPECT_TRUE(SamePixels(CellOf(first, 0).get(), Solid(20, 10, clBlack).get()));
  for (int i = 1; i < 6; ++i) EXPECT_TRUE(SamePixels(CellOf(first, i).get(), Solid(20, 10, colours[i]).get())) << i;

  TVyrClip grown;
  six(grown);
  grown.SetCell(7, Solid(30, 10, clGray).get());
  EXPECT_EQ(grown.GetCount(), 8);
  EXPECT_EQ(grown.GetCellWidth(), 20) << "the cells there keep their size";
  EXPECT_EQ(grown.GetBitmap()->GetWidth(), 160);
  EXPECT_EQ(grown.GetBitmap()->GetHeight(), 10);
  for (int i = 0; i < 6; ++i) EXPECT_TRUE(SamePixels(CellOf(grown, i).get(), Solid(20, 10, colours[i]).get())) << i;
  EXPECT_TRUE(SamePixels(CellOf(grown, 7).get(), Solid(20, 10, clGray).get()));

  TVyrClip counted;
  counted.SetCell(0, Solid(90, 30, clRed).get());
  counted.SetCount(3);
  EXPECT_EQ(counted.GetCellWidth(), 30);
  EXPECT_EQ(counted.GetCellHeight(), 30);
  counted.SetCount(0);
  EXPECT_TRUE(counted.IsEmpty());
}

class PictureButtonTest : public ButtonTest {
 protected:
  TUnitStartup pictures{{Vyrmms::ButtonsUnit}};

  void SetUp() override {
    ButtonTest::SetUp();
    faces[0] = Solid(20, 20, clRed);
    faces[1] = Solid(20, 20, clLime);
    faces[2] = Solid(20, 20, clBlue);
    faces[3] = Solid(20, 20, clWhite);
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 20; ++x)
        if (std::hypot(x - 10, y - 10) <= 8) faces[3]->GetCanvas()->SetPixels(x, y, clBlack);
    faces[4] = Solid(20, 20, clBlack);
    faces[5] = Solid(20, 20, clBlack);
  }
  TProbe3DButton* NewPictureButton(bool WithPictures = true) {
    auto* button = Place<TProbe3DButton>(form, 10, 10, 30, 20);
    if (WithPictures)
      button->Set3DPics(faces[0].get(), faces[1].get(), faces[2].get(), faces[3].get(), faces[4].get(),
                        faces[5].get());
    app.pump();
    return button;
  }
  // The top-left corner of the dark (caption) pixels.
  static TPoint CaptionCorner(TGraphicControl* Button) {
    TPoint corner(1000, 1000);
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 30; ++x) {
        const TColor c = static_cast<TColor>(ColorToRGB(Button->GetCanvas()->GetPixels(x, y)));
        if (GetRValue(c) < 80 && GetGValue(c) < 80 && GetBValue(c) < 80) {
          corner.x = std::min<int>(corner.x, x);
          corner.y = std::min<int>(corner.y, y);
        }
      }
    return corner;
  }
  std::unique_ptr<TBitmap> faces[6];
};

TEST_F(PictureButtonTest, EachStateShowsItsFaceAndTheDownOnesSinkTheCaption) {
  TProbe3DButton* button = NewPictureButton();
  button->SetCaption("I");
  struct Case {
    S state;
    TColor shown;
    bool sunk;
  };
  const Case cases[] = {{S::bsUp, clRed, false},         {S::bsMouseOver, clRed, false},
                        {S::bsOptionSet, clLime, true},  {S::bsDown, clLime, true},
                        {S::bsDropDownOpen, clLime, true}};
  button->ShowState(S::bsUp);
  const TPoint rest = CaptionCorner(button);
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.state));
    button->ShowState(c.state);
    EXPECT_EQ(Shown(button, 14, 14), Rgb(c.shown));
    const TPoint corner = CaptionCorner(button);
    EXPECT_EQ(corner.x - rest.x, c.sunk ? 1 : 0);
    EXPECT_EQ(corner.y - rest.y, c.sunk ? 1 : 0);
  }
  button->SetEnabled(false);
  button->ShowState(S::bsDisabledUp);
  EXPECT_EQ(Shown(button, 14, 14), Rgb(clBlue));
}

TEST_F(PictureButtonTest, OnlyTheUpMaskAnswersTheMouse) {
  TProbe3DButton* button = NewPictureButton();
  EXPECT_TRUE(button->VerifyTransparency(10, 10));
  EXPECT_FALSE(button->VerifyTransparency(0, 0));
  EXPECT_FALSE(button->VerifyTransparency(25, 10)) << "beside the cell";
  Press(button, 0, 0);
  EXPECT_EQ(button->GetState(), S::bsUp);
  Release(button, 0, 0);
  Press(button, 10, 10);
  EXPECT_EQ(button->GetState(), S::bsDown);
  Release(button, 10, 10);
}

TEST_F(PictureButtonTest, WithoutPicturesItIsAnOutlineThatAnswersEverywhere) {
  TProbe3DButton* button = NewPictureButton(false);
  button->SetCaption("OK");
  button->ShowState(S::bsUp);
  EXPECT_EQ(Shown(button, 0, 0), Rgb(clBtnText));
  EXPECT_EQ(Shown(button, 29, 10), Rgb(clBtnText));
  EXPECT_TRUE(button->VerifyTransparency(0, 0));
  EXPECT_TRUE(button->VerifyTransparency(29, 19));
}

TEST_F(PictureButtonTest, TheStripTravelsWithTheFormInTextAndBinary) {
  TProbe3DButton* source = NewPictureButton();
  auto* button = Place<TVyr3DEffectButton>(form, 50, 10, 30, 20);
  button->SetName("Picture");
  button->Set3DPics(faces[0].get(), faces[1].get(), faces[2].get(), faces[3].get(), faces[4].get(), faces[5].get());
  button->SetCompressed(true);
  button->SetPixelFormat(TVyrSavePixelFormat::spf4bit);
  source->Free();
  const std::string text = TestSupport::WrittenFormText(button);
  TOwnedObject<TVyr3DEffectButton> again(TObject::Create<TVyr3DEffectButton>(nullptr));
  TestSupport::ReadFormText(text, again.get());
  EXPECT_EQ(again->GetClip()->GetCount(), 6);
  EXPECT_EQ(again->GetClip()->GetCellWidth(), 20);
  EXPECT_EQ(again->GetClip()->GetCellHeight(), 20);
  EXPECT_TRUE(again->GetCompressed());
  EXPECT_TRUE(SamePixels(again->GetClip()->GetBitmap(), button->GetClip()->GetBitmap()));

  TMemoryStream binary;
  WriteComponentToStream(&binary, button);
  binary.SetPosition(0);
  TOwnedObject<TVyr3DEffectButton> fromBinary(TObject::Create<TVyr3DEffectButton>(nullptr));
  ReadComponentFromStream(&binary, fromBinary.get());
  EXPECT_TRUE(SamePixels(fromBinary->GetClip()->GetBitmap(), button->GetClip()->GetBitmap()));

  TOwnedObject<TVyr3DCaptionButton> none(TObject::Create<TVyr3DCaptionButton>(nullptr));
  const std::string empty = TestSupport::WrittenFormText(none.get());
  EXPECT_EQ(empty.find("Cell"), std::string::npos) << empty;
  EXPECT_EQ(empty.find("QuickDraw"), std::string::npos) << empty;
  EXPECT_NE(empty.find("AllowTransparency = True"), std::string::npos) << "written always: " << empty;
}

TEST_F(PictureButtonTest, CountsOutOfRangeAreRefused) {
  for (const char* entry : {"CellCount = 300", "CellCount = -1", "CellWidth = 70000"}) {
    SCOPED_TRACE(entry);
    TOwnedObject<TVyr3DEffectButton> button(TObject::Create<TVyr3DEffectButton>(nullptr));
    EXPECT_THROW(TestSupport::ReadFormText(std::string("object P: TVyr3DEffectButton\n  ") + entry + "\nend\n",
                                           button.get()),
                 EReadError);
  }
}

}  // namespace

namespace {

TEST_F(PictureButtonTest, SixPicturesMakeTheSixCellsAndAnEmptyFirstNone) {
  auto* button = Place<TVyr3DCaptionButton>(form, 10, 10, 30, 20);
  const TColor colours[] = {clRed, clLime, clBlue, clYellow, clFuchsia, clAqua};
  std::unique_ptr<TBitmap> six[6];
  for (int i = 0; i < 6; ++i) six[i] = Solid(20, 10, colours[i]);
  TBitmap empty;
  button->Set3DPics(&empty, six[1].get(), six[2].get(), six[3].get(), six[4].get(), six[5].get());
  EXPECT_TRUE(button->GetClip()->IsEmpty());
  button->Set3DPics(six[0].get(), six[1].get(), six[2].get(), six[3].get(), six[4].get(), six[5].get());
  EXPECT_EQ(button->GetClip()->GetCount(), 6);
  EXPECT_EQ(button->GetClip()->GetBitmap()->GetWidth(), 120);
  EXPECT_EQ(button->GetClip()->GetBitmap()->GetHeight(), 10);
  for (int i = 0; i < 6; ++i) EXPECT_TRUE(SamePixels(CellOf(*button->GetClip(), i).get(), six[i].get())) << i;
}

}  // namespace

namespace {

TEST_F(PictureButtonTest, EachFaceShowsOnlyThroughItsOwnMask) {
  // Masks 4 and 5 black only in the middle square now.
  for (int m : {4, 5}) {
    faces[m] = Solid(20, 20, clWhite);
    faces[m]->GetCanvas()->GetBrush()->SetColor(clBlack);
    faces[m]->GetCanvas()->FillRect(TRect(5, 5, 15, 15));
  }
  TProbe3DButton* button = NewPictureButton();
  button->SetColor(clGray);
  button->ShowState(S::bsDown);
  EXPECT_EQ(Shown(button, 10, 10), Rgb(clLime));
  EXPECT_EQ(Shown(button, 2, 10), Rgb(clGray)) << "outside mask 4";
  button->ShowState(S::bsUp);
  EXPECT_EQ(Shown(button, 4, 10), Rgb(clRed)) << "inside mask 3";
  button->SetEnabled(false);
  button->ShowState(S::bsDisabledUp);
  EXPECT_EQ(Shown(button, 10, 10), Rgb(clBlue));
  EXPECT_EQ(Shown(button, 2, 10), Rgb(clGray)) << "outside mask 5";
}

}  // namespace
