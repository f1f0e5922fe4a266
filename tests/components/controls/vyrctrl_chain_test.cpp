// The background chain: transparent controls copy the piece of a parent
// panel's bitmap that lies behind them, through panels that pass the
// request on; and the parent panel's bitmap itself.
#include <memory>

#include "controls_fixture.h"
#include "vyrregion.h"

using namespace Vyrctrl;

namespace {

// A pixel that tells where in the picture it was taken from.
TColor Where(int X, int Y) { return static_cast<TColor>(RGB(X, Y, 0x80)); }

}  // namespace

class BackgroundChainTest : public ControlsTest {
 protected:
  void SetUp() override {
    form = NewForm();
    list = TObject::Create<Vyrcont::TVyrBitmapList>(form);
    list->SetName("Pictures");
  }

  // A bitmap item of 200 x 200 whose pixel (x, y) is Where(x, y).
  void AddPicture() {
    TBitmap picture;
    picture.SetSize(200, 200);
    for (int y = 0; y < 200; ++y)
      for (int x = 0; x < 200; ++x) picture.GetCanvas()->SetPixels(x, y, Where(x, y));
    // Whole before it joins: the list tells its links of structural
    // changes, not of edits to an item.
    auto* item = TObject::Create<Vyrcont::TVyrBitmapListItem>(nullptr);
    item->SetBitmap(&picture);
    list->Add(item);
  }

  TVyrBackPanel* BackPanel() {
    auto* panel = Place<TVyrBackPanel>(form, 20, 30, 100, 60);
    panel->SetColor(clRed);
    panel->SetImageList(list);
    app.pump();
    return panel;
  }

  // A transparent panel with a 2-pixel window edge.
  TVyrSimplePanel* EdgedPanel(TWinControl* Parent, int Left, int Top) {
    auto* panel = Place<TVyrSimplePanel>(Parent, Left, Top, 60, 40);
    panel->GetBevel()->SetMode(Vyrgraph::TVyrBevelMode::bmWindows);
    panel->SetCtl3D(true);
    panel->SetTransparent(true);
    app.pump();
    return panel;
  }

  TProbeControl* Probe(TWinControl* Parent) {
    auto* probe = Place<TProbeControl>(Parent, 5, 7, 30, 10);
    app.pump();
    return probe;
  }

  // Paints the probe now on a black ground; the corner it then shows, or
  // black when it painted nothing.
  static TColor PaintedCorner(TProbeControl* Probe) {
    Probe->GetCanvas()->GetBrush()->SetColor(clBlack);
    Probe->GetCanvas()->FillRect(TRect(0, 0, 30, 10));
    Probe->Paint();
    return Shown(Probe, 0, 0);
  }

  TForm* form = nullptr;
  Vyrcont::TVyrBitmapList* list = nullptr;
};

TEST_F(BackgroundChainTest, AChildCopiesWhatLiesBehindItThroughEveryPanel) {
  AddPicture();
  TVyrBackPanel* back = BackPanel();
  TProbeControl* direct = Probe(back);
  EXPECT_EQ(direct->BackMapPoint(5, 7), TPoint(25, 37));
  EXPECT_EQ(PaintedCorner(direct), Where(5, 7));
  EXPECT_EQ(Shown(direct, 29, 9), Where(34, 16));

  TVyrSimplePanel* edged = EdgedPanel(back, 10, 10);
  EXPECT_EQ(edged->GetClientWidth(), edged->GetWidth() - 4);
  EXPECT_EQ(PaintedCorner(Probe(edged)), Where(17, 19));

  // The upper panel's edge counts too, not only the lower one's.
  TVyrSimplePanel* inner = EdgedPanel(edged, 3, 4);
  EXPECT_EQ(PaintedCorner(Probe(inner)), Where(22, 25));
}

TEST_F(BackgroundChainTest, WithoutAProviderNothingIsPaintedBehind) {
  auto* plain = Place<TVyrSimplePanel>(form, 10, 10, 100, 60);
  plain->SetTransparent(true);
  app.pump();
  TProbeControl* probe = Probe(plain);
  EXPECT_FALSE(probe->CheckOptimized());
  EXPECT_EQ(PaintedCorner(probe), Rgb(clBlack));
  EXPECT_FALSE(probe->backPainted);
}

