#include <gtest/gtest.h>

#include "exceptions.h"
#include "formres.h"
#include "stream_fixture.h"

using namespace stream_fixture;

namespace {

// fixtures/testform.form, compiled by formc and embedded as RCDATA/TTESTFORM.
TEST(FormResource, ConstructionReadsTheCompiledFormByClassName) {
  RegisterTestClasses();
  TTestForm form(nullptr);
  ASSERT_TRUE(InitInheritedComponent(&form, TComponent::StaticClass()));
  EXPECT_EQ(form.GetName(), "Form1");
  EXPECT_EQ(form.caption, "Aus der Ressource");
  EXPECT_TRUE(form.OnCreate);
  auto* panel = dynamic_cast_object<TTestPanel>(form.FindComponent("Panel1"));
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->width, 42);
}

TEST(FormResource, AClassWithoutResourceReadsNothing) {
  TTestPanel panel(nullptr);
  EXPECT_FALSE(InitInheritedComponent(&panel, TComponent::StaticClass()));
  EXPECT_THROW(ReadComponentRes("TTESTPANEL", &panel), EResNotFound);
}

}  // namespace
