// Closing forms and the modal loop. ShowModal disables the program's other
// top-level windows and pumps until ModalResult is set; a ModalResult set
// by a button or by Close ends the loop once CloseQuery and OnClose agree.
#include <vector>

#include "application.h"
#include "focus.h"
#include "forms.h"
#include "scope_guard.h"
#include "tscreen.h"
#include "window_pos.h"

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  return canClose;
}

void TCustomForm::DoClose(TCloseAction& Action) {
  if (OnClose) OnClose(this, Action);
}

void TCustomForm::Close() {
  if (modal_) {
    modalResult_ = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = formStyle_ == fsMDIChild ? caMinimize : caHide;
  DoClose(action);
  if (action == caNone) return;
  if (Application && Application->GetMainForm() == this) {
    Application->Terminate();
    return;
  }
  switch (action) {
    case caHide: Hide(); break;
    case caMinimize: SetWindowState(wsMinimized); break;
    default: Release(); break;
  }
}

void TCustomForm::CloseModal() {
  TCloseAction action = caNone;
  if (CloseQuery()) {
    action = caHide;
    DoClose(action);
  }
  switch (action) {
    case caNone: modalResult_ = mrNone; break;
    case caFree: Release(); break;
    default: break;
  }
}

namespace {

struct DisabledWindows {
  HWND except;
  std::vector<HWND> list;
};

BOOL DisableOne(HWND wnd, LPARAM param) {
  auto* d = reinterpret_cast<DisabledWindows*>(param);
  if (wnd != d->except && IsWindowVisible(wnd) && IsWindowEnabled(wnd)) {
    d->list.push_back(wnd);
    EnableWindow(wnd, FALSE);
  }
  return TRUE;
}

}  // namespace

TModalResult TCustomForm::ShowModal() {
  if (visible_ || !enabled_ || modal_ || parent_) throw EInvalidOperation("Cannot make a visible window modal");
  SetCaptureControl(nullptr);
  TCustomForm* returnTo = Screen ? Screen->GetActiveForm() : nullptr;
  HWND activeWindow = GetActiveWindow();
  DisabledWindows disabled{GetHandle(), {}};
  EnumWindows(&DisableOne, reinterpret_cast<LPARAM>(&disabled));
  modal_ = true;
  modalResult_ = mrNone;
  // The window that showed us owns us while we are up: the desktop keeps
  // us above it as its dialog.
  const HWND ownWindow = GetHandle();
  const LONG_PTR ownerBefore = GetWindowLongPtr(ownWindow, GWL_HWNDPARENT);
  if (activeWindow && activeWindow != ownWindow)
    SetWindowLongPtr(ownWindow, GWL_HWNDPARENT, reinterpret_cast<LONG_PTR>(activeWindow));
  {
    TScopeGuard restore([&] {
      for (HWND w : disabled.list)
        if (IsWindow(w)) EnableWindow(w, TRUE);
      // The form that showed us is active again without a new activation.
      if (Screen && Screen->activeForm_ == this) {
        Screen->activeForm_ = returnTo;
        Deactivate();
      }
      modal_ = false;
      Hide();
      if (IsWindow(ownWindow)) SetWindowLongPtr(ownWindow, GWL_HWNDPARENT, ownerBefore);
      if (activeWindow && IsWindow(activeWindow)) SetActiveWindow(activeWindow);
    });
    Show();
    // A result set while showing (OnShow, OnActivate) closes as any other.
    if (modalResult_ != mrNone) CloseModal();
    while (modalResult_ == mrNone) {
      Application->HandleMessage();
      if (Application->GetTerminated())
        modalResult_ = mrCancel;
      else if (modalResult_ != mrNone)
        CloseModal();
    }
  }
  return modalResult_;
}
