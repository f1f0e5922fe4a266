// Unit vyrcombo: the base of the library's combo boxes. It adds to the class
// library's combo a flat look that turns into a sunken border while the
// pointer is over the box or it has the focus, an incremental search that
// completes the typed text with the first item starting with it once the
// typing pauses (a logical timer of the application's pool), OnSelect on
// every new choice, a drop-down width, and a hand-over of the focus to
// another control once a choice is made.
#pragma once

#include "stdctrls_combobox.h"
#include "unitstartup.h"

namespace Vyrcombo {

class TVyrCustomComboBox : public TCustomComboBox {
  MORVANT_PUBLISHED(TVyrCustomComboBox, TCustomComboBox)
 public:
  // EOutOfResources when the application's timer pool has no slot left.
  explicit TVyrCustomComboBox(TComponent* AOwner);
  ~TVyrCustomComboBox() override;

  bool GetFlat() const { return FFlat; }
  // Index 0: Flat (the border is drawn again).
  void SetBoolean(int Index, bool Value);
  bool GetSearch() const { return FSearch; }
  // Either way Sorted becomes True: the search needs sorted items.
  void SetSearch(bool Value);
  int GetDropDownWidth() const { return FDropDownWidth; }
  // Index 0: DropDownWidth, handed to the list's width (0: the box's).
  void SetInteger(int Index, int Value);
  int GetInterval() const { return FInterval; }
  // The pause after the last key before the search runs, in ms.
  void SetInterval(int Value) { FInterval = Value < 0 ? 0 : Value; }
  TWinControl* GetFocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* Value);
  // The ident of the search timer in the application's pool.
  Word GetSearchTimer() const { return FTimer; }

  TNotifyEvent OnSelect;
  TNotifyEvent OnEditClick;

 protected:
  // Fires OnSelect.
  virtual void DoSelect();
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void ComboWndProc(TMessage& Message, HWND ComboWnd, WNDPROC ComboProc) override;
  // CBN_SELCHANGE: DoSelect, then the hand-over, then the inherited events.
  void CNCommand(TMessage& Message) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void WMPaint(TMessage& Message) override;
  void CMEnter(TMessage& Message) override;
  void CMExit(TMessage& Message) override;
  void CMMouseEnter(TMessage& Message) override;
  void CMMouseLeave(TMessage& Message) override;

  // The border over the whole window: flat (button face, window colour
  // inside) or sunken.
  void RepaintBorder();
  // The pause has passed: completes the text with the first item that
  // starts with it (Sorted only).
  void DoTimerEvent(TObject* Sender);
  // On leaving: the flat border again unless the pointer is still over the
  // box; the search stops.
  void ExitCtrl();
  bool FlatLook() const;

 private:
  void EnableSearchTimer(int Interval);
  void DisableSearchTimer();
  // The focus goes to FocusControl when it can take it.
  void HandOver();

  Word FTimer = 0;
  // Ticks of the pool's step that make up the running pause.
  int FPauseTicks = 1;
  bool FEditFocused = false;
  bool FNavigationKey = false;
  bool FSearch = false;
  bool FMouseInside = false;
  bool FExiting = false;
  bool FFlat = false;
  int FDropDownWidth = 0;
  int FInterval = 1500;
  TWinControl* FFocusControl = nullptr;
};

// The properties every combo box of the library publishes.
template <class C>
void PublishComboBase(TPublisher<C>& P) {
  using B = TVyrCustomComboBox;
  P.Integer("DropDownCount", &TCustomComboBox::GetDropDownCount, &TCustomComboBox::SetDropDownCount, 8);
  P.Integer("DropDownWidth", &B::GetDropDownWidth, [](B* b, int v) { b->SetInteger(0, v); }, 0);
  P.Bool("Flat", &B::GetFlat, [](B* b, bool v) { b->SetBoolean(0, v); }, false);
  P.Component("FocusControl", &B::GetFocusControl, &B::SetFocusControl);
  P.Event("OnSelect", &B::OnSelect);
}

class TVyrComboBox : public TVyrCustomComboBox {
  MORVANT_COMPONENT(TVyrComboBox, TVyrCustomComboBox)
 public:
  explicit TVyrComboBox(TComponent* AOwner) : TVyrCustomComboBox(AOwner) {}
};

void Initialize();  // RegisterClasses({TVyrComboBox})
void Finalize();  // nothing to do
inline constexpr TUnitRow Unit{"Vyrcombo", &Initialize, &Finalize};

}  // namespace Vyrcombo
