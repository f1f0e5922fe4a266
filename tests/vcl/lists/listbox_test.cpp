#include "stdctrls_listbox.h"

#include <string>
#include <vector>

#include "keyboard.h"
#include "stdctrls_fixture.h"

namespace {

constexpr WORD kLineDown = 1, kPageDown = 3, kThumbTrack = 5, kEndScroll = 8;

class ListBoxTest : public StdCtrlsTest {
 public:
  TListBox* MakeList(int items, int height = 97) {
    form = ShownForm(300, 300);
    list = TObject::Create<TListBox>(form);
    list->SetParent(form);
    list->SetBounds(10, 10, 120, height);
    for (int i = 0; i < items; ++i) list->GetItems()->Add(("Eintrag " + std::to_string(i)).c_str());
    list->OnClick = TNotifyEvent(this, &ListBoxTest::Clicked);
    app.pump();
    return list;
  }
  void Clicked(TObject*) { clicks.push_back(list->GetItemIndex()); }

  TForm* form = nullptr;
  TListBox* list = nullptr;
  std::vector<int> clicks;
};

TEST_F(ListBoxTest, AClickChoosesTheItemUnderThePointerAndFiresOnClickOnce) {
  MakeList(5);
  EXPECT_EQ(list->GetItemIndex(), -1);
  app.click(list, 20, 13 * 2 + 5);
  app.pump();
  EXPECT_EQ(list->GetItemIndex(), 2);
  EXPECT_EQ(clicks, std::vector<int>{2});
  EXPECT_TRUE(list->Focused());
  // The chosen row is highlighted.
  EXPECT_EQ(Pixel(list, 100, 13 * 2 + 6), Rgb(clHighlight));
  EXPECT_EQ(Pixel(list, 100, 13 * 1 + 6), Rgb(clWindow));
  // Below the last item nothing is chosen.
  app.click(list, 20, 13 * 6);
  app.pump();
  EXPECT_EQ(list->GetItemIndex(), 2);
  EXPECT_EQ(clicks.size(), 1u);
}

TEST_F(ListBoxTest, NavigationKeysMoveTheChoiceKeepItVisibleAndFireOnClick) {
  MakeList(30);  // 7 rows fit in 93 pixels
  list->SetFocus();
  app.pump();
  struct Step {
    int key;
    int index;
  };
  const Step steps[] = {{VK_DOWN, 0}, {VK_DOWN, 1}, {VK_END, 29}, {VK_HOME, 0}, {VK_NEXT, 6},
                        {VK_NEXT, 12}, {VK_PRIOR, 6}, {VK_UP, 5}, {VK_HOME, 0}, {VK_UP, 0}};
  std::vector<int> expectedClicks;
  int previous = -1;
  for (const Step& s : steps) {
    app.key(s.key);
    app.pump();
    EXPECT_EQ(list->GetItemIndex(), s.index) << "key " << s.key;
    const int top = list->GetTopIndex();
    EXPECT_LE(top, s.index);
    EXPECT_LE(list->ItemRect(s.index).bottom, list->GetClientHeight());
    if (s.index != previous) expectedClicks.push_back(s.index);
    previous = s.index;
  }
  EXPECT_EQ(clicks, expectedClicks);
}

TEST_F(ListBoxTest, ItemIndexFromCodeClampsAndScrollsWithoutOnClick) {
  MakeList(30);
  list->SetItemIndex(99);
  EXPECT_EQ(list->GetItemIndex(), 29);
  EXPECT_EQ(list->GetTopIndex(), list->GetCount() - 93 / 13);
  list->SetItemIndex(-5);
  EXPECT_EQ(list->GetItemIndex(), -1);
  EXPECT_TRUE(clicks.empty());
  // Deleting items before the choice keeps it on its item.
  list->SetItemIndex(10);
  list->GetItems()->Delete(3);
  EXPECT_EQ(list->GetItemIndex(), 9);
  EXPECT_EQ(list->GetItems()->GetStrings(9), "Eintrag 10");
  list->GetItems()->Clear();
  EXPECT_EQ(list->GetItemIndex(), -1);
}

TEST_F(ListBoxTest, TheScrollBarAppearsWhenTheItemsDoNotFitAndScrollsByBarMessagesAndWheel) {
  MakeList(5);
  EXPECT_FALSE(list->ScrollBarShown());
  EXPECT_EQ(list->GetClientWidth(), 120 - 4);
  for (int i = 5; i < 30; ++i) list->GetItems()->Add("mehr");
  app.pump();
  EXPECT_TRUE(list->ScrollBarShown());
  EXPECT_EQ(list->GetClientWidth(), 120 - 4 - 16);
  // The bar is drawn in the frame: an arrow button's face at the top right.
  const TPoint barTop = list->ClientToScreen(TPoint(list->GetClientWidth() + 3, 3));
  HDC screen = GetDC(nullptr);
  EXPECT_EQ(GetPixel(screen, barTop.x, barTop.y), Rgb(clBtnFace));
  ReleaseDC(nullptr, screen);

  SendMessage(list->GetHandle(), WM_VSCROLL, kLineDown, 0);
  EXPECT_EQ(list->GetTopIndex(), 1);
  SendMessage(list->GetHandle(), WM_VSCROLL, kPageDown, 0);
  EXPECT_EQ(list->GetTopIndex(), 1 + 6);
  SendMessage(list->GetHandle(), WM_VSCROLL, MAKEWPARAM(kThumbTrack, 20), 0);
  SendMessage(list->GetHandle(), WM_VSCROLL, kEndScroll, 0);
  EXPECT_EQ(list->GetTopIndex(), 20);
  SendMessage(list->GetHandle(), WM_VSCROLL, MAKEWPARAM(kThumbTrack, 500), 0);
  EXPECT_EQ(list->GetTopIndex(), 30 - 7);
  // The wheel: three rows a notch.
  list->SetFocus();
  app.pump();
  SendMessage(list->GetHandle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(WHEEL_DELTA)), 0);
  EXPECT_EQ(list->GetTopIndex(), 30 - 7 - 3);
  EXPECT_TRUE(clicks.empty());
}

