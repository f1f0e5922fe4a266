#include "comctrls_statusbar.h"

#include "stdctrls_fixture.h"

TEST_F(StdCtrlsTest, StatusBarDocksAtTheBottomAndDrawsItsSimpleTextInALoweredField) {
  TForm* f = ShownForm(300, 200);
  auto* bar = TObject::Create<TStatusBar>(f);
  bar->SetParent(f);
  bar->SetSimplePanel(true);
  bar->SetSizeGrip(false);
  app.pump();
  EXPECT_EQ(bar->GetTop(), 200 - 19);
  EXPECT_EQ(bar->GetWidth(), 300);
  const TRect textArea(3, 3, 150, 18);
  EXPECT_EQ(CountOtherThan(bar, textArea, clBtnFace), 0);

  bar->SetSimpleText("Editor Spielebene");
  app.pump();
  EXPECT_GT(CountOtherThan(bar, textArea, clBtnFace), 20);
  // The field's frame: shadow on top, highlight at the bottom.
  EXPECT_EQ(Pixel(bar, 50, 2), Rgb(clBtnShadow));
  EXPECT_EQ(Pixel(bar, 50, 18), Rgb(clBtnHighlight));
  // Without a size grip the corner is plain face and field.
  EXPECT_EQ(CountPixels(bar, TRect(285, 3, 298, 18), clBtnShadow), 0);

  // Panels mode ignores the simple text.
  bar->SetSimplePanel(false);
  app.pump();
  EXPECT_EQ(CountOtherThan(bar, textArea, clBtnFace), 0);
}

TEST_F(StdCtrlsTest, StatusBarPanelsSplitTheBarAndTheSizeGripTakesTheCorner) {
  TForm* f = ShownForm(300, 200);
  auto* bar = TObject::Create<TStatusBar>(f);
  bar->SetParent(f);
  bar->GetPanels()->Add()->SetWidth(100);
  bar->GetPanels()->Add()->SetText("Zwei");
  app.pump();
  // The second field starts after the first and a gap.
  EXPECT_EQ(Pixel(bar, 101, 10), Rgb(clBtnFace));
  EXPECT_EQ(Pixel(bar, 102, 10), Rgb(clBtnShadow));
  EXPECT_GT(CountOtherThan(bar, TRect(104, 3, 200, 18), clBtnFace), 10);
  EXPECT_GT(CountPixels(bar, TRect(284, 3, 300, 19), clBtnShadow), 10);
}
