// The standard published properties of controls: what a form names is read,
// and written back only where it differs from its default.
#include <string>

#include "classregistry.h"
#include "formres.h"
#include "formtext.h"
#include "streams.h"
#include "vcl_fixture.h"

namespace {

class TPlainControl : public TCustomControl {
  MORVANT_COMPONENT(TPlainControl, TCustomControl)
 public:
  using TCustomControl::TCustomControl;
};

void TPlainControl::Publish(TPublisher<TPlainControl>&) {}

class StandardPropertiesTest : public VclTest {
 protected:
  void SetUp() override {
    VclTest::SetUp();
    RegisterClass(TPlainControl::StaticClass());
  }
  void TearDown() override {
    UnRegisterClass(TPlainControl::StaticClass());
    VclTest::TearDown();
  }

  TForm* Load(const char* formText) {
    TStringStream text{AnsiString(formText)};
    TMemoryStream binary;
    ObjectTextToBinary(&text, &binary);
    binary.SetPosition(0);
    auto* form = TObject::Create<TForm>(Application);
    ReadComponentFromStream(&binary, form);
    return form;
  }

  static std::string Written(TComponent* c) {
    TMemoryStream binary;
    WriteComponentToStream(&binary, c);
    binary.SetPosition(0);
    TMemoryStream text;
    ObjectBinaryToText(&binary, &text);
    return std::string(static_cast<const char*>(text.GetMemory()), static_cast<std::size_t>(text.GetSize()));
  }

  static TPlainControl* Child(TForm* f, const char* name) {
    return dynamic_cast_object<TPlainControl>(f->FindComponent(name));
  }
};

}  // namespace

TEST_F(StandardPropertiesTest, Ctl3DOfItsOwnSurvivesAFlatParentWhenWrittenAndRead) {
  TForm* f = Load(R"(object Flat: TForm
  Ctl3D = False
  object Follows: TPlainControl
  end
  object Raised: TPlainControl
    Ctl3D = True
    ParentCtl3D = False
  end
end
)");
  EXPECT_FALSE(Child(f, "Follows")->GetCtl3D());
  EXPECT_TRUE(Child(f, "Raised")->GetCtl3D());
  EXPECT_FALSE(Child(f, "Raised")->GetParentCtl3D());

  const std::string text = Written(f);
  const std::size_t follows = text.find("object Follows");
  EXPECT_EQ(text.substr(follows, text.find("end", follows) - follows).find("Ctl3D"), std::string::npos) << text;
  f->Free();
  TForm* back = Load(text.c_str());
  EXPECT_FALSE(Child(back, "Follows")->GetCtl3D());
  EXPECT_TRUE(Child(back, "Raised")->GetCtl3D());
  back->Free();
}
