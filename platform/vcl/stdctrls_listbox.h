// TCustomListBox and TListBox: a column of items in a sunken frame, one of
// them selected (ItemIndex, -1 for none), with a vertical scroll bar when
// they do not fit. A selection that the user changes, by the mouse or by
// the keys, arrives as LBN_SELCHANGE through CN_COMMAND and fires OnClick;
// a double click fires OnDblClick. Owner drawing (lbOwnerDrawFixed,
// lbOwnerDrawVariable) paints each item through DrawItem / OnDrawItem on
// the control's Canvas, with the item's heights from MeasureItem /
// OnMeasureItem in the variable style, asked again whenever the window is
// made. Every style uses ItemHeight for its rows unless measured.
#pragma once

#include <memory>
#include <vector>

#include "controlcanvas.h"
#include "stdctrls_listbox_items.h"
#include "stdctrls_listbox_pane.h"
#include "stdctrls_types.h"
#include "wincontrol.h"

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };

using TDrawItemEvent = TClosure<void(TWinControl* Control, int Index, const TRect& Rect, TOwnerDrawState State)>;
using TMeasureItemEvent = TClosure<void(TWinControl* Control, int Index, int& Height)>;

// The plain look of an item: the rectangle filled with the canvas's brush,
// the text two pixels in, grey when disabled.
void DrawItemText(TCanvas* Canvas, const AnsiString& Text, const TRect& Rect, bool Enabled);

class TCustomListBox : public TWinControl, private TListItemsOwner, private TListPaneClient {
  MORVANT_PUBLISHED(TCustomListBox, TWinControl)
 public:
  explicit TCustomListBox(TComponent* AOwner);
  ~TCustomListBox() override;

  TStrings* GetItems() const { return items_; }
  void SetItems(TStrings* Value) { items_->Assign(Value); }
  int GetCount() const { return items_->GetCount(); }
  void Clear() { items_->Clear(); }
  int GetItemIndex() const { return pane_.GetItemIndex(); }
  // Clamped to -1 .. Count - 1; the item is scrolled into view. Fires no
  // OnClick: only the user's choices do.
  void SetItemIndex(int Value) { pane_.SetItemIndex(Value); }
  int GetItemHeight() const { return itemHeight_; }
  void SetItemHeight(int Value);
  bool GetSorted() const { return items_->GetSorted(); }
  void SetSorted(bool Value);
  TListBoxStyle GetStyle() const { return style_; }
  void SetStyle(TListBoxStyle Value);
  int GetTopIndex() const { return pane_.GetTopIndex(); }
  void SetTopIndex(int Value) { pane_.SetTopIndex(Value); }
  TBorderStyle GetBorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle Value);
  TCanvas* GetCanvas() const { return canvas_.get(); }

  // The item under Pos (client coordinates); -1 where there is none, or
  // with Existing false the count below the last item.
  int ItemAtPos(const TPoint& Pos, bool Existing) const { return pane_.ItemAtPos(Pos, Existing); }
  TRect ItemRect(int Index) const { return pane_.ItemRect(Index); }
  bool ScrollBarShown() const { return pane_.ScrollBarShown(); }

  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void PaintWindow(HDC DC) override;
  void Dispatch(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;
  void WMEraseBkgnd(TMessage& Message) override;
  void CMFontChanged(TMessage& Message) override;
  void CMColorChanged(TMessage& Message) override;

  // Paints one item on the Canvas, whose brush and font are set for the
  // state already; the default fills the rectangle and writes the string.
  virtual void DrawItem(int Index, TRect Rect, TOwnerDrawState State);
  virtual void MeasureItem(int Index, int& Height);
  // CN_DRAWITEM: one item (LParam a DRAWITEMSTRUCT, ODT_LISTBOX): the canvas
  // on its DC with the brush and font of its state, then DrawItem (the plain
  // text for lbStandard), then the dotted focus rectangle (XOR) when focused.
  virtual void CNDrawItem(TMessage& Message);
  // LBN_SELCHANGE fires Click, LBN_DBLCLK DblClick.
  virtual void CNCommand(TMessage& Message);

 private:
  // The items' side.
  void ItemInserted(int Index) override;
  void ItemDeleted(int Index) override;
  void ItemsCleared() override;
  void ItemsRedrawn() override;
  void MeasureAll();
  // The pane's side.
  int PaneCount() const override { return items_->GetCount(); }
  int PaneItemHeight(int Index) const override;
  void PaneDrawItem(HDC DC, int Index, const TRect& Rect, TOwnerDrawState State) override;
  // Without csOpaque a derived box shows what lies behind below its items.
  TColor PaneColor() const override { return controlStyle_.Contains(csOpaque) ? GetColor() : clNone; }
  void PaneSelected() override;
  void PaneDoubleClicked() override;
  void Notify(WORD Code);

  TListItems* items_;
  std::unique_ptr<TControlCanvas> canvas_;
  TListPane pane_;
  std::vector<int> heights_;  // lbOwnerDrawVariable only
  int itemHeight_ = 13;
  TListBoxStyle style_ = lbStandard;
  TBorderStyle borderStyle_ = bsSingle;
};

class TListBox : public TCustomListBox {
  MORVANT_COMPONENT(TListBox, TCustomListBox)
 public:
  explicit TListBox(TComponent* AOwner) : TCustomListBox(AOwner) {}
};
inline void TListBox::Publish(TPublisher<TListBox>&) {}
