#include <algorithm>
#include <functional>

#include "core_fixture.h"
#include "window.h"
#include "window_internal.h"
#include "window_pos.h"

namespace {

std::vector<HWND> TopLevel() {
  std::vector<HWND> list = WindowManager::TopLevelWindows();
  std::sort(list.begin(), list.end());
  return list;
}


}  // namespace

TEST_F(CoreTest, HidingAFormKeepsItsWindowsAndClosingWithHideToo) {
  ShownForm();  // the main form
  TForm* second = ShownForm();
  auto* child = TObject::Create<TLoggingControl>(second, nullptr);
  child->SetParent(second);
  child->SetCaption("Stand");
  app.pump();
  const HWND window = second->GetHandle();
  const HWND childWindow = child->GetHandle();

  second->Hide();
  app.pump();
  EXPECT_TRUE(IsWindow(window));
  EXPECT_FALSE(IsWindowVisible(window));
  second->Close();  // caHide: the form lives on
  app.pump();
  EXPECT_TRUE(IsWindow(window));

  second->Show();
  app.pump();
  EXPECT_EQ(second->GetHandle(), window);
  EXPECT_EQ(child->GetHandle(), childWindow);
  EXPECT_TRUE(IsWindowVisible(childWindow));
  EXPECT_EQ(child->GetCaption(), "Stand");
}

TEST_F(CoreTest, EveryWayOfFreeingANonMainFormLeavesNoWindowBehind) {
  ShownForm();  // the main form
  const std::vector<HWND> before = TopLevel();
  struct Case {
    const char* how;
    std::function<void(TForm*)> end;
  };
  const Case cases[] = {
      {"Release", [](TForm* f) { f->Release(); }},
      {"Close with caFree",
       [](TForm* f) {
         f->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
         f->Close();
       }},
      {"delete", [](TForm* f) { delete f; }},
      {"modal, closed with caFree",
       [this](TForm* f) {
         f->Hide();
         app.pump();
         f->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
         f->OnShow = [f](TObject*) { f->SetModalResult(mrOk); };
         EXPECT_EQ(f->ShowModal(), mrOk);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    TForm* f = ShownForm();
    auto* child = TObject::Create<TLoggingControl>(f, nullptr);
    child->SetParent(f);
    const HWND window = f->GetHandle(), childWindow = child->GetHandle();
    const int forms = Screen->GetFormCount();
    c.end(f);
    app.pump();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(IsWindow(childWindow));
    EXPECT_EQ(Screen->GetFormCount(), forms - 1);
    EXPECT_EQ(TopLevel(), before);
  }
}
