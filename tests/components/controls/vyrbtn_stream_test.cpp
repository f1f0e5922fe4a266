// The buttons through form text and back.
#include <algorithm>
#include <climits>
#include <string>

#include "bitmap_class.h"
#include "form_text.h"
#include "menus.h"
#include "vyrbtn_fixture.h"

using namespace Vyrbtn;
using U = Vyrgraph::TVyrUserButtonStyle;

namespace {

class ButtonStreamTest : public ButtonTest {
 protected:
  TForm* Load(const std::string& Text) {
    auto* loaded = TObject::Create<TForm>(Application);
    TestSupport::ReadFormText(Text, loaded);
    return loaded;
  }
};

TEST_F(ButtonStreamTest, EveryButtonComesBackWithItsValues) {
  const std::string text = R"(object Host: TForm
  Left = 0
  Top = 0
  Width = 300
  Height = 200
  object Menu: TPopupMenu
  end
  object Speed: TVyrSpeedButton
    Left = 4
    Top = 5
    Width = 60
    Height = 24
    AllowAllUp = True
    GroupIndex = 3
    Pressed = True
    DropDownCombo = True
    DropdownComboWidth = 14
    DropDownMenu = Menu
    DropDownIndent = 2
    DropDownRight = True
    Style = ubsKorvel
    Caption = '&Start'
    ButtonLayout.Alignment = agCenterLeft
    EnterColor = clRed
    EnterColorChange = True
    FontFx.Style = tdRaised
    HideHint = False
    MultiLine = True
    NumGlyphs = 2
    RepeatedClick = True
    RepeatingInterval = 250
    GlyphKind = gkFile
  end
  object Office: TVyrOfficeButton
    Left = 70
    Top = 5
    Style = ubsKorvelFlat
  end
  object Explorer: TVyrExplorerButton
    Left = 100
    Top = 5
    UnColorMain = False
    Transparent = False
  end
end
)";
  TForm* first = Load(text);
  auto* speed = dynamic_cast_object<TVyrSpeedButton>(first->FindComponent("Speed"));
  auto* office = dynamic_cast_object<TVyrOfficeButton>(first->FindComponent("Office"));
  auto* explorer = dynamic_cast_object<TVyrExplorerButton>(first->FindComponent("Explorer"));
  ASSERT_TRUE(speed && office && explorer);
  EXPECT_EQ(speed->GetWidth(), 60) << "the stored width already holds the part";
  EXPECT_TRUE(speed->GetDropDownComboActive());
  EXPECT_EQ(speed->GetDropDownComboWidth(), 14);
  EXPECT_EQ(speed->GetDropDownMenu(), first->FindComponent("Menu"));
  EXPECT_TRUE(speed->GetPressed());
  EXPECT_EQ(speed->GetStyle(), U::ubsKorvel);
  EXPECT_EQ(speed->GetButtonLayout()->GetAlignment(), Vyrgraph::TVyrAlignment::agCenterLeft);
  EXPECT_EQ(speed->GetRepeatingInterval(), 250);
  EXPECT_EQ(speed->GetGlyphKind(), TVyrGlyphKind::gkFile);
  EXPECT_EQ(speed->GetGlyph()->GetWidth(), 13);
  EXPECT_EQ(office->GetStyle(), U::ubsKorvelFlat);
  EXPECT_FALSE(explorer->GetUnColorMain());
  EXPECT_FALSE(explorer->GetTransparent());

  const std::string written = TestSupport::WrittenFormText(first);
  EXPECT_EQ(written.find("Transparent"), std::string::npos) << written;
  EXPECT_NE(written.find("UnColorMain = False"), std::string::npos) << written;
  first->Free();
  TForm* second = Load(written);
  EXPECT_EQ(TestSupport::WrittenFormText(second), written);
}

