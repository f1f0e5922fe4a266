#include "resources.h"

#include <gtest/gtest.h>

#include <string>

TEST(EmbeddedResources, FoundByNameWithoutRegardToCase) {
  const EmbeddedResource* r = FindEmbeddedResource("rcdata/test_hello");
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(r->Data), r->Size), "Grüß Gott\n");
  EXPECT_EQ(FindEmbeddedResource("RCDATA/MISSING"), nullptr);
  EXPECT_GE(EmbeddedResourceCount(), 1u);
}
