// The button groups: a group box of radio or check items made from Items.
#include <algorithm>
#include <cstdint>

#include "controlmessages.h"
#include "filer.h"
#include "reader.h"
#include "keyboard.h"
#include "vyrcont.h"
#include "vyrgroup.h"
#include "writer.h"

namespace Vyrgroup {

// ---- TVyrCustomButtonGroup ----

TVyrCustomButtonGroup::TVyrCustomButtonGroup(TComponent* AOwner)
    : Vyrctrl::TVyrCustomGroupBox(AOwner),
      FItems(std::make_unique<TStringList>()),
      FFont3D(std::make_unique<Vyrgraph::TVyr3DCaption>()) {
  controlStyle_ = {csSetCaption, csOpaque, csDoubleClicks};
  FItems->OnChange = TNotifyEvent([this](TObject* Sender) { ItemsChange(Sender); });
  FFont3D->SetOnChange(TNotifyEvent([this](TObject*) { Restyle(); }));
}

TVyrCustomButtonGroup::~TVyrCustomButtonGroup() {
  FItems->OnChange = nullptr;
  FFont3D->SetOnChange(nullptr);
  // Each item takes itself off the list as it goes.
  while (!FButtons.empty()) FButtons.back()->Free();
}

int TVyrCustomButtonGroup::IndexOfButton(TObject* Button) const {
  const auto it = std::find(FButtons.begin(), FButtons.end(), Button);
  return it == FButtons.end() ? -1 : static_cast<int>(it - FButtons.begin());
}

void TVyrCustomButtonGroup::RemoveButton(TVyrButtonControl* Button) {
  FButtons.erase(std::remove(FButtons.begin(), FButtons.end(), Button), FButtons.end());
}

void TVyrCustomButtonGroup::SetColumns(int Value) {
  Value = std::clamp(Value, 1, 12);
  if (FColumns == Value) return;
  FColumns = Value;
  ArrangeButtons();
}

// Both within what a window's coordinates can hold; negative heights stay
// automatic.
void TVyrCustomButtonGroup::SetItemHeight(int Value) {
  FItemHeight = std::clamp(Value, -Vyrctrl::kVyrMaxCoordinate, Vyrctrl::kVyrMaxCoordinate);
  ArrangeButtons();
}

void TVyrCustomButtonGroup::SetItemOffset(int Value) {
  FItemOffset = std::clamp(Value, -Vyrctrl::kVyrMaxCoordinate, Vyrctrl::kVyrMaxCoordinate);
  ArrangeButtons();
}

// A byte, as the items keep it.
void TVyrCustomButtonGroup::SetGlyphSize(int Value) {
  FGlyphSize = std::clamp(Value, 0, 255);
  Restyle();
}
void TVyrCustomButtonGroup::SetTransparent(bool Value) {
  FGlyphTransparent = Value;
  Restyle();
}
void TVyrCustomButtonGroup::SetGlyphFlat(bool Value) {
  FGlyphFlat = Value;
  Restyle();
}
void TVyrCustomButtonGroup::SetUseBitmap(bool Value) {
  FUseBitmap = Value;
  Restyle();
}
void TVyrCustomButtonGroup::SetFocusStyle(Vyrgraph::TVyrGlyphTextFocusStyle Value) {
  FFocusStyle = Value;
  Restyle();
}
void TVyrCustomButtonGroup::SetUseFocusColor(bool Value) {
  FUseFocusColor = Value;
  Restyle();
}
void TVyrCustomButtonGroup::SetFocusColor(TColor Value) {
  FFocusColor = Value;
  Restyle();
}
void TVyrCustomButtonGroup::SetTransparentColor(TColor Value) {
  FGlyphTransparentColor = Value;
  Restyle();
}

void TVyrCustomButtonGroup::SetGlyphImageList(Vyrcont::TVyrCustomImageList* Value) {
  if (FGlyphImageList == Value) return;
  if (FGlyphImageList) FGlyphImageList->RemoveFreeNotification(this);
  FGlyphImageList = Value;
  if (Value) Value->FreeNotification(this);
  Restyle();
}

// The root's "Internal" already names the group's own ImageList, so the
// glyph list of the global container goes by a name of its own.
void TVyrCustomButtonGroup::DefineProperties(TFiler* Filer) {
  Vyrctrl::TVyrCustomGroupBox::DefineProperties(Filer);
  Filer->DefineProperty(
      "InternalGlyph", TReaderProc([this](TReader* Reader) { SetGlyphImageList(Vyrcont::VyrReadGlobalIdent(Reader)); }),
      TWriterProc([this](TWriter* Writer) { Vyrcont::VyrWriteGlobalIdent(Writer, FGlyphImageList); }),
      Vyrcont::VyrIsGlobalIdent(FGlyphImageList));
}

void TVyrCustomButtonGroup::SetGlyphIndex(int Which, int Value) {
  (Which == 0 ? FGlyphImageIndex : FGlyphListIndex) = Value;
  Restyle();
}

void TVyrCustomButtonGroup::Notification(TComponent* AComponent, TOperation Operation) {
  Vyrctrl::TVyrCustomGroupBox::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent && static_cast<void*>(AComponent) == static_cast<void*>(FGlyphImageList)) {
    FGlyphImageList = nullptr;
    for (TVyrButtonControl* b : FButtons) b->SetImageList(nullptr);
  }
}

