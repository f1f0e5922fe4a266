// The radio and check groups: the item layout, the value and the items'
// checked states in step, clicks and their events, read-only groups and
// the form text.
#include <string>
#include <vector>

#include "controls_fixture.h"
#include "keyboard.h"
#include "unitstartup.h"
#include "vyrgroup.h"

using namespace Vyrgroup;

namespace {

class ItemGroupTest : public ControlsTest {
 protected:
  TUnitStartup units{{Vyrgroup::Unit}};
  TForm* form = nullptr;
  void SetUp() override { form = NewForm(); }

  template <class T>
  T* NewGroup(std::initializer_list<const char*> Items) {
    auto* group = Place<T>(form, 10, 10, 185, 105);
    group->SetCaption("Stufe");
    for (const char* item : Items) group->GetItems()->Add(item);
    app.pump();
    return group;
  }
  static std::vector<bool> Checked(TVyrCustomButtonGroup* Group) {
    std::vector<bool> checked;
    for (int i = 0; i < Group->GetButtonCount(); ++i) checked.push_back(Group->GetButton(i)->GetChecked());
    return checked;
  }
};

TEST_F(ItemGroupTest, ItemsFillTheColumnsTopToBottom) {
  auto* group = NewGroup<TVyrRadioGroup>({"Eins", "Zwei", "Drei", "Vier", "Fünf"});
  group->SetColumns(2);
  ASSERT_EQ(group->GetButtonCount(), 5);
  const int e = group->BevelExt(), c = std::max(e, group->GetCaptionHeight());
  // The area inside the frame and under the caption, less a pixel all round.
  const TRect R(e + 1, c + 1, 185 - e - 1, 105 - e - 1);
  const int rows = 3, colW = (R.Width() - 4) / 2, itemH = (R.Height() - 2) / rows;
  const int top0 = R.top + 1 + (itemH % rows) / 2;
  for (int i = 0; i < 5; ++i) {
    TVyrButtonControl* item = group->GetButton(i);
    EXPECT_TRUE(item->GetVisible()) << i;
    EXPECT_EQ(std::string(item->GetCaption().c_str()), std::string(group->GetItems()->GetStrings(i).c_str()));
    EXPECT_EQ(item->GetBoundsRect(), Bounds(R.left + 4 + (i / rows) * colW, top0 + (i % rows) * itemH, colW, itemH))
        << i;
  }

  group->SetItemHeight(20);
  group->SetItemOffset(10);
  const int fixedTop0 = R.top + 1 + (20 % rows) / 2;
  EXPECT_EQ(group->GetButton(4)->GetBoundsRect(),
            Bounds(R.left + 10 + (R.Width() - 10) / 2, fixedTop0 + 20, (R.Width() - 10) / 2, 20));

  struct Clamp {
    int set, kept;
  } clamps[] = {{0, 1}, {20, 12}, {3, 3}};
  for (const Clamp& k : clamps) {
    group->SetColumns(k.set);
    EXPECT_EQ(group->GetColumns(), k.kept) << k.set;
  }
}

TEST_F(ItemGroupTest, ItemIndexIsKeptInRangeAndChecksItsItem) {
  auto* group = NewGroup<TVyrRadioGroup>({"Leicht", "Mittel", "Schwer"});
  EXPECT_EQ(group->GetItemIndex(), -1);
  EXPECT_EQ(Checked(group), (std::vector<bool>{false, false, false}));
  struct Case {
    int set, kept;
    std::vector<bool> checked;
  } cases[] = {{1, 1, {false, true, false}}, {7, 2, {false, false, true}}, {-5, -1, {false, false, false}}};
  for (const Case& k : cases) {
    group->SetItemIndex(k.set);
    EXPECT_EQ(group->GetItemIndex(), k.kept) << k.set;
    EXPECT_EQ(Checked(group), k.checked) << k.set;
  }
  // Fewer lines take the index to the new last one.
  group->SetItemIndex(2);
  group->GetItems()->Delete(2);
  EXPECT_EQ(group->GetButtonCount(), 2);
  EXPECT_EQ(group->GetItemIndex(), 1);
  EXPECT_EQ(Checked(group), (std::vector<bool>{false, true}));
}

TEST_F(ItemGroupTest, ValueIsTheBitMaskOfTheCheckedItems) {
  auto* group = NewGroup<TVyrCheckGroup>({"Musik", "Geräusche", "Hinweise"});
  group->SetItemCheck(0, true);
  group->SetItemCheck(2, true);
  EXPECT_EQ(group->GetValue(), 5);
  group->SetValue(2);
  EXPECT_EQ(Checked(group), (std::vector<bool>{false, true, false}));
  // Out of range: ignored, and read as unchecked.
  group->SetItemCheck(3, true);
  group->SetItemCheck(-1, true);
  EXPECT_EQ(group->GetValue(), 2);
  EXPECT_FALSE(group->GetItemCheck(3));
  EXPECT_TRUE(group->GetItemCheck(1));
  group->SetValue(-4);
  EXPECT_EQ(Checked(group), (std::vector<bool>{false, false, false}));
}

TEST_F(ItemGroupTest, AClickThatChangesTheValueReportsTheItem) {
  auto* radio = NewGroup<TVyrRadioGroup>({"Leicht", "Mittel", "Schwer"});
  auto* check = Place<TVyrCheckGroup>(form, 200, 10, 185, 105);
  check->GetItems()->Add("Musik");
  check->GetItems()->Add("Geräusche");
  app.pump();
  std::vector<int> changes;
  int clicks = 0;
  for (TVyrCustomButtonGroup* g : std::initializer_list<TVyrCustomButtonGroup*>{radio, check}) {
    g->OnChange = TVyrChildBtnClick([&](TObject*, int Index) { changes.push_back(Index); });
    g->OnClick = TNotifyEvent([&](TObject*) { ++clicks; });
  }
  auto clickItem = [&](TVyrCustomButtonGroup* g, int i) {
    app.click(g->GetButton(i), 5, 8);
    app.pump();
  };
  clickItem(radio, 1);
  EXPECT_EQ(radio->GetItemIndex(), 1);
  clickItem(radio, 1);  // already checked: no change
  EXPECT_EQ(changes, (std::vector<int>{1}));
  EXPECT_EQ(clicks, 1);

  clickItem(check, 1);
  EXPECT_EQ(check->GetValue(), 2);
  clickItem(check, 1);
  EXPECT_EQ(check->GetValue(), 0);
  EXPECT_EQ(changes, (std::vector<int>{1, 1, 1}));

  changes.clear();
  radio->SetReadOnly(true);
  check->SetReadOnly(true);
  clickItem(radio, 2);
  clickItem(check, 0);
  EXPECT_EQ(radio->GetItemIndex(), 1);
  EXPECT_EQ(Checked(radio), (std::vector<bool>{false, true, false}));
  EXPECT_EQ(check->GetValue(), 0);
  EXPECT_TRUE(changes.empty());
}

TEST_F(ItemGroupTest, ItemsFollowTheGroupsSettings) {
  auto* group = NewGroup<TVyrCheckGroup>({"A", "B", "C"});
  group->SetHelpContext(100);
  group->SetGlyphFlat(true);
  group->SetGlyphSize(16);
  group->SetNumGlyphs(2);
  group->SetEnabled(false);
  struct Case {
    TVyrChildHelpContextID id;
    std::vector<int> contexts;
  } cases[] = {{TVyrChildHelpContextID::ciAutoNumbered, {101, 102, 103}},
               {TVyrChildHelpContextID::ciSameAsParent, {100, 100, 100}},
               {TVyrChildHelpContextID::ciDefault, {0, 0, 0}}};
  for (const Case& k : cases) {
    group->SetID(k.id);
    std::vector<int> contexts;
    for (int i = 0; i < 3; ++i) contexts.push_back(group->GetButton(i)->GetHelpContext());
    EXPECT_EQ(contexts, k.contexts) << static_cast<int>(k.id);
  }
  for (int i = 0; i < 3; ++i) {
    auto* item = static_cast<TVyrCheckGroupButton*>(group->GetButton(i));
    EXPECT_TRUE(item->GetGlyphFlat());
    EXPECT_EQ(item->GetGlyphSize(), 16);
    EXPECT_EQ(item->GetGlyphNumber(), 2);
    EXPECT_FALSE(item->GetEnabled());
  }
}

TEST_F(ItemGroupTest, FormTextRoundTripWithoutTheItems) {
  auto* radio = NewGroup<TVyrRadioGroup>({"Leicht", "Mittel", "Schwer"});
  radio->SetColumns(3);
  radio->SetItemIndex(2);
  radio->SetReadOnly(true);
  const std::string text = TestSupport::WrittenFormText(radio);
  EXPECT_EQ(text.find("TVyrRadioGroupButton"), std::string::npos) << text;
  auto* copy = static_cast<TVyrRadioGroup*>(TestSupport::ReadFormText(text, nullptr));
  EXPECT_EQ(copy->GetItems()->GetCount(), 3);
  EXPECT_EQ(copy->GetButtonCount(), 3);
  EXPECT_EQ(copy->GetColumns(), 3);
  EXPECT_EQ(copy->GetItemIndex(), 2);
  EXPECT_TRUE(copy->GetReadOnly());
  EXPECT_TRUE(copy->GetGlyphTransparent());
  EXPECT_EQ(Checked(copy), (std::vector<bool>{false, false, true}));
  copy->Free();

  auto* check = NewGroup<TVyrCheckGroup>({"Musik", "Geräusche", "Hinweise"});
  check->SetValue(6);
  check->SetNumGlyphs(2);
  auto* checkCopy = static_cast<TVyrCheckGroup*>(TestSupport::ReadFormText(TestSupport::WrittenFormText(check), nullptr));
  EXPECT_EQ(checkCopy->GetValue(), 6);
  EXPECT_EQ(checkCopy->GetGlyphNumber(), 2);
  EXPECT_FALSE(checkCopy->GetGlyphTransparent());
  EXPECT_EQ(Checked(checkCopy), (std::vector<bool>{false, true, true}));
  checkCopy->Free();
}

TEST_F(ItemGroupTest, KeysOnAnItemReachTheGroupFirst) {
  auto* group = NewGroup<TVyrCheckGroup>({"Musik", "Geräusche"});
  std::vector<std::string> seen;
  group->OnKeyDown = TKeyEvent([&](TObject*, Word&, TShiftState) { seen.push_back("group"); });
  group->GetButton(0)->OnKeyDown = TKeyEvent([&](TObject*, Word&, TShiftState) { seen.push_back("item"); });
  group->GetButton(0)->SetFocus();
  app.pump();
  app.key(VK_SPACE, 0, " ");
  app.pump();
  EXPECT_EQ(seen, (std::vector<std::string>{"group", "item"}));
  EXPECT_EQ(group->GetValue(), 1);

  group->SetReadOnly(true);
  app.key(VK_SPACE, 0, " ");
  app.pump();
  EXPECT_EQ(group->GetValue(), 1);
  EXPECT_TRUE(group->GetItemCheck(0));

  // A radio item reached by the keyboard is checked, and the group follows.
  auto* radio = Place<TVyrRadioGroup>(form, 200, 10, 185, 105);
  radio->GetItems()->Add("Leicht");
  radio->GetItems()->Add("Schwer");
  app.pump();
  int changed = -1;
  radio->OnChange = TVyrChildBtnClick([&](TObject*, int Index) { changed = Index; });
  radio->GetButton(1)->SetFocus();
  app.pump();
  EXPECT_EQ(radio->GetItemIndex(), 1);
  EXPECT_EQ(changed, 1);
}

}  // namespace
