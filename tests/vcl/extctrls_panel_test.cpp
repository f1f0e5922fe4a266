#include "extctrls_panel.h"

#include "stdctrls_fixture.h"

namespace {

struct BevelCase {
  TBevelCut outer, inner;
  int borderWidth;
  // Colours along the left edge, from x = 0 inwards.
  std::vector<TColor> ring;
};

}  // namespace

TEST_F(StdCtrlsTest, PanelPaintsOuterBevelBorderInnerBevelInward) {
  const BevelCase cases[] = {
      {bvLowered, bvNone, 0, {clBtnShadow, clRed}},
      {bvRaised, bvNone, 0, {clBtnHighlight, clRed}},
      {bvNone, bvNone, 0, {clRed}},
      {bvRaised, bvLowered, 2, {clBtnHighlight, clRed, clRed, clBtnShadow, clRed}},
  };
  TForm* f = ShownForm();
  for (const BevelCase& c : cases) {
    auto* panel = TObject::Create<TPanel>(f);
    panel->SetBounds(10, 10, 100, 60);
    panel->SetColor(clRed);
    panel->SetBevelOuter(c.outer);
    panel->SetBevelInner(c.inner);
    panel->SetBorderWidth(c.borderWidth);
    panel->SetParent(f);
    app.pump();
    for (size_t x = 0; x < c.ring.size(); ++x) EXPECT_EQ(Pixel(panel, static_cast<int>(x), 30), Rgb(c.ring[x])) << x;
    // The bottom-right side takes the other colour of each bevel.
    if (c.outer == bvLowered) {
      EXPECT_EQ(Pixel(panel, 99, 30), Rgb(clBtnHighlight));
    }
    delete panel;
  }
}

TEST_F(StdCtrlsTest, PanelAlignsChildrenInsideItsFrameAndCentresItsCaption) {
  TForm* f = ShownForm();
  auto* panel = TObject::Create<TPanel>(f);
  panel->SetBounds(16, 8, 200, 100);
  panel->SetBevelOuter(bvLowered);
  panel->SetBorderWidth(3);
  panel->SetParent(f);
  auto* child = TObject::Create<TPanel>(f);
  child->SetParent(panel);
  child->SetAlign(alClient);
  app.pump();
  EXPECT_EQ(child->GetBoundsRect(), TRect(4, 4, 196, 96));
  delete child;

  panel->SetCaption("Mitte");
  app.pump();
  EXPECT_EQ(CountOtherThan(panel, TRect(4, 4, 70, 96), clBtnFace), 0);
  EXPECT_GT(CountOtherThan(panel, TRect(70, 40, 130, 60), clBtnFace), 10);
  panel->SetAlignment(taLeftJustify);
  app.pump();
  EXPECT_GT(CountOtherThan(panel, TRect(4, 40, 70, 60), clBtnFace), 10);
}