TEST_F(BackgroundChainTest, TheParentPanelsBitmapFollowsItsSizeItemAndTransparency) {
  TVyrBackPanel* back = BackPanel();
  // No item yet: no bitmap, the panel shows its colour.
  EXPECT_EQ(back->GetBackImage(), nullptr);
  EXPECT_EQ(Shown(back, 50, 30), Rgb(clRed));

  TProbeControl* probe = Probe(back);
  probe->SetTransparent(true);
  app.pump();
  probe->paints = 0;
  AddPicture();  // a valid item set later
  ASSERT_NE(back->GetBackImage(), nullptr);
  app.pump();
  EXPECT_GT(probe->paints, 0);
  EXPECT_EQ(Shown(probe, 0, 0), Where(5, 7));

  auto size = [&] { return TPoint(back->GetBackImage()->GetWidth(), back->GetBackImage()->GetHeight()); };
  EXPECT_EQ(size(), TPoint(100, 60));
  back->SetBounds(20, 30, 80, 50);
  EXPECT_EQ(size(), TPoint(100, 60));  // still covers the panel: kept
  back->SetBounds(20, 30, 120, 60);
  EXPECT_EQ(size(), TPoint(120, 60));

  back->SetListIndex(3);  // no such item
  EXPECT_EQ(back->GetBackImage(), nullptr);
  back->SetListIndex(0);
  EXPECT_NE(back->GetBackImage(), nullptr);
  back->SetTransparent(true);
  back->GetIMLChange(nullptr);
  EXPECT_EQ(back->GetBackImage(), nullptr);
}

TEST_F(BackgroundChainTest, AGlobalListIsStoredAsItsIdentAFormsListByName) {
  TVyrBackPanel* back = BackPanel();
  back->SetName("Back");
  const std::string onForm = TestSupport::WrittenFormText(form);
  EXPECT_NE(onForm.find("ImageList = Pictures"), std::string::npos) << onForm;
  EXPECT_EQ(onForm.find("Internal"), std::string::npos) << onForm;

  back->SetImageList(Vyrcont::VyrGlobalContainer()->GetImageList());
  const std::string global = TestSupport::WrittenFormText(back);
  EXPECT_NE(global.find("Internal"), std::string::npos) << global;
  EXPECT_EQ(global.find("ImageList"), std::string::npos) << global;
  EXPECT_EQ(TestSupport::WrittenFormText(form).find("ImageList"), std::string::npos);

  TOwnedObject<TVyrBackPanel> again(TObject::Create<TVyrBackPanel>(nullptr));
  TestSupport::ReadFormText(global, again.get());
  EXPECT_EQ(again->GetImageList(), Vyrcont::VyrGlobalContainer()->GetImageList());
}

TEST_F(BackgroundChainTest, AListThatGoesLeavesNoLinkBehind) {
  AddPicture();
  TVyrBackPanel* back = BackPanel();
  ASSERT_NE(back->GetBackImage(), nullptr);
  list->Free();
  list = nullptr;
  EXPECT_EQ(back->GetImageList(), nullptr);
  EXPECT_EQ(back->GetBackImage(), nullptr);
}

TEST_F(BackgroundChainTest, OnAFormTheFormShapeIsTheProvider) {
  EXPECT_EQ(VyrCheckForFormShape(Probe(BackPanel())), -1);  // not on a form
  auto* shape = TObject::Create<Vyrregion::TVyrFormShape>(form);
  shape->GetFillObject()->SetStyle(Vyrgraph::TVyrFillStyle::sfGradient);
  form->Invalidate();
  app.pump();
  TProbeControl* probe = Probe(form);
  probe->SetTransparent(true);
  EXPECT_EQ(VyrCheckForFormShape(probe), shape->GetComponentIndex());
  ASSERT_TRUE(probe->CheckOptimized());
  TBitmap* back = shape->BackBitmap();
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(PaintedCorner(probe), Rgb(back->GetCanvas()->GetPixels(5, 7)));
  EXPECT_EQ(Shown(probe, 29, 9), Rgb(back->GetCanvas()->GetPixels(34, 16)));
}
