#include "foundation_fixture.h"
#include "vyrclass.h"

using namespace Vyrclass;

namespace {
class TFormThing : public TVyrComponent {
  MORVANT_CLASS(TFormThing, TVyrComponent)
 public:
  using TVyrComponent::TVyrComponent;
};
class TDerivedThing : public TFormThing {
  MORVANT_CLASS(TDerivedThing, TFormThing)
 public:
  using TFormThing::TFormThing;
};
class TOtherThing : public TVyrComponent {
  MORVANT_CLASS(TOtherThing, TVyrComponent)
 public:
  using TVyrComponent::TVyrComponent;
};
// Stands for the class library's data module, known by its class name.
class TDataModule : public TComponent {
  MORVANT_CLASS(TDataModule, TComponent)
 public:
  using TComponent::TComponent;
};
}  // namespace

TEST_F(FoundationTest, CheckForSameClassRefusesASecondInstanceOrABadOwner) {
  TForm* form = TObject::Create<TForm>(Application);
  TObject::Create<TOtherThing>(form);
  TObject::Create<TFormThing>(form);
  EXPECT_FALSE(VyrCheckForSameClass(form, TFormThing::StaticClass(), false));
  EXPECT_FALSE(VyrCheckForSameClass(form, nullptr, false));
  TObject::Create<TDerivedThing>(form);
  EXPECT_TRUE(VyrCheckForSameClass(form, TFormThing::StaticClass(), false));
  EXPECT_FALSE(VyrCheckForSameClass(form, TDerivedThing::StaticClass(), false));
  TObject::Create<TFormThing>(form);
  EXPECT_TRUE(VyrCheckForSameClass(form, TFormThing::StaticClass(), false));
  form->Free();

  TDataModule module(nullptr);
  TObject::Create<TFormThing>(&module);
  EXPECT_TRUE(VyrCheckForSameClass(&module, TFormThing::StaticClass(), false));
  EXPECT_FALSE(VyrCheckForSameClass(&module, TFormThing::StaticClass(), true));
  TObject::Create<TFormThing>(&module);
  EXPECT_TRUE(VyrCheckForSameClass(&module, TFormThing::StaticClass(), true));

  TComponent plain(nullptr);
  EXPECT_TRUE(VyrCheckForSameClass(&plain, TFormThing::StaticClass(), true));
  EXPECT_TRUE(VyrCheckForSameClass(nullptr, nullptr, true));
}

TEST(VyrclassOneInstError, NamesTheClassAndTheReason) {
  EXPECT_EQ(VyrEOneInstError("TVyrFormFill", 0).Message,
            "TVyrFormFill:\rInvalid owner (<>TForm) or second instance on a form");
  EXPECT_EQ(VyrEOneInstError("TVyrFormFill", 1).Message,
            "TVyrFormFill:\rAlready one TVyrFormFill control in this project!");
}
