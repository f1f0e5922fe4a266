// The edge control: a DrawEdge edge along chosen sides, a diagonal edge, or
// one of the library's standard frames.
#include "drawedge.h"
#include "vyrextcs.h"
#include "vyrutils.h"

namespace Vyrextcs {

unsigned VyrEdgeStyleEdge(TVyrEdgeStyle Style) {
  switch (Style) {
    case TVyrEdgeStyle::etRaisedInner: return BDR_RAISEDINNER;
    case TVyrEdgeStyle::etRaisedOuter: return BDR_RAISEDOUTER;
    case TVyrEdgeStyle::etSunkenInner: return BDR_SUNKENINNER;
    case TVyrEdgeStyle::etSunkenOuter: return BDR_SUNKENOUTER;
    case TVyrEdgeStyle::etBump: return EDGE_BUMP;
    case TVyrEdgeStyle::etEtched: return EDGE_ETCHED;
    case TVyrEdgeStyle::etRaised: return EDGE_RAISED;
    case TVyrEdgeStyle::etSunken: return EDGE_SUNKEN;
  }
  return EDGE_ETCHED;
}

unsigned VyrFrameSidesFlags(TVyrFrameSides Sides) {
  unsigned flags = 0;
  if (Sides.Contains(TVyrFrameSide::fsBottom)) flags |= BF_BOTTOM;
  if (Sides.Contains(TVyrFrameSide::fsTop)) flags |= BF_TOP;
  if (Sides.Contains(TVyrFrameSide::fsRight)) flags |= BF_RIGHT;
  if (Sides.Contains(TVyrFrameSide::fsLeft)) flags |= BF_LEFT;
  return flags;
}

unsigned VyrDiagonalFlags(TVyrDiagonalStyle Style) {
  switch (Style) {
    case TVyrDiagonalStyle::dsEndBottomLeft: return BF_DIAGONAL_ENDBOTTOMLEFT;
    case TVyrDiagonalStyle::dsEndBottomRight: return BF_DIAGONAL_ENDBOTTOMRIGHT;
    case TVyrDiagonalStyle::dsEndTopLeft: return BF_DIAGONAL_ENDTOPLEFT;
    case TVyrDiagonalStyle::dsEndTopRight: return BF_DIAGONAL_ENDTOPRIGHT;
  }
  return BF_DIAGONAL_ENDBOTTOMLEFT;
}

TVyrDrawEdge::TVyrDrawEdge(TComponent* AOwner) : Vyrctrl::TVyrBaseGraphicControl(AOwner) {
  controlStyle_.Include(csReplicatable);
  SetBounds(left_, top_, 40, 40);
}

template <class T>
void TVyrDrawEdge::Store(T& Field, T Value) {
  if (Field == Value) return;
  Field = Value;
  Invalidate();
}

void TVyrDrawEdge::SetDiagonalStyle(TVyrDiagonalStyle Value) { Store(diagonalStyle_, Value); }
void TVyrDrawEdge::SetEdgeStyle(TVyrEdgeStyle Value) { Store(edgeStyle_, Value); }
void TVyrDrawEdge::SetFilled(bool Value) { Store(filled_, Value); }
void TVyrDrawEdge::SetFrameSides(TVyrFrameSides Value) { Store(frameSides_, Value); }
void TVyrDrawEdge::SetStandardStyle(TVyrBorderStyle Value) { Store(standardStyle_, Value); }
void TVyrDrawEdge::SetSoft(bool Value) { Store(soft_, Value); }
void TVyrDrawEdge::SetStyle(TVyrDrawEdgeStyle Value) { Store(style_, Value); }

unsigned TVyrDrawEdge::PaintFlags() const {
  unsigned flags = (soft_ ? BF_SOFT : 0) | (filled_ ? BF_MIDDLE : 0);
  switch (style_) {
    case TVyrDrawEdgeStyle::esEdge: return flags | VyrFrameSidesFlags(frameSides_);
    case TVyrDrawEdgeStyle::esDiagonal: return flags | VyrDiagonalFlags(diagonalStyle_);
    case TVyrDrawEdgeStyle::esStandard: return flags;
  }
  return flags;
}

void TVyrDrawEdge::Paint() {
  TRect rect = GetClientRect();
  TCanvas* canvas = GetCanvas();
  if (style_ == TVyrDrawEdgeStyle::esStandard) {
    Vyrutils::VyrDrawStdFrame(canvas, rect, standardStyle_, static_cast<std::uint16_t>(PaintFlags()));
    return;
  }
  DrawEdge(canvas->GetHandle(), &rect, VyrEdgeStyleEdge(edgeStyle_), PaintFlags());
}

}  // namespace Vyrextcs
