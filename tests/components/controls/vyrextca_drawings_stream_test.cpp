// The graphic label and the technical line through form text, the binary
// form stream and back, with their sub-objects and sets.
#include <string>

#include "controls_fixture.h"
#include "unitstartup.h"
#include "vyrextca.h"

using namespace Vyrextca;
using TA = TVyrTransLabelAttributes;

namespace {

class DrawingsStreamTest : public ControlsTest {
 protected:
  TUnitStartup units{{Vyrextca::Unit}};
};

TEST_F(DrawingsStreamTest, PublishedValuesComeBackFromTextAndBinary) {
  const std::string text = R"(object Host: TForm
  Left = 0
  Top = 0
  Width = 400
  Height = 300
  object Curved: TVyrGraphicLabel
    Left = 4
    Top = 5
    Caption = 'Grüße'
    Attributes = [taPerspective, taEqualLetters]
    Factor = 120
    FontFx.Angle = 30
    FontFx.Style = tdRaisedShadow
    FillObject.Style = sfGradient
    FillObject.Gradient.Color = clRed
    FillObject.Gradient.EndColor = clYellow
    InvertCaption = True
    Perspective = tpFrog
    PerspectiveDepth = 9
    Toggle = -30
    Transform = tmHalfmoon
  end
end
)";
  auto* first = TObject::Create<TForm>(Application);
  TestSupport::ReadFormText(text, first);
  auto* curved = dynamic_cast_object<TVyrGraphicLabel>(first->FindComponent("Curved"));
  ASSERT_TRUE(curved);
  EXPECT_EQ(curved->GetAttributes(), (TVyrTransLabelAttr{TA::taPerspective, TA::taEqualLetters}));
  EXPECT_EQ(curved->GetFactor(), 120);
  EXPECT_EQ(curved->GetFontFx()->GetAngle(), 30);
  EXPECT_EQ(curved->GetFillObject()->GetStyle(), Vyrgraph::TVyrFillStyle::sfGradient);
  EXPECT_EQ(curved->GetFillObject()->GetGradient()->GetEndColor(), clYellow);
  EXPECT_TRUE(curved->GetInvertCaption());
  EXPECT_EQ(curved->GetPerspective(), TVyrPerspective::tpFrog);
  EXPECT_EQ(curved->GetPerspectiveDepth(), 9);
  EXPECT_EQ(curved->GetToggle(), -30);
  EXPECT_EQ(curved->GetTransform(), TVyrTransLabelTypes::tmHalfmoon);
  EXPECT_EQ(curved->GetWidth(), 350) << "the constructor's size";

  const std::string written = TestSupport::WrittenFormText(first);
  first->Free();
  auto* second = TObject::Create<TForm>(Application);
  TestSupport::ReadFormText(written, second);
  EXPECT_EQ(TestSupport::WrittenFormText(second), written);
  for (const char* line : {"Attributes = [taPerspective, taEqualLetters]", "FontFx.Angle = 30", "Toggle = -30",
                           "Transform = tmHalfmoon", "FillObject.Style = sfGradient"})
    EXPECT_NE(written.find(line), std::string::npos) << line;
  for (const char* absent : {"AutoSize", "BrushBackColor"})
    EXPECT_EQ(written.find(absent), std::string::npos) << absent;

  // Defaults are not written: a new label says nothing of its own.
  auto* plain = TObject::Create<TVyrGraphicLabel>(second);
  plain->SetName("Plain");
  const std::string defaults = TestSupport::WrittenFormText(second);
  const std::string tail = defaults.substr(defaults.find("object Plain"));
  for (const char* absent : {"Attributes", "Factor", "Perspective", "Transform", "Toggle", "InvertCaption"})
    EXPECT_EQ(tail.find(absent), std::string::npos) << absent;
}

}  // namespace
