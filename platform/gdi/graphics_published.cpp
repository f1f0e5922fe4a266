// What a form stream may say of a control's font, pen and brush: "Font.Name",
// "Font.Style = [fsBold]", "Pen.Color" and so on.
#include "brush_class.h"
#include "font_class.h"
#include "pen_class.h"

void TFont::Publish(TPublisher<TFont>& P) {
  P.Integer("Charset", &TFont::GetCharset, &TFont::SetCharset);
  P.Color("Color", &TFont::GetColor, &TFont::SetColor);
  P.Integer("Height", &TFont::GetHeight, &TFont::SetHeight);
  P.String("Name", &TFont::GetName, &TFont::SetName);
  P.Enum("Pitch", &TFont::GetPitch, &TFont::SetPitch, {"fpDefault", "fpVariable", "fpFixed"}, fpDefault);
  P.Enum("Quality", &TFont::GetQuality, &TFont::SetQuality,
         {"fqDefault", "fqDraft", "fqProof", "fqNonAntialiased", "fqAntialiased", "fqClearType", "fqClearTypeNatural"},
         fqDefault);
  // Size is Height in points: reading either sets both, writing Height is
  // enough.
  P.Integer("Size", &TFont::GetSize, &TFont::SetSize).Stored(false);
  P.Set("Style", &TFont::GetStyle, &TFont::SetStyle, {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}, 0);
}

void TPen::Publish(TPublisher<TPen>& P) {
  P.Color("Color", &TPen::GetColor, &TPen::SetColor, clBlack);
  P.Enum("Mode", &TPen::GetMode, &TPen::SetMode,
         {"pmBlack", "pmWhite", "pmNop", "pmNot", "pmCopy", "pmNotCopy", "pmMergePenNot", "pmMaskPenNot",
          "pmMergeNotPen", "pmMaskNotPen", "pmMerge", "pmNotMerge", "pmMask", "pmNotMask", "pmXor", "pmNotXor"},
         pmCopy);
  P.Enum("Style", &TPen::GetStyle, &TPen::SetStyle,
         {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame"}, psSolid);
  P.Integer("Width", &TPen::GetWidth, &TPen::SetWidth, 1);
}

void TBrush::Publish(TPublisher<TBrush>& P) {
  P.Color("Color", &TBrush::GetColor, &TBrush::SetColor, clWhite);
  P.Enum("Style", &TBrush::GetStyle, &TBrush::SetStyle,
         {"bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal", "bsBDiagonal", "bsCross", "bsDiagCross"},
         bsSolid);
}
