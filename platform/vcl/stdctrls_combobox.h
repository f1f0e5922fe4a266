// TCustomComboBox and TComboBox: a field with a list. csDropDown has an
// edit part and a drop-down list, csDropDownList and the owner-draw styles
// show the chosen item in the field, csSimple keeps its list open below the
// edit part. The drop-down list is a popup window that opens by a click on
// the field or its button, by Alt+Down or F4; a click or Enter on an item
// chooses it, Escape or a click outside closes it and keeps the old choice.
// Up and Down change the choice while it is closed. The control's own part
// tells of what happened as CN_COMMAND with CBN_DROPDOWN, CBN_CLOSEUP,
// CBN_SELCHANGE (a new choice: Click and Change) and CBN_EDITCHANGE (typing:
// Change). The edit and list windows reach ComboWndProc first, as in the
// class library, so that derived boxes can watch them.
#pragma once

#include <memory>
#include <vector>

#include "controlcanvas.h"
#include "stdctrls_edittext.h"
#include "stdctrls_listbox.h"

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

class TCustomComboBox : public TWinControl, private TListItemsOwner, private TListPaneClient {
  MORVANT_PUBLISHED(TCustomComboBox, TWinControl)
 public:
  explicit TCustomComboBox(TComponent* AOwner);
  ~TCustomComboBox() override;

  TStrings* GetItems() const { return items_; }
  void SetItems(TStrings* Value) { items_->Assign(Value); }
  int GetItemIndex() const { return itemIndex_; }
  // Clamped to -1 .. Count - 1; the text follows. Fires no event.
  void SetItemIndex(int Value);
  int GetItemHeight() const { return itemHeight_; }
  void SetItemHeight(int Value);
  bool GetSorted() const { return items_->GetSorted(); }
  void SetSorted(bool Value);
  TComboBoxStyle GetStyle() const { return style_; }
  // A new style makes a new window; items, choice and text stay.
  void SetStyle(TComboBoxStyle Value);
  int GetDropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(int Value) { dropDownCount_ = Value < 1 ? 1 : Value; }
  // The drop-down list's width; 0 (or less than the box's) takes the box's.
  int GetDropWidth() const { return dropWidth_; }
  void SetDropWidth(int Value) { dropWidth_ = Value < 0 ? 0 : Value; }
  bool GetDroppedDown() const { return list_ && dropped_; }
  void SetDroppedDown(bool Value);
  // The edit part's selection, in bytes of the UTF-8 text.
  int GetSelStart() const { return static_cast<int>(field_.SelStart()); }
  void SetSelStart(int Value);
  int GetSelLength() const { return static_cast<int>(field_.SelLength()); }
  void SetSelLength(int Value);
  AnsiString GetSelText() const;
  AnsiString GetText() const override { return text_; }
  void SetText(const AnsiString& Value) override;
  TCanvas* GetCanvas() const { return canvas_.get(); }
  HWND GetEditHandle() const { return edit_; }
  HWND GetListHandle() const { return list_; }
  // Every style but csSimple keeps the height of one field.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  TNotifyEvent OnChange;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;
  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void PaintWindow(HDC DC) override;
  // The edit part counts as the box: moving between them is no leaving.
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;
  void WMKeyDown(TMessage& Message) override;
  void WMEraseBkgnd(TMessage& Message) override;
  void DoExit() override;

  virtual void Change();
  virtual void DropDown();
  virtual void CloseUp();
  virtual void DrawItem(int Index, TRect Rect, TOwnerDrawState State);
  virtual void MeasureItem(int Index, int& Height);
  virtual void CNCommand(TMessage& Message);
  // CN_DRAWITEM: one item of the list, or the field (ODS_COMBOBOXEDIT,
  // itemID (UINT)-1 without a choice), LParam a DRAWITEMSTRUCT of
  // ODT_COMBOBOX: the canvas on its DC with the brush and font of its state,
  // DrawItem (the plain text for the styles that are not owner-drawn), then
  // the dotted focus rectangle (XOR) when focused.
  virtual void CNDrawItem(TMessage& Message);
  // The edit and list windows' messages pass here before their own
  // handling (ComboProc) runs.
  virtual void ComboWndProc(TMessage& Message, HWND ComboWnd, WNDPROC ComboProc);

  bool HasEdit() const { return style_ == csDropDown || style_ == csSimple; }
  bool HasDropDown() const { return style_ != csSimple; }

 private:
  friend struct ComboNative;
  // ---- items ----
  void ItemInserted(int Index) override;
  void ItemDeleted(int Index) override;
  void ItemsCleared() override;
  void ItemsRedrawn() override;
  void MeasureAll();
  // ---- the list ----
  int PaneCount() const override { return items_->GetCount(); }
  int PaneItemHeight(int Index) const override;
  void PaneDrawItem(HDC DC, int Index, const TRect& Rect, TOwnerDrawState State) override;
  TColor PaneColor() const override { return GetColor(); }
  void PaneSelected() override;
  void OpenList();
  // Ok: the highlighted item becomes the choice.
  void CloseList(bool Ok);
  // The user's choice: text, notifications.
  void Choose(int Index);
  // ---- the pieces ----
  void Notify(WORD Code);
  void EditWndProc(TMessage& Message);
  // The pointer over the edit part is over the box (CM_MOUSEENTER and
  // CM_MOUSELEAVE of the box only).
  void EditMouse(const TMessage& Message);
  void ListWndProc(TMessage& Message);
  LRESULT EditNative(UINT Msg, WPARAM WParam, LPARAM LParam);
  LRESULT ListNative(UINT Msg, WPARAM WParam, LPARAM LParam);
  // Keys of the box itself (either window); true when taken.
  bool ComboKey(WORD Key, bool Alt);
  void ComboChar(unsigned Code);
  void LayoutPieces();
  TRect FieldRect() const;  // the combo's client coordinates
  TRect ButtonRect() const;
  int FieldHeight() const { return itemHeight_ + 8; }
  void PaintEdit(HDC DC);
  void PlaceCaret();
  // The field's text changed: text_ follows it, the edit part shows it.
  void FieldChanged();
  // The bound canvas takes the box's font and colours (of a selected item).
  void PrepareCanvas(TOwnerDrawState State);

  TListItems* items_;
  std::unique_ptr<TControlCanvas> canvas_;
  TListPane pane_;
  std::vector<int> heights_;
  int itemIndex_ = -1;
  int itemHeight_ = 13;
  TComboBoxStyle style_ = csDropDown;
  int dropDownCount_ = 8;
  int dropWidth_ = 0;
  // The edit part's text, caret and selection, edited as an edit field's.
  TEditText field_;
  bool dropped_ = false;
  bool hasFocus_ = false;
  HWND edit_ = nullptr;
  HWND list_ = nullptr;
  WNDPROC editInstance_;
  WNDPROC listInstance_;
  WNDPROC editProc_ = nullptr;
  WNDPROC listProc_ = nullptr;
};

class TComboBox : public TCustomComboBox {
  MORVANT_COMPONENT(TComboBox, TCustomComboBox)
 public:
  explicit TComboBox(TComponent* AOwner) : TCustomComboBox(AOwner) {}
};
inline void TComboBox::Publish(TPublisher<TComboBox>&) {}
