// How often the items of a shown group paint when the group changes them:
// nothing while it does, once each afterwards, nothing while hidden.
#include <vector>

#include "controls_fixture.h"
#include "unitstartup.h"
#include "vyrgroup.h"

using namespace Vyrgroup;

namespace {

// An item that counts what it draws.
class TCountingItem : public TVyrCheckGroupButton {
  MORVANT_CLASS(TCountingItem, TVyrCheckGroupButton)
 public:
  explicit TCountingItem(TVyrCustomButtonGroup* Group) : TVyrCheckGroupButton(Group) {}
  int draws = 0;

 protected:
  void DrawItem(TCanvas* Canvas, bool DoDraw, int StateOverride, TRect* Measured) override {
    if (DoDraw) ++draws;
    TVyrCheckGroupButton::DrawItem(Canvas, DoDraw, StateOverride, Measured);
  }
};

class TCountingGroup : public TVyrCheckGroup {
  MORVANT_COMPONENT(TCountingGroup, TVyrCheckGroup)
 public:
  explicit TCountingGroup(TComponent* AOwner) : TVyrCheckGroup(AOwner) {}
  std::vector<int> Draws() const {
    std::vector<int> draws;
    for (int i = 0; i < GetButtonCount(); ++i) draws.push_back(static_cast<TCountingItem*>(GetButton(i))->draws);
    return draws;
  }
  void ResetDraws() {
    for (int i = 0; i < GetButtonCount(); ++i) static_cast<TCountingItem*>(GetButton(i))->draws = 0;
  }

 protected:
  TVyrButtonControl* NewButton() override { return TObject::Create<TCountingItem>(this); }
};
void TCountingGroup::Publish(TPublisher<TCountingGroup>&) {}

class GroupPaintTest : public ControlsTest {
 protected:
  TUnitStartup units{{Vyrgroup::Unit}};
};

TEST_F(GroupPaintTest, ItemsPaintOnceAfterTheGroupChangedThem) {
  TForm* form = NewForm();
  auto* group = Place<TCountingGroup>(form, 10, 10, 185, 105);
  for (const char* item : {"A", "B", "C"}) group->GetItems()->Add(item);
  app.pump();
  group->ResetDraws();

  // Adding an item lays out all of them anew.
  group->GetItems()->Add("D");
  group->SetGlyphSize(16);
  EXPECT_EQ(group->Draws(), (std::vector<int>{0, 0, 0, 0})) << "nothing while the group changes them";
  app.pump();
  EXPECT_EQ(group->Draws(), (std::vector<int>{1, 1, 1, 1}));

  group->SetVisible(false);
  app.pump();
  group->ResetDraws();
  group->GetItems()->Add("E");
  group->SetValue(2);
  app.pump();
  EXPECT_EQ(group->Draws(), (std::vector<int>{0, 0, 0, 0, 0})) << "nothing while hidden";
  group->SetVisible(true);
  app.pump();
  EXPECT_EQ(group->Draws(), (std::vector<int>{1, 1, 1, 1, 1}));
}

}  // namespace
