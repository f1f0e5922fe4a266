#include "dialogs_colorform.h"

#include <algorithm>

#include "dialogs_swatches.h"
#include "extctrls_panel.h"
#include "stdctrls_button.h"
#include "stdctrls_edit.h"
#include "stdctrls_label.h"
#include "sysutils.h"

namespace {

// Hues across (red, orange, yellow, green, two cyans, blue, violet),
// light to dark down; the last row greys from black to white.
const std::array<TColor, 48> Basic = {
    0x9999FF, 0x99CCFF, 0x99FFFF, 0x99FF99, 0xE6FF99, 0xFFDD99, 0xFF9999, 0xFF99E6,  //
    0x3D3DFF, 0x3D9EFF, 0x3DFFFF, 0x3DFF3D, 0xCFFF3D, 0xFFBE3D, 0xFF3D3D, 0xFF3DCF,  //
    0x0000FF, 0x0080FF, 0x00FFFF, 0x00FF00, 0xBFFF00, 0xFFAA00, 0xFF0000, 0xFF00BF,  //
    0x1313AE, 0x1361AE, 0x13AEAE, 0x13AE13, 0x88AE13, 0xAE7B13, 0xAE1313, 0xAE1388,  //
    0x000080, 0x004080, 0x008080, 0x008000, 0x608000, 0x805500, 0x800000, 0x800060,  //
    0x000000, 0x404040, 0x606060, 0x808080, 0xA0A0A0, 0xC0C0C0, 0xE0E0E0, 0xFFFFFF,
};

constexpr int Margin = 8;
constexpr int LeftWidth = 8 * TColorSwatchGrid::CellWidth;
constexpr int CompactWidth = LeftWidth + 2 * Margin;
constexpr int RightLeft = CompactWidth;
constexpr int RightWidth = 160;
constexpr int FullWidth = RightLeft + RightWidth + Margin;
constexpr int ClientHeight = 291;

int Channel(TColor Color, int Shift) { return (static_cast<int>(Color) >> Shift) & 0xFF; }

}  // namespace

const std::array<TColor, 48>& TColorDialogForm::BasicColors() { return Basic; }

TColorDialogForm::TColorDialogForm(TComponent* AOwner) : TForm(AOwner) {
  SetBorderStyle(bsDialog);
  SetBorderIcons({biSystemMenu});
  SetPosition(poScreenCenter);
  SetCaption("Farbe");
  SetClientWidth(CompactWidth);
  SetClientHeight(ClientHeight);

  MakeLabel("Grundfarben:", Margin, 6);
  basic_ = TObject::Create<TColorSwatchGrid>(this, 8, 6);
  basic_->SetName("BasicGrid");
  basic_->SetParent(this);
  basic_->SetLeft(Margin), basic_->SetTop(22);
  for (int i = 0; i < static_cast<int>(Basic.size()); ++i) basic_->SetCell(i, Basic[static_cast<std::size_t>(i)]);
  basic_->OnChange = TNotifyEvent(this, &TColorDialogForm::BasicChanged);
  basic_->OnDblClick = TNotifyEvent(this, &TColorDialogForm::SwatchDblClick);

  MakeLabel("Benutzerdefinierte Farben:", Margin, 160);
  custom_ = TObject::Create<TColorSwatchGrid>(this, 8, 2);
  custom_->SetName("CustomGrid");
  custom_->SetParent(this);
  custom_->SetLeft(Margin), custom_->SetTop(176);
  custom_->OnChange = TNotifyEvent(this, &TColorDialogForm::CustomChanged);
  custom_->OnDblClick = TNotifyEvent(this, &TColorDialogForm::SwatchDblClick);

  auto button = [this](const char* Name, const char* Caption, int X, int Y, int W) {
    TButton* b = TObject::Create<TButton>(this);
    b->SetName(Name);
    b->SetParent(this);
    b->SetCaption(Caption);
    b->SetBounds(X, Y, W, 23);
    return b;
  };
  define_ = button("DefineButton", "Farben definieren >>", Margin, 228, LeftWidth);
  define_->OnClick = TNotifyEvent(this, &TColorDialogForm::DefineClick);
  ok_ = button("OkButton", "OK", Margin, 260, (LeftWidth - Margin) / 2);
  ok_->SetDefault(true);
  ok_->OnClick = TNotifyEvent(this, &TColorDialogForm::OkClick);
  cancel_ = button("CancelButton", "Abbrechen", Margin + (LeftWidth + Margin) / 2, 260, (LeftWidth - Margin) / 2);
  cancel_->SetCancel(true);
  cancel_->SetModalResult(mrCancel);

  // The defining part, hidden until the form opens fully.
  preview_ = TObject::Create<TPanel>(this);
  preview_->SetName("Preview");
  preview_->SetParent(this);
  preview_->SetCaption("");
  preview_->SetBevelOuter(bvLowered);
  preview_->SetBounds(RightLeft, 22, RightWidth, 60);
  defineParts_.push_back(MakeLabel("Farbe:", RightLeft, 6));
  defineParts_.push_back(preview_);
  red_ = MakeChannel("RedEdit", "&Rot:", 96);
  green_ = MakeChannel("GreenEdit", "&Grün:", 124);
  blue_ = MakeChannel("BlueEdit", "&Blau:", 152);
  add_ = button("AddButton", "Farben &hinzufügen", RightLeft, 228, RightWidth);
  add_->OnClick = TNotifyEvent(this, &TColorDialogForm::AddClick);
  defineParts_.push_back(add_);
  for (TControl* c : defineParts_) c->SetVisible(false);
}

