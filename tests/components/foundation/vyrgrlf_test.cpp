// The curved-text engine: the size, place and font angle of each letter on
// the curves, what it draws (through the recording DC) and what it
// measures. Values that depend on the face are read from the same canvas.
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "dc.h"
#include "drawing_fixture.h"
#include "font_class.h"
#include "gdiobj.h"
#include "text.h"
#include "utf8.h"
#include "vyrgrlf.h"

using namespace Vyrgrlf;
using TT = TVyrTransLabelTypes;
using TA = TVyrTransLabelAttributes;
using Vyrgraph::TVyrThreeDStyle;

namespace {

// One letter drawn: the point and the text of an ExtTextOut line.
struct Drawn {
  int x = 0, y = 0;
  std::string text;
};

class CurvedTextTest : public DrawingTest {
 protected:
  std::unique_ptr<TBitmap> bmp = MakeBitmap(350, 48);
  TCanvas* canvas = bmp->GetCanvas();
  TFont font;
  Vyrgraph::TVyrFxCaption fx;

  CurvedTextTest() {
    font.SetName("Arial");
    font.SetSize(24);
  }

  // The face's measures on the canvas, in the nominal font, no extra.
  int TextHeight(const char* Text) {
    canvas->GetFont()->Assign(&font);
    SetTextCharacterExtra(canvas->GetHandle(), 0);
    return canvas->TextHeight(Text);
  }
  int W(const char* Letter) {
    canvas->GetFont()->Assign(&font);
    SetTextCharacterExtra(canvas->GetHandle(), 0);
    return canvas->TextWidth(Letter);
  }

  std::vector<Drawn> Draw(const AnsiString& Text, TT Transform = TT::tmNone, TVyrTransLabelAttr Attributes = {},
                          int Factor = 5, int Depth = 5, TVyrPerspective Perspective = TVyrPerspective::tpBird,
                          bool Invert = false, TVyrToggle Toggle = 0) {
    StartRecording(canvas->GetHandle());
    ClearRecordedCalls(canvas->GetHandle());
    SpecialTextOut(canvas, TRect(0, 0, 350, 48), &font, &fx, Text, Transform, Toggle, Factor, Invert, Perspective,
                   Depth, Attributes);
    std::vector<Drawn> out;
    for (const AnsiString& line : CallsNamed(RecordedCalls(canvas->GetHandle()), "ExtTextOut")) {
      const std::string s = line.c_str();
      Drawn d;
      const std::size_t open = s.find('"'), close = s.rfind('"');
      std::sscanf(s.c_str(), "ExtTextOut(%d,%d,", &d.x, &d.y);
      d.text = s.substr(open + 1, close - open - 1);
      out.push_back(d);
    }
    StopRecording(canvas->GetHandle());
    return out;
  }

