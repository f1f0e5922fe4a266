// The owner-draw request of a list or combo box: each item is drawn by
// performing CN_DRAWITEM on the control with a DRAWITEMSTRUCT, as the class
// library's boxes do, so that a derived box can take the whole item (its
// focus rectangle too) by overriding CNDrawItem.
#pragma once

#include "controlmessages.h"
#include "stdctrls_listbox_pane.h"

// The record for item Index (-1: a combo's field without a choice, sent as
// (UINT)-1) in State, to be drawn on DC within Rect.
DRAWITEMSTRUCT MakeDrawItem(UINT CtlType, HWND Window, HDC DC, int Index, const TRect& Rect, TOwnerDrawState State);
// The item's state back in the class library's bits.
TOwnerDrawState DrawItemState(UINT ItemState);

// What a CN_DRAWITEM (LParam the record) asks for: the index ((UINT)-1 is
// -1), the rectangle, the state and the DC.
struct TDrawItemRequest {
  int Index;
  TRect Rect;
  TOwnerDrawState State;
  HDC DC;
};
TDrawItemRequest ReadDrawItem(const TMessage& Message);
