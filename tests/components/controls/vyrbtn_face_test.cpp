// The image-face button: which picture each state shows, how it is drawn,
// where it answers the mouse, and its faces in the form stream.
#include <cstdint>
#include <cstring>
#include <vector>

#include "exceptions.h"
#include "form_text.h"
#include "streams.h"
#include "vyrbtn_fixture.h"
#include "writer.h"

using namespace Vyrbtn;
using S = Vyrgraph::TVyrButtonState;
using Vyrctrla::TVyrBitmapStyle;

namespace {

class TProbeMMButton : public TVyrMMButton {
  MORVANT_COMPONENT(TProbeMMButton, TVyrMMButton)
 public:
  explicit TProbeMMButton(TComponent* AOwner) : TVyrMMButton(AOwner) {}
  void ShowState(S State) {
    state_ = State;
    Paint();
  }
};
inline void TProbeMMButton::Publish(TPublisher<TProbeMMButton>&) {}

// An image list that records the flags of its draws and may answer a
// transparent colour of its own.
class TRecordingImageList : public Vyrcont::TVyrImageList {
  MORVANT_COMPONENT(TRecordingImageList, Vyrcont::TVyrImageList)
 public:
  explicit TRecordingImageList(TComponent* AOwner) : Vyrcont::TVyrImageList(AOwner) {}
  TRect DrawExt(TCanvas* Canvas, const TRect& Rect, std::uint16_t Flags, int L, int I) override {
    flags.push_back(Flags);
    return Vyrcont::TVyrImageList::DrawExt(Canvas, Rect, Flags, L, I);
  }
  TColor TransparentColor(int L, int I) override {
    return answer != clNone ? answer : Vyrcont::TVyrImageList::TransparentColor(L, I);
  }
  std::vector<std::uint16_t> flags;
  TColor answer = clNone;
};
inline void TRecordingImageList::Publish(TPublisher<TRecordingImageList>&) {}

std::unique_ptr<TBitmap> Solid(int W, int H, TColor Colour) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetSize(W, H);
  bitmap->GetCanvas()->GetBrush()->SetColor(Colour);
  bitmap->GetCanvas()->FillRect(TRect(0, 0, W, H));
  return bitmap;
}

class FaceButtonTest : public ButtonTest {
 protected:
  // One strip of W x H images, list 0 of a list owned by the form.
  template <class L = Vyrcont::TVyrImageList>
  L* Strip(int W, int H, const std::vector<TBitmap*>& Images) {
    auto* list = TObject::Create<L>(form);
    auto* item = TObject::Create<Vyrcont::TVyrImageListItem>(W, H);
    for (TBitmap* image : Images) item->Add(image, nullptr);
    list->Add(item);
    return list;
  }
  Vyrcont::TVyrBitmapList* Bitmaps(TBitmap* Image) {
    auto* list = TObject::Create<Vyrcont::TVyrBitmapList>(form);
    auto* item = TObject::Create<Vyrcont::TVyrBitmapListItem>(nullptr);
    item->SetBitmap(Image);
    list->Add(item);
    return list;
  }
  TProbeMMButton* NewFaceButton(Vyrcont::TVyrCustomImageList* List, int Width = 20, int Height = 20) {
    auto* button = Place<TProbeMMButton>(form, 10, 10, Width, Height);
    button->SetButtonFaceImageList(List);
    button->OnClick = TNotifyEvent([this](TObject*) { ++clicks; });
    app.pump();
    return button;
  }
  int clicks = 0;
};

// Faces only for bsUp (red) and bsDown (blue); the others name a missing item.
class FaceChoiceTest : public FaceButtonTest {
 protected:
  void SetUp() override {
    FaceButtonTest::SetUp();
    red = Solid(10, 10, clRed);
    blue = Solid(10, 10, clBlue);
    button = NewFaceButton(Strip(10, 10, {red.get(), blue.get()}));
    button->SetButtonFaceStyle(TVyrBitmapStyle::sbStretch);
    for (int s = 0; s < 8; ++s) button->SetButtonFaceIndex(static_cast<S>(s), VyrFaceIndex(0, 99));
    button->SetButtonFaceIndex(S::bsUp, VyrFaceIndex(0, 0));
    button->SetButtonFaceIndex(S::bsDown, VyrFaceIndex(0, 1));
    // Plain colours: each face's own corner colour would make it vanish.
    button->SetForceTransparent(false);
    button->SetTransColor(clWhite);
    app.pump();
  }
  std::unique_ptr<TBitmap> red, blue;
  TProbeMMButton* button = nullptr;
};