TEST_F(ListBoxTest, ClicksOnTheBarsArrowsScrollByARow) {
  MakeList(30);
  const int barX = list->GetClientWidth() + 8;
  const TPoint down = list->ClientToScreen(TPoint(barX, list->GetClientHeight() - 5));
  app.host().PostClick(down.x, down.y, 1);
  app.pump();
  EXPECT_EQ(list->GetTopIndex(), 1);
  const TPoint up = list->ClientToScreen(TPoint(barX, 5));
  app.host().PostClick(up.x, up.y, 1);
  app.pump();
  EXPECT_EQ(list->GetTopIndex(), 0);
  EXPECT_EQ(list->GetItemIndex(), -1);
}

// The focus rectangle marks the caret's row: the first while nothing is
// selected, the selected one after, and none once the focus went.
TEST_F(ListBoxTest, TheFocusRectangleMarksTheCaretRowAlsoWithoutASelection) {
  MakeList(3);
  auto* other = TObject::Create<TLoggingControl>(form, nullptr);
  other->SetParent(form);
  other->SetBounds(150, 10, 50, 20);
  // The dotted rectangle's left edge, down a row's 13 pixels, over the row's
  // own colour.
  auto marked = [&](int row, TColor background = clWindow) {
    return CountOtherThan(list, TRect(0, 13 * row, 1, 13 * row + 13), background) > 0;
  };
  app.pump();
  EXPECT_FALSE(marked(0));
  list->SetFocus();
  app.pump();
  ASSERT_EQ(list->GetItemIndex(), -1);
  EXPECT_TRUE(marked(0));
  EXPECT_FALSE(marked(1));
  EXPECT_EQ(CountPixels(list, TRect(0, 0, 116, 39), clHighlight), 0);  // nothing looks chosen
  list->SetItemIndex(2);
  app.pump();
  EXPECT_FALSE(marked(0));
  EXPECT_TRUE(marked(2, clHighlight));
  list->SetItemIndex(-1);
  app.pump();
  EXPECT_TRUE(marked(0));
  EXPECT_FALSE(marked(2));
  other->SetFocus();
  app.pump();
  EXPECT_FALSE(marked(0));
}

struct DrawCall {
  int index;
  TRect rect;
  bool selected, focused;
};

class OwnerDrawnList : public ListBoxTest {
 public:
  void Draw(TWinControl*, int Index, const TRect& Rect, TOwnerDrawState State) {
    draws.push_back({Index, Rect, State.Contains(odSelected), State.Contains(odFocused)});
    list->GetCanvas()->FillRect(Rect);
  }
  void Measure(TWinControl*, int Index, int& Height) { Height = 10 + Index * 5; }
  std::vector<DrawCall> draws;
};

TEST_F(OwnerDrawnList, VariableItemsAreMeasuredAndDrawnInTheirRectanglesWithTheirState) {
  MakeList(0);
  list->SetStyle(lbOwnerDrawVariable);
  list->OnMeasureItem = TMeasureItemEvent(this, &OwnerDrawnList::Measure);
  list->OnDrawItem = TDrawItemEvent(this, &OwnerDrawnList::Draw);
  for (int i = 0; i < 4; ++i) list->GetItems()->Add("x");
  list->SetFocus();
  list->SetItemIndex(1);
  draws.clear();
  list->Invalidate();
  app.pump();
  // Heights 10, 15, 20, 25 stacked from the top, full width.
  const std::vector<DrawCall> want = {{0, TRect(0, 0, 116, 10), false, false},
                                      {1, TRect(0, 10, 116, 25), true, true},
                                      {2, TRect(0, 25, 116, 45), false, false},
                                      {3, TRect(0, 45, 116, 70), false, false}};
  ASSERT_EQ(draws.size(), want.size());
  for (std::size_t i = 0; i < want.size(); ++i) {
    EXPECT_EQ(draws[i].index, want[i].index);
    EXPECT_EQ(draws[i].rect, want[i].rect) << i;
    EXPECT_EQ(draws[i].selected, want[i].selected) << i;
    EXPECT_EQ(draws[i].focused, want[i].focused) << i;
  }
  EXPECT_EQ(list->ItemAtPos(TPoint(5, 30), true), 2);
  EXPECT_EQ(list->ItemAtPos(TPoint(5, 80), true), -1);
  EXPECT_EQ(list->ItemAtPos(TPoint(5, 80), false), 4);
}

TEST_F(OwnerDrawnList, PaintingIntoASuppliedDeviceContextDrawsTheItemsThere) {
  MakeList(3);
  list->SetStyle(lbOwnerDrawFixed);
  list->OnDrawItem = TDrawItemEvent(this, &OwnerDrawnList::Draw);
  app.pump();
  draws.clear();
  HDC dc = GetDC(list->GetHandle());
  SendMessage(list->GetHandle(), WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  ReleaseDC(list->GetHandle(), dc);
  ASSERT_EQ(draws.size(), 3u);
  EXPECT_EQ(draws[2].rect, TRect(0, 26, 116, 39));
}

}  // namespace
