#include "comctrls_progressbar.h"
#include "comctrls_tabcontrol.h"
#include "formtext.h"
#include "forms_scrollbox.h"
#include "formres.h"
#include "stdctrls_fixture.h"
#include "streams.h"

// The game's settings form holds these as its resource gives them; the
// tab index comes after the tabs, and Max before Position.
TEST_F(StdCtrlsTest, BarTabsAndBoxAreReadFromAFormStream) {
  TStringStream text{AnsiString(R"(object Settings: TForm
  object Difficulty: TProgressBar
    Left = 8
    Top = 8
    Max = 6
    Position = 4
  end
  object Pages: TTabControl
    Tabs.Strings = (
      'Allgemein'
      'Klänge')
    TabIndex = 1
  end
  object Box: TScrollBox
    AutoScroll = False
    BorderStyle = bsNone
    VertScrollBar.Range = 400
    VertScrollBar.Increment = 12
  end
end
)")};
  TMemoryStream binary;
  ObjectTextToBinary(&text, &binary);
  binary.SetPosition(0);
  auto* form = TObject::Create<TForm>(Application);
  ReadComponentFromStream(&binary, form);

  auto* bar = static_cast<TProgressBar*>(form->FindComponent("Difficulty"));
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->GetMax(), 6);
  EXPECT_EQ(bar->GetPosition(), 4);
  auto* pages = static_cast<TTabControl*>(form->FindComponent("Pages"));
  ASSERT_NE(pages, nullptr);
  EXPECT_EQ(pages->GetTabs()->GetStrings(1), AnsiString("Klänge"));
  EXPECT_EQ(pages->GetTabIndex(), 1);
  auto* box = static_cast<TScrollBox*>(form->FindComponent("Box"));
  ASSERT_NE(box, nullptr);
  EXPECT_FALSE(box->GetAutoScroll());
  EXPECT_EQ(box->GetBorderStyle(), bsNone);
  EXPECT_EQ(box->GetVertScrollBar()->GetRange(), 400);
  EXPECT_EQ(box->GetVertScrollBar()->GetIncrement(), 12);
}
