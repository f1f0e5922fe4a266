// The group box: the caption on its frame, at one of twelve places.
#include <algorithm>

#include "colors.h"
#include "controlmessages.h"
#include "font_class.h"
#include "stdctrls_accel.h"
#include "sysutils.h"
#include "text.h"
#include "vyrctrl.h"
#include "vyrutils.h"

namespace Vyrctrl {

using Vyrgraph::TVyrAlignment;
using Vyrgraph::TVyrDrawTextStyle;

namespace {

// The caption's alignment inside its strip, by place. On the left side the
// text reads upward, so its start is the strip's bottom; on the right side
// it reads downward.
constexpr TVyrAlignment kStripAlignment[] = {
    TVyrAlignment::agTopLeft,    TVyrAlignment::agTopCenter,    TVyrAlignment::agTopRight,
    TVyrAlignment::agBottomLeft, TVyrAlignment::agCenterLeft,   TVyrAlignment::agTopLeft,
    TVyrAlignment::agBottomLeft, TVyrAlignment::agBottomCenter, TVyrAlignment::agBottomRight,
    TVyrAlignment::agTopRight,   TVyrAlignment::agCenterRight,  TVyrAlignment::agBottomRight};

constexpr int kCaptionAngle[] = {0, 90, 0, 270};

enum Side { sideTop, sideLeft, sideBottom, sideRight };

// Far beyond any surface, and near enough to zero that the text layout's
// widths and its few pixels of margin stay within 32 bits.
TRect ClampedRect(Int64 Left, Int64 Top, Int64 Right, Int64 Bottom) {
  static constexpr Int64 kLimit = Int64{1} << 29;
  const auto clamp = [](Int64 v) { return static_cast<int>(std::clamp<Int64>(v, -kLimit, kLimit)); };
  return TRect(clamp(Left), clamp(Top), clamp(Right), clamp(Bottom));
}

}  // namespace

TVyrCustomGroupBox::TVyrCustomGroupBox(TComponent* AOwner)
    : TVyrCustomParentPanel(AOwner),
      captionFont_(std::make_unique<TFont>()),
      captionFont3D_(std::make_unique<Vyrgraph::TVyr3DCaption>()),
      fxCaption_(std::make_unique<Vyrgraph::TVyrFxCaption>()) {
  controlStyle_ = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks, csReplicatable};
  GetBevel()->SetMode(Vyrgraph::TVyrBevelMode::bmStandard);
  GetBevel()->SetStandardStyle(Vyrgraph::TVyrBorderStyle::lsFrameInset);
  captionFont_->Assign(GetFont());
  captionFont_->OnChange = TNotifyEvent([this](TObject* Sender) { GetChange(Sender); });
  captionFont3D_->SetOnChange(TNotifyEvent([this](TObject* Sender) { GetChange(Sender); }));
  SetCaptionHeight();
  SetBounds(left_, top_, 185, 105);
}

TVyrCustomGroupBox::~TVyrCustomGroupBox() {
  captionFont_->OnChange = nullptr;
  captionFont3D_->SetOnChange(nullptr);
}

void TVyrCustomGroupBox::SetCaptionHeight() {
  fxCaption_->SetAngle(kCaptionAngle[CaptionSide()]);
  // A turned text needs an outline face.
  if (fxCaption_->GetAngle() != 0 && !Vyrutils::VyrIsTrueTypeFont(captionFont_.get()) &&
      captionFont_->GetName() != "Arial") {
    settingCaptionFont_ = true;
    captionFont_->SetName("Arial");
    settingCaptionFont_ = false;
  }
  captionHeight_ = Vyrutils::VyrGet3DTextHeight(captionFont3D_.get(), captionFont_.get());
}

void TVyrCustomGroupBox::SetAlignCaption(TVyrGroupCaptionAlign Value) {
  if (alignment_ == Value) return;
  alignment_ = Value;
  GetChange(captionFont3D_.get());
  Realign();
}

void TVyrCustomGroupBox::SetCaptionOffset(int Value) {
  captionOffset_ = std::clamp(Value, -kVyrMaxCoordinate, kVyrMaxCoordinate);
  GetChange(nullptr);
}

void TVyrCustomGroupBox::SetAccelChar(bool Value) {
  showAccelChar_ = Value;
  GetChange(nullptr);
}

void TVyrCustomGroupBox::GetChange(TObject* Sender) {
  if (Sender == captionFont3D_.get()) {
    const int angle = fxCaption_->GetAngle();
    fxCaption_->Assign(captionFont3D_.get());
    fxCaption_->SetAngle(angle);
    SetCaptionHeight();
    if (!Loading()) Invalidate();
    return;
  }
  if (Sender == captionFont_.get()) {
    if (settingCaptionFont_) return;
    captionParentFont_ = false;
    // A new size moves the frame and what is aligned inside it.
    const int before = captionHeight_;
    SetCaptionHeight();
    if (before != captionHeight_ && !Loading()) Realign();
  }
  TVyrCustomParentPanel::GetChange(Sender);
}

void TVyrCustomGroupBox::SetCaptionParentFont(bool Value) {
  if (captionParentFont_ == Value) return;
  captionParentFont_ = Value;
  if (Value && GetParent()) Perform(CM_PARENTFONTCHANGED, 0, 0);
}

void TVyrCustomGroupBox::CMParentFontChanged(TMessage& Message) {
  TVyrCustomParentPanel::CMParentFontChanged(Message);
  if (!captionParentFont_) return;
  TFont* source = Message.WParam ? reinterpret_cast<TFont*>(Message.LParam) : GetFont();
  if (!source) return;
  captionFont_->Assign(source);
  captionParentFont_ = true;
}

void TVyrCustomGroupBox::CMEnabledChanged(TMessage& Message) {
  TVyrCustomParentPanel::CMEnabledChanged(Message);
  Repaint();
}

