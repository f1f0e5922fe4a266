// Caption settings: the 3D look, rotation and position, and the caption with
// its font.
#include "text.h"
#include "vyrgraph.h"
#include "vyrgraph_setter.h"
#include "vyrutils.h"

namespace Vyrgraph {

using Detail::Clamp;
using Detail::StoreIfChanged;

// ---- TVyr3DCaption ----
void TVyr3DCaption::Publish(TPublisher<TVyr3DCaption>& P) {
  P.Enum("DisabledStyle", &TVyr3DCaption::GetDisabledStyle, &TVyr3DCaption::SetDisabledStyle,
         {"dsAuto", "dsStandard", "ds3d", "dsNone"}, 0);
  P.Integer("LightDepth", &TVyr3DCaption::GetLightDepth, &TVyr3DCaption::SetLightDepth, 1);
  P.Integer("ShadowDepth", &TVyr3DCaption::GetShadowDepth, &TVyr3DCaption::SetShadowDepth, 1);
  P.Color("LightColor", &TVyr3DCaption::GetLightColor, &TVyr3DCaption::SetLightColor, clBtnHighlight);
  P.Color("ShadowColor", &TVyr3DCaption::GetShadowColor, &TVyr3DCaption::SetShadowColor, clBtnShadow);
  P.Enum("Style", &TVyr3DCaption::GetStyle, &TVyr3DCaption::SetStyle,
         {"tdNone", "tdSunken", "tdRaised", "tdSunkenShadow", "tdRaisedShadow", "tdPColorSunken", "tdPColorRaised",
          "tdShadow"},
         0);
  P.Integer("Tracing", &TVyr3DCaption::GetTracing, &TVyr3DCaption::SetTracing, 0);
}

void TVyr3DCaption::SetDisabledStyle(TVyrDisabledStyle Value) {
  if (StoreIfChanged(disabledStyle_, Value)) Change();
}
void TVyr3DCaption::SetLightDepth(int Value) {
  if (StoreIfChanged(lightDepth_, Clamp(Value, 0, 255))) Change();
}
void TVyr3DCaption::SetShadowDepth(int Value) {
  if (StoreIfChanged(shadowDepth_, Clamp(Value, 0, 255))) Change();
}
void TVyr3DCaption::SetLightColor(TColor Value) {
  if (StoreIfChanged(lightColor_, Value)) Change();
}
void TVyr3DCaption::SetShadowColor(TColor Value) {
  if (StoreIfChanged(shadowColor_, Value)) Change();
}
void TVyr3DCaption::SetStyle(TVyrThreeDStyle Value) {
  if (StoreIfChanged(style_, Value)) Change();
}
void TVyr3DCaption::SetTracing(int Value) {
  if (StoreIfChanged(tracing_, Value)) Change();
}

void TVyr3DCaption::Copy3D(const TVyr3DCaption& Source) {
  SetDisabledStyle(Source.disabledStyle_);
  SetLightDepth(Source.lightDepth_);
  SetShadowDepth(Source.shadowDepth_);
  SetLightColor(Source.lightColor_);
  SetShadowColor(Source.shadowColor_);
  SetStyle(Source.style_);
  SetTracing(Source.tracing_);
}

void TVyr3DCaption::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TVyr3DCaption*>(Source);
  if (!src) {
    TVyrObject::Assign(Source);
    return;
  }
  Detail::CopyAsOneChange(this, [&] { Copy3D(*src); });
}

// ---- TVyrFxCaption ----
void TVyrFxCaption::Publish(TPublisher<TVyrFxCaption>& P) {
  P.Integer("Angle", &TVyrFxCaption::GetAngle, &TVyrFxCaption::SetAngle, 0);
  P.Integer("PosX", &TVyrFxCaption::GetPosX, &TVyrFxCaption::SetPosX, 0);
  P.Integer("PosY", &TVyrFxCaption::GetPosY, &TVyrFxCaption::SetPosY, 0);
}

void TVyrFxCaption::SetAngle(int Value) {
  int angle = Clamp(Value, 0, kAngleMax);
  if (angle == kAngleMax) angle = 0;
  if (StoreIfChanged(angle_, angle)) Change();
}

void TVyrFxCaption::SetPos(int Index, int Value) {
  if (StoreIfChanged(Index == 0 ? posX_ : posY_, Value & 0xFFFF)) Change();
}

void TVyrFxCaption::SetPosXY(int X, int Y) {
  BeginUpdate();
  TScopeGuard endUpdate([&] { EndUpdate(false); });
  SetPosX(X);
  SetPosY(Y);
}

