// The edge control: what it hands to DrawEdge for each style, and what an
// edge along one side looks like.
#include <string>
#include <vector>

#include "controls_fixture.h"
#include "drawedge.h"
#include "recording_dc.h"
#include "unitstartup.h"
#include "vyrextcs.h"

using namespace Vyrextcs;

namespace {

// The edge, painted on demand.
class TEdgeProbe : public TVyrDrawEdge {
  MORVANT_COMPONENT(TEdgeProbe, TVyrDrawEdge)
 public:
  explicit TEdgeProbe(TComponent* AOwner) : TVyrDrawEdge(AOwner) {}
  void PaintNow() { Paint(); }
};
void TEdgeProbe::Publish(TPublisher<TEdgeProbe>&) {}

class EdgeTest : public ControlsTest {
 protected:
  TUnitStartup units{{Vyrextcs::Unit}};
  TForm* form = nullptr;
  void SetUp() override { form = NewForm(clWhite); }

  // The DrawEdge calls of one paint.
  static std::vector<std::string> EdgeCalls(TEdgeProbe* Edge) {
    HDC dc = Edge->GetCanvas()->GetHandle();
    StartRecording(dc);
    ClearRecordedCalls(dc);
    Edge->PaintNow();
    std::vector<std::string> calls;
    for (const AnsiString& call : RecordedCalls(dc))
      if (std::string(call.c_str()).rfind("DrawEdge(", 0) == 0) calls.push_back(call.c_str());
    StopRecording(dc);
    return calls;
  }
};

TEST_F(EdgeTest, StartsAsAnEtchedFrameOfFortyPixels) {
  auto* edge = TObject::Create<TEdgeProbe>(form);
  EXPECT_EQ(edge->GetWidth(), 40);
  EXPECT_EQ(edge->GetHeight(), 40);
  EXPECT_TRUE(edge->GetTransparent());
  EXPECT_TRUE(edge->GetControlStyle().Contains(csReplicatable));
  EXPECT_EQ(edge->GetEdgeStyle(), TVyrEdgeStyle::etEtched);
  EXPECT_EQ(edge->GetStyle(), TVyrDrawEdgeStyle::esEdge);
  EXPECT_EQ(edge->PaintFlags(), BF_RECT);
}

TEST_F(EdgeTest, EachStyleHandsItsEdgeAndFlagsToDrawEdge) {
  using S = TVyrFrameSide;
  struct Case {
    TVyrDrawEdgeStyle style;
    TVyrEdgeStyle edge;
    TVyrFrameSides sides;
    TVyrDiagonalStyle diagonal;
    bool soft, filled;
    std::vector<std::string> calls;
  } cases[] = {
      {TVyrDrawEdgeStyle::esEdge, TVyrEdgeStyle::etEtched, {S::fsBottom, S::fsLeft, S::fsRight, S::fsTop},
       TVyrDiagonalStyle::dsEndBottomLeft, false, false, {"DrawEdge(0,0,40,40,6,15)"}},
      {TVyrDrawEdgeStyle::esEdge, TVyrEdgeStyle::etBump, {S::fsTop}, TVyrDiagonalStyle::dsEndBottomLeft, false, true,
       {"DrawEdge(0,0,40,40,9,2050)"}},
      {TVyrDrawEdgeStyle::esEdge, TVyrEdgeStyle::etRaisedInner, {S::fsLeft, S::fsBottom},
       TVyrDiagonalStyle::dsEndBottomLeft, true, false, {"DrawEdge(0,0,40,40,4,4105)"}},
      {TVyrDrawEdgeStyle::esEdge, TVyrEdgeStyle::etSunkenOuter, {S::fsRight}, TVyrDiagonalStyle::dsEndBottomLeft,
       false, false, {"DrawEdge(0,0,40,40,2,4)"}},
      {TVyrDrawEdgeStyle::esEdge, TVyrEdgeStyle::etRaisedOuter, {}, TVyrDiagonalStyle::dsEndBottomLeft, false, false,
       {"DrawEdge(0,0,40,40,1,0)"}},
      {TVyrDrawEdgeStyle::esEdge, TVyrEdgeStyle::etSunkenInner, {}, TVyrDiagonalStyle::dsEndBottomLeft, false, false,
       {"DrawEdge(0,0,40,40,8,0)"}},
      {TVyrDrawEdgeStyle::esDiagonal, TVyrEdgeStyle::etRaised, {}, TVyrDiagonalStyle::dsEndTopRight, true, false,
       {"DrawEdge(0,0,40,40,5,4118)"}},
      {TVyrDrawEdgeStyle::esDiagonal, TVyrEdgeStyle::etSunken, {}, TVyrDiagonalStyle::dsEndBottomLeft, false, false,
       {"DrawEdge(0,0,40,40,10,25)"}},
      {TVyrDrawEdgeStyle::esDiagonal, TVyrEdgeStyle::etEtched, {}, TVyrDiagonalStyle::dsEndBottomRight, false, false,
       {"DrawEdge(0,0,40,40,6,28)"}},
      {TVyrDrawEdgeStyle::esDiagonal, TVyrEdgeStyle::etEtched, {}, TVyrDiagonalStyle::dsEndTopLeft, false, true,
       {"DrawEdge(0,0,40,40,6,2067)"}},
      // The standard frame draws its own edges and adds the flags; the
      // sides and the edge style do not count.
      {TVyrDrawEdgeStyle::esStandard, TVyrEdgeStyle::etBump, {S::fsTop}, TVyrDiagonalStyle::dsEndBottomLeft, false,
       true, {"DrawEdge(0,0,40,40,2,10255)"}},
  };
  auto* edge = Place<TEdgeProbe>(form, 10, 10, 40, 40);
  app.pump();
  for (const Case& c : cases) {
    edge->SetStyle(c.style);
    edge->SetEdgeStyle(c.edge);
    edge->SetFrameSides(c.sides);
    edge->SetDiagonalStyle(c.diagonal);
    edge->SetSoft(c.soft);
    edge->SetFilled(c.filled);
    EXPECT_EQ(EdgeCalls(edge), c.calls) << static_cast<int>(c.style) << " " << static_cast<int>(c.edge);
  }
}

TEST_F(EdgeTest, AnEdgeOnTopOnlyLeavesTheOtherSidesAndFillsTheInsideWhenFilled) {
  auto* edge = Place<TVyrDrawEdge>(form, 10, 10, 40, 40);
  edge->SetFrameSides({TVyrFrameSide::fsTop});
  app.pump();
  // Etched: the sunken outer line on top, the raised inner one below it.
  EXPECT_EQ(Shown(edge, 20, 0), Rgb(clBtnShadow));
  EXPECT_EQ(Shown(edge, 20, 1), Rgb(clBtnHighlight));
  for (const TPoint& p : {TPoint(0, 20), TPoint(39, 20), TPoint(20, 39), TPoint(20, 20)})
    EXPECT_EQ(Shown(edge, p.x, p.y), clWhite) << p.x << "," << p.y;
  edge->SetFilled(true);
  app.pump();
  EXPECT_EQ(Shown(edge, 20, 20), Rgb(clBtnFace));
  EXPECT_EQ(Shown(edge, 0, 20), Rgb(clBtnFace)) << "no side edge, so the face reaches the border";
  EXPECT_EQ(Shown(edge, 20, 0), Rgb(clBtnShadow));
}

TEST_F(EdgeTest, ASetterRepaintsWithTheNewValue) {
  auto* edge = Place<TVyrDrawEdge>(form, 10, 10, 40, 40);
  edge->SetEdgeStyle(TVyrEdgeStyle::etRaised);
  app.pump();
  const TColor before = Shown(edge, 20, 0);
  edge->SetEdgeStyle(TVyrEdgeStyle::etSunken);
  app.pump();
  EXPECT_NE(Shown(edge, 20, 0), before);
}

}  // namespace