void TVyrCustomGroupBox::CMTextChanged(TMessage& Message) {
  TVyrCustomParentPanel::CMTextChanged(Message);
  Invalidate();
  Realign();
}

void TVyrCustomGroupBox::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_DIALOGCHAR && IsAccel(static_cast<WORD>(Message.WParam), GetCaption()) && CanFocus()) {
    if (TWinControl* first = FindNextControl(nullptr, true, true, false)) first->SetFocus();
    Message.Result = 1;
    return;
  }
  TVyrCustomParentPanel::Dispatch(Message);
}

void TVyrCustomGroupBox::AlignControls(TControl* AControl, TRect& Rect) {
  switch (CaptionSide()) {
    case sideTop: Rect.top += captionHeight_; break;
    case sideLeft: Rect.left += captionHeight_; break;
    case sideBottom: Rect.bottom -= captionHeight_; break;
    default: Rect.right -= captionHeight_; break;
  }
  TVyrCustomParentPanel::AlignControls(AControl, Rect);
}

void TVyrCustomGroupBox::Paint() {
  if (Loading()) return;
  FillControl();
  TCanvas* canvas = GetCanvas();
  TRect inner;
  const AnsiString text = Trim(GetCaption());
  if (text.IsEmpty()) {
    GetBevel()->PaintBevel(canvas, GetClientRect(), inner, true);
    return;
  }
  const int place = static_cast<int>(alignment_);
  const TVyrAlignment alignment = kStripAlignment[place];
  // In 64 bits: the offset and the size of a huge box would overflow.
  const Int64 offL = place % 3 == 0 ? captionOffset_ : 0;
  const Int64 offR = place % 3 == 2 ? captionOffset_ : 0;
  const Int64 c = captionHeight_, h = c / 2 - 1, W = width_, H = height_;
  TRect strip, frame;
  switch (CaptionSide()) {
    case sideTop:
      strip = ClampedRect(offL, 0, W - offR, c);
      frame = ClampedRect(0, h, W, H);
      break;
    case sideLeft:
      strip = ClampedRect(0, offR, c, H - offL);
      frame = ClampedRect(h, 0, W, H);
      break;
    case sideBottom:
      strip = ClampedRect(offL, H - c, W - offR, H);
      frame = ClampedRect(0, 0, W, H - h);
      break;
    default:
      strip = ClampedRect(W - c, offL + 2, W, H - offR);
      frame = ClampedRect(0, 0, W - h, H);
      break;
  }
  GetBevel()->PaintBevel(canvas, frame, inner, true);

  int flags = Vyrutils::VyrAlignmentDrawTextFlags(alignment) | DT_SINGLELINE | DT_EXPANDTABS;
  if (!showAccelChar_) flags |= DT_NOPREFIX;
  flags = static_cast<int>(DrawTextBiDiModeFlags(static_cast<UINT>(flags)));
  const TRect textRect =
      Vyrutils::VyrAlignTextRect(alignment, text, fxCaption_.get(), strip, captionFont_.get(), false, showAccelChar_, flags);

  // The frame line is broken behind the text.
  TRect back = textRect;
  switch (CaptionSide()) {
    case sideLeft: back.bottom += 2; break;
    case sideRight: back.top -= 2; break;
    default: back.left -= 2; break;
  }
  if (!CheckOptimized() || !BackDrawArea(canvas, back, TPoint(left_ + back.left, top_ + back.top), 0)) {
    canvas->GetBrush()->SetStyle(bsSolid);
    canvas->GetBrush()->SetColor(GetColor());
    canvas->FillRect(back);
  }

  canvas->GetBrush()->SetColor(GetColor());
  canvas->SetFont(captionFont_.get());
  Vyrgraph::TVyrDrawTextStyles styles;
  if (GetEnabled()) styles.Include(TVyrDrawTextStyle::dtEnabled);
  Vyrutils::VyrDrawTextExt(canvas, text, fxCaption_.get(), textRect, flags, styles, nullptr);
  canvas->SetFont(GetFont());
}

void TVyrCustomGroupBox::Publish(TPublisher<TVyrCustomGroupBox>& P) {
  using G = TVyrCustomGroupBox;
  P.Enum("Alignment", &G::GetAlignment, &G::SetAlignCaption,
         {"gcaTopLeft", "gcaTopCenter", "gcaTopRight", "gcaLeftBottom", "gcaLeftCenter", "gcaLeftTop", "gcaBottomLeft",
          "gcaBottomCenter", "gcaBottomRight", "gcaRightTop", "gcaRightCenter", "gcaRightBottom"},
         0);
  // Only a font of its own goes into the form text.
  P.Object("CaptionFont", &G::GetCaptionFont).Stored([](G* g) { return !g->GetCaptionParentFont(); });
  P.Object("CaptionFont3D", &G::GetCaptionFont3D);
  P.Integer("CaptionOffset", &G::GetCaptionOffset, &G::SetCaptionOffset, 8);
  // The constructor's standard inset frame, so that a box set back to the
  // bevel's own defaults keeps them through a form.
  P.Object("Bevel", &G::GetBevel)
      .NestedDefault("Mode", static_cast<Int64>(Vyrgraph::TVyrBevelMode::bmStandard))
      .NestedDefault("StandardStyle", static_cast<Int64>(Vyrgraph::TVyrBorderStyle::lsFrameInset));
  P.Bool("ShowAccelChar", &G::GetShowAccelChar, &G::SetAccelChar, true);
}

void TVyrGroupBox::Publish(TPublisher<TVyrGroupBox>& P) {
  P.Bool("TabStop", &TWinControl::GetTabStop, &TWinControl::SetTabStop, false);
}

}  // namespace Vyrctrl