TEST_F(FaceChoiceTest, AMissingFaceFallsBackToTheUpOrTheDownFace) {
  struct Case {
    S state;
    TColor shown;
  };
  const Case cases[] = {{S::bsDisabledUp, clRed}, {S::bsMouseOver, clRed},     {S::bsDragOver, clRed},
                        {S::bsOptionSet, clBlue}, {S::bsDown, clBlue},         {S::bsDropDownOpen, clBlue},
                        {S::bsDisabledDown, clBlue}};
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.state));
    button->ShowState(c.state);
    EXPECT_EQ(Shown(button, 10, 10), Rgb(c.shown));
  }
  button->SetButtonFaceIndex(S::bsUp, VyrFaceIndex(0, 99));
  button->SetCaption("X");
  button->ShowState(S::bsUp);
  const TRect faceRect = button->GetFaceRect();
  EXPECT_TRUE(IsRectEmpty(&faceRect)) << "no face at rest";
  int other = 0;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) other += Shown(button, x, y) != Rgb(button->GetColor());
  EXPECT_GT(other, 0) << "the caption still";
}

TEST_F(FaceChoiceTest, TheHotLookOfTheUpFaceHitsAndPresses) {
  button->SetAllowMouseOver(true);
  int enters = 0, exits = 0;
  button->OnMouseEnter = TNotifyEvent([&](TObject*) { ++enters; });
  button->OnMouseExit = TNotifyEvent([&](TObject*) { ++exits; });
  for (int x : {8, 10, 12}) {
    MoveTo(button, x, 10);
    EXPECT_EQ(button->GetState(), S::bsMouseOver) << x;
  }
  EXPECT_EQ(enters, 1);
  EXPECT_EQ(exits, 0);
  Press(button, 10, 10);
  EXPECT_EQ(button->GetState(), S::bsDown);
  Release(button, 10, 10);
  EXPECT_EQ(clicks, 1);
}

TEST_F(FaceButtonTest, TheDrawFlagsFollowStyleTransparencyAndQuickDraw) {
  auto face = Solid(10, 10, clRed);
  struct Case {
    TVyrBitmapStyle style;
    bool transparent, quickDraw, forceTransparent;
    std::uint16_t flags;
  };
  const Case cases[] = {{TVyrBitmapStyle::sbKeepAspRatio, true, false, true, 0x1650},
                        {TVyrBitmapStyle::sbTile, false, true, false, 0x20},
                        {TVyrBitmapStyle::sbNone, false, false, true, 0x1040}};
  for (const Case& c : cases) {
    auto* list = Strip<TRecordingImageList>(10, 10, {face.get()});
    TProbeMMButton* button = NewFaceButton(list);
    button->SetButtonFaceStyle(c.style);
    button->SetTransparent(c.transparent);
    button->SetQuickDraw(c.quickDraw);
    button->SetForceTransparent(c.forceTransparent);
    list->flags.clear();
    button->ShowState(S::bsUp);
    ASSERT_EQ(list->flags.size(), 1u);
    EXPECT_EQ(list->flags[0], c.flags) << static_cast<int>(c.style);
  }
}

TEST_F(FaceButtonTest, TheBackgroundColourComesFromTheUpFaceWithoutThePaletteBit) {
  auto face = Solid(10, 10, clRed);
  auto* list = Strip<TRecordingImageList>(10, 10, {face.get()});
  list->answer = static_cast<TColor>(0x02FF00FF);
  TProbeMMButton* button = NewFaceButton(list);
  EXPECT_EQ(button->GetTransColor(), static_cast<TColor>(0x00FF00FF));
}

TEST_F(FaceButtonTest, AutosizeTakesTheFaceSizeOrTwentyWithoutOne) {
  auto face = Solid(32, 24, clRed);
  TProbeMMButton* button = NewFaceButton(Strip(32, 24, {face.get()}), 50, 50);
  button->SetButtonFaceStyle(TVyrBitmapStyle::sbAutosize);
  app.pump();
  EXPECT_EQ(button->GetWidth(), 32);
  EXPECT_EQ(button->GetHeight(), 24);
  button->SetButtonFaceIndex(S::bsUp, VyrFaceIndex(0, 5));
  app.pump();
  EXPECT_EQ(button->GetWidth(), 20);
  EXPECT_EQ(button->GetHeight(), 20);
}

