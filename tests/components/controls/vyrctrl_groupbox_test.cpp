// The group box: where its caption and frame are drawn for each caption
// place, where children go, the caption's font and accelerator, form text.
#include <algorithm>
#include <string>

#include "controlmessages.h"
#include "controls_fixture.h"
#include "font_class.h"

using namespace Vyrctrl;
using G = TVyrGroupCaptionAlign;

namespace {

class GroupBoxTest : public ControlsTest {
 protected:
  TForm* form = nullptr;
  void SetUp() override { form = NewForm(); }

  TVyrGroupBox* NewBox(G At) {
    auto* box = Place<TVyrGroupBox>(form, 10, 10, 185, 105);
    box->SetCaption("Optionen");
    box->GetCaptionFont()->SetColor(clRed);
    box->SetAlignCaption(At);
    app.pump();
    box->Repaint();
    return box;
  }
};

struct InkBox {
  int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
  bool Empty() const { return right < 0; }
};

// The extent of the caption's red pixels.
InkBox RedInk(TVyrGroupBox* Box) {
  InkBox ink;
  TCanvas* canvas = Box->GetCanvas();
  for (int y = 0; y < Box->GetHeight(); ++y)
    for (int x = 0; x < Box->GetWidth(); ++x) {
      const TColor c = static_cast<TColor>(ColorToRGB(canvas->GetPixels(x, y)));
      if (GetRValue(c) > 160 && GetGValue(c) < 90 && GetBValue(c) < 90) {
        ink.left = std::min(ink.left, x);
        ink.top = std::min(ink.top, y);
        ink.right = std::max(ink.right, x);
        ink.bottom = std::max(ink.bottom, y);
      }
    }
  return ink;
}

enum Anchor { aStart, aCentre, aEnd };

// Every place: the caption lies on its side within a strip of the caption
// height, turned on the left and right, at the start (after the offset),
// centre or end of the side as read; the frame runs c / 2 - 1 in from that
// side.
TEST_F(GroupBoxTest, TheCaptionSitsOnItsPlaceAndBreaksTheFrame) {
  struct Case {
    G place;
    int side;  // 0 top, 1 left, 2 bottom, 3 right
    Anchor anchor;
  } cases[] = {{G::gcaTopLeft, 0, aStart},        {G::gcaTopCenter, 0, aCentre},   {G::gcaTopRight, 0, aEnd},
               {G::gcaLeftBottom, 1, aStart},     {G::gcaLeftCenter, 1, aCentre},  {G::gcaLeftTop, 1, aEnd},
               {G::gcaBottomLeft, 2, aStart},     {G::gcaBottomCenter, 2, aCentre}, {G::gcaBottomRight, 2, aEnd},
               {G::gcaRightTop, 3, aStart},       {G::gcaRightCenter, 3, aCentre}, {G::gcaRightBottom, 3, aEnd}};
  for (const Case& k : cases) {
    TVyrGroupBox* box = NewBox(k.place);
    const int W = box->GetWidth(), H = box->GetHeight(), c = box->GetCaptionHeight(), h = c / 2 - 1;
    const bool turned = k.side == 1 || k.side == 3;
    EXPECT_EQ(box->GetCaptionAngle(), k.side == 1 ? 90 : k.side == 3 ? 270 : 0) << static_cast<int>(k.place);
    const InkBox ink = RedInk(box);
    ASSERT_FALSE(ink.Empty()) << static_cast<int>(k.place);
    const int along = turned ? ink.bottom - ink.top : ink.right - ink.left;
    const int across = turned ? ink.right - ink.left : ink.bottom - ink.top;
    EXPECT_GT(along, across) << static_cast<int>(k.place);

    // Distances from the caption's side, and positions along it as read.
    const int L = turned ? H : W;
    int nearSide, farSide, first, last;
    switch (k.side) {
      case 0: nearSide = ink.top, farSide = ink.bottom, first = ink.left, last = ink.right; break;
      case 1: nearSide = ink.left, farSide = ink.right, first = H - 1 - ink.bottom, last = H - 1 - ink.top; break;
      case 2: nearSide = H - 1 - ink.bottom, farSide = H - 1 - ink.top, first = ink.left, last = ink.right; break;
      default: nearSide = W - 1 - ink.right, farSide = W - 1 - ink.left, first = ink.top, last = ink.bottom; break;
    }
    EXPECT_GE(nearSide, 0) << static_cast<int>(k.place);
    // The measured text rect carries a pixel of border on each side.
    EXPECT_LE(farSide, c) << static_cast<int>(k.place);
    switch (k.anchor) {
      case aStart:
        EXPECT_GE(first, 8) << static_cast<int>(k.place);
        EXPECT_LE(first, 8 + 6) << static_cast<int>(k.place);
        break;
      case aCentre: EXPECT_LE(std::abs((first + last) / 2 - L / 2), 4) << static_cast<int>(k.place); break;
      case aEnd:
        EXPECT_LE(last, L - 1 - 8) << static_cast<int>(k.place);
        EXPECT_GE(last, L - 1 - 8 - 6) << static_cast<int>(k.place);
        break;
    }

    // Near the start corner the frame's outer line is h in from the side,
    // with the box's face outside it; just before the text it is broken.
    auto at = [&](int acrossPos, int alongPos) {
      switch (k.side) {
        case 0: return Shown(box, alongPos, acrossPos);
        case 1: return Shown(box, acrossPos, H - 1 - alongPos);
        case 2: return Shown(box, alongPos, H - 1 - acrossPos);
        default: return Shown(box, W - 1 - acrossPos, alongPos);
      }
    };
    const TColor face = Rgb(clBtnFace);
    EXPECT_EQ(at(h - 1, 4), face) << static_cast<int>(k.place);
    EXPECT_NE(at(h, 4), face) << static_cast<int>(k.place);
    EXPECT_EQ(at(h, first - 2), face) << static_cast<int>(k.place);
    box->Free();
  }
}

TEST_F(GroupBoxTest, WithoutCaptionTheFrameRunsAlongTheEdges) {
  TVyrGroupBox* box = NewBox(G::gcaTopCenter);
  box->SetCaption("   ");
  box->Repaint();
  EXPECT_TRUE(RedInk(box).Empty());
  EXPECT_NE(Shown(box, 92, 0), Rgb(clBtnFace));
  EXPECT_NE(Shown(box, 0, 52), Rgb(clBtnFace));
}

TEST_F(GroupBoxTest, ChildrenAreAlignedInsideTheFrameClearOfTheCaption) {
  TVyrGroupBox* box = NewBox(G::gcaTopLeft);
  auto* child = Place<TVyrSimplePanel>(box, 0, 0, 20, 20);
  child->SetAlign(alClient);
  const int e = box->BevelExt(), c = box->GetCaptionHeight(), W = box->GetWidth(), H = box->GetHeight();
  ASSERT_GT(c, 0);
  struct Case {
    G place;
    TRect expected;
  } cases[] = {{G::gcaTopRight, TRect(e, c + e, W - e, H - e)},
               {G::gcaLeftCenter, TRect(c + e, e, W - e, H - e)},
               {G::gcaBottomLeft, TRect(e, e, W - e, H - c - e)},
               {G::gcaRightBottom, TRect(e, e, W - c - e, H - e)}};
  for (const Case& k : cases) {
    box->SetAlignCaption(k.place);
    EXPECT_EQ(child->GetBoundsRect(), k.expected) << static_cast<int>(k.place);
  }
}

TEST_F(GroupBoxTest, TheCaptionFontFollowsTheParentUntilGivenOneOfItsOwn) {
  auto* box = Place<TVyrGroupBox>(form, 10, 10, 185, 105);
  const int before = box->GetCaptionHeight();
  form->GetFont()->SetSize(20);
  app.pump();
  EXPECT_TRUE(box->GetCaptionParentFont());
  EXPECT_EQ(box->GetCaptionFont()->GetSize(), 20);
  EXPECT_GT(box->GetCaptionHeight(), before);

  box->GetCaptionFont()->SetSize(9);
  EXPECT_FALSE(box->GetCaptionParentFont());
  form->GetFont()->SetSize(14);
  EXPECT_EQ(box->GetCaptionFont()->GetSize(), 9);

  box->SetCaptionParentFont(true);
  EXPECT_EQ(box->GetCaptionFont()->GetSize(), 14);
  EXPECT_TRUE(box->GetCaptionParentFont());
}

TEST_F(GroupBoxTest, TheCaptionsAcceleratorFocusesTheFirstChild) {
  TVyrGroupBox* box = NewBox(G::gcaTopLeft);
  box->SetCaption("&Optionen");
  auto* first = Place<TVyrSimplePanel>(box, 10, 20, 40, 20);
  auto* second = Place<TVyrSimplePanel>(box, 10, 50, 40, 20);
  first->SetTabStop(true);
  second->SetTabStop(true);
  app.pump();
  EXPECT_EQ(box->Perform(CM_DIALOGCHAR, 'x', 0), 0);
  EXPECT_EQ(box->Perform(CM_DIALOGCHAR, 'o', 0), 1);
  app.pump();
  EXPECT_TRUE(first->Focused());
}

TEST_F(GroupBoxTest, FormTextRoundTrip) {
  TVyrGroupBox* box = NewBox(G::gcaRightCenter);
  box->SetCaptionOffset(12);
  box->SetAccelChar(false);
  box->GetCaptionFont3D()->SetStyle(Vyrgraph::TVyrThreeDStyle::tdRaised);
  const std::string text = TestSupport::WrittenFormText(box);
  EXPECT_NE(text.find("CaptionFont.Color"), std::string::npos) << text;
  auto* copy = static_cast<TVyrGroupBox*>(TestSupport::ReadFormText(text, nullptr));
  EXPECT_EQ(copy->GetAlignment(), G::gcaRightCenter);
  EXPECT_EQ(copy->GetCaptionAngle(), 270);
  EXPECT_EQ(copy->GetCaptionOffset(), 12);
  EXPECT_FALSE(copy->GetShowAccelChar());
  EXPECT_EQ(copy->GetCaptionFont()->GetColor(), clRed);
  EXPECT_FALSE(copy->GetCaptionParentFont());
  EXPECT_EQ(copy->GetCaptionFont3D()->GetStyle(), Vyrgraph::TVyrThreeDStyle::tdRaised);
  EXPECT_EQ(std::string(copy->GetCaption().c_str()), "Optionen");
  copy->Free();

  const std::string plain = TestSupport::WrittenFormText(Place<TVyrGroupBox>(form, 200, 10, 185, 105));
  EXPECT_EQ(plain.find("CaptionFont"), std::string::npos) << plain;
  EXPECT_EQ(plain.find("CaptionOffset"), std::string::npos) << plain;
}

}  // namespace
