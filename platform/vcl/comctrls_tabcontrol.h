// TCustomTabControl and TTabControl: a row of tabs over a page area, in the
// classic look (raised tabs, the selected one bigger and joined to the
// page). The control holds no pages itself: its children sit in
// DisplayRect, and the program shows what belongs to TabIndex.
//
// A change of tab by the user (a click, Ctrl+Tab, Ctrl+Shift+Tab, the arrow
// keys while the control has the focus) first asks CanChange (OnChanging),
// which may refuse it, and then calls Change (OnChange). Setting TabIndex
// from the program asks nobody.
#pragma once

#include <vector>

#include "customcontrol.h"
#include "tstrings.h"

using TTabChangingEvent = TClosure<void(TObject* Sender, bool& AllowChange)>;

class TCustomTabControl : public TCustomControl {
  MORVANT_PUBLISHED(TCustomTabControl, TCustomControl)
 public:
  explicit TCustomTabControl(TComponent* AOwner);
  ~TCustomTabControl() override;

  TStrings* GetTabs() const { return tabs_; }
  void SetTabs(TStrings* Value) { tabs_->Assign(Value); }
  // -1: no tab selected; an index past the tabs is refused.
  int GetTabIndex() const { return tabIndex_; }
  void SetTabIndex(int Value);

  // The page area inside the frame, below the tabs (client coordinates).
  TRect DisplayRect() const;
  // The rectangle of tab Index as drawn when not selected; empty for a
  // bad index.
  TRect TabRect(int Index) const;
  // The tab at a client point; -1 when none.
  int IndexOfTabAt(int X, int Y) const;

  TTabChangingEvent OnChanging;
  TNotifyEvent OnChange;

 protected:
  virtual bool CanChange();
  virtual void Change();
  void Paint() override;
  void AdjustClientRect(TRect& Rect) const override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void CMDialogKey(TMessage& Message) override;
  void CMFontChanged(TMessage& Message) override;
  void WMSetFocus(TMessage& Message) override;
  void WMKillFocus(TMessage& Message) override;

 private:
  // The user's choice of a tab: asks, selects, reports; false if refused.
  bool SelectTab(int Index);
  void SelectNeighbour(bool GoForward);
  void TabsChanged(TObject* Sender);
  // The tabs' left edges and widths, measured in the control's font.
  void Layout() const;
  int TabHeight() const;
  void PaintTab(int Index, bool Selected);

  TStringList* tabs_;
  int tabIndex_ = -1;
  mutable std::vector<TRect> tabRects_;
  mutable bool layoutValid_ = false;
};

class TTabControl : public TCustomTabControl {
  MORVANT_COMPONENT(TTabControl, TCustomTabControl)
 public:
  explicit TTabControl(TComponent* AOwner) : TCustomTabControl(AOwner) {}
};
inline void TTabControl::Publish(TPublisher<TTabControl>&) {}
