// TFont: the class library's font over a GDI font. Size is in points and
// Height in pixels (negative: the character height, positive: the cell
// height), converted through PixelsPerInch.
#pragma once

#include "colors.h"
#include "graphicsobject.h"
#include "published.h"
#include "sets.h"

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
enum TFontPitch { fpDefault, fpVariable, fpFixed };
using TFontCharset = Byte;
// In the order of the GDI qualities. Draft and non-antialiased text is drawn
// with whole pixels only, so that it can serve as a mask.
enum TFontQuality { fqDefault, fqDraft, fqProof, fqNonAntialiased, fqAntialiased, fqClearType, fqClearTypeNatural };

class TFont : public TGraphicsObject {
  MORVANT_PUBLISHED(TFont, TGraphicsObject)
 public:
  TFont() = default;
  void Assign(TPersistent* Source) override;

  AnsiString GetName() const { return name_; }
  void SetName(const AnsiString& Value);
  int GetSize() const;
  void SetSize(int Value);
  int GetHeight() const { return height_; }
  void SetHeight(int Value);
  TColor GetColor() const { return color_; }
  void SetColor(TColor Value);
  TFontStyles GetStyle() const { return style_; }
  void SetStyle(TFontStyles Value);
  TFontPitch GetPitch() const { return pitch_; }
  void SetPitch(TFontPitch Value);
  TFontCharset GetCharset() const { return charset_; }
  void SetCharset(TFontCharset Value);
  TFontQuality GetQuality() const { return quality_; }
  void SetQuality(TFontQuality Value);

  int PixelsPerInch = 96;

  // Inline while the handle is made: a canvas asks before every operation.
  HFONT GetHandle() { return handle_ ? static_cast<HFONT>(handle_) : MakeHandle(); }
  // Adopts the font: its properties become this font's and the previous
  // handle is released. The font owns the new handle from now on.
  void SetHandle(HFONT Value);

 private:
  HFONT MakeHandle();

  AnsiString name_ = "MS Sans Serif";
  int height_ = -11;  // 8 points
  TColor color_ = clWindowText;
  TFontStyles style_;
  TFontPitch pitch_ = fpDefault;
  TFontCharset charset_ = 1;  // DEFAULT_CHARSET
  TFontQuality quality_ = fqDefault;
};