void TVyrCustomButtonGroup::SetID(TVyrChildHelpContextID Value) {
  if (FHelpContextBtn == Value) return;
  FHelpContextBtn = Value;
  for (int i = 0; i < GetButtonCount(); ++i) GetButton(i)->SetHelpContext(ItemHelpContext(i));
}

// Wrapping like the 32-bit context it stands for, not overflowing.
int TVyrCustomButtonGroup::ItemHelpContext(int Index) const {
  switch (FHelpContextBtn) {
    case TVyrChildHelpContextID::ciSameAsParent: return GetHelpContext();
    case TVyrChildHelpContextID::ciAutoNumbered:
      return static_cast<int>(static_cast<std::uint32_t>(GetHelpContext()) + static_cast<std::uint32_t>(Index) + 1u);
    default: return 0;
  }
}

bool TVyrCustomButtonGroup::HoldItemPaint() {
  if (FPaintHolds == 0) return false;
  FItemPaintsWaiting = true;
  return true;
}

void TVyrCustomButtonGroup::EndItemUpdate() noexcept {
  // Aligning the items may size them, which paints them: first, while held.
  try {
    EnableAlign();
  } catch (...) {
  }
  if (--FPaintHolds > 0 || !FItemPaintsWaiting) return;
  FItemPaintsWaiting = false;
  for (TVyrButtonControl* b : FButtons) b->Invalidate();
}

void TVyrCustomButtonGroup::ItemsChange(TObject*) {
  if (FUpdating || Loading()) return;
  if (dynamic_cast<TVyrCustomRadioGroup*>(this) && FValue >= FItems->GetCount()) FValue = FItems->GetCount() - 1;
  UpdateButtons();
}

void TVyrCustomButtonGroup::SetButtonCount(int Count) {
  const TItemUpdate update(this);
  while (GetButtonCount() < Count) {
    TVyrButtonControl* button = NewButton();
    button->SetVisible(false);
    button->SetParentShowHint(false);
    button->Vyrcctrl::TVyrCustomControl::SetTransparent(true);
    button->SetEnabled(GetEnabled());
    button->OnClick = TNotifyEvent([this](TObject* Sender) { ButtonClick(Sender); });
    button->SetParent(this);
    FButtons.push_back(button);
  }
  while (GetButtonCount() > Count) FButtons.back()->Free();
}

