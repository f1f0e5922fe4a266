// The technical line: its route and signs as the recording DC logs them,
// the shadow and the fills by pixels, the arrows that follow the route and
// when a setter repaints.
#include <functional>
#include <string>
#include <vector>

#include "controls_fixture.h"
#include "pen_class.h"
#include "recording_dc.h"
#include "unitstartup.h"
#include "vyrextca.h"

using namespace Vyrextca;
using LE = TVyrLineEndings;
using LT = TVyrTechnicalLineTypes;

namespace {

class TLineProbe : public TVyrTechnicalLine {
  MORVANT_COMPONENT(TLineProbe, TVyrTechnicalLine)
 public:
  explicit TLineProbe(TComponent* AOwner) : TVyrTechnicalLine(AOwner) {}
  void PaintNow() { Paint(); }
  void Invalidate() override {
    ++invalidations;
    TVyrTechnicalLine::Invalidate();
  }
  int invalidations = 0;
};
void TLineProbe::Publish(TPublisher<TLineProbe>&) {}

class TechnicalLineTest : public ControlsTest {
 protected:
  TUnitStartup units{{Vyrextca::Unit}};
  TForm* form = nullptr;
  void SetUp() override { form = NewForm(clWhite); }

  TLineProbe* NewLine() {
    auto* line = TObject::Create<TLineProbe>(form);
    line->SetParent(form);
    line->SetLeft(10);
    line->SetTop(10);
    app.pump();
    return line;
  }

