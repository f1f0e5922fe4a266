#include "stdctrls_drawitem.h"

namespace {

struct StateBit {
  TOwnerDrawStateMember Member;
  UINT Bit;
};
constexpr StateBit kStateBits[] = {{odSelected, ODS_SELECTED},
                                   {odGrayed, ODS_GRAYED},
                                   {odDisabled, ODS_DISABLED},
                                   {odChecked, ODS_CHECKED},
                                   {odFocused, ODS_FOCUS},
                                   {odDefault, ODS_DEFAULT},
                                   {odComboBoxEdit, ODS_COMBOBOXEDIT}};

}  // namespace

DRAWITEMSTRUCT MakeDrawItem(UINT CtlType, HWND Window, HDC DC, int Index, const TRect& Rect, TOwnerDrawState State) {
  DRAWITEMSTRUCT item;
  item.CtlType = CtlType;
  item.itemID = Index < 0 ? static_cast<UINT>(-1) : static_cast<UINT>(Index);
  item.itemAction = ODA_DRAWENTIRE;
  for (const StateBit& s : kStateBits)
    if (State.Contains(s.Member)) item.itemState |= s.Bit;
  item.hwndItem = Window;
  item.hDC = DC;
  item.rcItem = Rect;
  return item;
}

TOwnerDrawState DrawItemState(UINT ItemState) {
  TOwnerDrawState state;
  for (const StateBit& s : kStateBits)
    if (ItemState & s.Bit) state.Include(s.Member);
  return state;
}

TDrawItemRequest ReadDrawItem(const TMessage& Message) {
  const DRAWITEMSTRUCT& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam);
  return TDrawItemRequest{static_cast<int>(item.itemID), TRect(item.rcItem), DrawItemState(item.itemState), item.hDC};
}