void TVyrCustomButtonGroup::UpdateButtonLooks() {
  for (int i = 0; i < GetButtonCount(); ++i) {
    TVyrButtonControl* b = GetButton(i);
    b->SetCaption(FItems->GetStrings(i));
    // Setting a list, even the same, makes the item's glyph strip anew.
    if (b->GetImageList() != FGlyphImageList) b->SetImageList(FGlyphImageList);
    b->SetImageIndex(FGlyphImageIndex);
    b->SetListIndex(FGlyphListIndex);
    b->SetFont3D(FFont3D.get());
    b->SetFocusStyle(FFocusStyle);
    b->SetFocusColor(FFocusColor);
    b->SetUseFocusColor(FUseFocusColor);
    b->SetGlyphSize(FGlyphSize);
    b->SetGlyphFlat(FGlyphFlat);
    b->SetGlyphTransparent(FGlyphTransparent);
    b->SetTransparentColor(FGlyphTransparentColor);
    b->SetUseBitmap(FUseBitmap);
    b->SetParentColor(true);
    // Items made after HelpContextBtn was set, or after a form set it, number too.
    b->SetHelpContext(ItemHelpContext(i));
  }
}

namespace {

// An item's bounds from 64-bit sums: within 32 bits, its right and bottom
// edges too.
TRect ItemBounds(Int64 Left, Int64 Top, Int64 Width, Int64 Height) {
  constexpr Int64 kLow = INT32_MIN, kHigh = INT32_MAX;
  const Int64 left = std::clamp(Left, kLow, kHigh), top = std::clamp(Top, kLow, kHigh);
  const Int64 width = std::clamp<Int64>(Width, 0, kHigh - std::max<Int64>(left, 0));
  const Int64 height = std::clamp<Int64>(Height, 0, kHigh - std::max<Int64>(top, 0));
  return Bounds(static_cast<int>(left), static_cast<int>(top), static_cast<int>(width), static_cast<int>(height));
}

}  // namespace

void TVyrCustomButtonGroup::ArrangeButtons() {
  if (FUpdating || FButtons.empty()) return;
  const TItemUpdate update(this);
  const int e = BevelExt();
  TRect R(e, e, GetWidth() - e, GetHeight() - e);
  const int c = std::max(e, GetCaptionHeight());
  switch (CaptionSide()) {
    case 0: R.top = c; break;
    case 1: R.left = c; break;
    case 2: R.bottom = GetHeight() - c; break;
    default: R.right = GetWidth() - c; break;
  }
  // In 64 bits: a far offset, a tall item or many rows would overflow.
  const Int64 left = Int64{R.left} + 1, top = Int64{R.top} + 1;
  const Int64 width = Int64{R.right} - 1 - left, height = Int64{R.bottom} - 1 - top;
  const Int64 n = GetButtonCount();
  const Int64 rows = (n + FColumns - 1) / FColumns;
  const Int64 colW = (width - FItemOffset) / FColumns;
  const Int64 itemH = FItemHeight >= 0 ? FItemHeight : (height - 2) / rows;
  const Int64 top0 = top + 1 + (itemH % rows) / 2;
  for (Int64 i = 0; i < n; ++i) {
    const Int64 column = i / rows, row = i % rows;
    TVyrButtonControl* b = GetButton(static_cast<int>(i));
    const TRect bounds = ItemBounds(left + FItemOffset + column * colW, top0 + row * itemH, colW, itemH);
    b->SetBounds(bounds.left, bounds.top, bounds.Width(), bounds.Height());
    b->SetVisible(true);
  }
}

void TVyrCustomButtonGroup::ButtonClick(TObject* Sender) {
  if (FClicking) return;
  auto* button = dynamic_cast_object<TVyrButtonControl>(Sender);
  if (!button) return;
  const int before = FValue;
  SetFieldValue(ClickedValue(button));
  if (FValue == before) return;
  Click();
  if (OnChange) OnChange(this, IndexOfButton(Sender));
}

void TVyrCustomButtonGroup::CMEnabledChanged(TMessage& Message) {
  Vyrctrl::TVyrCustomGroupBox::CMEnabledChanged(Message);
  for (TVyrButtonControl* b : FButtons) b->SetEnabled(GetEnabled());
}

void TVyrCustomButtonGroup::CMFontChanged(TMessage& Message) {
  Vyrctrl::TVyrCustomGroupBox::CMFontChanged(Message);
  ArrangeButtons();
}

