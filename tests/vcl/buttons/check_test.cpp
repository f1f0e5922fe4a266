#include "stdctrls_check.h"

#include <vector>

#include "buttons_fixture.h"
#include "stdctrls_radio.h"

TEST_F(ButtonsTest, CheckBoxTogglesByClickSpaceAndAccessKeyAndFiresOnClickForEveryChange) {
  TForm* f = ShownForm();
  auto* box = Add<TCheckBox>(f, 10, 10, 120, 17);
  box->SetCaption("&Ton");
  int clicks = 0;
  box->OnClick = [&](TObject*) { ++clicks; };
  app.pump();

  app.click(box, 5, 8);
  app.pump();
  EXPECT_TRUE(box->GetChecked());
  EXPECT_TRUE(box->Focused());
  Key(VK_SPACE);
  EXPECT_FALSE(box->GetChecked());
  EXPECT_EQ(box->Perform(CM_DIALOGCHAR, 't', 0), 1);
  EXPECT_EQ(box->GetState(), cbChecked);
  EXPECT_EQ(box->Perform(BM_GETCHECK, 0, 0), BST_CHECKED);
  // The program's changes click too, as in the class library; a repeat does not.
  box->SetChecked(false);
  box->SetChecked(false);
  EXPECT_EQ(clicks, 4);
}

TEST_F(ButtonsTest, CheckBoxStatesFollowEachOtherInTheClassicOrder) {
  struct Case {
    bool allowGrayed;
    TCheckBoxState from, to;
  };
  const Case cases[] = {
      {false, cbUnchecked, cbChecked}, {false, cbChecked, cbUnchecked}, {false, cbGrayed, cbChecked},
      {true, cbUnchecked, cbGrayed},   {true, cbGrayed, cbChecked},     {true, cbChecked, cbUnchecked},
  };
  TForm* f = ShownForm();
  auto* box = Add<TCheckBox>(f, 10, 10);
  app.pump();
  for (const Case& c : cases) {
    box->SetAllowGrayed(c.allowGrayed);
    box->SetState(c.from);
    box->Perform(BM_CLICK, 0, 0);
    EXPECT_EQ(box->GetState(), c.to) << c.allowGrayed << " " << c.from;
  }
}

TEST_F(ButtonsTest, CheckedBoxShowsItsMarkAndTheCaptionBesideTheBox) {
  TForm* f = ShownForm();
  auto* box = Add<TCheckBox>(f, 10, 10, 120, 17);
  box->SetCaption("Musik");
  app.pump();
  // The box: white inside, no mark yet; the caption right of it.
  EXPECT_EQ(CountPixels(box, TRect(4, 6, 10, 12), clBlack), 0);
  EXPECT_GT(CountOtherThan(box, TRect(17, 0, 60, 17), clBtnFace), 10);
  box->SetChecked(true);
  app.pump();
  EXPECT_GT(CountPixels(box, TRect(3, 4, 11, 13), clBlack), 10);
  box->SetAlignment(taLeftJustify);
  app.pump();
  EXPECT_GT(CountPixels(box, TRect(110, 4, 118, 13), clBlack), 10);
}

TEST_F(ButtonsTest, RadioButtonsOfOneParentUncheckEachOtherByClickKeysAndProgram) {
  TForm* f = ShownForm();
  std::vector<TRadioButton*> radios;
  std::vector<int> clicks(3);
  for (int i = 0; i < 3; ++i) {
    radios.push_back(Add<TRadioButton>(f, 10, 10 + 20 * i));
    radios.back()->OnClick = [&clicks, i](TObject*) { ++clicks[static_cast<std::size_t>(i)]; };
  }
  // A radio button in another parent is of another group.
  auto* panelParent = app.create_form<TForm>();
  auto* elsewhere = Add<TRadioButton>(panelParent, 10, 10);
  elsewhere->SetChecked(true);
  app.pump();
  auto checked = [&] {
    std::vector<bool> v;
    for (TRadioButton* r : radios) v.push_back(r->GetChecked());
    return v;
  };

  radios[0]->SetChecked(true);
  EXPECT_EQ(checked(), std::vector<bool>({true, false, false}));
  app.click(radios[2], 5, 8);
  app.pump();
  EXPECT_EQ(checked(), std::vector<bool>({false, false, true}));
  EXPECT_TRUE(radios[2]->Focused());
  // Only the checked one is a tab stop; the arrows move and choose.
  EXPECT_TRUE(radios[2]->GetTabStop());
  EXPECT_FALSE(radios[0]->GetTabStop());
  Key(VK_UP);
  EXPECT_EQ(checked(), std::vector<bool>({false, true, false}));
  EXPECT_TRUE(radios[1]->Focused());
  EXPECT_TRUE(elsewhere->GetChecked());
  EXPECT_EQ(clicks, std::vector<int>({1, 1, 1}));
}
