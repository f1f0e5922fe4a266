#include "stdctrls_label.h"

#include "extctrls_panel.h"
#include "stdctrls_fixture.h"

TEST_F(StdCtrlsTest, AutoSizedLabelFitsItsTextAndRightJustifiedKeepsItsRightEdge) {
  TForm* f = ShownForm();
  auto* label = TObject::Create<TLabel>(f);
  label->SetParent(f);
  label->SetBounds(10, 10, 175, 17);
  label->SetCaption("Welt");
  const int shortWidth = label->GetWidth();
  EXPECT_GT(shortWidth, 10);
  EXPECT_LT(shortWidth, 60);
  label->SetCaption("Welt Welt Welt");
  EXPECT_GT(label->GetWidth(), 2 * shortWidth);
  EXPECT_GT(label->GetHeight(), 8);

  auto* value = TObject::Create<TLabel>(f);
  value->SetParent(f);
  value->SetAutoSize(false);
  value->SetAlignment(taRightJustify);
  value->SetBounds(10, 40, 175, 17);
  value->SetAutoSize(true);
  value->SetCaption("12");
  EXPECT_EQ(value->GetLeft() + value->GetWidth(), 185);
}

TEST_F(StdCtrlsTest, TransparentLabelLeavesTheParentsPixelsAndDrawsInItsFontColour) {
  TForm* f = ShownForm();
  f->SetColor(clBlack);
  auto* opaque = TObject::Create<TLabel>(f);
  opaque->SetParent(f);
  opaque->SetColor(clBlue);
  opaque->GetFont()->SetColor(clWhite);
  opaque->SetCaption("Zeit");
  opaque->SetBounds(10, 10, 80, 20);
  auto* clear = TObject::Create<TLabel>(f);
  clear->SetParent(f);
  clear->SetTransparent(true);
  clear->GetFont()->SetColor(clYellow);
  clear->GetFont()->SetStyle({fsBold});
  clear->SetCaption("Zeit");
  clear->SetLeft(10);
  clear->SetTop(50);
  app.pump();
  EXPECT_GT(CountPixels(f, TRect(10, 10, 90, 30), clBlue), 100);
  EXPECT_EQ(CountPixels(f, opaque->GetBoundsRect(), clBlack), 0);
  EXPECT_GT(CountPixels(f, clear->GetBoundsRect(), clYellow), 10);
  EXPECT_GT(CountPixels(f, clear->GetBoundsRect(), clBlack), 10);
}

TEST_F(StdCtrlsTest, LabelAccessKeyFocusesItsFocusControl) {
  TForm* f = ShownForm();
  auto* target = TObject::Create<TLoggingControl>(f, nullptr);
  target->SetParent(f);
  target->SetTop(100);
  auto* other = TObject::Create<TLoggingControl>(f, nullptr);
  other->SetParent(f);
  auto* label = TObject::Create<TLabel>(f);
  label->SetParent(f);
  label->SetCaption("&Name");
  label->SetFocusControl(target);
  other->SetFocus();
  app.pump();
  EXPECT_EQ(label->Perform(CM_DIALOGCHAR, 'n', 0), 1);
  EXPECT_TRUE(target->Focused());
  EXPECT_EQ(label->Perform(CM_DIALOGCHAR, 'x', 0), 0);
  delete target;
  EXPECT_EQ(label->GetFocusControl(), nullptr);
}
