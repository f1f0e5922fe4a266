#include <gtest/gtest.h>

#include <vector>

#include "exceptions.h"
#include "tcollection.h"

namespace {

struct Panel : TCollectionItem {
  MORVANT_CLASS(Panel, TCollectionItem)
 public:
  using TCollectionItem::TCollectionItem;
  int width = 50;
  void SetWidth(int w) {
    width = w;
    Changed(false);
  }
  void Assign(TPersistent* source) override {
    if (auto* p = dynamic_cast_object<Panel>(source)) {
      SetWidth(p->width);
      return;
    }
    inherited::Assign(source);
  }
};

struct Panels : TCollection {
  MORVANT_CLASS(Panels, TCollection)
 public:
  Panels() : TCollection(CollectionItemClassOf<Panel>()) {}
  std::vector<TCollectionItem*> updates;
  Panel* At(int i) const { return static_cast<Panel*>(GetItems(i)); }

 protected:
  void Update(TCollectionItem* item) override { updates.push_back(item); }
};

TEST(TCollection, AddCreatesItemsOfTheItemClass) {
  Panels panels;
  TCollectionItem* first = panels.Add();
  EXPECT_TRUE(first->Is<Panel>());
  panels.Add();
  EXPECT_EQ(panels.GetCount(), 2);
  EXPECT_EQ(panels.At(1)->GetIndex(), 1);
  EXPECT_EQ(first->GetCollection(), &panels);
  EXPECT_EQ(first->GetOwner(), &panels);
  EXPECT_NE(panels.At(0)->GetID(), panels.At(1)->GetID());
  EXPECT_EQ(panels.FindItemID(panels.At(1)->GetID()), panels.At(1));
  EXPECT_THROW(panels.GetItems(2), EListError);
  EXPECT_THROW(panels.Delete(-1), EListError);
}

TEST(TCollection, ChangesReachUpdateWithNilMeaningAll) {
  Panels panels;
  panels.Add();
  panels.Add();
  panels.updates.clear();
  panels.At(1)->SetWidth(80);
  EXPECT_EQ(panels.updates, (std::vector<TCollectionItem*>{panels.At(1)}));

  panels.updates.clear();
  panels.BeginUpdate();
  panels.At(0)->SetWidth(10);
  panels.Add();
  panels.Delete(0);
  EXPECT_TRUE(panels.updates.empty());
  panels.EndUpdate();
  EXPECT_EQ(panels.updates, (std::vector<TCollectionItem*>{nullptr}));
}

TEST(TCollection, SettingIndexMovesTheItem) {
  Panels panels;
  for (int w : {1, 2, 3}) static_cast<Panel*>(panels.Add())->width = w;
  Panel* last = panels.At(2);
  panels.updates.clear();
  last->SetIndex(0);
  EXPECT_EQ(panels.At(0), last);
  EXPECT_EQ(panels.At(1)->width, 1);
  EXPECT_EQ(panels.updates, (std::vector<TCollectionItem*>{nullptr}));
  last->SetIndex(99);  // clamped
  EXPECT_EQ(last->GetIndex(), 2);
}

TEST(TCollection, AssignCopiesItemsAndFreedItemsLeave) {
  Panels source, target;
  source.Add();
  source.Add();
  source.At(0)->width = 7;
  source.At(1)->width = 9;
  target.Add();
  target.Assign(&source);
  ASSERT_EQ(target.GetCount(), 2);
  EXPECT_EQ(target.At(0)->width, 7);
  EXPECT_EQ(target.At(1)->width, 9);
  delete target.At(0);
  EXPECT_EQ(target.GetCount(), 1);
  EXPECT_EQ(target.At(0)->width, 9);
  EXPECT_EQ(target.At(0)->GetNamePath(), "Panels[0]");
}

}  // namespace
