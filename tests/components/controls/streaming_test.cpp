// The published classes of the control units through form text, the
// binary form stream and back.
#include <string>

#include "controls_fixture.h"

using namespace Vyrctrl;
using namespace Vyrled;

class ControlStreamingTest : public ControlsTest {
 protected:
  TForm* Load(const std::string& Text) {
    auto* form = TObject::Create<TForm>(Application);
    TestSupport::ReadFormText(Text, form);
    return form;
  }
};

TEST_F(ControlStreamingTest, EveryClassComesBackWithItsValues) {
  const std::string text = R"(object Host: TForm
  Left = 0
  Top = 0
  Width = 300
  Height = 200
  object Simple: TVyrSimplePanel
    Left = 4
    Top = 5
    Width = 120
    Height = 50
    Bevel.Mode = bmWindows
    Color = clRed
    Ctl3D = False
    Locked = True
    Transparent = True
    Anchors = [akLeft, akTop, akRight]
    object Inner: TVyrLEDLabel
      Left = 2
      Top = 3
      Width = 40
      Height = 30
      Autosize = True
      Caption = '12:30'
      Digits = 5
      LED.ActiveColor = clRed
      LED.Horzsize = 5
      LED.DisabledDigits = False
      Transparent = True
      Value = -7
    end
  end
  object Back: TVyrBackPanel
    Left = 130
    Top = 5
    Width = 100
    Height = 60
    ImageIndex = 2
    ListIndex = 1
    QuickDraw = True
    Bevel.StyleOuter = bvRaised
  end
end
)";
  TForm* first = Load(text);
  auto* simple = dynamic_cast_object<TVyrSimplePanel>(first->FindComponent("Simple"));
  auto* inner = dynamic_cast_object<TVyrLEDLabel>(first->FindComponent("Inner"));
  auto* back = dynamic_cast_object<TVyrBackPanel>(first->FindComponent("Back"));
  ASSERT_TRUE(simple && inner && back);
  EXPECT_EQ(simple->GetBevel()->GetMode(), Vyrgraph::TVyrBevelMode::bmWindows);
  EXPECT_TRUE(simple->GetLocked());
  EXPECT_TRUE(simple->GetTransparent());
  EXPECT_EQ(inner->GetParent(), simple);
  EXPECT_EQ(inner->GetValue(), -7);
  EXPECT_EQ(inner->GetLED()->GetHorzsize(), 5);
  EXPECT_FALSE(inner->GetLED()->GetDisabledDigits());
  EXPECT_EQ(inner->GetWidth(), 5 * (5 + 10) + 1);  // five cells of the smaller LED
  EXPECT_EQ(back->GetImageIndex(), 2);
  EXPECT_EQ(back->GetListIndex(), 1);
  EXPECT_TRUE(back->GetQuickDraw());

  const std::string written = TestSupport::WrittenFormText(first);
  first->Free();
  TForm* second = Load(written);
  EXPECT_EQ(TestSupport::WrittenFormText(second), written);
  for (const char* line : {"Locked = True", "Value = -7", "LED.Horzsize = 5", "QuickDraw = True", "Digits = 5"})
    EXPECT_NE(written.find(line), std::string::npos) << line;
}

TEST_F(ControlStreamingTest, TheGamesCounterWritesOnlyWhatItChanged) {
  TForm* form = Load(R"(object Host: TForm
  object Counter: TVyrLEDLabel
    Left = 696
    Top = 205
    Autosize = True
    Bevel.Mode = bmStandard
    Color = clNavy
    Digits = 3
    Style = lsInteger
  end
end
)");
  auto* counter = dynamic_cast_object<TVyrLEDLabel>(form->FindComponent("Counter"));
  ASSERT_NE(counter, nullptr);
  EXPECT_EQ(counter->GetWidth(), 60);
  EXPECT_EQ(counter->GetHeight(), 30);
  const std::string written = TestSupport::WrittenFormText(counter);
  for (const char* line :
       {"Autosize = True", "Bevel.Mode = bmStandard", "Color = clNavy", "Digits = 3", "Style = lsInteger"})
    EXPECT_NE(written.find(line), std::string::npos) << line;
  for (const char* absent : {"LED.", "Transparent", "Value", "StandardStyle", "ParentColor"})
    EXPECT_EQ(written.find(absent), std::string::npos) << absent;
}
