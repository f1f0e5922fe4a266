#include <gtest/gtest.h>

#include "events.h"

namespace {

struct Listener : TObject {
  MORVANT_CLASS(Listener, TObject)
 public:
  int a = 0, b = 0;
  void OnA(TObject*) { ++a; }
  void OnB(TObject*) { ++b; }
  virtual void OnVirtual(TObject*) { a += 10; }
};

struct DerivedListener : Listener {
  MORVANT_CLASS(DerivedListener, Listener)
 public:
  void OnVirtual(TObject*) override { b += 10; }
};

TEST(TClosure, ComparesByObjectAndMember) {
  Listener x, y;
  const TNotifyEvent xa(&x, &Listener::OnA);
  EXPECT_TRUE(xa == TNotifyEvent(&x, &Listener::OnA));
  EXPECT_FALSE(xa == TNotifyEvent(&x, &Listener::OnB));
  EXPECT_FALSE(xa == TNotifyEvent(&y, &Listener::OnA));
  EXPECT_FALSE(xa == TNotifyEvent());
  EXPECT_TRUE(TNotifyEvent() == nullptr);
  EXPECT_TRUE(TNotifyEvent(&x, &Listener::OnA) == TNotifyEvent(static_cast<Listener*>(&x), &Listener::OnA));
}

TEST(TClosure, CallsTheMemberOfItsObject) {
  Listener x;
  TNotifyEvent e(&x, &Listener::OnA);
  e(nullptr);
  e(nullptr);
  EXPECT_EQ(x.a, 2);
  e = TNotifyEvent(&x, &Listener::OnB);
  e(nullptr);
  EXPECT_EQ(x.b, 1);
  e = nullptr;
  EXPECT_FALSE(e);
  e(nullptr);  // nil: nothing happens
  EXPECT_EQ(x.a + x.b, 3);
}

TEST(TClosure, VirtualMembersDispatchOnTheObject) {
  DerivedListener d;
  TNotifyEvent e(&d, &Listener::OnVirtual);
  e(nullptr);
  EXPECT_EQ(d.b, 10);
  EXPECT_EQ(d.a, 0);
}

TEST(TClosure, PlainCallablesEqualOnlyTheirCopies) {
  int calls = 0;
  TNotifyEvent f([&calls](TObject*) { ++calls; });
  TNotifyEvent copy = f;
  TNotifyEvent other([&calls](TObject*) { ++calls; });
  copy(nullptr);
  EXPECT_EQ(calls, 1);
  EXPECT_TRUE(f == copy);
  EXPECT_FALSE(f == other);
  Listener x;
  EXPECT_FALSE(f == TNotifyEvent(&x, &Listener::OnA));
}

TEST(TClosure, ReferenceArgumentsReachTheCaller) {
  bool canClose = true;
  TCloseQueryEvent e([](TObject*, bool& c) { c = false; });
  e(nullptr, canClose);
  EXPECT_FALSE(canClose);
  char key = 'a';
  TKeyPressEvent k([](TObject*, char& c) { c = 0; });
  k(nullptr, key);
  EXPECT_EQ(key, 0);
}

}  // namespace
