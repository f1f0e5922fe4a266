#include "application.h"
#include "vcl_fixture.h"
#include "window_pos.h"
#include "wndproc.h"

namespace {

// Records the window messages of a windowed control as they reach WndProc.
class TMessageLog : public TCustomControl {
  MORVANT_CLASS(TMessageLog, TCustomControl)
 public:
  using TCustomControl::TCustomControl;
  std::vector<UINT> Messages;
  void WndProc(TMessage& Message) override {
    Messages.push_back(Message.Msg);
    TCustomControl::WndProc(Message);
  }
  int Count(UINT msg) const { return static_cast<int>(std::count(Messages.begin(), Messages.end(), msg)); }
};

}  // namespace

TEST_F(VclTest, VisibleAndEnabledReachTheWindow) {
  TForm* f = ShownForm();
  auto* c = TObject::Create<TMessageLog>(f);
  c->SetParent(f);
  ASSERT_TRUE(c->HandleAllocated());
  c->Messages.clear();
  c->Hide();
  EXPECT_FALSE(IsWindowVisible(c->GetHandle()));
  c->Show();
  EXPECT_TRUE(IsWindowVisible(c->GetHandle()));
  EXPECT_EQ(c->Count(WM_SHOWWINDOW), 2);
  c->SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(c->GetHandle()));
  EXPECT_EQ(c->Count(WM_ENABLE), 1);
}

TEST_F(VclTest, RecreateWndBuildsANewWindowKeepingTextBoundsAndChildren) {
  TForm* f = ShownForm();
  auto* c = TObject::Create<TMessageLog>(f);
  c->SetParent(f);
  c->SetBounds(5, 6, 70, 40);
  c->SetText("Hallo");
  auto* inner = TObject::Create<TMessageLog>(f);
  inner->SetParent(c);
  HWND old = c->GetHandle();
  c->RecreateWnd();
  ASSERT_TRUE(c->HandleAllocated());
  EXPECT_NE(c->GetHandle(), old);
  EXPECT_FALSE(IsWindow(old));
  EXPECT_EQ(c->Count(WM_DESTROY), 1);
  char text[16] = {};
  GetWindowText(c->GetHandle(), text, sizeof text);
  EXPECT_STREQ(text, "Hallo");
  EXPECT_EQ(c->GetBoundsRect(), TRect(5, 6, 75, 46));
  ASSERT_TRUE(inner->HandleAllocated());
  EXPECT_EQ(GetParent(inner->GetHandle()), c->GetHandle());
}

TEST_F(VclTest, TextSetThroughTheWindowReachesTheControl) {
  TForm* f = ShownForm();
  f->SetText("Alt");
  SetWindowText(f->GetHandle(), "Neu");
  EXPECT_EQ(f->GetCaption(), "Neu");
}

TEST_F(VclTest, CloseQueryCanKeepAFormAndReleaseFreesItAfterItsMessages) {
  TForm* f = ShownForm();
  bool allow = false;
  f->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = allow; };
  f->Close();
  EXPECT_TRUE(f->GetVisible());
  allow = true;
  f->Close();
  EXPECT_FALSE(f->GetVisible());

  TForm* g = ShownForm();
  bool destroyed = false;
  g->OnDestroy = [&](TObject*) { destroyed = true; };
  g->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
  g->Close();
  EXPECT_FALSE(destroyed);
  app.pump();
  EXPECT_TRUE(destroyed);
  EXPECT_EQ(Application->FindComponent(""), nullptr);
}

TEST_F(VclTest, FreeingAControlTakesItsWindowAndItsChildrenAlong) {
  TForm* f = ShownForm();
  auto* outer = TObject::Create<TMessageLog>(f);
  outer->SetParent(f);
  auto* inner = TObject::Create<TSwatch>(f);
  inner->SetParent(outer);
  HWND wnd = outer->GetHandle();
  const int before = f->GetComponentCount();
  delete outer;
  EXPECT_FALSE(IsWindow(wnd));
  EXPECT_EQ(f->GetComponentCount(), before - 2);
  EXPECT_EQ(f->GetControlCount(), 0);
  app.pump();
}

TEST_F(VclTest, Ctl3DReachesTheChildrenThatFollowTheirParent) {
  TForm* f = ShownForm();
  auto* follower = TObject::Create<TMessageLog>(f);
  follower->SetParent(f);
  auto* grandchild = TObject::Create<TMessageLog>(f);
  grandchild->SetParent(follower);
  auto* own = TObject::Create<TMessageLog>(f);
  own->SetParent(f);
  own->SetCtl3D(true);  // its own now, though the same value
  follower->Messages.clear();
  grandchild->Messages.clear();
  own->Messages.clear();

  f->SetCtl3D(false);
  EXPECT_FALSE(follower->GetCtl3D());
  EXPECT_TRUE(follower->GetParentCtl3D());
  EXPECT_EQ(follower->Count(CM_CTL3DCHANGED), 1);
  EXPECT_FALSE(grandchild->GetCtl3D());
  EXPECT_EQ(grandchild->Count(CM_CTL3DCHANGED), 1);
  EXPECT_TRUE(own->GetCtl3D());
  EXPECT_EQ(own->Count(CM_CTL3DCHANGED), 0);

  // A control put under a flat parent takes the parent's look.
  auto* late = TObject::Create<TMessageLog>(f);
  late->SetParent(f);
  EXPECT_FALSE(late->GetCtl3D());
  // Following the parent again takes its value back.
  own->SetParentCtl3D(true);
  EXPECT_FALSE(own->GetCtl3D());
  EXPECT_EQ(own->Count(CM_CTL3DCHANGED), 1);
}