TEST_F(FaceButtonTest, ATransparentFaceShowsThePanelBehindIt) {
  TBitmap picture;
  picture.SetSize(200, 200);
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 200; ++x) picture.GetCanvas()->SetPixels(x, y, static_cast<TColor>(RGB(x, y, 0x80)));
  auto* panel = Place<Vyrctrl::TVyrBackPanel>(form, 20, 30, 100, 60);
  panel->SetImageList(Bitmaps(&picture));
  // White around a red square: the cell's corner colour is its background.
  auto face = Solid(10, 10, clWhite);
  face->GetCanvas()->GetBrush()->SetColor(clRed);
  face->GetCanvas()->FillRect(TRect(3, 3, 7, 7));
  auto* button = Place<TProbeMMButton>(panel, 5, 7, 20, 20);
  button->SetButtonFaceImageList(Strip(10, 10, {face.get()}));
  button->SetTransparent(true);
  app.pump();
  button->ShowState(S::bsUp);
  EXPECT_EQ(Shown(button, 1, 1), static_cast<TColor>(RGB(6, 8, 0x80)));
  EXPECT_EQ(Shown(button, 15, 15), static_cast<TColor>(RGB(20, 22, 0x80)));
  EXPECT_EQ(Shown(button, 5, 5), Rgb(clRed));
}

// A red 10 x 10 face whose pixel (2, 2) is the background colour, on a
// 40 x 40 button.
TEST_F(FaceButtonTest, OnlyTheFacesOwnPixelsPressWhereverTheFaceIsPlaced) {
  auto face = Solid(10, 10, clRed);
  face->GetCanvas()->SetPixels(2, 2, clWhite);
  auto wide = Solid(20, 10, clRed);
  struct Case {
    TVyrBitmapStyle style;
    bool wideFace;
    int x, y;
    bool press;
  };
  const Case cases[] = {
      {TVyrBitmapStyle::sbStretch, false, 9, 9, false},      {TVyrBitmapStyle::sbStretch, false, 30, 30, true},
      {TVyrBitmapStyle::sbTile, false, 32, 32, false},       {TVyrBitmapStyle::sbTile, false, 35, 35, true},
      {TVyrBitmapStyle::sbCenter, false, 17, 17, false},     {TVyrBitmapStyle::sbCenter, false, 20, 20, true},
      {TVyrBitmapStyle::sbCenter, false, 5, 5, false},       {TVyrBitmapStyle::sbKeepAspRatio, true, 10, 25, false},
  };
  for (bool bitmapList : {false, true}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(bitmapList ? "bitmap list " : "image list ") + std::to_string(c.x) + "," +
                   std::to_string(c.y) + " style " + std::to_string(static_cast<int>(c.style)));
      TBitmap* image = c.wideFace ? wide.get() : face.get();
      Vyrcont::TVyrCustomImageList* list =
          bitmapList ? static_cast<Vyrcont::TVyrCustomImageList*>(Bitmaps(image))
                     : Strip(image->GetWidth(), image->GetHeight(), {image});
      TProbeMMButton* button = NewFaceButton(list, 40, 40);
      button->SetButtonFaceStyle(c.style);
      button->SetTransColor(clWhite);
      app.pump();
      Press(button, c.x, c.y);
      EXPECT_EQ(button->GetState() == S::bsDown, c.press);
      Release(button, c.x, c.y);
      button->Free();
      app.pump();
    }
  }
}

class FaceStreamTest : public FaceButtonTest {
 protected:
  static std::string Hex(const std::vector<std::int32_t>& Values) {
    std::string hex;
    char digits[3];
    for (std::int32_t v : Values)
      for (int b = 0; b < 4; ++b) {
        std::snprintf(digits, sizeof digits, "%02X", static_cast<unsigned>((v >> (8 * b)) & 0xFF));
        hex += digits;
      }
    return hex;
  }
  static std::string WithoutBlanks(const std::string& Text) {
    std::string out;
    for (char c : Text)
      if (c != ' ' && c != '\n' && c != '\r') out += c;
    return out;
  }
};

