// The group box and the button groups at their edges: the frame set back to
// the bevel's own defaults through a form, help contexts for items made
// after the setting, glyph lists of the global container in the form text,
// items beyond the value's bits, the glyph size's byte, and layout values
// far out of proportion.
#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "controls_fixture.h"
#include "unitstartup.h"
#include "vyrgroup.h"

using namespace Vyrgroup;

namespace {

class GroupLimitsTest : public ControlsTest {
 protected:
  TUnitStartup units{{Vyrgroup::Unit}};
  TForm* form = nullptr;
  void SetUp() override { form = NewForm(); }

  static std::vector<int> HelpContexts(TVyrCustomButtonGroup* Group) {
    std::vector<int> contexts;
    for (int i = 0; i < Group->GetButtonCount(); ++i) contexts.push_back(Group->GetButton(i)->GetHelpContext());
    return contexts;
  }
  static TVyrCheckGroup* ReadCheckGroup(const std::string& Lines) {
    return static_cast<TVyrCheckGroup*>(
        TestSupport::ReadFormText("object Group: TVyrCheckGroup\n" + Lines + "end\n", nullptr));
  }
};

// The box's constructor sets a standard inset frame; values equal to the
// bevel's own defaults must still come back from a form.
TEST_F(GroupLimitsTest, AFrameSetToTheBevelsDefaultsComesBack) {
  using Vyrgraph::TVyrBevelMode;
  using Vyrgraph::TVyrBorderStyle;
  auto make = [&](int Kind) -> Vyrctrl::TVyrCustomGroupBox* {
    if (Kind == 0) return Place<Vyrctrl::TVyrGroupBox>(form, 10, 10, 185, 105);
    if (Kind == 1) return Place<TVyrRadioGroup>(form, 10, 10, 185, 105);
    return Place<TVyrCheckGroup>(form, 10, 10, 185, 105);
  };
  struct Case {
    TVyrBevelMode mode;
    TVyrBorderStyle style;
  } cases[] = {{TVyrBevelMode::bmCustom, TVyrBorderStyle::lsFrameInset},
               {TVyrBevelMode::bmStandard, TVyrBorderStyle::lsSingleLowered},
               {TVyrBevelMode::bmCustom, TVyrBorderStyle::lsSingleLowered},
               {TVyrBevelMode::bmEdge, TVyrBorderStyle::lsRaised},
               {TVyrBevelMode::bmStandard, TVyrBorderStyle::lsFrameInset}};
  for (int kind = 0; kind < 3; ++kind) {
    for (const Case& c : cases) {
      auto* box = make(kind);
      box->GetBevel()->SetMode(c.mode);
      box->GetBevel()->SetStandardStyle(c.style);
      const std::string text = TestSupport::WrittenFormText(box);
      auto* copy = static_cast<Vyrctrl::TVyrCustomGroupBox*>(TestSupport::ReadFormText(text, nullptr));
      EXPECT_EQ(copy->GetBevel()->GetMode(), c.mode) << kind << "\n" << text;
      EXPECT_EQ(copy->GetBevel()->GetStandardStyle(), c.style) << kind << "\n" << text;
      copy->Free();
      box->Free();
    }
  }
}

TEST_F(GroupLimitsTest, HelpContextsNumberItemsMadeAfterTheSetting) {
  auto* group = Place<TVyrCheckGroup>(form, 10, 10, 185, 105);
  group->SetHelpContext(100);
  group->SetID(TVyrChildHelpContextID::ciAutoNumbered);
  for (const char* item : {"A", "B", "C"}) group->GetItems()->Add(item);
  EXPECT_EQ(HelpContexts(group), (std::vector<int>{101, 102, 103}));
  group->GetItems()->Add("D");
  EXPECT_EQ(HelpContexts(group), (std::vector<int>{101, 102, 103, 104}));

  // A form sets the style before the items exist, in either order with the
  // group's own context.
  for (const char* lines : {"  HelpContext = 100\n  HelpContextBtn = ciAutoNumbered\n",
                            "  HelpContextBtn = ciAutoNumbered\n  HelpContext = 100\n"}) {
    auto* read = ReadCheckGroup(std::string(lines) + "  Items.Strings = (\n    'A'\n    'B'\n    'C')\n");
    EXPECT_EQ(HelpContexts(read), (std::vector<int>{101, 102, 103})) << lines;
    read->Free();
  }
  auto* same = ReadCheckGroup("  HelpContext = 7\n  HelpContextBtn = ciSameAsParent\n  Items.Strings = (\n    'A'\n    'B')\n");
  EXPECT_EQ(HelpContexts(same), (std::vector<int>{7, 7}));
  same->Free();
}

// The group's root names its own ImageList "Internal"; the glyph list of the
// global container has a name of its own, and both come back.
TEST_F(GroupLimitsTest, AGlobalGlyphListComesBackFromTheFormText) {
  Vyrcont::TVyrContainer* global = Vyrcont::VyrGlobalContainer();
  auto* group = Place<TVyrRadioGroup>(form, 10, 10, 185, 105);
  group->GetItems()->Add("Leicht");
  group->SetGlyphImageList(global->GetImageList());
  group->SetImageList(global->GetBitmapList());
  const std::string text = TestSupport::WrittenFormText(group);
  EXPECT_NE(text.find("InternalGlyph"), std::string::npos) << text;
  EXPECT_EQ(text.find("GlyphImageList"), std::string::npos) << text;
  auto* copy = static_cast<TVyrRadioGroup*>(TestSupport::ReadFormText(text, nullptr));
  EXPECT_EQ(copy->GetGlyphImageList(), global->GetImageList());
  EXPECT_EQ(copy->GetImageList(), global->GetBitmapList());
  EXPECT_EQ(copy->GetButton(0)->GetImageList(), global->GetImageList());
  copy->Free();

  // A list of the form goes by reference, and no "InternalGlyph".
  form->SetName("Settings");
  auto* list = TObject::Create<Vyrcont::TVyrImageList>(form);
  list->SetName("Glyphs");
  group->SetName("Level");
  group->SetImageList(nullptr);
  group->SetGlyphImageList(list);
  const std::string byName = TestSupport::WrittenFormText(form);
  EXPECT_NE(byName.find("GlyphImageList = Glyphs"), std::string::npos) << byName;
  EXPECT_EQ(byName.find("Internal"), std::string::npos) << byName;
  TOwnedObject<TForm> again(TObject::Create<TForm>(nullptr));
  TestSupport::ReadFormText(byName, again.get());
  auto* copyGroup = static_cast<TVyrRadioGroup*>(again->FindComponent("Level"));
  ASSERT_NE(copyGroup, nullptr);
  EXPECT_EQ(static_cast<TComponent*>(copyGroup->GetGlyphImageList()), again->FindComponent("Glyphs"));
}

// Value has 31 bits; an item past them cannot be set by code either.
TEST_F(GroupLimitsTest, ItemsBeyondTheValuesBitsCannotBeChecked) {
  auto* group = Place<TVyrCheckGroup>(form, 10, 10, 185, 400);
  for (int i = 0; i < 33; ++i) group->GetItems()->Add(AnsiString("Punkt ") + AnsiString(i));
  group->SetItemCheck(30, true);
  EXPECT_EQ(group->GetValue(), 1 << 30);
  for (int index : {31, 32}) {
    group->SetItemCheck(index, true);
    EXPECT_FALSE(group->GetItemCheck(index)) << index;
    EXPECT_EQ(group->GetValue(), 1 << 30) << index;
  }
}

TEST_F(GroupLimitsTest, TheGlyphSizeIsAByte) {
  struct Case {
    const char* value;
    int kept;
  } cases[] = {{"100000", 255}, {"-5", 0}, {"16", 16}};
  for (const Case& c : cases) {
    auto* group = ReadCheckGroup(std::string("  GlyphSize = ") + c.value + "\n  Items.Strings = (\n    'A')\n");
    EXPECT_EQ(group->GetGlyphSize(), c.kept) << c.value;
    EXPECT_EQ(group->GetButton(0)->GetGlyphSize(), c.kept) << c.value;
    group->Free();
  }
}

// Far offsets and heights are clamped to what a window's coordinates hold,
// so the layout and the paint cannot overflow; sane values are kept.
TEST_F(GroupLimitsTest, LayoutValuesFarOutOfProportionAreClamped) {
  auto* group = Place<TVyrCheckGroup>(form, 10, 10, 185, 105);
  for (const char* item : {"A", "B", "C", "D"}) group->GetItems()->Add(item);
  struct Case {
    int set, offset, height;
  } cases[] = {{INT_MIN, -32767, -32767}, {INT_MAX, 32767, 32767}, {1000000000, 32767, 32767}, {-20, -20, -20},
               {12, 12, 12}};
  for (const Case& c : cases) {
    group->SetItemOffset(c.set);
    group->SetItemHeight(c.set);
    EXPECT_EQ(group->GetItemOffset(), c.offset) << c.set;
    EXPECT_EQ(group->GetItemHeight(), c.height) << c.set;
    app.pump();
  }
  group->SetItemOffset(4);
  group->SetItemHeight(1000000000);
  const int top0 = group->GetButton(0)->GetTop();
  EXPECT_EQ(group->GetButton(3)->GetTop(), top0 + 3 * 32767);

  auto* box = Place<Vyrctrl::TVyrGroupBox>(form, 200, 10, 185, 105);
  box->SetCaption("Optionen");
  box->SetAlignCaption(Vyrctrl::TVyrGroupCaptionAlign::gcaRightBottom);
  for (int offset : {INT_MIN, INT_MAX, -20, 500}) {
    box->SetCaptionOffset(offset);
    EXPECT_EQ(box->GetCaptionOffset(), std::clamp(offset, -32767, 32767)) << offset;
    box->Repaint();
  }
}

}  // namespace
