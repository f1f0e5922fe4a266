#include <gtest/gtest.h>

#include "exceptions.h"
#include "persistent.h"

namespace {

struct Colour : TPersistent {
  MORVANT_CLASS(Colour, TPersistent)
 public:
  int rgb = 0;
};

// Knows how to copy itself into a Colour, which knows nothing of it.
struct Swatch : TPersistent {
  MORVANT_CLASS(Swatch, TPersistent)
 public:
  int value = 0x123456;

 protected:
  void AssignTo(TPersistent* dest) override {
    if (auto* c = dynamic_cast_object<Colour>(dest)) {
      c->rgb = value;
      return;
    }
    inherited::AssignTo(dest);
  }
};

TEST(TPersistent, AssignAsksTheSourceToAssignItself) {
  Colour c;
  Swatch s;
  c.Assign(&s);
  EXPECT_EQ(c.rgb, 0x123456);
}

TEST(TPersistent, UnknownKindRaisesConvertErrorAndLeavesTargetUnchanged) {
  Colour c;
  c.rgb = 5;
  Colour other;
  try {
    c.Assign(&other);
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message, "Colour kann nicht zu Colour zugewiesen werden");
  }
  Swatch s;
  try {
    s.Assign(&c);
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message, "Colour kann nicht zu Swatch zugewiesen werden");
  }
  EXPECT_EQ(s.value, 0x123456);
  EXPECT_THROW(c.Assign(nullptr), EConvertError);
  EXPECT_EQ(c.rgb, 5);
}

}  // namespace
