// The three containers and the bar together on one form, as a settings
// dialog would hold them. With MORVANT_SCREENSHOT_DIR set, the form is also
// saved there as a PNG to be looked at.
#include <cstdlib>

#include "comctrls_progressbar.h"
#include "comctrls_tabcontrol.h"
#include "forms_scrollbox.h"
#include "stdctrls_fixture.h"

TEST_F(StdCtrlsTest, ProgressTabsAndScrollBoxShareAForm) {
  TForm* form = ShownForm(460, 330);
  auto* bar = TObject::Create<TProgressBar>(form);
  bar->SetParent(form);
  bar->SetBounds(10, 10, 200, 18);
  bar->SetMax(6);
  bar->SetPosition(4);

  auto* tabs = TObject::Create<TTabControl>(form);
  tabs->SetParent(form);
  tabs->SetBounds(10, 40, 440, 130);
  for (const char* caption : {"&Allgemein", "Grafik", "Klänge"}) tabs->GetTabs()->Add(caption);
  tabs->SetTabIndex(1);
  auto* onPage = TObject::Create<TProgressBar>(form);
  onPage->SetParent(tabs);
  onPage->SetBounds(tabs->DisplayRect().left + 10, tabs->DisplayRect().top + 10, 150, 16);
  onPage->SetSmooth(true);
  onPage->SetPosition(70);

  auto* box = TObject::Create<TScrollBox>(form);
  box->SetParent(form);
  box->SetBounds(10, 180, 200, 140);
  auto* inBox = TObject::Create<TProgressBar>(form);
  inBox->SetParent(box);
  inBox->SetBounds(10, 10, 400, 300);
  inBox->SetPosition(50);
  app.pump();
  box->GetVertScrollBar()->SetPosition(40);
  app.pump();

  // The page's bar lies inside the page, the box's bar moved with its bar.
  EXPECT_GE(onPage->GetTop(), tabs->DisplayRect().top);
  EXPECT_EQ(inBox->GetTop(), 10 - 40);
  EXPECT_EQ(Pixel(bar, bar->BarRect().left, 9), Rgb(clHighlight));

  if (const char* dir = std::getenv("MORVANT_SCREENSHOT_DIR")) {
    EXPECT_TRUE(TestSupport::SaveWindowPng(form->GetHandle(), std::string(dir) + "/misc-controls.png"));
  }
}