TEST_F(FaceStreamTest, TheFacesOfSevenStatesTravelAndTheLastReadsBackEmpty) {
  auto face = Solid(10, 10, clRed);
  auto* list = Strip(10, 10, {face.get()});
  list->SetName("Faces");
  auto* button = Place<TVyrMMButton>(form, 10, 10, 20, 20);
  button->SetButtonFaceImageList(list);
  button->SetName("Face");
  for (int s = 0; s < 7; ++s) button->SetButtonFaceIndex(static_cast<S>(s), VyrFaceIndex(0, 10 + s));
  button->SetButtonFaceIndex(S::bsDisabledDown, VyrFaceIndex(0, 17));
  const std::string text = TestSupport::WrittenFormText(form);
  EXPECT_NE(WithoutBlanks(text).find("ButtonFaceIndicesNew={" + Hex({0, 0, 0, 0, 0, 0, 0, 10, 11, 12, 13, 14, 15, 16})),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("ButtonFaceImageList = Faces"), std::string::npos) << "a form's list by name";
  EXPECT_EQ(text.find("ButtonFace ="), std::string::npos) << text;

  auto* loaded = TObject::Create<TForm>(Application);
  TestSupport::ReadFormText(text, loaded);
  auto* again = dynamic_cast_object<TVyrMMButton>(loaded->FindComponent("Face"));
  ASSERT_TRUE(again);
  EXPECT_EQ(again->GetButtonFaceImageList(), loaded->FindComponent("Faces"));
  for (int s = 0; s < 7; ++s) EXPECT_EQ(again->GetButtonFaceIndex(static_cast<S>(s)), VyrFaceIndex(0, 10 + s));
  EXPECT_EQ(again->GetButtonFaceIndex(S::bsDisabledDown), VyrFaceIndex(0, 0));
}

TEST_F(FaceStreamTest, AGlobalListGoesAsItsIdent) {
  TProbeMMButton* button = NewFaceButton(Vyrcont::VyrGlobalContainer()->GetImageList());
  button->SetName("Face");
  const std::string text = TestSupport::WrittenFormText(button);
  EXPECT_NE(text.find("ButtonFace = "), std::string::npos) << text;
  EXPECT_EQ(text.find("ButtonFaceImageList"), std::string::npos) << text;
  TOwnedObject<TVyrMMButton> again(TObject::Create<TVyrMMButton>(nullptr));
  TestSupport::ReadFormText(text, again.get());
  EXPECT_EQ(again->GetButtonFaceImageList(), Vyrcont::VyrGlobalContainer()->GetImageList());
}

TEST_F(FaceStreamTest, BlocksOfTheWrongLengthAreRefusedAndChangeNothing) {
  const struct {
    const char* entry;
    int bytes;
  } cases[] = {{"ButtonFaceIndicesNew", 55}, {"ButtonFaceIndicesNew", 60}, {"ButtonFaceTransColNew", 3}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.entry) + " " + std::to_string(c.bytes));
    TOwnedObject<TVyrMMButton> button(TObject::Create<TVyrMMButton>(nullptr));
    button->SetButtonFaceIndex(S::bsUp, VyrFaceIndex(0, 3));
    const std::string text = "object Face: TVyrMMButton\n  " + std::string(c.entry) + " = {" +
                             std::string(2 * c.bytes, '1') + "}\nend\n";
    try {
      TestSupport::ReadFormText(text, button.get());
      ADD_FAILURE() << "read";
    } catch (const EReadError& e) {
      EXPECT_NE(std::string(e.what()).find(c.entry), std::string::npos) << e.what();
    }
    EXPECT_EQ(button->GetButtonFaceIndex(S::bsUp), VyrFaceIndex(0, 3));
    EXPECT_EQ(button->GetTransColor(), static_cast<TColor>(0xFFFFFF));
  }
}

// A button that writes its faces as forms of old did: raw pairs.
class TLegacyMMButton : public TVyrMMButton {
  MORVANT_COMPONENT(TLegacyMMButton, TVyrMMButton)
 public:
  explicit TLegacyMMButton(TComponent* AOwner) : TVyrMMButton(AOwner) {}
  int bytes = 56;

 protected:
  void DefineProperties(TFiler* Filer) override {
    Filer->DefineProperty("ButtonFaceIndices", nullptr, TWriterProc([this](TWriter* Writer) {
                            std::int32_t pairs[14];
                            for (int i = 0; i < 14; ++i) pairs[i] = i + 1;
                            Writer->Write(pairs, bytes);
                          }),
                          true);
  }
};
inline void TLegacyMMButton::Publish(TPublisher<TLegacyMMButton>&) {}

TEST_F(FaceStreamTest, OlderFormsCarryTheFacesAsRawPairs) {
  TOwnedObject<TLegacyMMButton> old(TObject::Create<TLegacyMMButton>(nullptr));
  TMemoryStream binary;
  WriteComponentToStream(&binary, old.get());
  binary.SetPosition(0);
  TOwnedObject<TVyrMMButton> button(TObject::Create<TVyrMMButton>(nullptr));
  ReadComponentFromStream(&binary, button.get());
  for (int s = 0; s < 7; ++s)
    EXPECT_EQ(button->GetButtonFaceIndex(static_cast<S>(s)), VyrFaceIndex(2 * s + 1, 2 * s + 2)) << s;
}

}  // namespace