TEST_F(ButtonStreamTest, AGlyphOfItsOwnTravelsWithTheForm) {
  auto* button = Place<TVyrSpeedButton>(form, 10, 10, 30, 30);
  button->SetName("Own");
  TBitmap glyph;
  glyph.SetSize(20, 10);
  glyph.GetCanvas()->GetBrush()->SetColor(clBlue);
  glyph.GetCanvas()->FillRect(TRect(0, 0, 20, 10));
  button->SetGlyph(&glyph);
  EXPECT_EQ(button->GetNumGlyphs(), 2) << "two cells side by side";
  const std::string written = TestSupport::WrittenFormText(form);
  TForm* copy = Load(written);
  auto* again = dynamic_cast_object<TVyrSpeedButton>(copy->FindComponent("Own"));
  ASSERT_TRUE(again);
  EXPECT_EQ(again->GetGlyph()->GetWidth(), 20);
  EXPECT_EQ(again->GetNumGlyphs(), 2);
  EXPECT_EQ(again->GetGlyph()->GetCanvas()->GetPixels(3, 3), clBlue);
}

// UnColorMain is the glyph style, which Style also sets: it travels
// whenever it is not what the style alone gives.
TEST_F(ButtonStreamTest, UnColorMainSurvivesEveryStyle) {
  for (U style : {U::ubsWin40, U::ubsFlat, U::ubsFlatUnColored, U::ubsExplorer, U::ubsExplorerColored}) {
    for (bool unColor : {true, false}) {
      auto* button = Place<TVyrExplorerButton>(form, 10, 10, 54, 40);
      button->SetName("Explorer");
      button->SetStyle(style);
      button->SetUnColorMain(unColor);
      const std::string written = TestSupport::WrittenFormText(form);
      button->Free();
      TForm* copy = Load(written);
      auto* again = dynamic_cast_object<TVyrExplorerButton>(copy->FindComponent("Explorer"));
      ASSERT_TRUE(again) << written;
      EXPECT_EQ(again->GetStyle(), style) << written;
      EXPECT_EQ(again->GetUnColorMain(), unColor) << written;
      copy->Free();
    }
  }
  // A form that names UnColorMain before Style.
  TForm* loaded = Load(R"(object Host: TForm
  object Explorer: TVyrExplorerButton
    UnColorMain = True
    Style = ubsWin40
  end
end
)");
  auto* explorer = dynamic_cast_object<TVyrExplorerButton>(loaded->FindComponent("Explorer"));
  ASSERT_TRUE(explorer);
  EXPECT_EQ(explorer->GetStyle(), U::ubsWin40);
  EXPECT_TRUE(explorer->GetUnColorMain());
}

// A form's drop-down part of any width stays a strip of 0 .. 32767 pixels,
// and the button paints with it.
TEST_F(ButtonStreamTest, TheDropDownPartWidthIsKeptInRange) {
  struct Case {
    long long stored;
    int width;
  };
  for (const Case& c : {Case{-2147483648LL, 0}, Case{2147483647LL, 32767}, Case{-5, 0}, Case{20, 20}}) {
    const std::string text = R"(object Host: TForm
  Left = 0
  Top = 0
  Width = 300
  Height = 200
  object Menu: TPopupMenu
  end
  object Speed: TVyrSpeedButton
    Left = 4
    Top = 5
    Width = 60
    Height = 24
    DropDownCombo = True
    DropdownComboWidth = )" + std::to_string(c.stored) + R"(
    DropDownMenu = Menu
  end
end
)";
    TForm* loaded = Load(text);
    auto* speed = dynamic_cast_object<TVyrSpeedButton>(loaded->FindComponent("Speed"));
    ASSERT_TRUE(speed);
    EXPECT_EQ(speed->GetDropDownComboWidth(), c.width) << c.stored;
    EXPECT_TRUE(speed->GetDropDownComboActive());
    loaded->Show();
    loaded->Repaint();
    app.pump();
    // Outside loading the width follows the part, within the same range.
    speed->SetDropDownComboWidth(INT_MIN);
    EXPECT_EQ(speed->GetDropDownComboWidth(), 0);
    const int narrowed = std::max(0, 60 - c.width);
    EXPECT_EQ(speed->GetWidth(), narrowed);
    speed->SetDropDownComboWidth(INT_MAX);
    EXPECT_EQ(speed->GetDropDownComboWidth(), 32767);
    EXPECT_EQ(speed->GetWidth(), narrowed + 32767);
    loaded->Repaint();
    app.pump();
    loaded->Free();
  }
}

}  // namespace
