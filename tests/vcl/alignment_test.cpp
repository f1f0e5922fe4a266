#include "vcl_fixture.h"
#include "window_pos.h"

namespace {

class AlignmentTest : public VclTest {
 protected:
  void SetUp() override { form = ShownForm(300, 200); }

  TSwatch* Add(TAlign align, TRect bounds) {
    auto* c = TObject::Create<TSwatch>(form);
    c->SetBoundsRect(bounds);
    c->SetParent(form);
    c->SetAlign(align);
    return c;
  }

  TForm* form = nullptr;
};

}  // namespace

TEST_F(AlignmentTest, EdgesTakeTheirStripsAndClientFillsTheRest) {
  TSwatch* top = Add(alTop, TRect(0, 0, 10, 30));
  TSwatch* bottom = Add(alBottom, TRect(0, 0, 10, 20));
  TSwatch* left = Add(alLeft, TRect(0, 0, 40, 10));
  TSwatch* right = Add(alRight, TRect(0, 0, 50, 10));
  TSwatch* client = Add(alClient, TRect(0, 0, 1, 1));
  EXPECT_EQ(top->GetBoundsRect(), TRect(0, 0, 300, 30));
  EXPECT_EQ(bottom->GetBoundsRect(), TRect(0, 180, 300, 200));
  EXPECT_EQ(left->GetBoundsRect(), TRect(0, 30, 40, 180));
  EXPECT_EQ(right->GetBoundsRect(), TRect(250, 30, 300, 180));
  EXPECT_EQ(client->GetBoundsRect(), TRect(40, 30, 250, 180));

  // A resized parent lays its children out again.
  form->SetClientWidth(400);
  form->SetClientHeight(300);
  EXPECT_EQ(bottom->GetBoundsRect(), TRect(0, 280, 400, 300));
  EXPECT_EQ(right->GetBoundsRect(), TRect(350, 30, 400, 280));
  EXPECT_EQ(client->GetBoundsRect(), TRect(40, 30, 350, 280));
}

TEST_F(AlignmentTest, ControlsOfOneAlignmentStackInTheirVisualOrder) {
  form->DisableAlign();
  TSwatch* second = Add(alTop, TRect(0, 50, 10, 70));
  TSwatch* first = Add(alTop, TRect(0, 0, 10, 10));
  form->EnableAlign();
  EXPECT_EQ(first->GetBoundsRect(), TRect(0, 0, 300, 10));
  EXPECT_EQ(second->GetBoundsRect(), TRect(0, 10, 300, 30));
}

TEST_F(AlignmentTest, HiddenControlsGiveUpTheirStripAndDisabledAlignWaits) {
  TSwatch* top = Add(alTop, TRect(0, 0, 10, 30));
  TSwatch* client = Add(alClient, TRect(0, 0, 1, 1));
  top->Hide();
  EXPECT_EQ(client->GetBoundsRect(), TRect(0, 0, 300, 200));

  form->DisableAlign();
  top->Show();
  EXPECT_EQ(client->GetBoundsRect(), TRect(0, 0, 300, 200));
  form->EnableAlign();
  EXPECT_EQ(client->GetBoundsRect(), TRect(0, 30, 300, 200));
}

TEST_F(AlignmentTest, StripsNeverGrowPastTheSpaceLeft) {
  Add(alTop, TRect(0, 0, 10, 150));
  TSwatch* bottom = Add(alBottom, TRect(0, 0, 10, 150));
  TSwatch* client = Add(alClient, TRect(0, 0, 1, 1));
  EXPECT_EQ(bottom->GetBoundsRect(), TRect(0, 150, 300, 200));
  EXPECT_EQ(client->GetHeight(), 0);
}

TEST_F(AlignmentTest, WindowedChildrenMoveTheirWindows) {
  auto* panel = TObject::Create<TLoggingControl>(form, nullptr);
  panel->SetParent(form);
  panel->SetAlign(alBottom);
  ASSERT_TRUE(panel->HandleAllocated());
  RECT r;
  GetWindowRect(panel->GetHandle(), &r);
  const TPoint origin = form->ClientToScreen(TPoint(0, 0));
  EXPECT_EQ(r.left - origin.x, 0);
  EXPECT_EQ(r.top - origin.y, 180);
  EXPECT_EQ(r.right - r.left, 300);
}
