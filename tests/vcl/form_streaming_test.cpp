#include "application.h"
#include "classregistry.h"
#include "formres.h"
#include "formtext.h"
#include "menus.h"
#include "sysutils.h"
#include "streams.h"
#include "timage.h"
#include "ttimer.h"
#include "vcl_fixture.h"

namespace {

// A form as the game writes one: its handlers are published methods, its
// component fields are looked up once the stream is read.
class TStreamedForm : public TForm {
  MORVANT_COMPONENT(TStreamedForm, TForm)
 public:
  explicit TStreamedForm(TComponent* AOwner) : TForm(AOwner) {}
  TTimer* Timer1 = nullptr;
  TImage* Image1 = nullptr;
  int Created = 0;
  int Ticks = 0;
  void FormCreate(TObject*) { ++Created; }
  void Timer1Timer(TObject*) { ++Ticks; }

 protected:
  void Loaded() override {
    TForm::Loaded();
    Timer1 = dynamic_cast_object<TTimer>(FindComponent("Timer1"));
    Image1 = dynamic_cast_object<TImage>(FindComponent("Image1"));
  }
};

void TStreamedForm::Publish(TPublisher<TStreamedForm>& P) {
  P.Method("FormCreate", &TStreamedForm::FormCreate);
  P.Method("Timer1Timer", &TStreamedForm::Timer1Timer);
}

const char* kFormText = R"(object StreamedForm: TStreamedForm
  Left = 40
  Top = 30
  BorderStyle = bsDialog
  Caption = 'Einstellungen'
  ClientHeight = 150
  ClientWidth = 240
  Color = clBlue
  KeyPreview = True
  Menu = MainMenu1
  OnCreate = FormCreate
  object Image1: TImage
    PopupMenu = PopupMenu1
    Left = 8
    Top = 16
    Width = 64
    Height = 32
    Stretch = True
  end
  object Timer1: TTimer
    Interval = 250
    OnTimer = Timer1Timer
  end
  object MainMenu1: TMainMenu
  end
  object PopupMenu1: TPopupMenu
  end
end
)";

}  // namespace

TEST_F(VclTest, AFormIsBuiltFromItsStreamWithChildrenEventsAndItsOwnProperties) {
  RegisterClass(TStreamedForm::StaticClass());
  TStringStream text{AnsiString(kFormText)};
  TMemoryStream binary;
  ObjectTextToBinary(&text, &binary);
  binary.SetPosition(0);

  auto* form = TObject::Create<TStreamedForm>(Application);
  ReadComponentFromStream(&binary, form);
  form->AfterConstruction();

  EXPECT_EQ(form->GetName(), "StreamedForm");
  EXPECT_EQ(form->GetCaption(), "Einstellungen");
  EXPECT_EQ(form->GetBorderStyle(), bsDialog);
  EXPECT_EQ(form->GetClientWidth(), 240);
  EXPECT_EQ(form->GetClientHeight(), 150);
  EXPECT_EQ(form->GetColor(), clBlue);
  EXPECT_TRUE(form->GetKeyPreview());
  EXPECT_EQ(form->Created, 1);
  ASSERT_NE(form->Image1, nullptr);
  EXPECT_EQ(form->Image1->GetParent(), form);
  EXPECT_EQ(form->Image1->GetBoundsRect(), TRect(8, 16, 72, 48));
  EXPECT_TRUE(form->Image1->GetStretch());
  ASSERT_NE(form->Timer1, nullptr);
  EXPECT_EQ(form->Timer1->GetInterval(), 250u);
  EXPECT_EQ(form->GetMenu(), form->FindComponent("MainMenu1"));
  EXPECT_EQ(form->Image1->GetPopupMenu(), form->FindComponent("PopupMenu1"));

  // Written back, the form holds its control and its timer again.
  TMemoryStream written;
  WriteComponentToStream(&written, form);
  written.SetPosition(0);
  TMemoryStream back;
  ObjectBinaryToText(&written, &back);
  const std::string again(static_cast<const char*>(back.GetMemory()), static_cast<std::size_t>(back.GetSize()));
  EXPECT_NE(again.find("  object Image1: TImage\n"), std::string::npos) << again;
  EXPECT_NE(again.find("  object Timer1: TTimer\n"), std::string::npos) << again;
  EXPECT_NE(again.find("    OnTimer = Timer1Timer\n"), std::string::npos) << again;
  EXPECT_NE(again.find("    PopupMenu = PopupMenu1\n"), std::string::npos) << again;

  form->Show();
  app.advance(500);
  EXPECT_EQ(form->Ticks, 2);
  UnRegisterClass(TStreamedForm::StaticClass());
}

namespace {

class TTabControl : public TCustomControl {
  MORVANT_COMPONENT(TTabControl, TCustomControl)
 public:
  explicit TTabControl(TComponent* AOwner) : TCustomControl(AOwner) { SetTabStop(true); }
};

void TTabControl::Publish(TPublisher<TTabControl>&) {}

}  // namespace

TEST_F(VclTest, StreamedTabOrderHoldsAlthoughLaterSiblingsAreReadAfter) {
  RegisterClass(TTabControl::StaticClass());
  TStringStream text{AnsiString(R"(object Dialog: TForm
  object Check1: TTabControl
    TabOrder = 3
  end
  object Track2: TTabControl
    TabOrder = 2
  end
  object OkButton: TTabControl
    TabOrder = 1
  end
  object Track1: TTabControl
    TabOrder = 0
  end
end
)")};
  TMemoryStream binary;
  ObjectTextToBinary(&text, &binary);
  binary.SetPosition(0);
  auto* form = TObject::Create<TForm>(Application);
  ReadComponentFromStream(&binary, form);
  std::vector<AnsiString> order;
  for (const char* name : {"Track1", "OkButton", "Track2", "Check1"})
    order.push_back(IntToStr(static_cast<TWinControl*>(form->FindComponent(name))->GetTabOrder()));
  EXPECT_EQ(order, (std::vector<AnsiString>{"0", "1", "2", "3"}));
  UnRegisterClass(TTabControl::StaticClass());
}