TLabel* TColorDialogForm::MakeLabel(const char* Caption, int X, int Y) {
  TLabel* l = TObject::Create<TLabel>(this);
  l->SetParent(this);
  l->SetCaption(Caption);
  l->SetLeft(X), l->SetTop(Y);
  return l;
}

TEdit* TColorDialogForm::MakeChannel(const char* Name, const char* Caption, int Y) {
  TLabel* l = MakeLabel(Caption, RightLeft, Y + 3);
  TEdit* e = TObject::Create<TEdit>(this);
  e->SetName(Name);
  e->SetParent(this);
  e->SetText("0");
  e->SetBounds(RightLeft + 50, Y, 50, 21);
  e->OnChange = TNotifyEvent(this, &TColorDialogForm::ChannelChanged);
  l->SetFocusControl(e);
  defineParts_.push_back(l);
  defineParts_.push_back(e);
  return e;
}

void TColorDialogForm::Setup(TColor Color, const TCustomColorSlots& Custom, bool FullOpen, bool CanFullOpen) {
  slots_ = Custom;
  for (int i = 0; i < CustomColorCount; ++i) custom_->SetCell(i, slots_.Get(i));
  define_->SetEnabled(CanFullOpen);
  SetFullOpen(FullOpen);
  Choose(Color & 0xFFFFFF);
  // The swatch that holds the colour is the chosen one; the basic ones first.
  for (int i = 0; i < basic_->GetCellCount(); ++i)
    if (basic_->GetCell(i) == current_) {
      basic_->SetSelected(i);
      break;
    }
  if (basic_->GetSelected() < 0)
    for (int i = 0; i < CustomColorCount; ++i)
      if (slots_.Get(i) == current_) {
        custom_->SetSelected(i);
        break;
      }
  SetActiveControl(basic_->GetSelected() < 0 && custom_->GetSelected() >= 0 ? custom_ : basic_);
}

void TColorDialogForm::SetFullOpen(bool Value) {
  fullOpen_ = Value;
  for (TControl* c : defineParts_) c->SetVisible(Value);
  SetClientWidth(Value ? FullWidth : CompactWidth);
  if (Value) define_->SetEnabled(false);
}

void TColorDialogForm::Choose(TColor Color) {
  current_ = Color;
  preview_->SetColor(Color);
  ShowChannels();
}

void TColorDialogForm::ShowChannels() {
  showingChannels_ = true;
  red_->SetText(IntToStr(Channel(current_, 0)));
  green_->SetText(IntToStr(Channel(current_, 8)));
  blue_->SetText(IntToStr(Channel(current_, 16)));
  showingChannels_ = false;
}

void TColorDialogForm::BasicChanged(TObject*) {
  custom_->SetSelected(-1);
  if (const std::optional<TColor> c = basic_->GetCell(basic_->GetSelected())) Choose(*c);
}

void TColorDialogForm::CustomChanged(TObject*) {
  basic_->SetSelected(-1);
  Choose(custom_->GetCell(custom_->GetSelected()).value_or(clWhite));
}

void TColorDialogForm::ChannelChanged(TObject*) {
  if (showingChannels_) return;
  auto value = [](TEdit* e) { return std::clamp(StrToIntDef(Trim(e->GetText()), 0), 0, 255); };
  current_ = static_cast<TColor>(value(red_) | value(green_) << 8 | value(blue_) << 16);
  preview_->SetColor(current_);
}

void TColorDialogForm::DefineClick(TObject*) {
  SetFullOpen(true);
  if (red_->CanFocus()) red_->SetFocus();
}

void TColorDialogForm::AddClick(TObject*) {
  int slot = custom_->GetSelected();
  for (int i = 0; slot < 0 && i < CustomColorCount; ++i)
    if (!slots_.Get(i)) slot = i;
  if (slot < 0) slot = nextSlot_;
  nextSlot_ = (slot + 1) % CustomColorCount;
  slots_.Set(slot, current_);
  custom_->SetCell(slot, current_);
}

void TColorDialogForm::OkClick(TObject*) {
  if (OnAccepted) OnAccepted(current_, slots_);
  SetModalResult(mrOk);
}

void TColorDialogForm::SwatchDblClick(TObject*) { OkClick(this); }
