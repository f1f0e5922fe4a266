#include <gtest/gtest.h>

#include <memory>

#include "classregistry.h"
#include "cursor.h"
#include "foundation2_fixture.h"
#include "module.h"
#include "tscreen.h"

namespace {

using namespace Vyrclass;

TEST(FoundationStartup, RowsMakeTheApplicationObjectAndRegisterTheComponents) {
  {
    TestSupport::LibraryApp app(FoundationRows());
    ASSERT_NE(VyrApplication, nullptr);
    EXPECT_EQ(VyrApplication->GetTimerPool()->GetMinInterval(), 50);
    EXPECT_EQ(Screen->GetCursors(-255), LoadCursor(HInstance, MAKEINTRESOURCE(kHandCursorResource)));
    EXPECT_NE(Screen->GetCursors(-255), Screen->GetCursors(0)) << "the hand, not the arrow";
    for (const char* name : {"TVyrIniCtrl", "TVyrTimerPool", "TVyrHiTimer"})
      EXPECT_NE(GetClass(name), nullptr) << name;
    EXPECT_EQ(VyrApplication->GetIniCtrl()->GetTarget(), TVyrIniTarget::itAuto);
  }
  EXPECT_EQ(VyrApplication, nullptr);
}

// Published defaults equal what the constructors set, so a form that
// stores nothing gets them.
TEST(FoundationStartup, PublishedDefaultsAreTheConstructedValues) {
  TestSupport::LibraryApp app(FoundationRows());
  struct Case {
    TClass Class;
    const char* Property;
  };
  const Case cases[] = {
      {TVyrIniCtrl::StaticClass(), "Common"},      {TVyrIniCtrl::StaticClass(), "MaxEntries"},
      {TVyrIniCtrl::StaticClass(), "Target"},      {TVyrIniCtrl::StaticClass(), "IniPrefix"},
      {TVyrIniCtrl::StaticClass(), "RegRoot"},     {TVyrTimerPool::StaticClass(), "MinInterval"},
      {Vyrmms::TVyrHiTimer::StaticClass(), "Enabled"}, {Vyrmms::TVyrHiTimer::StaticClass(), "Interval"},
      {Vyrmms::TVyrHiTimer::StaticClass(), "Synchronize"}, {Vyrmms::TVyrHiTimer::StaticClass(), "UseThread"},
      {Vyrmms::TVyrHiTimer::StaticClass(), "ThreadPriority"},
  };
  TOwnedObject<TComponent> objects[] = {TOwnedObject<TComponent>(TObject::Create<TVyrIniCtrl>(nullptr)),
                                        TOwnedObject<TComponent>(TObject::Create<TVyrTimerPool>(nullptr)),
                                        TOwnedObject<TComponent>(TObject::Create<Vyrmms::TVyrHiTimer>(nullptr))};
  for (const Case& c : cases) {
    const TPropInfo* prop = FindPublishedProperty(c.Class, c.Property);
    ASSERT_NE(prop, nullptr) << c.Property;
    ASSERT_TRUE(prop->Default.has_value()) << c.Property;
    TComponent* object = nullptr;
    for (auto& o : objects)
      if (o->ClassType() == c.Class) object = o.get();
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(prop->GetOrd(object), *prop->Default) << c.Property;
  }
}

}  // namespace