void TVyrCustomButtonGroup::WMSize(TMessage& Message) {
  Vyrctrl::TVyrCustomGroupBox::WMSize(Message);
  ArrangeButtons();
}

void TVyrCustomButtonGroup::ReadState(TReader* Reader) {
  FUpdating = true;
  Vyrctrl::TVyrCustomGroupBox::ReadState(Reader);
  FUpdating = false;
}

void TVyrCustomButtonGroup::Loaded() {
  Vyrctrl::TVyrCustomGroupBox::Loaded();
  UpdateButtons();
}

void TVyrCustomButtonGroup::GetChildren(TGetChildProc Proc, TComponent* Root) {
  // The items come from Items; only other children go into the form text.
  Vyrctrl::TVyrCustomGroupBox::GetChildren(
      TGetChildProc([&](TComponent* Child) {
        if (IndexOfButton(Child) < 0) Proc(Child);
      }),
      Root);
}

// ---- TVyrCustomRadioGroup ----

TVyrCustomRadioGroup::TVyrCustomRadioGroup(TComponent* AOwner) : TVyrCustomButtonGroup(AOwner) {
  FValue = -1;
  SetTransparent(true);
}

void TVyrCustomRadioGroup::SetItemIndex(int Value) {
  if (FUpdating || Loading()) {
    FValue = Value;
    return;
  }
  Value = std::clamp(Value, -1, FItems->GetCount() - 1);
  if (Value == FValue) return;
  if (FValue >= 0 && FValue < GetButtonCount()) GetButton(FValue)->SetChecked(false);
  FValue = Value;
  if (Value >= 0 && Value < GetButtonCount()) GetButton(Value)->SetChecked(true);
}

void TVyrCustomRadioGroup::SetButtonCount(int Count) { TVyrCustomButtonGroup::SetButtonCount(Count); }

TVyrButtonControl* TVyrCustomRadioGroup::NewButton() { return TObject::Create<TVyrRadioGroupButton>(this); }

// A read-only group's item stays unchecked when clicked, and so does the value.
int TVyrCustomRadioGroup::ClickedValue(TVyrButtonControl* Button) {
  return Button->GetChecked() ? IndexOfButton(Button) : FValue;
}

void TVyrCustomRadioGroup::UpdateButtons() {
  const TItemUpdate update(this);
  SetButtonCount(FItems->GetCount());
  UpdateButtonLooks();
  FValue = std::clamp(FValue, -1, FItems->GetCount() - 1);
  for (int i = 0; i < GetButtonCount(); ++i) GetButton(i)->SetChecked(i == FValue);
  ArrangeButtons();
}

// ---- TVyrCustomCheckGroup ----

TVyrCustomCheckGroup::TVyrCustomCheckGroup(TComponent* AOwner) : TVyrCustomButtonGroup(AOwner) {}

void TVyrCustomCheckGroup::SetValue(int Value) {
  FValue = Value;
  if (!FUpdating && !Loading()) UpdateValue();
}

void TVyrCustomCheckGroup::UpdateValue() {
  int bits = GetControlState().Contains(csPaintCopy) ? GetFieldValue() : FValue;
  if (bits < 0) bits = 0;
  FClicking = true;
  for (int i = 0; i < GetButtonCount(); ++i)
    GetButton(i)->SetChecked(i < kValueBits && (bits & (1 << i)) != 0);
  FClicking = false;
}

int TVyrCustomCheckGroup::CheckedSum() const {
  int sum = 0;
  for (int i = 0; i < GetButtonCount() && i < kValueBits; ++i)
    if (GetButton(i)->GetChecked()) sum |= 1 << i;
  return sum;
}

bool TVyrCustomCheckGroup::GetItemCheck(int Index) const {
  return Index >= 0 && Index < GetButtonCount() && GetButton(Index)->GetChecked();
}

