// The scrolling column of items that a list box and a combo box's list
// share, living in one window: where each item lies for the top index, which
// item is selected and focused, the vertical scroll bar in the window's
// non-client area (shown only while the items do not fit), scrolling by the
// bar, by WM_VSCROLL and by the wheel, selection by the mouse and by the
// navigation keys, and the painting of the visible items through its
// client. The selection changed by the user is reported to the client; set
// from code, it is not.
#pragma once

#include <functional>

#include "colors.h"
#include "scrollbar_painter.h"
#include "sets.h"
#include "window.h"

// Bit order of the class library: the item state of owner drawing.
enum TOwnerDrawStateMember {
  odSelected,
  odGrayed,
  odDisabled,
  odChecked,
  odFocused,
  odDefault,
  odHotLight,
  odInactive,
  odNoAccel,
  odNoFocusRect,
  odReserved1,
  odReserved2,
  odComboBoxEdit
};
using TOwnerDrawState = TSet<TOwnerDrawStateMember>;

// Notification codes of list boxes and combo boxes (the high word of a
// CN_COMMAND's wParam).
constexpr WORD LBN_SELCHANGE = 1;
constexpr WORD LBN_DBLCLK = 2;
constexpr WORD CBN_SELCHANGE = 1;
constexpr WORD CBN_DBLCLK = 2;
constexpr WORD CBN_SETFOCUS = 3;
constexpr WORD CBN_KILLFOCUS = 4;
constexpr WORD CBN_EDITCHANGE = 5;
constexpr WORD CBN_EDITUPDATE = 6;
constexpr WORD CBN_DROPDOWN = 7;
constexpr WORD CBN_CLOSEUP = 8;
constexpr WORD CBN_SELENDOK = 9;
constexpr WORD CBN_SELENDCANCEL = 10;


class TListPaneClient {
 public:
  virtual int PaneCount() const = 0;
  virtual int PaneItemHeight(int Index) const = 0;
  virtual void PaneDrawItem(HDC DC, int Index, const TRect& Rect, TOwnerDrawState State) = 0;
  // The colour below the last item; clNone leaves it unpainted.
  virtual TColor PaneColor() const = 0;
  // The user moved the selection (mouse or keys).
  virtual void PaneSelected() = 0;
  virtual void PaneDoubleClicked() {}

 protected:
  ~TListPaneClient() = default;
};

class TListPane {
 public:
  explicit TListPane(TListPaneClient& Client) : client_(Client) {}

  // The window the pane lives in; nullptr while there is none.
  void Attach(HWND Window);
  HWND Window() const { return hwnd_; }

  int GetItemIndex() const { return itemIndex_; }
  // Clamps to -1 .. count - 1 and scrolls the item into view.
  void SetItemIndex(int Value);
  int GetTopIndex() const { return topIndex_; }
  void SetTopIndex(int Value);
  void SetFocused(bool Value);
  // Whether the focus rectangle is drawn (a combo box's list never has it).
  void SetShowFocus(bool Value) { showFocus_ = Value; }

  // Client coordinates for the current top index.
  TRect ItemRect(int Index) const;
  // The item under P; -1 outside the items, or past the last one with
  // Existing (else the count).
  int ItemAtPos(const TPoint& P, bool Existing) const;
  // The first top index at which the last item shows in full.
  int LastTopIndex() const;
  bool ScrollBarShown() const { return barShown_; }
  TScrollRange ScrollRange() const;

  // After items came or went: keeps the selection on the same item where
  // it can, clamps, updates the scroll bar and repaints.
  void ItemInserted(int Index);
  void ItemDeleted(int Index);
  void ItemsReset();
  void Relayout();
  void ScrollIntoView(int Index);

  // Up, Down, Home, End, PageUp, PageDown move the selection; true when
  // the key is one of them.
  bool MoveByKey(WORD Key);
  // Selects the item under P (client coordinates); true when it changed.
  bool SelectAt(const TPoint& P);

  // Paints the client area: the visible items, then the colour below them
  // (unless it is clNone).
  void Paint(HDC DC);

  // The window's messages that the pane answers: non-client size, paint,
  // hit test and clicks for the scroll bar, WM_VSCROLL, the wheel, mouse
  // selection in the client area, the repeat timer and the end of a
  // capture. Default runs the window's default handling where the pane
  // adds to it. False: not the pane's message.
  bool HandleMessage(UINT Msg, WPARAM WParam, LPARAM LParam, LRESULT& Result, const std::function<LRESULT()>& Default);

 private:
  int Count() const { return client_.PaneCount(); }
  int ClientHeight() const;
  int ContentHeight() const;
  bool NeedsBar(int ClientHeightValue) const;
  // How many rows of a page fit from the top index on (at least one).
  int PageRows() const;
  void UpdateBar();
  TRect BarRect() const;  // window coordinates
  TScrollBarLayout BarLayout() const;
  void PaintBar();
  void Scroll(WORD Code, int ThumbPos);
  void BarPress(const TPoint& WindowPoint);
  void BarTrack(const TPoint& WindowPoint);
  void BarRelease();
  void ChangeSelection(int Index);
  // The item with the caret, which the focus rectangle marks: the selected
  // one, the first when none is selected (-1 without items).
  int CaretIndex() const { return itemIndex_ >= 0 ? itemIndex_ : (Count() > 0 ? 0 : -1); }
  TPoint ClientToWindow(const TPoint& P) const;
  void InvalidateItem(int Index);

  TListPaneClient& client_;
  HWND hwnd_ = nullptr;
  int itemIndex_ = -1;
  int topIndex_ = 0;
  bool focused_ = false;
  bool showFocus_ = true;
  bool barShown_ = false;
  bool selecting_ = false;  // the left button is down over the items
  TScrollPart pressed_ = TScrollPart::None;
  bool pressedInside_ = false;
  int grabOffset_ = 0;  // from the thumb's top to the pointer
  int trackPos_ = 0;
};
