#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "component.h"
#include "exceptions.h"

namespace {

// Records what the constructor body saw and every notification, with the
// class the notified component had then.
struct Probe : TComponent {
  MORVANT_CLASS(Probe, TComponent)
 public:
  Probe(TComponent* owner, std::vector<std::string>* log, const char* name = "")
      : TComponent(owner),
        log_(log),
        ownerAtConstruction(GetOwner()),
        ownerCountAtConstruction(owner ? owner->GetComponentCount() : -1) {
    if (name[0]) SetName(name);
  }
  ~Probe() override {
    if (log_) log_->push_back("free " + GetName().str());
  }
  TComponent* watched = nullptr;
  std::vector<std::string>* log_;
  TComponent* ownerAtConstruction;
  int ownerCountAtConstruction;

 protected:
  void Notification(TComponent* c, TOperation op) override {
    inherited::Notification(c, op);
    if (log_ && c != this)
      log_->push_back(GetName().str() + (op == opInsert ? " +" : " -") +
                      (c->GetName().IsEmpty() ? "?" : c->GetName().str()) + " " + c->ClassName().str());
    if (op == opRemove && c == watched) watched = nullptr;
  }
};

// A Probe of a further class, to see which class the notifications meet.
struct SubProbe : Probe {
  MORVANT_CLASS(SubProbe, Probe)
 public:
  using Probe::Probe;
};

// Inherits the record of Probe without declaring its own.
struct Unrecorded : Probe {
  using Probe::Probe;
};

template <class T>
concept CastsByRecord = requires(TObject* o) {
  dynamic_cast_object<T>(o);
};

TEST(TComponent, KnowsItsOwnerInTheConstructorAndJoinsOnceWhole) {
  TComponent owner(nullptr);
  auto* a = TObject::Create<Probe>(&owner, nullptr);
  auto* b = TObject::Create<Probe>(&owner, nullptr);
  EXPECT_EQ(a->ownerAtConstruction, &owner);
  EXPECT_EQ(a->ownerCountAtConstruction, 0);
  EXPECT_EQ(b->ownerCountAtConstruction, 1);
  EXPECT_EQ(owner.GetComponentCount(), 2);
  EXPECT_EQ(owner.GetComponents(1), b);
  EXPECT_EQ(b->GetOwner(), &owner);
  EXPECT_THROW(owner.GetComponents(2), EListError);
}

TEST(TComponent, OwnerFreesWhatItOwnsLastFirst) {
  std::vector<std::string> log;
  auto* owner = TObject::Create<Probe>(nullptr, &log, "Owner");
  TObject::Create<Probe>(owner, &log, "A");
  auto* b = TObject::Create<Probe>(owner, &log, "B");
  TObject::Create<Probe>(b, &log, "BChild");
  log.clear();
  owner->Free();
  const std::vector<std::string> frees = [&] {
    std::vector<std::string> f;
    for (auto& l : log)
      if (l.rfind("free", 0) == 0) f.push_back(l);
    return f;
  }();
  // What a component owns is freed before any of its destructors runs.
  EXPECT_EQ(frees, (std::vector<std::string>{"free BChild", "free B", "free A", "free Owner"}));
}

TEST(TComponent, SiblingsHearOfInsertionAndFree) {
  std::vector<std::string> log;
  TComponent owner(nullptr);
  auto* a = TObject::Create<Probe>(&owner, &log, "A");
  auto* b = TObject::Create<Probe>(&owner, &log);
  b->SetName("B");
  a->watched = b;
  log.clear();
  b->Free();
  EXPECT_EQ(a->watched, nullptr);
  EXPECT_EQ(log, (std::vector<std::string>{"A -B Probe", "free B"}));
  EXPECT_EQ(owner.GetComponentCount(), 1);

  log.clear();
  auto* c = TObject::Create<Probe>(nullptr, &log, "C");
  owner.InsertComponent(c);
  EXPECT_EQ(log, (std::vector<std::string>{"A +C Probe"}));
  EXPECT_EQ(c->GetComponentIndex(), 1);
}

TEST(TComponent, FreeNotificationReachesAcrossOwners) {
  std::vector<std::string> log;
  TComponent form1(nullptr), form2(nullptr);
  auto* user = TObject::Create<Probe>(&form1, &log, "User");
  auto* used = TObject::Create<Probe>(&form2, &log, "Used");
  user->watched = used;
  used->FreeNotification(user);
  delete used;
  EXPECT_EQ(user->watched, nullptr);

  // Removed again: no notice, and no stale entry left behind.
  auto* other = TObject::Create<Probe>(&form2, &log, "Other");
  other->FreeNotification(user);
  other->RemoveFreeNotification(user);
  user->watched = other;
  delete other;
  EXPECT_EQ(user->watched, other);

  // The watcher going first leaves nothing dangling in the watched one.
  auto* target = TObject::Create<Probe>(&form2, &log, "Target");
  target->FreeNotification(user);
  delete user;
  delete target;
}

TEST(TComponent, NameRules) {
  TComponent owner(nullptr);
  auto* a = TObject::Create<TComponent>(&owner);
  auto* b = TObject::Create<TComponent>(&owner);
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
  auto* clash = TObject::Create<TComponent>(&other);
  clash->SetName("label");
  EXPECT_THROW(owner.InsertComponent(clash), EComponentError);
  EXPECT_EQ(clash->GetOwner(), &other);
}

TEST(TComponent, StateAndIndex) {
  TComponent owner(nullptr);
  auto* a = TObject::Create<TComponent>(&owner);
  auto* b = TObject::Create<TComponent>(&owner);
  owner.SetDesigning(true);
  EXPECT_TRUE(a->GetComponentState().Contains(csDesigning));
  auto* c = TObject::Create<TComponent>(&owner);  // joins a designing owner: designing too
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

TEST(TComponent, OwnerHearsOfTheDerivedClassOnInsertAndRemove) {
  std::vector<std::string> log;
  auto* owner = TObject::Create<Probe>(nullptr, &log, "Owner");
  auto* watcher = TObject::Create<Probe>(nullptr, &log, "Watcher");
  auto* sub = TObject::Create<SubProbe>(owner, &log, "Sub");
  sub->FreeNotification(watcher);
  EXPECT_EQ(log, (std::vector<std::string>{"Owner +Sub SubProbe"}));
  log.clear();
  sub->Free();
  EXPECT_EQ(log, (std::vector<std::string>{"Watcher -Sub SubProbe", "Owner -Sub SubProbe", "free Sub"}));

  // Freeing the owner: each owned component leaves while both are whole,
  // and the owner is marked as going.
  TObject::Create<SubProbe>(owner, &log, "First");
  TObject::Create<SubProbe>(owner, &log, "Second");
  log.clear();
  owner->Free();
  EXPECT_EQ(log, (std::vector<std::string>{"First -Second SubProbe", "Owner -Second SubProbe", "free Second",
                                           "Owner -First SubProbe", "free First", "free Owner"}));
  watcher->Free();
}

TEST(TComponent, FailedConstructionLeavesTheOwnerAsItWas) {
  std::vector<std::string> log;
  auto* owner = TObject::Create<Probe>(nullptr, &log, "Owner");
  TObject::Create<Probe>(owner, nullptr, "Taken");
  log.clear();
  EXPECT_THROW(TObject::Create<Probe>(owner, &log, "Taken"), EComponentError);
  EXPECT_EQ(owner->GetComponentCount(), 1);
  EXPECT_TRUE(log.empty()) << "no notice of a component that never joined";
  owner->Free();
}

TEST(TComponent, RecordCastsNeedTheClassesOwnRecord) {
  static_assert(CastsByRecord<SubProbe>);
  static_assert(!CastsByRecord<Unrecorded>, "would let every Probe through as an Unrecorded");
  TComponent owner(nullptr);
  TObject* probe = TObject::Create<Probe>(&owner, nullptr);
  TObject* sub = TObject::Create<SubProbe>(&owner, nullptr);
  EXPECT_EQ(dynamic_cast_object<SubProbe>(probe), nullptr);
  EXPECT_EQ(dynamic_cast_object<SubProbe>(sub), sub);
  EXPECT_EQ(dynamic_cast_object<Probe>(sub), sub);
  EXPECT_TRUE(sub->Is<Probe>());
}

TEST(TComponent, RemoveComponentHandsOwnershipBack) {
  TComponent owner(nullptr);
  auto* a = TObject::Create<TComponent>(&owner);
  owner.RemoveComponent(a);
  EXPECT_EQ(a->GetOwner(), nullptr);
  EXPECT_EQ(owner.GetComponentCount(), 0);
  delete a;
}

}  // namespace