void TVyrFxCaption::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TVyrFxCaption*>(Source);
  if (!src) {
    TVyr3DCaption::Assign(Source);
    return;
  }
  Detail::CopyAsOneChange(this, [&] {
    Copy3D(*src);
    SetAngle(src->angle_);
    SetPosX(src->posX_);
    SetPosY(src->posY_);
  });
}

// ---- TVyrCaption ----
void TVyrCaption::Publish(TPublisher<TVyrCaption>& P) {
  P.Enum("Alignment", &TVyrCaption::GetAlignment, &TVyrCaption::SetAlignment,
         {"agTopLeft", "agTopCenter", "agTopRight", "agCenterLeft", "agCenter", "agCenterRight", "agBottomLeft",
          "agBottomCenter", "agBottomRight"},
         static_cast<Int64>(TVyrAlignment::agCenter));
  P.String("Caption", &TVyrCaption::GetCaption, &TVyrCaption::SetCaption);
  P.Object("Font", &TVyrCaption::GetFont);
  P.Object("FontFx", &TVyrCaption::GetFontFx);
  P.Bool("MultiLine", &TVyrCaption::GetMultiLine, &TVyrCaption::SetMultiLine, false);
}

TVyrCaption::TVyrCaption() : font_(std::make_unique<TFont>()), fontFx_(std::make_unique<TVyrFxCaption>()) {
  font_->OnChange = TNotifyEvent(this, &TVyrCaption::FontChanged);
  fontFx_->SetOnChange(TNotifyEvent(this, &TVyrCaption::FontChanged));
}

TVyrCaption::TVyrCaption(const AnsiString& Text, const AnsiString& FontName, int FontSize, TColor FontColor,
                         TNotifyEvent OnChange)
    : TVyrCaption() {
  caption_ = Text;
  if (!FontName.IsEmpty()) font_->SetName(FontName);
  if (FontSize > 0) font_->SetSize(FontSize);
  font_->SetColor(FontColor);
  SetOnChange(OnChange);
  ownCaption_ = true;
}

void TVyrCaption::SetAlignment(TVyrAlignment Value) {
  if (StoreIfChanged(alignment_, Value)) Change();
}
void TVyrCaption::SetCaption(const AnsiString& Value) {
  if (StoreIfChanged(caption_, Value)) Change();
}
void TVyrCaption::SetMultiLine(bool Value) {
  if (StoreIfChanged(multiLine_, Value)) Change();
}

void TVyrCaption::FontChanged(TObject* Sender) {
  // The correction below changes the font or the angle again: that nested
  // report is part of this one.
  if (inFontChange_) return;
  inFontChange_ = true;
  TScopeGuard done([&] { inFontChange_ = false; });
  if (fontFx_->GetAngle() != 0 && !Vyrutils::VyrIsTrueTypeFont(font_.get())) {
    if (Sender == fontFx_.get())
      font_->SetName("Arial");
    else
      fontFx_->SetAngle(0);
  }
  Change();
}

void TVyrCaption::DrawCaption(TCanvas* Canvas, const AnsiString& Text, const TRect& R, TColor Color,
                              TVyrDrawTextStyles Flags) {
  const AnsiString text = (Text.IsEmpty() && ownCaption_) ? caption_ : Text;
  const bool showPrefix = Flags.Contains(TVyrDrawTextStyle::dtAccelChar);
  int format = Vyrutils::VyrAlignmentDrawTextFlags(alignment_) | DT_WORDBREAK | DT_EXPANDTABS;
  if (!showPrefix) format |= DT_NOPREFIX;
  const bool angled = fontFx_->GetAngle() != 0;
  if (angled || !multiLine_) format |= DT_SINGLELINE;
  const int row = static_cast<int>(alignment_) / 3;
  TRect r = R;
  if ((angled && alignment_ != TVyrAlignment::agTopLeft) || (!angled && multiLine_ && row > 0))
    r = Vyrutils::VyrAlignTextRect(alignment_, text, fontFx_.get(), R, font_.get(), multiLine_, showPrefix, 0);
  Canvas->GetBrush()->SetStyle(bsClear);
  Canvas->GetBrush()->SetColor(Color);
  Canvas->SetFont(font_.get());
  Vyrutils::VyrDrawTextExt(Canvas, text, fontFx_.get(), r, format, Flags, nullptr);
}

void TVyrCaption::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TVyrCaption*>(Source);
  if (!src) {
    TVyrObject::Assign(Source);
    return;
  }
  Detail::CopyAsOneChange(this, [&] {
    SetAlignment(src->alignment_);
    SetCaption(src->caption_);
    font_->Assign(src->font_.get());
    fontFx_->Assign(src->fontFx_.get());
    SetMultiLine(src->multiLine_);
  });
}

}  // namespace Vyrgraph
