// The windowed, image-face, docked and picture buttons through form text
// and the binary form stream and back, every value kept.
#include <string>

#include "form_text.h"
#include "menus.h"
#include "stdctrls_edit.h"
#include "streams.h"
#include "vyrbtn_fixture.h"
#include "vyrmms_buttons.h"
#include "vyrstdcs.h"

namespace {

class MoreButtonStreamTest : public ButtonTest {
 protected:
  TUnitStartup more{{Vyrstdcs::Unit, Vyrmms::ButtonsUnit}};
};

TEST_F(MoreButtonStreamTest, EveryNewButtonComesBackThroughTextAndBinary) {
  const std::string text = R"(object Host: TForm
  Left = 0
  Top = 0
  Width = 400
  Height = 300
  object Menu: TPopupMenu
  end
  object Faces: TVyrImageList
  end
  object Edit: TEdit
    Left = 10
    Top = 10
    Width = 100
    Height = 21
  end
  object Windowed: TVyrButton
    Left = 10
    Top = 100
    Width = 80
    Height = 26
    Caption = '&Weiter'
    Default = True
    ModalResult = 1
    MultiLine = True
    RepeatedClick = True
    RepeatingInterval = 200
    Style = nbsWin31
    HideHint = False
    DropDownMenu = Menu
    DropDownIndent = 4
    DropDownRight = True
  end
  object Face: TVyrMMButton
    Left = 100
    Top = 100
    AllowMouseOver = True
    AllowTransparency = False
    ButtonFaceStyle = sbStretch
    ButtonFaceImageList = Faces
    CaptionDown = 2
    ForceTransparent = False
    QuickDraw = True
    GroupIndex = 2
    Transparent = True
  end
  object Speed: TVyrDockSpeedButton
    Control = Edit
    Position = dpBottom
    Margin = 4
    ReflectOwnChanges = False
    Style = ubsFlat
  end
  object Office: TVyrDockOfficeButton
    Control = Edit
    Position = dpLeft
    AdjustDockedSize = False
  end
  object Docked: TVyrDockButton
    Control = Edit
    Position = dpTop
    GlyphKind = gkSearch
  end
  object Effect: TVyr3DEffectButton
    Left = 200
    Top = 100
    AllowTransparency = False
    Compressed = True
    PixelFormat = spf8bit
    QuickDraw = True
  end
  object Caption3D: TVyr3DCaptionButton
    Left = 260
    Top = 100
    AllowTransparency = True
  end
end
)";
  auto* first = TObject::Create<TForm>(Application);
  TestSupport::ReadFormText(text, first);
  auto* windowed = dynamic_cast_object<Vyrbtn::TVyrButton>(first->FindComponent("Windowed"));
  auto* face = dynamic_cast_object<Vyrbtn::TVyrMMButton>(first->FindComponent("Face"));
  auto* effect = dynamic_cast_object<Vyrmms::TVyr3DEffectButton>(first->FindComponent("Effect"));
  ASSERT_TRUE(windowed && face && effect);
  EXPECT_EQ(windowed->GetStyle(), Vyrbtn::TVyrNormalButtonStyle::nbsWin31);
  EXPECT_EQ(windowed->GetDropDownMenu(), first->FindComponent("Menu"));
  EXPECT_EQ(windowed->GetRepeatingInterval(), 200);
  EXPECT_EQ(face->GetButtonFaceImageList(), first->FindComponent("Faces"));
  EXPECT_EQ(face->GetCaptionDown(), 2);
  EXPECT_EQ(face->GetButtonFaceStyle(), Vyrctrla::TVyrBitmapStyle::sbStretch);
  EXPECT_TRUE(effect->GetQuickDraw());
  EXPECT_EQ(effect->GetPixelFormat(), Vyrclass::TVyrSavePixelFormat::spf8bit);

  const std::string written = TestSupport::WrittenFormText(first);
  // One form of the name at a time, so that each keeps it.
  first->Free();
  auto* second = TObject::Create<TForm>(Application);
  TestSupport::ReadFormText(written, second);
  EXPECT_EQ(TestSupport::WrittenFormText(second), written);

  TMemoryStream binary;
  WriteComponentToStream(&binary, second);
  binary.SetPosition(0);
  second->Free();
  auto* third = TObject::Create<TForm>(Application);
  ReadComponentFromStream(&binary, third);
  EXPECT_EQ(TestSupport::WrittenFormText(third), written);
}

}  // namespace