void TVyrCustomCheckGroup::SetItemCheck(int Index, bool Checked) {
  // Items from kValueBits on have no bit in Value, so they cannot be set.
  if (Index < 0 || Index >= std::min(GetButtonCount(), kValueBits) || GetButton(Index)->GetChecked() == Checked) return;
  GetButton(Index)->SetChecked(Checked);
  FValue = CheckedSum();
}

void TVyrCustomCheckGroup::SetNumGlyphs(int Value) {
  FGlyphNumber = Value;
  for (int i = 0; i < GetButtonCount(); ++i) static_cast<TVyrCheckGroupButton*>(GetButton(i))->SetNumGlyphs(Value);
}

void TVyrCustomCheckGroup::SetButtonCount(int Count) { TVyrCustomButtonGroup::SetButtonCount(Count); }

TVyrButtonControl* TVyrCustomCheckGroup::NewButton() { return TObject::Create<TVyrCheckGroupButton>(this); }

int TVyrCustomCheckGroup::ClickedValue(TVyrButtonControl*) { return CheckedSum(); }

void TVyrCustomCheckGroup::UpdateButtons() {
  const TItemUpdate update(this);
  SetButtonCount(FItems->GetCount());
  UpdateButtonLooks();
  for (int i = 0; i < GetButtonCount(); ++i) static_cast<TVyrCheckGroupButton*>(GetButton(i))->SetNumGlyphs(FGlyphNumber);
  UpdateValue();
  ArrangeButtons();
}

// ---- the items ----

namespace {

// Backspace and space would change a read-only group's item.
bool Dropped(TVyrCustomButtonGroup* Group, char Key) { return (Key == '\b' || Key == ' ') && !Group->CanModify(); }

}  // namespace

#define VYR_FORWARD_ITEM_EVENTS(Item, Base)                                                       \
  Item::Item(TVyrCustomButtonGroup* Group) : Base(Group), FGroup(Group) {                          \
    controlStyle_.Include(csReplicatable);                                                       \
  }                                                                                               \
  Item::~Item() { FGroup->RemoveButton(this); }                                                   \
  void Item::KeyDown(Word& Key, TShiftState Shift) {                                              \
    FGroup->KeyDown(Key, Shift);                                                                  \
    Base::KeyDown(Key, Shift);                                                                    \
  }                                                                                               \
  void Item::KeyPress(char& Key) {                                                                \
    FGroup->KeyPress(Key);                                                                        \
    if (Dropped(FGroup, Key)) Key = 0;                                                            \
    Base::KeyPress(Key);                                                                          \
  }                                                                                               \
  void Item::KeyUp(Word& Key, TShiftState Shift) {                                                \
    FGroup->KeyUp(Key, Shift);                                                                    \
    Base::KeyUp(Key, Shift);                                                                      \
  }                                                                                               \
  void Item::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {                    \
    FGroup->MouseDown(Button, Shift, X + GetLeft(), Y + GetTop());                                \
    Base::MouseDown(Button, Shift, X, Y);                                                         \
  }                                                                                               \
  void Item::MouseMove(TShiftState Shift, int X, int Y) {                                         \
    FGroup->MouseMove(Shift, X + GetLeft(), Y + GetTop());                                        \
    Base::MouseMove(Shift, X, Y);                                                                 \
  }                                                                                               \
  void Item::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {                      \
    FGroup->MouseUp(Button, Shift, X + GetLeft(), Y + GetTop());                                  \
    Base::MouseUp(Button, Shift, X, Y);                                                           \
  }

VYR_FORWARD_ITEM_EVENTS(TVyrRadioGroupButton, TVyrRadioButton)
VYR_FORWARD_ITEM_EVENTS(TVyrCheckGroupButton, TVyrCheckBox)

#undef VYR_FORWARD_ITEM_EVENTS

void TVyrRadioGroupButton::DoEnter() {
  TVyrRadioButton::DoEnter();
  if (GetChecked()) FGroup->ButtonClick(this);
}

void TVyrCheckGroupButton::Toggle() {
  TVyrCheckBox::Toggle();
  FGroup->ButtonClick(this);
}

}  // namespace Vyrgroup
