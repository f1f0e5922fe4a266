#include "font_class.h"

#include <cstring>

#include "font.h"
#include "gdiobj.h"
#include "numbers.h"

void TFont::Assign(TPersistent* Source) {
  if (auto* font = dynamic_cast_object<TFont>(Source)) {
    name_ = font->name_, height_ = font->height_, color_ = font->color_;
    style_ = font->style_, pitch_ = font->pitch_, charset_ = font->charset_, quality_ = font->quality_;
    // Keep the size in points when the two fonts count pixels differently.
    if (font->PixelsPerInch != PixelsPerInch) height_ = -MulDiv(font->GetSize(), PixelsPerInch, 72);
    Changed();
    return;
  }
  inherited::Assign(Source);
}

void TFont::SetName(const AnsiString& Value) {
  if (Value.IsEmpty() || Value == name_) return;
  name_ = Value;
  Changed();
}

int TFont::GetSize() const { return -MulDiv(height_, 72, PixelsPerInch); }

void TFont::SetSize(int Value) { SetHeight(-MulDiv(Value, PixelsPerInch, 72)); }

void TFont::SetHeight(int Value) {
  if (Value == height_) return;
  height_ = Value;
  Changed();
}

void TFont::SetColor(TColor Value) {
  if (Value == color_) return;
  color_ = Value;
  // The colour is not part of the GDI font: the handle stays.
  if (OnChange) OnChange(this);
}

void TFont::SetStyle(TFontStyles Value) {
  if (Value == style_) return;
  style_ = Value;
  Changed();
}

void TFont::SetPitch(TFontPitch Value) {
  if (Value == pitch_) return;
  pitch_ = Value;
  Changed();
}

void TFont::SetCharset(TFontCharset Value) {
  if (Value == charset_) return;
  charset_ = Value;
  Changed();
}

void TFont::SetQuality(TFontQuality Value) {
  if (Value == quality_) return;
  quality_ = Value;
  Changed();
}

HFONT TFont::MakeHandle() {
  LOGFONT lf;
  lf.lfHeight = height_;
  lf.lfWeight = style_.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = style_.Contains(fsItalic);
  lf.lfUnderline = style_.Contains(fsUnderline);
  lf.lfStrikeOut = style_.Contains(fsStrikeOut);
  lf.lfCharSet = charset_;
  lf.lfQuality = static_cast<BYTE>(quality_);
  lf.lfPitchAndFamily = pitch_ == fpFixed ? FIXED_PITCH : pitch_ == fpVariable ? VARIABLE_PITCH : DEFAULT_PITCH;
  // The record holds 31 bytes; a longer name is cut before a whole letter.
  const std::size_t n = name_.Length() < LF_FACESIZE ? name_.Length() : Utf8StartOfCodePoint(name_, LF_FACESIZE - 1);
  std::memcpy(lf.lfFaceName, name_.c_str(), n);
  handle_ = CreateFontIndirect(&lf);
  return static_cast<HFONT>(handle_);
}

void TFont::SetHandle(HFONT Value) {
  if (Value == handle_) return;
  LOGFONT lf;
  const bool known = Value && GetObject(Value, sizeof lf, &lf) == static_cast<int>(sizeof lf);
  FreeHandle();
  handle_ = Value;
  if (known) {
    lf.lfFaceName[LF_FACESIZE - 1] = 0;
    if (lf.lfFaceName[0]) name_ = lf.lfFaceName;
    height_ = lf.lfHeight;
    style_ = TFontStyles();
    if (lf.lfWeight >= FW_BOLD) style_.Include(fsBold);
    if (lf.lfItalic) style_.Include(fsItalic);
    if (lf.lfUnderline) style_.Include(fsUnderline);
    if (lf.lfStrikeOut) style_.Include(fsStrikeOut);
    charset_ = lf.lfCharSet;
    quality_ = lf.lfQuality <= CLEARTYPE_NATURAL_QUALITY ? static_cast<TFontQuality>(lf.lfQuality) : fqDefault;
    const int pitch = lf.lfPitchAndFamily & 3;
    pitch_ = pitch == FIXED_PITCH ? fpFixed : pitch == VARIABLE_PITCH ? fpVariable : fpDefault;
  }
  if (OnChange) OnChange(this);
}
