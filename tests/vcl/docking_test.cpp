// Docking: a panel dragged into a DockSite panel and out of it into a
// floating window, the events on both sides in order, a site refusing to
// let go, the tiled layout, and what freeing the control or the site leaves.
#include <string>
#include <vector>

#include "dockform.h"
#include "dragdrop.h"
#include "extctrls_panel.h"
#include "vcl_fixture.h"

namespace {

class DockingTest : public VclTest {
 protected:
  TForm* form = nullptr;
  TPanel* site = nullptr;    // at (150, 10) of the form, 200 x 150
  TPanel* client = nullptr;  // at (10, 10), 60 x 40
  std::vector<std::string> log;
  bool allowUndock = true;

  void SetUp() override {
    form = ShownForm(400, 300);
    site = TObject::Create<TPanel>(form);
    site->SetName("Site");
    site->SetParent(form);
    site->SetBounds(150, 10, 200, 150);
    site->SetDockSite(true);
    client = TObject::Create<TPanel>(form);
    client->SetName("Client");
    client->SetCaption("Werkzeug");
    client->SetParent(form);
    client->SetBounds(10, 10, 60, 40);
    client->SetDragKind(dkDock);
    client->SetDragMode(dmAutomatic);
    auto name = [](TObject* O) -> std::string {
      auto* c = dynamic_cast_object<TComponent>(O);
      return c ? c->GetName().c_str() : "nil";
    };
    client->OnStartDock = TStartDockEvent([this](TObject*, TDragDockObject*&) { log.push_back("start dock"); });
    client->OnEndDock = TEndDragEvent(
        [this, name](TObject*, TObject* Target, int, int) { log.push_back("end dock on " + name(Target)); });
    site->OnDockOver = TDockOverEvent([this](TObject*, TDragDockObject* Source, int, int, TDragState State, bool&) {
      static const char* const kStates[] = {"enter", "leave", "move"};
      log.push_back(std::string("dock over ") + kStates[State] + (Source->GetControl() == client ? "" : " ?"));
    });
    site->OnDockDrop = TDockDropEvent([this](TObject*, TDragDockObject*, int, int) { log.push_back("dock drop"); });
    site->OnUnDock = TUnDockEvent([this, name](TObject*, TControl*, TWinControl* NewTarget, bool& Allow) {
      log.push_back("undock to " + name(NewTarget));
      Allow = allowUndock;
    });
    app.pump();
  }
  void Drag(TPoint From, TPoint To) {
    app.host().PostMouseMove(From.x, From.y);
    app.host().PostMouseDown(From.x, From.y);
    app.pump();
    app.host().PostMouseMove(To.x, To.y);
    app.pump();
    app.host().PostMouseUp(To.x, To.y);
    app.pump();
  }
  TPoint InSite(int X, int Y) const { return site->ClientToScreen(TPoint(X, Y)); }
  TPoint OnClient() const { return client->ClientToScreen(TPoint(5, 5)); }
  TPoint OutsideAll() const { return form->ClientToScreen(TPoint(20, 250)); }
};

TEST_F(DockingTest, DockedIntoTheSiteThenFloatedOut) {
  Drag(OnClient(), InSite(30, 40));
  EXPECT_EQ(log, (std::vector<std::string>{"start dock", "dock over enter", "dock over leave", "dock drop",
                                           "end dock on Site"}));
  EXPECT_EQ(client->GetParent(), site);
  EXPECT_EQ(client->GetHostDockSite(), site);
  EXPECT_EQ(site->GetDockClientCount(), 1);
  // Where the pointer put it: grabbed at (5, 5) of the client.
  EXPECT_EQ(client->GetBoundsRect(), TRect(25, 35, 85, 75));

  log.clear();
  Drag(OnClient(), OutsideAll());
  EXPECT_EQ(log, (std::vector<std::string>{"start dock", "undock to nil", "end dock on nil"}));
  EXPECT_TRUE(client->GetFloating());
  EXPECT_EQ(client->GetHostDockSite(), nullptr);
  EXPECT_EQ(site->GetDockClientCount(), 0);
  TCustomForm* host = client->GetFloatHost();
  ASSERT_NE(host, nullptr);
  EXPECT_TRUE(host->GetVisible());
  EXPECT_EQ(host->GetCaption(), "Werkzeug");
  EXPECT_EQ(host->GetBorderStyle(), bsToolWindow);
  EXPECT_EQ(host->GetClientWidth(), 60);

  // Closing the tool window hides the control; docking brings it back.
  host->Close();
  app.pump();
  EXPECT_FALSE(client->GetVisible());
  EXPECT_TRUE(client->ManualDock(site));
  EXPECT_TRUE(client->GetVisible());
  EXPECT_FALSE(host->GetVisible());
  EXPECT_EQ(client->GetParent(), site);
}

TEST_F(DockingTest, TheSiteMayRefuseToLetTheControlGo) {
  ASSERT_TRUE(client->ManualDock(site));
  allowUndock = false;
  log.clear();
  Drag(OnClient(), OutsideAll());
  EXPECT_EQ(log.back(), "end dock on nil");
  EXPECT_EQ(client->GetParent(), site);
  EXPECT_FALSE(client->ManualFloat(TRect(500, 500, 560, 540)));
  EXPECT_EQ(client->GetHostDockSite(), site);
  allowUndock = true;
  EXPECT_TRUE(client->ManualFloat(TRect(500, 500, 560, 540)));
  EXPECT_TRUE(client->GetFloating());
}

TEST_F(DockingTest, ASiteThatRefusesTheDockLetsTheControlFloat) {
  site->OnDockOver = TDockOverEvent([](TObject*, TDragDockObject*, int, int, TDragState, bool& Accept) {
    Accept = false;
  });
  Drag(OnClient(), InSite(30, 40));
  EXPECT_TRUE(client->GetFloating());
}

TEST_F(DockingTest, OnGetSiteInfoDecidesWhereTheSiteTakesControls) {
  // Only the left half of the site takes the control.
  site->OnGetSiteInfo = TGetSiteInfoEvent([this](TObject*, TControl*, TRect& Influence, TPoint, bool&) {
    Influence.right = Influence.left + site->GetClientWidth() / 2;
  });
  Drag(OnClient(), InSite(150, 40));
  EXPECT_TRUE(client->GetFloating());
  ASSERT_TRUE(client->ManualDock(form));  // back out of the way
  Drag(client->ClientToScreen(TPoint(5, 5)), InSite(20, 40));
  EXPECT_EQ(client->GetHostDockSite(), site);
}

TEST_F(DockingTest, TheDockManagerTilesTheDockedControlsAlongTheSite) {
  site->SetBevelOuter(bvNone);
  site->SetUseDockManager(true);
  auto* second = TObject::Create<TPanel>(form);
  second->SetParent(form);
  ASSERT_TRUE(client->ManualDock(site));
  ASSERT_TRUE(second->ManualDock(site));
  const int w = site->GetClientWidth(), h = site->GetClientHeight();
  EXPECT_EQ(client->GetBoundsRect(), TRect(0, 0, w / 2, h));
  EXPECT_EQ(second->GetBoundsRect(), TRect(w / 2, 0, w, h));
  client->ManualFloat(TRect(500, 500, 560, 540));
  EXPECT_EQ(second->GetBoundsRect(), TRect(0, 0, w, h));
}

TEST_F(DockingTest, WithoutTheDockManagerDockedControlsKeepTheirPlace) {
  Drag(OnClient(), InSite(100, 100));
  EXPECT_EQ(client->GetBoundsRect(), TRect(95, 95, 155, 135));
}

TEST_F(DockingTest, ACancelledDockDragLeavesTheControlWhereItWas) {
  app.host().PostMouseMove(OnClient().x, OnClient().y);
  app.host().PostMouseDown(OnClient().x, OnClient().y);
  app.pump();
  const TPoint over = InSite(30, 40);
  app.host().PostMouseMove(over.x, over.y);
  app.pump();
  EXPECT_TRUE(client->Dragging());
  CancelDrag();
  app.host().PostMouseUp(over.x, over.y);
  app.pump();
  EXPECT_EQ(log.back(), "end dock on nil");
  EXPECT_EQ(client->GetParent(), form);
  EXPECT_EQ(client->GetBoundsRect(), TRect(10, 10, 70, 50));
}

// A floating control freed takes its tool window with it; a site freed
// with docked controls lays nothing out on the way.
TEST_F(DockingTest, FreeingTheFloatingControlOrTheSiteLeavesNothingBehind) {
  const int forms = Screen->GetFormCount();
  ASSERT_TRUE(client->ManualFloat(TRect(500, 500, 560, 540)));
  EXPECT_EQ(Screen->GetFormCount(), forms + 1);
  client->Free();
  app.pump();
  EXPECT_EQ(Screen->GetFormCount(), forms);

  site->SetUseDockManager(true);
  auto* docked = TObject::Create<TPanel>(form);
  ASSERT_TRUE(docked->ManualDock(site));
  site->Free();
  app.pump();
  EXPECT_EQ(form->FindComponent("Site"), nullptr);
}

}  // namespace
