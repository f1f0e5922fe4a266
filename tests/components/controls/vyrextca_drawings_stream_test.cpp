// The graphic label and the technical line through form text, the binary
// form stream and back, with their sub-objects and sets.
#include <string>

#include "controls_fixture.h"
#include "pen_class.h"
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
  object Connector: TVyrTechnicalLine
    Left = 4
    Top = 100
    Arrowed = True
    FillColor = clYellow
    LineEndingsign = leCircle
    LineSettings.Width = 3
    LineSettings.Color = clRed
    LineStartSign = leOpenArrowUp
    LineType = lsTopLeftCurve
    ShadowColor = clGray
    ShadowDepth = 4
    ShadowVisible = True
    SignPlaces = spBoth
    SignSize = 20
  end
  object Sized: TVyrGraphicLabel
    Left = 4
    Top = 200
    AutoSize = True
    Caption = 'AB'
    Transform = tmNone
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

  auto* connector = dynamic_cast_object<TVyrTechnicalLine>(first->FindComponent("Connector"));
  ASSERT_TRUE(connector);
  EXPECT_TRUE(connector->GetArrowed());
  EXPECT_EQ(connector->GetFillColor(), clYellow);
  EXPECT_EQ(connector->GetLineSettings()->GetWidth(), 3);
  EXPECT_EQ(connector->GetLineSettings()->GetColor(), clRed);
  EXPECT_EQ(connector->GetLineType(), TVyrTechnicalLineTypes::lsTopLeftCurve);
  EXPECT_EQ(connector->GetLineStartSign(), TVyrLineEndings::leOpenArrowUp) << "read signs are not turned again";
  EXPECT_EQ(connector->GetLineEndingsign(), TVyrLineEndings::leCircle);
  EXPECT_EQ(connector->GetSignPlaces(), TVyrSignPlaces::spBoth);
  EXPECT_EQ(connector->GetSignSize(), 20);
  EXPECT_EQ(connector->GetShadowDepth(), 4);
  EXPECT_TRUE(connector->GetShadowVisible());
  EXPECT_EQ(connector->GetWidth(), 130);
  // A sized label measures once it is read.
  auto* sized = dynamic_cast_object<TVyrGraphicLabel>(first->FindComponent("Sized"));
  ASSERT_TRUE(sized);
  EXPECT_TRUE(sized->GetAutoSize());
  EXPECT_LT(sized->GetWidth(), 100);
  EXPECT_LT(sized->GetHeight(), 48);

  const std::string written = TestSupport::WrittenFormText(first);
  first->Free();
  auto* second = TObject::Create<TForm>(Application);
  TestSupport::ReadFormText(written, second);
  EXPECT_EQ(TestSupport::WrittenFormText(second), written);
  for (const char* line : {"Attributes = [taPerspective, taEqualLetters]", "FontFx.Angle = 30", "Toggle = -30",
                           "Transform = tmHalfmoon", "FillObject.Style = sfGradient",
                           "LineSettings.Width = 3", "FillColor = clYellow", "LineType = lsTopLeftCurve"})
    EXPECT_NE(written.find(line), std::string::npos) << line;
  for (const char* absent : {"BrushBackColor", "InvertCaption = False"})
    EXPECT_EQ(written.find(absent), std::string::npos) << absent;

  // Defaults are not written: a new label says nothing of its own.
  auto* plain = TObject::Create<TVyrGraphicLabel>(second);
  plain->SetName("Plain");
  const std::string defaults = TestSupport::WrittenFormText(second);
  const std::string tail = defaults.substr(defaults.find("object Plain"));
  for (const char* absent : {"Attributes", "Factor", "Perspective", "Transform", "Toggle", "InvertCaption"})
    EXPECT_EQ(tail.find(absent), std::string::npos) << absent;
  auto* line = TObject::Create<TVyrTechnicalLine>(second);
  line->SetName("Line");
  const std::string lineDefaults = TestSupport::WrittenFormText(second);
  const std::string lineTail = lineDefaults.substr(lineDefaults.find("object Line"));
  for (const char* absent : {"LineType", "LineEndingsign", "SignSize", "ShadowDepth", "FillColor", "Transparent",
                             "LineSettings"})
    EXPECT_EQ(lineTail.find(absent), std::string::npos) << absent;
}

}  // namespace
