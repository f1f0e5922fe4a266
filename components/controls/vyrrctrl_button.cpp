// The region button: its state (held by the left mouse button or Space,
// focused), its window region, and the caption position it streams.
#include <cstdint>

#include "controlmessages.h"
#include "dialogs.h"
#include "exceptions.h"
#include "keyboard.h"
#include "vyrrctrl.h"

namespace Vyrrctrl {

TVyrWndButtonShape::TVyrWndButtonShape(TComponent* AOwner)
    : Vyrextcs::TVyrCustomPanelFill(AOwner),
      region_(std::make_unique<TVyrRegion>(this)),
      fontFX_(std::make_unique<Vyrgraph::TVyrFxCaption>()),
      buttonLayout_(std::make_unique<Vyrgraph::TVyrButtonLayout>()),
      glyph_(std::make_unique<Vyrglyph::TVyrGlyph>()) {
  controlStyle_ = {csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csDoubleClicks};
  SetTabStop(true);
  const TNotifyEvent change([this](TObject* Sender) { GetChange(Sender); });
  region_->SetOnChange(change);
  fontFX_->SetOnChange(change);
  buttonLayout_->SetOnChange(change);
  glyph_->SetOnChange(change);
}

TVyrWndButtonShape::~TVyrWndButtonShape() {
  region_->SetOnChange(nullptr);
  region_->SetOwnerControl(nullptr);
  fontFX_->SetOnChange(nullptr);
  buttonLayout_->SetOnChange(nullptr);
  glyph_->SetOnChange(nullptr);
}

void TVyrWndButtonShape::SetBoolean(int Index, bool Value) {
  switch (Index) {
    case 0: multiLine_ = Value; break;
    case 1: repeatedClick_ = Value; break;
    case 2: enterColorChange_ = Value; break;
    default: return;
  }
  Invalidate();
}

void TVyrWndButtonShape::SetInteger(int Index, int Value) {
  if (Index == 1) repeatingInterval_ = Value;
}

void TVyrWndButtonShape::SetStyle(TVyrWndButtonStyle Value) {
  if (style_ == Value) return;
  style_ = Value;
  Invalidate();
}

void TVyrWndButtonShape::SetFocusStyle(Byte Value) {
  if (focusStyle_ == Value) return;
  focusStyle_ = Value;
  Invalidate();
}

void TVyrWndButtonShape::SetCaptionStart(const TPoint& Value) {
  captionStart_ = Value;
  GetChange(nullptr);
}

void TVyrWndButtonShape::SetEnterColor(TColor Value) {
  if (enterColor_ == Value) return;
  enterColor_ = Value;
  Invalidate();
}

void TVyrWndButtonShape::SetGlyph(TBitmap* Value) {
  // A glyph of its own replaces the image-list picture.
  if (!Loading() && GetImageList()) SetImageList(nullptr);
  glyph_->SetGlyph(Value);
  Invalidate();
}

void TVyrWndButtonShape::SetNumGlyphs(int Value) {
  if (glyph_->GetNumGlyphs() == Value) return;
  glyph_->SetNumGlyphs(Value);
  if (HandleAllocated() && !Loading()) Repaint();
}

bool TVyrWndButtonShape::CheckOptimized() {
  return Vyrextcs::TVyrCustomPanelFill::CheckOptimized() ||
         region_->GetShape() == Vyrregion::TVyrRegionShape::rsBitmap;
}

void TVyrWndButtonShape::CreateWnd() {
  Vyrextcs::TVyrCustomPanelFill::CreateWnd();
  VyrReshape(region_.get(), GetClientRect());
}

void TVyrWndButtonShape::GetChange(TObject* Sender) {
  Vyrextcs::TVyrCustomPanelFill::GetChange(Sender);
  if (Sender == region_.get()) VyrReshape(region_.get(), GetClientRect());
  Invalidate();
}

void TVyrWndButtonShape::WMSize(TMessage& Message) {
  Vyrextcs::TVyrCustomPanelFill::WMSize(Message);
  VyrReshape(region_.get(), GetClientRect());
}

void TVyrWndButtonShape::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (CanFocus() && !Focused()) SetFocus();
  Vyrextcs::TVyrCustomPanelFill::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  down_ = true;
  Repaint();
}

void TVyrWndButtonShape::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  Vyrextcs::TVyrCustomPanelFill::MouseUp(Button, Shift, X, Y);
  if (!down_) return;
  down_ = false;
  Repaint();
}

void TVyrWndButtonShape::KeyDown(Word& Key, TShiftState Shift) {
  Vyrextcs::TVyrCustomPanelFill::KeyDown(Key, Shift);
  if (Key != VK_SPACE || down_) return;
  down_ = true;
  Repaint();
}

void TVyrWndButtonShape::KeyUp(Word& Key, TShiftState Shift) {
  Vyrextcs::TVyrCustomPanelFill::KeyUp(Key, Shift);
  // Only a press that began here clicks: a Space released after the focus
  // came over from elsewhere does not.
  if (Key != VK_SPACE || !down_) return;
  down_ = false;
  Repaint();
  Click();
}

void TVyrWndButtonShape::WMSetFocus(TMessage& Message) {
  Vyrextcs::TVyrCustomPanelFill::WMSetFocus(Message);
  focused_ = true;
  Invalidate();
}

void TVyrWndButtonShape::WMKillFocus(TMessage& Message) {
  Vyrextcs::TVyrCustomPanelFill::WMKillFocus(Message);
  focused_ = false;
  down_ = false;
  Invalidate();
}

void TVyrWndButtonShape::CMMouseEnter(TMessage& Message) {
  SetMouseAbove();
  Vyrextcs::TVyrCustomPanelFill::CMMouseEnter(Message);
}

// At design time both mouse buttons together place the caption's corner.
void TVyrWndButtonShape::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_DESIGNHITTEST && (GetKeyState(VK_LBUTTON) & 0x8000) && (GetKeyState(VK_RBUTTON) & 0x8000)) {
    ShowMessage("Caption XY Pos set!");
    SetCaptionStart(TPoint(static_cast<short>(Message.LParam & 0xFFFF),
                           static_cast<short>((Message.LParam >> 16) & 0xFFFF)));
    Message.Result = 1;
    return;
  }
  Vyrextcs::TVyrCustomPanelFill::Dispatch(Message);
}

void TVyrWndButtonShape::ReadCaptionStart(TStream* Stream) {
  std::int32_t xy[2];
  // Exactly one point: a block of another length is not one this button
  // wrote, and neither half a point nor the start of a longer block is
  // taken for it.
  if (Stream->GetSize() != static_cast<Int64>(sizeof xy))
    throw EReadError("CaptionStart: " + AnsiString(static_cast<int>(Stream->GetSize())) +
                     " Bytes statt 8 im Block");
  Stream->ReadBuffer(xy, sizeof xy);
  captionStart_ = TPoint(xy[0], xy[1]);
}

void TVyrWndButtonShape::WriteCaptionStart(TStream* Stream) {
  const std::int32_t xy[2] = {captionStart_.X, captionStart_.Y};
  Stream->WriteBuffer(xy, sizeof xy);
}

void TVyrWndButtonShape::DefineProperties(TFiler* Filer) {
  Vyrextcs::TVyrCustomPanelFill::DefineProperties(Filer);
  Filer->DefineBinaryProperty("CaptionStart", TStreamProc(this, &TVyrWndButtonShape::ReadCaptionStart),
                              TStreamProc(this, &TVyrWndButtonShape::WriteCaptionStart), true);
}

}  // namespace Vyrrctrl
