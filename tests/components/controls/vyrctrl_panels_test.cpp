// The bevel panel's borders: the hot-tracked flat look and the window
// border of the bmWindows mode.
#include "controls_fixture.h"
#include "window.h"

using namespace Vyrctrl;

class PanelTest : public ControlsTest {};

TEST_F(PanelTest, AFlatPanelGivesItsBorderBackWhenTheMouseLeaves) {
  TForm* form = NewForm();
  auto* panel = Place<TVyrSimplePanel>(form, 10, 10, 100, 40);
  panel->GetBevel()->SetStyleOuter(Vyrgraph::TVyrBevelStyle::bvRaised);
  panel->GetBevel()->SetWidthOuter(2);
  panel->SetColor(clRed);
  panel->SetFlat(true);
  app.pump();
  const TColor red = Rgb(clRed), blue = Rgb(clBlue);
  // Just inside and just outside each strip of the border (e = e' = 2).
  struct Probe {
    int x, y;
    bool inStrip;
  } probes[] = {{50, 1, true},  {50, 2, false}, {1, 20, true},  {2, 20, false},
                {50, 37, true}, {50, 36, false}, {98, 20, true}, {97, 20, false}};

  panel->Perform(CM_MOUSEENTER, 0, 0);
  EXPECT_TRUE(panel->GetMouseAbove());
  EXPECT_NE(Shown(panel, 0, 0), red);  // the bevel is drawn
  EXPECT_NE(Shown(panel, 99, 39), red);

  TCanvas* canvas = panel->GetCanvas();
  canvas->GetBrush()->SetColor(clBlue);
  canvas->FillRect(TRect(0, 0, 100, 40));
  panel->Perform(CM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(panel->GetMouseAbove());
  for (const Probe& p : probes) EXPECT_EQ(Shown(panel, p.x, p.y), p.inStrip ? red : blue) << p.x << "," << p.y;
}

TEST_F(PanelTest, TheWindowsBevelTakesTheWindowsBorder) {
  TForm* form = NewForm();
  auto* panel = Place<TVyrSimplePanel>(form, 10, 10, 100, 40);
  panel->GetBevel()->SetMode(Vyrgraph::TVyrBevelMode::bmWindows);
  panel->SetParentCtl3D(false);
  struct Case {
    bool ctl3D;
    DWORD exStyle, style;
    int clientWidth;
  } cases[] = {{true, WS_EX_CLIENTEDGE, 0, 96}, {false, 0, WS_BORDER, 98}, {true, WS_EX_CLIENTEDGE, 0, 96}};
  for (const Case& c : cases) {
    panel->SetCtl3D(c.ctl3D);
    app.pump();
    HWND window = panel->GetHandle();
    EXPECT_EQ(static_cast<DWORD>(GetWindowLong(window, GWL_EXSTYLE)) & WS_EX_CLIENTEDGE, c.exStyle) << c.ctl3D;
    EXPECT_EQ(static_cast<DWORD>(GetWindowLong(window, GWL_STYLE)) & WS_BORDER, c.style) << c.ctl3D;
    EXPECT_EQ(panel->GetClientWidth(), c.clientWidth) << c.ctl3D;
  }
}
