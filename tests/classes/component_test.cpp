#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "component.h"
#include "exceptions.h"

namespace {

// Records what the constructor body saw and every notification.
struct Probe : TComponent {
  MORVANT_CLASS(Probe, TComponent)
 public:
  Probe(TComponent* owner, std::vector<std::string>* log, const char* name = "")
      : TComponent(owner), log_(log), indexInOwnerAtConstruction(GetComponentIndex()) {
    if (name[0]) SetName(name);
  }
  ~Probe() override {
    if (log_) log_->push_back("free " + GetName().str());
  }
  TComponent* watched = nullptr;
  std::vector<std::string>* log_;
  int indexInOwnerAtConstruction;

 protected:
  void Notification(TComponent* c, TOperation op) override {
    inherited::Notification(c, op);
    if (log_ && c != this)
      log_->push_back(GetName().str() + (op == opInsert ? " +" : " -") + (c->GetName().IsEmpty() ? "?" : c->GetName().str()));
    if (op == opRemove && c == watched) watched = nullptr;
  }
};

TEST(TComponent, IsInItsOwnersListBeforeTheDerivedConstructorBodyRuns) {
  TComponent owner(nullptr);
  auto* a = new Probe(&owner, nullptr);
  auto* b = new Probe(&owner, nullptr);
  EXPECT_EQ(a->indexInOwnerAtConstruction, 0);
  EXPECT_EQ(b->indexInOwnerAtConstruction, 1);
  EXPECT_EQ(owner.GetComponentCount(), 2);
  EXPECT_EQ(owner.GetComponents(1), b);
  EXPECT_EQ(b->GetOwner(), &owner);
  EXPECT_THROW(owner.GetComponents(2), EListError);
}

TEST(TComponent, OwnerFreesWhatItOwnsLastFirst) {
  std::vector<std::string> log;
  auto* owner = new Probe(nullptr, &log, "Owner");
  new Probe(owner, &log, "A");
  auto* b = new Probe(owner, &log, "B");
  new Probe(b, &log, "BChild");
  log.clear();
  owner->Free();
  const std::vector<std::string> frees = [&] {
    std::vector<std::string> f;
    for (auto& l : log)
      if (l.rfind("free", 0) == 0) f.push_back(l);
    return f;
  }();
  // Each destructor body runs before its inherited part frees what it owns.
  EXPECT_EQ(frees, (std::vector<std::string>{"free Owner", "free B", "free BChild", "free A"}));
}

TEST(TComponent, SiblingsHearOfInsertionAndFree) {
  std::vector<std::string> log;
  TComponent owner(nullptr);
  auto* a = new Probe(&owner, &log, "A");
  auto* b = new Probe(&owner, &log);
  b->SetName("B");
  a->watched = b;
  log.clear();
  delete b;
  EXPECT_EQ(a->watched, nullptr);
  EXPECT_EQ(log, (std::vector<std::string>{"free B", "A -B"}));
  EXPECT_EQ(owner.GetComponentCount(), 1);

  log.clear();
  auto* c = new Probe(nullptr, &log, "C");
  owner.InsertComponent(c);
  EXPECT_EQ(log, (std::vector<std::string>{"A +C"}));
  EXPECT_EQ(c->GetComponentIndex(), 1);
}

TEST(TComponent, FreeNotificationReachesAcrossOwners) {
  std::vector<std::string> log;
  TComponent form1(nullptr), form2(nullptr);
  auto* user = new Probe(&form1, &log, "User");
  auto* used = new Probe(&form2, &log, "Used");
  user->watched = used;
  used->FreeNotification(user);
  delete used;
  EXPECT_EQ(user->watched, nullptr);

  // Removed again: no notice, and no stale entry left behind.
  auto* other = new Probe(&form2, &log, "Other");
  other->FreeNotification(user);
  other->RemoveFreeNotification(user);
  user->watched = other;
  delete other;
  EXPECT_EQ(user->watched, other);

  // The watcher going first leaves nothing dangling in the watched one.
  auto* target = new Probe(&form2, &log, "Target");
  target->FreeNotification(user);
  delete user;
  delete target;
}

TEST(TComponent, NameRules) {
  TComponent owner(nullptr);
  auto* a = new TComponent(&owner);
  auto* b = new TComponent(&owner);
  a->SetName("Button1");
  EXPECT_THROW(b->SetName("BUTTON1"), EComponentError);  // taken, whatever the case
  EXPECT_EQ(b->GetName(), "");
  for (const char* bad : {"1abc", "a b", "a-b", "Größe", " x"}) EXPECT_THROW(b->SetName(bad), EComponentError) << bad;
  b->SetName("_under_score9");
  a->SetName("BUTTON1");  // only its own case changes
  EXPECT_EQ(a->GetName(), "BUTTON1");
  a->SetName("");
  b->SetName("");  // several may be nameless
  EXPECT_EQ(owner.FindComponent(""), nullptr);
  b->SetName("Label");
  EXPECT_EQ(owner.FindComponent("lAbEl"), b);
  EXPECT_EQ(owner.FindComponent("Button1"), nullptr);

  // A component moved to an owner that has its name already is refused.
  TComponent other(nullptr);
  auto* clash = new TComponent(&other);
  clash->SetName("label");
  EXPECT_THROW(owner.InsertComponent(clash), EComponentError);
  EXPECT_EQ(clash->GetOwner(), &other);
}

TEST(TComponent, StateAndIndex) {
  TComponent owner(nullptr);
  auto* a = new TComponent(&owner);
  auto* b = new TComponent(&owner);
  owner.SetDesigning(true);
  EXPECT_TRUE(a->GetComponentState().Contains(csDesigning));
  auto* c = new TComponent(&owner);  // joins a designing owner: designing too
  EXPECT_TRUE(c->GetComponentState().Contains(csDesigning));
  owner.SetDesigning(false);
  EXPECT_TRUE(owner.GetComponentState().Empty());
  b->SetComponentIndex(0);
  EXPECT_EQ(owner.GetComponents(0), b);
  EXPECT_EQ(a->GetComponentIndex(), 1);
  owner.Destroying();
  EXPECT_TRUE(c->GetComponentState().Contains(csDestroying));
  owner.DestroyComponents();
  EXPECT_EQ(owner.GetComponentCount(), 0);
}

TEST(TComponent, RemoveComponentHandsOwnershipBack) {
  TComponent owner(nullptr);
  auto* a = new TComponent(&owner);
  owner.RemoveComponent(a);
  EXPECT_EQ(a->GetOwner(), nullptr);
  EXPECT_EQ(owner.GetComponentCount(), 0);
  delete a;
}

}  // namespace
