#include "foundation_fixture.h"
#include "vyrclass.h"

using namespace Vyrclass;

namespace {

// A settings object and a component with three integer properties that
// follow the library's setter pattern.
template <class Base>
class TCounted : public Base {
 public:
  using Base::Base;
  void SetA(int v) { Set(a_, v); }
  void SetB(int v) { Set(b_, v); }
  void SetC(int v) { Set(c_, v); }
  int changes = 0;
  void Count(TObject*) { ++changes; }

 private:
  void Set(int& field, int v) {
    if (field == v) return;
    field = v;
    this->Change();
  }
  int a_ = 0, b_ = 0, c_ = 0;
};

class TCountedObject : public TCounted<TVyrObject> {
 public:
  TCountedObject() { SetOnChange(TNotifyEvent(this, &TCountedObject::Count)); }
};

class TCountedComponent : public TCounted<TVyrComponent> {
 public:
  explicit TCountedComponent(TComponent* Owner) : TCounted<TVyrComponent>(Owner) {
    SetOnChange(TNotifyEvent(this, &TCountedComponent::Count));
  }
};

template <class T>
void RunContract(T& target) {
  struct Case {
    const char* name;
    void (*steps)(T&);
    int calls;
  };
  const Case cases[] = {
      {"three setters in an update, EndUpdate(true)",
       [](T& t) {
         t.BeginUpdate();
         t.SetA(1), t.SetB(2), t.SetC(3);
         t.EndUpdate(true);
       },
       1},
      {"three setters in an update, EndUpdate(false)",
       [](T& t) {
         t.BeginUpdate();
         t.SetA(4), t.SetB(5), t.SetC(6);
         t.EndUpdate(false);
       },
       0},
      {"BeginUpdate twice does not nest",
       [](T& t) {
         t.BeginUpdate();
         t.BeginUpdate();
         t.EndUpdate(false);
         t.SetA(7);
       },
       1},
      {"an unchanged value", [](T& t) { t.SetA(7); }, 0},
      {"each change outside an update", [](T& t) { t.SetB(8), t.SetC(9); }, 2},
  };
  for (const Case& c : cases) {
    target.changes = 0;
    c.steps(target);
    EXPECT_EQ(target.changes, c.calls) << c.name;
  }
}

}  // namespace

TEST_F(FoundationTest, SettingsObjectsAndComponentsKeepTheChangeContract) {
  TCountedObject object;
  RunContract(object);
  TCountedComponent component(nullptr);
  RunContract(component);
}

TEST_F(FoundationTest, GetChangePassesANestedChangeUpAndHoldsItWhileUpdating) {
  TCountedObject outer;
  TVyrObject inner;
  inner.SetOnChange(TNotifyEvent(&outer, &TVyrObject::GetChange));
  inner.EndUpdate(true);
  EXPECT_EQ(outer.changes, 1);
  outer.BeginUpdate();
  inner.EndUpdate(true);
  EXPECT_EQ(outer.changes, 1);
}
