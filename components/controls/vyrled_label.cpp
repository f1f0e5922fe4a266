#include <cstdlib>

#include "bitmap_class.h"
#include "canvas.h"
#include "classregistry.h"
#include "sysutils.h"
#include "vyrled.h"

namespace Vyrled {

void MakePattern();
void FreePattern();

TVyrLEDCustomLabel::TVyrLEDCustomLabel(TComponent* AOwner)
    : Vyrctrl::TVyrGraphicControl(AOwner), led_(std::make_unique<TVyrLED>()) {
  controlStyle_.Include(csReplicatable);
  led_->SetOnChange(TNotifyEvent([this](TObject* Sender) { GetChange(Sender); }));
  DisableTransMode();
  SetColor(TColor(0));
}

TVyrLEDCustomLabel::~TVyrLEDCustomLabel() { led_->SetOnChange(nullptr); }

void TVyrLEDCustomLabel::SetAutosize(bool Value) {
  if (autosize_ == Value) return;
  autosize_ = Value;
  GetChange(nullptr);
}

void TVyrLEDCustomLabel::SetDigits(std::uint8_t Value) {
  if (Value == 0 || digits_ == Value) return;
  digits_ = Value;
  GetChange(nullptr);
}

void TVyrLEDCustomLabel::SetStyle(TVyrLEDStyle Value) {
  if (style_ == Value) return;
  style_ = Value;
  GetChange(nullptr);
}

void TVyrLEDCustomLabel::SetValue(int Value) {
  if (value_ == Value) return;
  value_ = Value;
  if (style_ != TVyrLEDStyle::lsInteger || Loading()) return;
  // An opaque display covers all it painted before, so it repaints at once;
  // a transparent one must have the old segments erased first.
  InvalidateControl();
}

void TVyrLEDCustomLabel::GetChange(TObject* Sender) {
  if (autosize_ && !Loading()) CalcBoundsRect();
  Vyrctrl::TVyrGraphicControl::GetChange(Sender);
}

void TVyrLEDCustomLabel::CalcBoundsRect() {
  const TRect r = led_->CalcBoundsRect(GetLabelText(), BevelExt());
  SetBounds(left_, top_, r.right, r.bottom);
}

AnsiString TVyrLEDCustomLabel::GetLabelText() {
  return style_ == TVyrLEDStyle::lsInteger ? ValueString(value_) : GetText();
}

AnsiString TVyrLEDCustomLabel::ValueString(int Value) const {
  const AnsiString digits = IntToStr(static_cast<Int64>(std::llabs(static_cast<long long>(Value))));
  const int places = Value < 0 ? digits_ - 1 : digits_;
  if (digits.Length() > places) return AnsiString::StringOfChar('-', digits_);
  return AnsiString(Value < 0 ? "-" : "") + AnsiString::StringOfChar('0', places - digits.Length()) + digits;
}

void TVyrLEDCustomLabel::Loaded() {
  Vyrctrl::TVyrGraphicControl::Loaded();
  if (autosize_) CalcBoundsRect();
}

void TVyrLEDCustomLabel::Paint() {
  if (Loading()) return;
  const AnsiString text = GetLabelText();
  TCanvas* canvas = GetCanvas();
  if (GetTransparent()) PaintBackground();
  TRect inner;
  GetBevel()->PaintBevel(canvas, GetClientRect(), inner, GetTransparent());
  if (inner.Width() <= 0 || inner.Height() <= 0) return;
  TBitmap buffer;
  buffer.SetSize(inner.Width(), inner.Height());
  TCanvas* target = buffer.GetCanvas();
  target->GetBrush()->SetStyle(bsSolid);
  target->GetBrush()->SetColor(GetColor());
  target->FillRect(TRect(0, 0, inner.Width(), inner.Height()));
  {
    // The background follows Color already (CMColorChanged); this only
    // makes sure, without a change report that would paint again.
    led_->BeginUpdate();
    led_->SetColor(2, GetColor());
    led_->EndUpdate(false);
  }
  led_->PaintLED(target, TRect(0, 0, inner.Width(), inner.Height()), text, true, GetEnabled());
  if (GetTransparent()) {
    buffer.SetTransparentColor(GetColor());
    buffer.SetTransparent(true);
  }
  canvas->Draw(inner.left, inner.top, &buffer);
}

void TVyrLEDCustomLabel::CMColorChanged(TMessage& Message) {
  Vyrctrl::TVyrGraphicControl::CMColorChanged(Message);
  led_->SetColor(2, GetColor());
}

void TVyrLEDCustomLabel::CMTextChanged(TMessage& Message) {
  Vyrctrl::TVyrGraphicControl::CMTextChanged(Message);
  GetChange(nullptr);
}

// ---- publishing and the unit ----

void TVyrLED::Publish(TPublisher<TVyrLED>& P) {
  P.Color("ActiveColor", &TVyrLED::GetActiveColor, &TVyrLED::SetActiveColor, clLime);
  P.Color("InActiveColor", &TVyrLED::GetInActiveColor, &TVyrLED::SetInActiveColor, clGreen);
  P.Integer("Horzsize", &TVyrLED::GetHorzsize, &TVyrLED::SetHorzsize, 9);
  P.Integer("Thickness", &TVyrLED::GetThickness, &TVyrLED::SetThickness, 2);
  P.Integer("Vertsize", &TVyrLED::GetVertsize, &TVyrLED::SetVertsize, 7);
  P.Bool("DisabledDigits", &TVyrLED::GetDisabledDigits, &TVyrLED::SetEnabled, true);
}

void TVyrLEDCustomLabel::Publish(TPublisher<TVyrLEDCustomLabel>& P) {
  P.Bool("Autosize", &TVyrLEDCustomLabel::GetAutosize, &TVyrLEDCustomLabel::SetAutosize, false);
  P.Object("Bevel", &TVyrLEDCustomLabel::GetBevel);
  P.Color("Color", &TControl::GetColor, &TControl::SetColor, 0).Stored([](TControl* c) { return !c->GetParentColor(); });
  // The constructor gives the display its own colour.
  P.Bool("ParentColor", &TControl::GetParentColor, &TControl::SetParentColor, false);
  P.Integer("Digits", &TVyrLEDCustomLabel::GetDigits, &TVyrLEDCustomLabel::SetDigits, 2);
  P.Object("LED", &TVyrLEDCustomLabel::GetLED);
  P.Enum("Style", &TVyrLEDCustomLabel::GetStyle, &TVyrLEDCustomLabel::SetStyle, {"lsString", "lsInteger"},
         static_cast<Int64>(TVyrLEDStyle::lsString));
  P.Bool("Transparent", &TVyrLEDCustomLabel::GetTransparent, &TVyrLEDCustomLabel::SetTransparent, false);
}

void TVyrLEDLabel::Publish(TPublisher<TVyrLEDLabel>& P) {
  P.Integer("Value", &TVyrLEDLabel::GetValue, &TVyrLEDLabel::SetValue, 0);
}

void Initialize() {
  MakePattern();
  RegisterClasses({TVyrLEDLabel::StaticClass()});
}

void Finalize() { FreePattern(); }

}  // namespace Vyrled
