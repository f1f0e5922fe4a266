#include "classregistry.h"
#include "core_fixture.h"
#include "exceptions.h"
#include "formres.h"
#include "formtext.h"
#include "streams.h"
#include "timage.h"
#include "ttimer.h"

namespace {

// The designer's places of non-visual components stream as Left and Top
// after their published properties; a control's Left and Top are its own.
const char* const kForm =
    "object Form1: TForm\n"
    "  Left = 40\n"
    "  Top = 30\n"
    "  object Image1: TImage\n"
    "    Left = 8\n"
    "    Top = 16\n"
    "    Width = 64\n"
    "    Height = 32\n"
    "    HelpContext = 7\n"
    "  end\n"
    "  object Timer1: TTimer\n"
    "    Interval = 250\n"
    "    Left = 100\n"
    "    Top = 20\n"
    "  end\n"
    "  object Timer2: TTimer\n"
    "  end\n"
    "end\n";

TMemoryStream Binary(const char* text) {
  TStringStream in{AnsiString(text)};
  TMemoryStream out;
  ObjectTextToBinary(&in, &out);
  out.SetPosition(0);
  return out;
}

std::string Text(TComponent* root) {
  TMemoryStream binary;
  WriteComponentToStream(&binary, root);
  binary.SetPosition(0);
  TMemoryStream text;
  ObjectBinaryToText(&binary, &text);
  return std::string(static_cast<const char*>(text.GetMemory()), static_cast<std::size_t>(text.GetSize()));
}

}  // namespace

TEST_F(CoreTest, NonVisualComponentsKeepTheirDesignPositionAndControlsTheirBounds) {
  TMemoryStream binary = Binary(kForm);
  auto* form = TObject::Create<TForm>(Application);
  ReadComponentFromStream(&binary, form);
  auto* image = static_cast<TImage*>(form->FindComponent("Image1"));
  auto* timer = static_cast<TTimer*>(form->FindComponent("Timer1"));
  ASSERT_TRUE(image && timer);
  EXPECT_EQ(form->GetLeft(), 40);
  EXPECT_EQ(form->GetDesignInfo(), 0);
  EXPECT_EQ(image->GetBoundsRect(), TRect(8, 16, 72, 48));
  EXPECT_EQ(image->GetDesignInfo(), 0);
  EXPECT_EQ(image->GetHelpContext(), 7);
  EXPECT_EQ(timer->GetDesignInfo(), (20 << 16) | 100);
  EXPECT_EQ(timer->GetInterval(), 250u);
  // Written back: the position after the published values; a help context
  // of 0 and a position of 0 are not written.
  EXPECT_EQ(Text(timer), "object Timer1: TTimer\n  Interval = 250\n  Left = 100\n  Top = 20\nend\n");
  EXPECT_EQ(Text(form->FindComponent("Timer2")), "object Timer2: TTimer\nend\n");
  const std::string imageText = Text(image);
  EXPECT_NE(imageText.find("  Left = 8\n  Top = 16\n"), std::string::npos) << imageText;
  EXPECT_NE(imageText.find("  HelpContext = 7\n"), std::string::npos) << imageText;
  image->SetHelpContext(0);
  EXPECT_EQ(Text(image).find("HelpContext"), std::string::npos);
}

TEST_F(CoreTest, ADesignPositionThatIsNoNumberIsARefusedStream) {
  TMemoryStream binary = Binary(
      "object Form1: TForm\n"
      "  object Timer1: TTimer\n"
      "    Left = 'links'\n"
      "  end\n"
      "end\n");
  auto* form = TObject::Create<TForm>(Application);
  EXPECT_THROW(ReadComponentFromStream(&binary, form), EReadError);
}