  // The route and sign calls of one paint, in their order.
  static std::vector<std::string> Shapes(TLineProbe* Line) {
    HDC dc = Line->GetCanvas()->GetHandle();
    StartRecording(dc);
    ClearRecordedCalls(dc);
    Line->PaintNow();
    std::vector<std::string> out;
    for (const AnsiString& call : RecordedCalls(dc)) {
      const std::string s = call.c_str();
      for (const char* name : {"Polyline(", "Polygon(", "Arc(", "Pie(", "Ellipse(", "Rectangle(", "RoundRect("})
        if (s.rfind(name, 0) == 0) out.push_back(s);
    }
    StopRecording(dc);
    return out;
  }
  using Shape = std::vector<std::string>;
};

// ---- geometry ----

TEST_F(TechnicalLineTest, RoutesAndSignsLieInTheDrawingRectangle) {
  TLineProbe* line = NewLine();
  ASSERT_EQ(line->GetWidth(), 130);
  ASSERT_EQ(line->GetHeight(), 45);
  // A hollow closed arrow pointing right in a 40-pixel box at the right.
  EXPECT_EQ(Shapes(line), (Shape{"Polyline(1,22,89,22)", "Polygon(89,2,129,22,89,42)"}));
  EXPECT_EQ(Shown(line, 100, 22), Rgb(clWhite)) << "hollow";

  line->SetSignPlaces(TVyrSignPlaces::spBoth);
  EXPECT_EQ(Shapes(line), (Shape{"Polyline(41,22,89,22)", "Polygon(89,2,129,22,89,42)"}))
      << "room for the start sign, which is none";

  line->SetSignPlaces(TVyrSignPlaces::spEnd);
  line->SetShadowVisible(true);
  EXPECT_EQ(Shapes(line), (Shape{"Polyline(7,25,89,25)", "Polyline(1,19,83,19)", "Polygon(89,5,129,25,89,45)",
                                 "Polygon(83,-1,123,19,83,39)"}));
  app.pump();
  EXPECT_EQ(Shown(line, 50, 25), Rgb(clBtnShadow));
  EXPECT_EQ(Shown(line, 50, 19), Rgb(clBlack));
  line->SetShadowVisible(false);

  line->SetFillColor(clRed);
  line->SetLineEnding(LE::leHalfCircleUp);
  EXPECT_EQ(Shapes(line), (Shape{"Polyline(1,22,89,22)", "Pie(89,2,129,42,89,22,129,22)"}));
  app.pump();
  EXPECT_EQ(Shown(line, 109, 32), Rgb(clRed));
  EXPECT_NE(Shown(line, 109, 12), Rgb(clRed));
  line->SetLineEnding(LE::leHalfCircleDown);
  EXPECT_EQ(Shapes(line), (Shape{"Polyline(1,22,89,22)", "Pie(89,2,129,42,129,22,89,22)"}));
  app.pump();
  EXPECT_EQ(Shown(line, 109, 12), Rgb(clRed));
  EXPECT_NE(Shown(line, 109, 32), Rgb(clRed));
}

// The three variants that break their rows' pattern, as the table has them.
TEST_F(TechnicalLineTest, TheIrregularVariantsAreDrawnAsTabled) {
  TLineProbe* line = NewLine();
  line->SetShadowVisible(true);
  line->SetTechnicalLineType(LT::lsBottomLeftToTopRight);
  line->SetLineEnding(LE::leNothing);
  EXPECT_EQ(Shapes(line), (Shape{"Polyline(7,50,89,27)", "Polyline(1,44,83,21)"}));

  line->SetTechnicalLineType(LT::lsBottomLeftCurve);
  EXPECT_EQ(Shapes(line)[1], "Arc(21,44,237,38,21,41,123,44)");

  line->SetTechnicalLineType(LT::lsTopRightCurve);
  line->SetSignPlaces(TVyrSignPlaces::spStart);
  EXPECT_EQ(Shapes(line)[1], "Arc(-41,21,123,61,129,38,41,21)");
}

TEST_F(TechnicalLineTest, HugeSignsAndShadowsPaintAndReturn) {
  TLineProbe* line = NewLine();
  line->SetSignPlaces(TVyrSignPlaces::spBoth);
  line->SetLineStart(LE::leCircle);
  line->SetFillColor(clYellow);
  line->SetShadowVisible(true);
  for (LT route : {LT::lsStraightLeftToRight, LT::lsBottomRightEdge, LT::lsTopLeftCurve}) {
    line->SetTechnicalLineType(route);
    line->SetSignSize(2147483647);
    line->SetShadowDepth(0);
    EXPECT_FALSE(Shapes(line).empty());
    line->SetSignSize(40);
    line->SetShadowDepth(2147483647);
    EXPECT_FALSE(Shapes(line).empty());
  }
}

// ---- rules ----

TEST_F(TechnicalLineTest, ArrowsFollowTheRouteWhenArrowed) {
  TLineProbe* line = NewLine();
  line->SetLineStart(LE::leOpenArrowLeft);
  line->SetTechnicalLineType(LT::lsStraightTopToBottom);
  EXPECT_EQ(line->GetLineStartSign(), LE::leOpenArrowLeft) << "not arrowed";
  EXPECT_EQ(line->GetLineEndingsign(), LE::leClosedArrowRight);

  line->SetTechnicalLineType(LT::lsStraightLeftToRight);
  line->SetArrowed(true);
  const struct {
    LT route;
    LE start, end;
  } cases[] = {
      {LT::lsStraightTopToBottom, LE::leOpenArrowUp, LE::leClosedArrowDown},
      {LT::lsBottomLeftEdge, LE::leOpenArrowRight, LE::leClosedArrowUp},
      {LT::lsTopRightEdge, LE::leOpenArrowLeft, LE::leClosedArrowDown},
      {LT::lsBottomRightCurve, LE::leOpenArrowUp, LE::leClosedArrowLeft},
      {LT::lsStraightLeftToRight, LE::leOpenArrowLeft, LE::leClosedArrowRight},
  };
  for (const auto& c : cases) {
    line->SetTechnicalLineType(c.route);
    EXPECT_EQ(line->GetLineStartSign(), c.start) << static_cast<int>(c.route);
    EXPECT_EQ(line->GetLineEndingsign(), c.end) << static_cast<int>(c.route);
  }
  line->SetLineStart(LE::leCircle);
  line->SetTechnicalLineType(LT::lsTopLeftCurve);
  EXPECT_EQ(line->GetLineStartSign(), LE::leCircle);
}

TEST_F(TechnicalLineTest, ASignChangeRepaintsOnlyWhereTheSignIsDrawn) {
  TLineProbe* line = NewLine();
  line->invalidations = 0;
  line->SetLineStart(LE::leDiamond);
  EXPECT_EQ(line->GetLineStartSign(), LE::leDiamond);
  EXPECT_EQ(line->invalidations, 0) << "only the end sign is drawn";
  line->SetSignPlaces(TVyrSignPlaces::spBoth);
  line->invalidations = 0;
  line->SetLineStart(LE::leComb);
  line->SetLineEnding(LE::leRectangle);
  EXPECT_EQ(line->invalidations, 2);
  line->invalidations = 0;
  line->SetLineStart(LE::leComb);
  line->SetShadowDepth(6);
  line->SetSignSize(40);
  line->GetLineSettings()->SetWidth(1);
  EXPECT_EQ(line->invalidations, 0) << "equal values";
  line->GetLineSettings()->SetWidth(3);
  EXPECT_EQ(line->invalidations, 1) << "the pen";
}

}  // namespace
