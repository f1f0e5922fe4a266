// The check box and the radio button as controls: the click cycle, read-only
// boxes, radio groups, the cell they paint, and their form text.
#include <string>

#include "actnlist.h"
#include "controls_fixture.h"
#include "keyboard.h"
#include "unitstartup.h"
#include "vyrgroup.h"

using namespace Vyrgroup;

namespace {

class CheckControlsTest : public ControlsTest {
 protected:
  TUnitStartup units{{Vyrgroup::Unit}};
  TForm* form = nullptr;
  void SetUp() override { form = NewForm(); }
};

TEST_F(CheckControlsTest, ClicksCycleTheStateAndReadOnlyKeepsIt) {
  auto* box = Place<TVyrCheckBox>(form, 10, 10, 105, 17);
  int changes = 0, clicks = 0;
  box->OnChange = TNotifyEvent([&](TObject*) { ++changes; });
  box->OnClick = TNotifyEvent([&](TObject*) { ++clicks; });
  box->SetAllowGrayed(true);
  app.pump();
  std::vector<TCheckBoxState> seen;
  for (int i = 0; i < 3; ++i) {
    app.click(box, 5, 8);
    app.pump();
    seen.push_back(box->GetState());
  }
  EXPECT_EQ(seen, (std::vector<TCheckBoxState>{cbGrayed, cbChecked, cbUnchecked}));
  EXPECT_EQ(changes, 3);

  box->SetReadOnly(true);
  clicks = changes = 0;
  app.click(box, 5, 8);
  app.key(VK_SPACE, 0, " ");
  app.pump();
  EXPECT_EQ(box->GetState(), cbUnchecked);
  EXPECT_EQ(clicks, 1) << "a read-only box still reports the click";
  EXPECT_EQ(changes, 0);

  box->SetState(cbChecked);
  EXPECT_EQ(changes, 0) << "by code: no OnChange";
  box->SetReadOnly(false);
  box->SetFocus();
  app.key(VK_SPACE, 0, " ");
  app.pump();
  EXPECT_EQ(box->GetState(), cbUnchecked) << "space toggles the focused box";
}

TEST_F(CheckControlsTest, ThePaintedCellFollowsStateEnablingAndStrip) {
  auto* box = Place<TVyrCheckBox>(form, 10, 10, 105, 17);
  struct Case {
    bool enabled;
    TCheckBoxState state;
    int glyphs, cell, x;
  } cases[] = {{true, cbUnchecked, 3, 0, 0},  {false, cbUnchecked, 3, 1, 13}, {true, cbChecked, 3, 2, 26},
               {false, cbChecked, 3, 3, 39},  {false, cbGrayed, 3, 5, 65},   {true, cbGrayed, 2, 2, 26}};
  for (const Case& c : cases) {
    box->SetEnabled(c.enabled);
    box->SetState(c.state);
    box->SetNumGlyphs(c.glyphs);
    EXPECT_EQ(box->CurrentCell(0), c.cell) << c.enabled << c.state << c.glyphs;
    EXPECT_EQ(box->CurrentCell(0) * box->GetCellWidth(), c.x);
  }
  auto* radio = Place<TVyrRadioButton>(form, 10, 40, 105, 17);
  radio->SetChecked(true);
  EXPECT_EQ(radio->CurrentCell(0), 2);
  radio->SetChecked(false);
  radio->SetEnabled(false);
  EXPECT_EQ(radio->CurrentCell(0), 1);
}

// The bands of rows right of the glyph that hold caption ink (anything
// but the box's own colour: the letters are smoothed).
int CaptionLines(TCustomControl* Control) {
  int bands = 0;
  bool inBand = false;
  for (int y = 0; y < Control->GetHeight(); ++y) {
    bool ink = false;
    for (int x = 16; x < Control->GetWidth() && !ink; ++x)
      ink = ColorToRGB(Control->GetCanvas()->GetPixels(x, y)) != ColorToRGB(Control->GetColor());
    if (ink && !inBand) ++bands;
    inBand = ink;
  }
  return bands;
}

TEST_F(CheckControlsTest, ALineBreakInTheCaptionDrawsTwoLines) {
  auto* box = Place<TVyrCheckBox>(form, 10, 10, 150, 60);
  auto* radio = Place<TVyrRadioButton>(form, 10, 80, 150, 60);
  struct Case {
    const char* caption;
    int lines;
  } cases[] = {{"Musik", 1}, {"Musik\r\nan", 2}, {"Musik\nan", 2}};
  for (const Case& c : cases) {
    for (Vyrgroup::TVyrButtonControl* control : {static_cast<Vyrgroup::TVyrButtonControl*>(box),
                                                 static_cast<Vyrgroup::TVyrButtonControl*>(radio)}) {
      control->GetFont()->SetColor(clBlack);
      control->SetCaption(c.caption);
      control->Invalidate();
      app.pump();
      EXPECT_EQ(CaptionLines(control), c.lines) << c.caption << (control == box ? " box" : " radio");
    }
  }
}

TEST_F(CheckControlsTest, CheckingARadioUnchecksItsSiblingsOnly) {
  auto* left = Place<Vyrctrl::TVyrSimplePanel>(form, 0, 0, 150, 100);
  auto* right = Place<Vyrctrl::TVyrSimplePanel>(form, 200, 0, 150, 100);
  TVyrRadioButton* group[3];
  for (int i = 0; i < 3; ++i) group[i] = Place<TVyrRadioButton>(left, 5, 5 + 20 * i, 100, 17);
  auto* other = Place<TVyrRadioButton>(right, 5, 5, 100, 17);
  other->SetChecked(true);
  group[0]->SetChecked(true);
  group[1]->SetChecked(true);
  EXPECT_FALSE(group[0]->GetChecked());
  EXPECT_TRUE(group[1]->GetChecked());
  EXPECT_FALSE(group[2]->GetChecked());
  EXPECT_TRUE(other->GetChecked()) << "another parent's group";
  EXPECT_TRUE(group[1]->GetTabStop());
  EXPECT_FALSE(group[0]->GetTabStop());
  app.pump();
  group[2]->SetFocus();
  app.pump();
  EXPECT_TRUE(group[2]->GetChecked()) << "the focus checks it";
  EXPECT_FALSE(group[1]->GetChecked());
}

TEST_F(CheckControlsTest, FormTextRoundTrip) {
  auto* box = Place<TVyrCheckBox>(form, 10, 10, 120, 20);
  box->SetAllowGrayed(true);
  box->SetState(cbChecked);
  box->SetGlyphFlat(true);
  box->SetFocusStyle(Vyrgraph::TVyrGlyphTextFocusStyle::fcControl);
  box->SetReadOnly(true);
  box->SetCaption("Musik");
  const std::string text = TestSupport::WrittenFormText(box);
  EXPECT_NE(text.find("Checked = True"), std::string::npos) << text;
  auto* copy = static_cast<TVyrCheckBox*>(TestSupport::ReadFormText(text, nullptr));
  EXPECT_TRUE(copy->GetAllowGrayed());
  EXPECT_EQ(copy->GetState(), cbChecked);
  EXPECT_TRUE(copy->GetGlyphFlat());
  EXPECT_EQ(copy->GetFocusStyle(), Vyrgraph::TVyrGlyphTextFocusStyle::fcControl);
  EXPECT_TRUE(copy->GetReadOnly());
  EXPECT_EQ(std::string(copy->GetCaption().c_str()), "Musik");
  copy->Free();
  const std::string plain = TestSupport::WrittenFormText(Place<TVyrCheckBox>(form, 0, 40, 105, 17));
  EXPECT_EQ(plain.find("Checked"), std::string::npos) << "unchecked is the default";

  auto* radio = Place<TVyrRadioButton>(form, 10, 70, 120, 20);
  radio->SetChecked(true);
  auto* radioCopy = static_cast<TVyrRadioButton*>(TestSupport::ReadFormText(TestSupport::WrittenFormText(radio), nullptr));
  EXPECT_TRUE(radioCopy->GetChecked());
  EXPECT_TRUE(radioCopy->GetGlyphTransparent());
  radioCopy->Free();
}

// The boxes name a list of their form by reference and read it back linked
// to the copy's own list; a list of the global container is written as
// "Internal" in place of the reference.
TEST_F(CheckControlsTest, AnImageListOfTheFormRoundTripsLinked) {
  form->SetName("Settings");
  auto* list = TObject::Create<Vyrcont::TVyrBitmapList>(form);
  list->SetName("Pictures");
  auto* box = Place<TVyrCheckBox>(form, 10, 10, 120, 20);
  box->SetName("Music");
  box->SetImageList(list);
  box->SetImageIndex(2);
  auto* radio = Place<TVyrRadioButton>(form, 10, 40, 120, 20);
  radio->SetName("Sound");
  radio->SetImageList(list);
  const std::string text = TestSupport::WrittenFormText(form);
  EXPECT_NE(text.find("ImageList = Pictures"), std::string::npos) << text;
  EXPECT_EQ(text.find("Internal"), std::string::npos) << text;

  TOwnedObject<TForm> again(TObject::Create<TForm>(nullptr));
  TestSupport::ReadFormText(text, again.get());
  auto* copyList = again->FindComponent("Pictures");
  ASSERT_NE(copyList, nullptr);
  auto* copyBox = static_cast<TVyrCheckBox*>(again->FindComponent("Music"));
  auto* copyRadio = static_cast<TVyrRadioButton*>(again->FindComponent("Sound"));
  ASSERT_NE(copyBox, nullptr);
  ASSERT_NE(copyRadio, nullptr);
  EXPECT_EQ(static_cast<TComponent*>(copyBox->GetImageList()), copyList);
  EXPECT_EQ(copyBox->GetImageIndex(), 2);
  EXPECT_EQ(static_cast<TComponent*>(copyRadio->GetImageList()), copyList);

  box->SetImageList(Vyrcont::VyrGlobalContainer()->GetImageList());
  const std::string global = TestSupport::WrittenFormText(box);
  EXPECT_NE(global.find("Internal"), std::string::npos) << global;
  EXPECT_EQ(global.find("ImageList"), std::string::npos) << global;
  auto* globalCopy = static_cast<TVyrCheckBox*>(TestSupport::ReadFormText(global, nullptr));
  EXPECT_EQ(globalCopy->GetImageList(), Vyrcont::VyrGlobalContainer()->GetImageList());
  globalCopy->Free();
}

}  // namespace

namespace {

TEST_F(CheckControlsTest, AnActionHoldsTheCheckedState) {
  auto* box = Place<TVyrCheckBox>(form, 10, 10, 105, 17);
  int changes = 0, clicks = 0;
  box->OnChange = TNotifyEvent([&](TObject*) { ++changes; });
  auto* action = TObject::Create<TAction>(form);
  action->SetChecked(true);
  box->SetAction(action);
  box->OnClick = TNotifyEvent([&](TObject*) { ++clicks; });
  EXPECT_TRUE(box->GetChecked());
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(TestSupport::WrittenFormText(box).find("Checked = "), std::string::npos) << "the action holds it";
  action->SetChecked(false);
  EXPECT_FALSE(box->GetChecked()) << "the box follows";
  EXPECT_EQ(changes, 0);
  box->SetAction(nullptr);
  box->SetChecked(true);
  EXPECT_NE(TestSupport::WrittenFormText(box).find("Checked = True"), std::string::npos);
}

}  // namespace
