#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "exceptions.h"
#include "formres.h"
#include "stream_fixture.h"

using namespace stream_fixture;

namespace {

std::uint32_t Le32(const std::vector<Byte>& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

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

  // The picture as a TPicture streams it: class name, length, 32-bit BMP.
  const std::vector<Byte>& pic = panel->picture.data;
  ASSERT_GT(pic.size(), 8u + 54u);
  EXPECT_EQ(std::string(pic.begin(), pic.begin() + 8), "\x07TBitmap");
  EXPECT_EQ(Le32(pic, 8), pic.size() - 12);
  EXPECT_EQ(pic[12], 'B');
  EXPECT_EQ(pic[13], 'M');
  EXPECT_EQ(pic[12 + 28], 32);  // bits per pixel
  // The wave: its length, then the RIFF file.
  const std::vector<Byte>& wave = panel->wave.data;
  ASSERT_GT(wave.size(), 8u);
  EXPECT_EQ(Le32(wave, 0), wave.size() - 4);
  EXPECT_EQ(std::memcmp(wave.data() + 4, "RIFF", 4), 0);
}

TEST(FormResource, AClassWithoutResourceReadsNothing) {
  TTestPanel panel(nullptr);
  EXPECT_FALSE(InitInheritedComponent(&panel, TComponent::StaticClass()));
  EXPECT_THROW(ReadComponentRes("TTESTPANEL", &panel), EResNotFound);
}

}  // namespace
