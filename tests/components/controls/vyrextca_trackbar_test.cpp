// The track bar as a control: its rules, its paint, paging by timer and
// its form text.
#include <string>
#include <utility>
#include <vector>

#include "controls_fixture.h"
#include "exceptions.h"
#include "keyboard.h"
#include "unitstartup.h"
#include "vyrextca.h"

using namespace Vyrextca;

namespace {

class TrackBarTest : public ControlsTest {
 protected:
  // The unit's row on top of the controls' rows, so form text finds it.
  TUnitStartup units{{Vyrextca::Unit}};
  TForm* form = nullptr;
  TVyrTrackBar* bar = nullptr;
  int changes = 0;

  void SetUp() override {
    form = NewForm(clWhite);
    bar = Place<TVyrTrackBar>(form, 10, 10, 220, 35);
    bar->OnChange = TNotifyEvent([this](TObject*) { ++changes; });
    app.pump();
  }
};

TEST_F(TrackBarTest, ThePaintedBarMatchesItsGeometry) {
  bar->SetPosition(5);
  app.pump();
  EXPECT_EQ(bar->GetTrackRect(), TRect(6, 7, 214, 17));
  EXPECT_EQ(bar->GetThumbRect(), Bounds(104, 3, 11, 19));
  // The ticks below the track: black at each tick column, not beside it.
  for (int x : {6, 26, 47, 68, 88, 130, 150, 171, 192, 213}) EXPECT_EQ(Shown(bar, x, 30), clBlack) << x;
  EXPECT_NE(Shown(bar, 7, 30), clBlack);
  EXPECT_EQ(Shown(bar, 60, 12), clWhite) << "the track's face";
}

TEST_F(TrackBarTest, TheSettingsDialogsBar) {
  bar->SetBounds(10, 10, 313, 33);
  bar->SetMaxValue(5);
  bar->SetTickLength(8);
  bar->SetPosition(3);
  app.pump();
  EXPECT_EQ(bar->GetThumbRect(), Bounds(181, 3, 11, 19));
  for (int x : {6, 66, 126, 246, 306}) {
    EXPECT_EQ(Shown(bar, x, 24), clBlack) << x;
    EXPECT_EQ(Shown(bar, x, 31), clBlack) << x;
  }
  EXPECT_NE(Shown(bar, 66, 23), clBlack) << "eight pixels long";
}

TEST_F(TrackBarTest, SettersClampAndRefuse) {
  bar->SetPosition(5);
  changes = 0;
  bar->SetPosition(-5);
  EXPECT_EQ(bar->GetPosition(), 0);
  EXPECT_EQ(changes, 1);
  bar->SetPosition(0);
  EXPECT_EQ(changes, 1) << "no change, no event";
  bar->SetPosition(5);
  bar->SetMaxValue(3);
  EXPECT_EQ(bar->GetPosition(), 3);
  EXPECT_EQ(changes, 3);
  struct Refused {
    const char* what;
    void (TVyrCustomTrackBar::*set)(int);
    int (TVyrCustomTrackBar::*get)() const;
    int value;
  } refused[] = {{"MinValue at MaxValue", &TVyrCustomTrackBar::SetMinValue, &TVyrCustomTrackBar::GetMinValue, 3},
                 {"TrackWidth 2", &TVyrCustomTrackBar::SetTrackWidth, &TVyrCustomTrackBar::GetTrackWidth, 2},
                 {"Margin 0", &TVyrCustomTrackBar::SetMargin, &TVyrCustomTrackBar::GetMargin, 0},
                 {"TickGap -2", &TVyrCustomTrackBar::SetTickGap, &TVyrCustomTrackBar::GetTickGap, -2}};
  for (const Refused& r : refused) {
    const int before = (bar->*r.get)();
    (bar->*r.set)(r.value);
    EXPECT_EQ((bar->*r.get)(), before) << r.what;
  }
}

TEST_F(TrackBarTest, KeysAndDragging) {
  bar->SetFocus();
  bar->SetPosition(9);
  app.key(VK_PRIOR);
  app.pump();
  EXPECT_EQ(bar->GetPosition(), 10);
  app.key(VK_LEFT);
  app.pump();
  EXPECT_EQ(bar->GetPosition(), 9);
  // Press on the thumb, then move along the bar.
  const TRect thumb = bar->GetThumbRect();
  const TPoint grip = bar->ClientToScreen(TPoint(thumb.left + 5, thumb.top + 5));
  app.host().PostMouseDown(grip.x, grip.y);
  app.pump();
  EXPECT_TRUE(bar->GetDragging());
  struct Step {
    int x, position;
  } steps[] = {{109, 5}, {6, 0}, {213, 10}};
  for (const Step& s : steps) {
    const TPoint p = bar->ClientToScreen(TPoint(s.x, 10));
    app.host().PostMouseMove(p.x, p.y);
    app.pump();
    EXPECT_EQ(bar->GetPosition(), s.position) << s.x;
  }
  app.host().PostMouseUp(grip.x, grip.y);
  app.pump();
  EXPECT_FALSE(bar->GetDragging());
}

TEST_F(TrackBarTest, HoldingThePointerOnTheTrackPagesUntilTheThumbPassesIt) {
  bar->SetPageSize(2);
  const TPoint p = bar->ClientToScreen(TPoint(170, 12));  // the value 8's place
  app.host().PostMouseDown(p.x, p.y);
  app.pump();
  EXPECT_EQ(bar->GetPosition(), 2) << "one page at once";
  std::vector<int> seen;
  for (int i = 0; i < 6; ++i) {
    app.advance(300);
    seen.push_back(bar->GetPosition());
  }
  EXPECT_EQ(seen, (std::vector<int>{4, 6, 8, 8, 8, 8})) << "stops once the thumb reached the pointer";
  app.host().PostMouseUp(p.x, p.y);
  app.pump();
  // Released early: no further page.
  bar->SetPosition(0);
  app.host().PostMouseDown(p.x, p.y);
  app.pump();
  app.host().PostMouseUp(p.x, p.y);
  app.pump();
  app.advance(900);
  EXPECT_EQ(bar->GetPosition(), 2);
}

TEST_F(TrackBarTest, TheWholeIntegerRangePaintsWithTheThumbAtTheEnds) {
  bar->SetMinValue(INT32_MIN);
  bar->SetMaxValue(INT32_MAX);
  bar->SetPosition(INT32_MIN);
  app.pump();
  EXPECT_EQ(bar->GetThumbRect().left, 1);
  bar->SetPosition(INT32_MAX);
  app.pump();
  EXPECT_EQ(bar->GetThumbRect().left, 1 + 207);
}

TEST_F(TrackBarTest, WithoutATimerTheBarIsNotMade) {
  // Take every slot the pool has.
  std::vector<Word> taken;
  for (Word id; (id = Vyrclass::VyrApplication->AddTimer(1000, TNotifyEvent())) != 0;) taken.push_back(id);
  const int owned = form->GetComponentCount();
  try {
    TObject::Create<TVyrTrackBar>(form);
    ADD_FAILURE() << "no exception";
  } catch (const EOutOfResources& e) {
    EXPECT_EQ(std::string(e.Message.c_str()), "Nicht genügend Timer verfügbar");
  }
  EXPECT_EQ(form->GetComponentCount(), owned) << "the owner holds nothing of it";
  for (Word id : taken) Vyrclass::VyrApplication->RemoveTimer(id);
}

// A bar on a form with a list names the list and reads back linked to the
// copy's own list.
TEST_F(TrackBarTest, AnImageListOfTheFormRoundTripsLinked) {
  form->SetName("Settings");
  auto* list = TObject::Create<Vyrcont::TVyrBitmapList>(form);
  list->SetName("Thumbs");
  bar->SetName("Speed");
  bar->SetImageList(list);
  bar->SetListIndex(1);
  const std::string text = TestSupport::WrittenFormText(form);
  EXPECT_NE(text.find("ImageList = Thumbs"), std::string::npos) << text;
  TOwnedObject<TForm> again(TObject::Create<TForm>(nullptr));
  TestSupport::ReadFormText(text, again.get());
  auto* copy = static_cast<TVyrTrackBar*>(again->FindComponent("Speed"));
  ASSERT_NE(copy, nullptr);
  ASSERT_NE(again->FindComponent("Thumbs"), nullptr);
  EXPECT_EQ(static_cast<TComponent*>(copy->GetImageList()), again->FindComponent("Thumbs"));
  EXPECT_EQ(copy->GetListIndex(), 1);
}

TEST_F(TrackBarTest, FormTextKeepsTheValuesAndOnlyACustomThumb) {
  bar->SetMaxValue(5);
  bar->SetTickLength(8);
  bar->SetPosition(3);
  bar->SetTickMarks(TVyrTickMarks::tmBoth);
  bar->SetTrackTransparent(true);
  std::string text = TestSupport::WrittenFormText(bar);
  EXPECT_EQ(text.find("Thumb."), std::string::npos) << "a drawn thumb is not written";
  auto* copy = static_cast<TVyrTrackBar*>(TestSupport::ReadFormText(text, nullptr));
  EXPECT_EQ(copy->GetMaxValue(), 5);
  EXPECT_EQ(copy->GetTickLength(), 8);
  EXPECT_EQ(copy->GetPosition(), 3);
  EXPECT_EQ(copy->GetTickMarks(), TVyrTickMarks::tmBoth);
  EXPECT_TRUE(copy->GetTrackTransparent());
  copy->Free();

  // Ranges on either side of the default one read back whole.
  for (const auto& range : {std::pair{-10, -5}, std::pair{20, 30}}) {
    bar->SetMinValue(-100);
    bar->SetMaxValue(range.second);
    bar->SetMinValue(range.first);
    copy = static_cast<TVyrTrackBar*>(TestSupport::ReadFormText(TestSupport::WrittenFormText(bar), nullptr));
    EXPECT_EQ(copy->GetMinValue(), range.first);
    EXPECT_EQ(copy->GetMaxValue(), range.second);
    EXPECT_EQ(copy->GetPosition(), bar->GetPosition());
    copy->Free();
  }

  // A custom thumb of two images, 11 wide each and 19 high.
  TBitmap custom;
  custom.SetSize(22, 19);
  for (int y = 0; y < 19; ++y)
    for (int x = 0; x < 22; ++x) custom.GetCanvas()->SetPixels(x, y, static_cast<TColor>(RGB(x * 10, y * 10, 50)));
  bar->SetThumb(&custom);
  EXPECT_EQ(bar->GetThumbStyle(), TVyrThumbStyle::tsCustom);
  text = TestSupport::WrittenFormText(bar);
  EXPECT_NE(text.find("Thumb.Data"), std::string::npos);
  copy = static_cast<TVyrTrackBar*>(TestSupport::ReadFormText(text, nullptr));
  ASSERT_NE(copy->GetThumb(), nullptr);
  ASSERT_EQ(copy->GetThumb()->GetWidth(), 22);
  for (int y = 0; y < 19; ++y)
    for (int x = 0; x < 22; ++x)
      ASSERT_EQ(copy->GetThumb()->GetCanvas()->GetPixels(x, y), custom.GetCanvas()->GetPixels(x, y)) << x << "," << y;
  copy->Free();
}

}  // namespace