  // The placement of each letter of Text for a pen at (100, 100).
  struct Placed {
    std::int64_t x, y;
    int size;
    LONG escapement;
    TVyrLetterCell cell;
  };
  std::vector<Placed> PlaceAll(const AnsiString& Text, TT Transform, TVyrTransLabelAttr Attributes, int Factor,
                               int Toggle = 0) {
    const float a = static_cast<float>(fx.GetAngle() * M_PI / 180 + M_PI / 2);
    const int n = static_cast<int>(Utf8Length(std::string_view(Text)));
    std::vector<Placed> out;
    for (int i = 1; i <= n; ++i) {
      LOGFONT lf;
      canvas->GetFont()->Assign(&font);
      GetObject(canvas->GetFont()->GetHandle(), sizeof lf, &lf);
      TVyrLetterCell cell;
      std::int64_t x = 0, y = 0;
      CalcPosAndSize(100, 100, i, Factor, font.GetSize() / 4, Toggle, 0, &font, Attributes, Transform, a, Text, canvas,
                     lf, &fx, cell, x, y);
      out.push_back({x, y, canvas->GetFont()->GetSize(), lf.lfEscapement, cell});
    }
    return out;
  }
};

// ---- placing ----

TEST_F(CurvedTextTest, LettersShrinkAndGrowAlongTheirCurve) {
  font.SetSize(20);
  const struct {
    TT transform;
    const char* text;
    std::vector<int> sizes;
  } cases[] = {
      {TT::tmStairs, "ABCD", {20, 16, 12, 9}},   {TT::tmInvStairs, "ABCD", {9, 12, 16, 20}},
      {TT::tmChair, "ABCD", {24, 22, 22, 24}},   {TT::tmBuckled, "ABCD", {14, 18, 18, 14}},
      {TT::tmFly, "ABCD", {20, 15, 15, 20}},     {TT::tmCube, "ABCD", {6, 13, 13, 6}},
      // The last letter would be size 0, the face's default cell: one pixel.
      {TT::tmEnterprise, "ABCD", {10, 20, 10, 1}}, {TT::tmHalfmoon, "ABCDE", {8, 16, 16, 8, 1}},
      {TT::tmHalfcircle, "ABCD", {20, 20, 20, 20}},
  };
  for (const auto& c : cases) {
    std::vector<int> sizes;
    for (const Placed& p : PlaceAll(c.text, c.transform, {}, 5)) sizes.push_back(p.size);
    EXPECT_EQ(sizes, c.sizes) << static_cast<int>(c.transform);
  }
}

TEST_F(CurvedTextTest, LettersRiseAndFallByTheCurve) {
  const struct {
    TT transform;
    const char* text;
    int factor;
    int fontSize;
    std::vector<int> rises;
  } cases[] = {
      {TT::tmWave, "ABCDE", 100, 24, {8, 9, 1, -8, -10}},
      {TT::tmHalfcircle, "ABCDE", 100, 24, {0, 7, 10, 7, 0}},
      {TT::tmHalfmoon, "ABCDE", 100, 24, {0, -7, -10, -7, 0}},
      // Real division: 10 / 4 is more than 2, 10 / 5 is not.
      {TT::tmArrow, "ABCDEFGHIJ", 5, 24, {5, 10, 15, 20, 25, 20, 15, 10, 5, 0}},
      // Lifted by half the size a letter lost.
      {TT::tmSpeaker, "ABCD", 5, 20, {0, 2, 4, 5}},
  };
  for (const auto& c : cases) {
    font.SetSize(c.fontSize);
    std::vector<int> rises;
    for (const Placed& p : PlaceAll(c.text, c.transform, {}, c.factor)) {
      rises.push_back(static_cast<int>(100 - p.y));
      EXPECT_EQ(p.x, 100) << static_cast<int>(c.transform);
    }
    EXPECT_EQ(rises, c.rises) << static_cast<int>(c.transform);
  }
}

TEST_F(CurvedTextTest, FontAnglesFollowTheCurveTheCaptionAndTheToggle) {
  auto escapements = [&](TT Transform, TVyrTransLabelAttr Attributes, int Factor, int Toggle, const char* Text) {
    std::vector<int> out;
    for (const Placed& p : PlaceAll(Text, Transform, Attributes, Factor, Toggle)) out.push_back(p.escapement);
    return out;
  };
  EXPECT_EQ(escapements(TT::tmHalfcircle, {TA::taAutoToggled}, 5, 0, "ABCDE"), (std::vector<int>{100, 71, 0, -71, -100}));
  EXPECT_EQ(escapements(TT::tmWave, {TA::taAutoToggled}, 100, 0, "ABCDE"), (std::vector<int>{54, -42, -99, -65, 28}));
  fx.SetAngle(30);
  EXPECT_EQ(escapements(TT::tmHalfcircle, {TA::taAutoToggled}, 5, 0, "ABCDE"),
            (std::vector<int>{400, 371, 300, 229, 200}));
  fx.SetAngle(90);
  EXPECT_EQ(escapements(TT::tmNone, {}, 5, 30, "A"), std::vector<int>{0}) << "upright without a flag";
  EXPECT_EQ(escapements(TT::tmNone, {TA::taToggled}, 5, 30, "A"), std::vector<int>{300});
  EXPECT_EQ(escapements(TT::tmNone, {TA::taAutoToggled}, 5, 30, "A"), std::vector<int>{900});
  EXPECT_EQ(escapements(TT::tmNone, {TA::taAutoToggled, TA::taToggled}, 5, 30, "A"), std::vector<int>{1200});
}

TEST_F(CurvedTextTest, ATiltedLetterMovesForwardByPartOfItsHeight) {
  // tmHalfcircle leans its first letter by 10 degrees; without the flag
  // nothing leans.
  const Placed upright = PlaceAll("AB", TT::tmHalfcircle, {}, 5)[0];
  EXPECT_EQ(upright.x, 100);
  const Placed leaning = PlaceAll("AB", TT::tmHalfcircle, {TA::taAutoToggled}, 5)[0];
  const double h = static_cast<double>(leaning.cell.Height);
  EXPECT_EQ(leaning.x, 100 + std::llabs(std::llround(-std::sin(10 * M_PI / 180) * h / 2.5)));
  EXPECT_EQ(leaning.y, 100);
}

// ---- drawing ----

TEST_F(CurvedTextTest, FacesSitOnTheBaselineAQuarterOfTheTextHeightUp) {
  const int T = TextHeight("AB"), wA = W("A");
  const int y = 48 - T / 4;
  auto faces = Draw("AB");
  ASSERT_EQ(faces.size(), 2u);
  EXPECT_EQ((std::vector<int>{faces[0].x, faces[0].y, faces[1].x, faces[1].y}), (std::vector<int>{0, y, wA, y}));

  fx.SetTracing(2);
  faces = Draw("AB");
  ASSERT_EQ(faces.size(), 2u);
  EXPECT_EQ(faces[1].x, wA + 2) << "the extra is part of the advance";
}

TEST_F(CurvedTextTest, PerspectiveCopiesLieBelowOrAboveTheFace) {
  const int T = TextHeight("A");
  auto drawn = Draw("A", TT::tmNone, {TA::taPerspective}, 5, 3, TVyrPerspective::tpBird);
  const int bird = 48 - (T / 4 + 3);
  ASSERT_EQ(drawn.size(), 4u);
  EXPECT_EQ((std::vector<int>{drawn[0].y, drawn[1].y, drawn[2].y, drawn[3].y}),
            (std::vector<int>{bird + 1, bird + 2, bird + 3, bird}));
  drawn = Draw("A", TT::tmNone, {TA::taPerspective}, 5, 3, TVyrPerspective::tpFrog);
  const int frog = 48 - T / 4;
  ASSERT_EQ(drawn.size(), 4u);
  EXPECT_EQ((std::vector<int>{drawn[0].y, drawn[1].y, drawn[2].y, drawn[3].y}),
            (std::vector<int>{frog - 1, frog - 2, frog - 3, frog}));
  // No copies for a negative depth.
  EXPECT_EQ(Draw("A", TT::tmNone, {TA::taPerspective}, 5, -4).size(), 1u);
}

TEST_F(CurvedTextTest, RaisedShadowDrawsShadowAndLightBeforeTheMovedFace) {
  fx.SetStyle(TVyrThreeDStyle::tdRaisedShadow);
  fx.SetLightDepth(1);
  fx.SetShadowDepth(2);
  const int y = 48 - TextHeight("A") / 4;
  const auto drawn = Draw("A");
  ASSERT_EQ(drawn.size(), 3u);
  EXPECT_EQ((std::vector<int>{drawn[0].x, drawn[0].y, drawn[1].x, drawn[1].y, drawn[2].x, drawn[2].y}),
            (std::vector<int>{3, y + 1, 1, y - 1, 2, y}));
}

TEST_F(CurvedTextTest, LettersAreWholeCodePointsInTheirOrder) {
  EXPECT_TRUE(Draw("").empty());
  EXPECT_EQ(Draw("A").size(), 1u) << "one letter is drawn";

  auto texts = [](const std::vector<Drawn>& Faces) {
    std::vector<std::string> out;
    for (const Drawn& d : Faces) out.push_back(d.text);
    return out;
  };
  EXPECT_EQ(texts(Draw("Grüße")), (std::vector<std::string>{"G", "r", "ü", "ß", "e"}));

  // Inverted, C takes the first place and the full size.
  const int wC = W("C");
  const auto inverted = Draw("ABC", TT::tmStairs, {}, 5, 5, TVyrPerspective::tpBird, true);
  EXPECT_EQ(texts(inverted), (std::vector<std::string>{"C", "B", "A"}));
  ASSERT_EQ(inverted.size(), 3u);
  EXPECT_EQ(inverted[0].x, 0);
  EXPECT_EQ(inverted[1].x, wC);
}

// ---- measuring ----

TEST_F(CurvedTextTest, TheMeasuredBoxIsTheWalkAndTheTallestLetter) {
  TRect R(5, 5, 9, 9);
  auto measure = [&](const AnsiString& Text, TT Transform, TVyrTransLabelAttr Attributes, int Depth = 4) {
    CalcSize(canvas, R, &font, &fx, Text, Transform, 0, 5, false, TVyrPerspective::tpBird, Depth, Attributes);
    return std::vector<int>{R.left, R.top, R.right, R.bottom};
  };
  EXPECT_EQ(measure("", TT::tmNone, {}), (std::vector<int>{0, 0, 0, 0}));
  const int wA = W("A"), wB = W("B"), wi = W("i"), wW = W("W");
  canvas->GetFont()->Assign(&font);
  const int tallest = std::max(canvas->TextHeight("A"), canvas->TextHeight("B"));
  EXPECT_EQ(measure("AB", TT::tmNone, {}), (std::vector<int>{0, 0, wA + wB, tallest}));
  EXPECT_EQ(measure("AB", TT::tmNone, {TA::taPerspective}), (std::vector<int>{0, 0, wA + wB + 8, tallest}));
  EXPECT_EQ(measure("iW", TT::tmNone, {TA::taEqualLetters})[2], 2 * wW) << "not " << wi + wW;
  // One letter has no curve to follow.
  canvas->GetFont()->Assign(&font);
  const int hA = canvas->TextHeight("A");
  EXPECT_EQ(measure("A", TT::tmHalfcircle, {TA::taAutoToggled}), (std::vector<int>{0, 0, wA, hA}));
}

TEST_F(CurvedTextTest, HugeFactorsAndDepthsMeasureAndDrawInBoundedTime) {
  const AnsiString forty(std::string(40, 'M'));
  constexpr int kHuge = 2147483647;
  for (TT transform : {TT::tmHalfcircle, TT::tmArrow, TT::tmWave, TT::tmHalfmoon}) {
    TRect R;
    CalcSize(canvas, R, &font, &fx, forty, transform, 0, kHuge, false, TVyrPerspective::tpBird, kHuge,
             {TA::taPerspective, TA::taAutoToggled});
    EXPECT_GE(R.right, 0);
    for (TVyrPerspective side : {TVyrPerspective::tpBird, TVyrPerspective::tpFrog})
      SpecialTextOut(canvas, TRect(0, 0, 350, 48), &font, &fx, forty, transform, 180, kHuge, false, side, kHuge,
                     {TA::taPerspective, TA::taAutoToggled, TA::taToggled});
  }
}

}  // namespace
