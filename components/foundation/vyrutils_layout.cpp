// A glyph and a caption laid out together in a rectangle.
#include <algorithm>

#include "text.h"
#include "vyrutils.h"

namespace Vyrutils {

using Vyrgraph::TVyrAlignment;
using Vyrgraph::TVyrArrowPosition;
using Vyrgraph::TVyrButtonLayout;
using Vyrgraph::TVyrDrawTextStyle;
using Vyrgraph::TVyrGlyphTextLayout;
using Vyrgraph::TVyrTextArrange;

int VyrAlignmentDrawTextFlags(TVyrAlignment Alignment) {
  static constexpr int flags[] = {0x0, 0x1, 0x2, 0x4, 0x5, 0x6, 0x8, 0x9, 0xA};
  return flags[static_cast<int>(Alignment)];
}

TRect VyrAlignTextRect(TVyrAlignment Alignment, const AnsiString& Text, TVyr3DCaption* Caption, const TRect& Rect,
                       TFont* Font, bool MultiLine, bool ShowAccelChar, int Flags) {
  TRect measured(Rect.left, Rect.top, Rect.right - 1, Rect.bottom);
  VyrDrawTextCalc(Text, Caption, measured, Font, MultiLine, ShowAccelChar, 0, Flags);
  return VyrAlignRect(Alignment, measured, Rect);
}

namespace {

TRect Moved(const TRect& R, int dx, int dy) { return TRect(R.left + dx, R.top + dy, R.right + dx, R.bottom + dy); }
TRect Grown(const TRect& R, int by) { return TRect(R.left - by, R.top - by, R.right + by, R.bottom + by); }

}  // namespace

void VyrDrawTextAndGlyphExt(TCanvas* Canvas, const AnsiString& Text, TVyr3DCaption* Caption, const TRect& Rect,
                            TCanvas* GlyphCanvas, TRect& GlyphRect, TCanvas* MaskCanvas, TColor TransparentColor,
                            TVyrGlyphTextLayout* Layout, bool MultiLine, bool ShowAccelChar, bool Transparent,
                            TVyrDrawTextStyles Styles, int Flags) {
  const bool hasGlyph = GlyphCanvas && GlyphRect.Width() > 0 && GlyphRect.Height() > 0;
  const bool hasText = !Text.IsEmpty();
  const int spacing = hasGlyph == hasText ? Layout->GetSpacing() : 0;

  TRect text;
  if (hasText) {
    text = TRect(0, 0, std::abs(Rect.Width()), 0);
    VyrDrawTextCalc(Text, Caption, text, Canvas->GetFont(), MultiLine, ShowAccelChar, 0, Flags);
  }
  int textW = text.Width(), textH = text.Height();
  int glyphW = hasGlyph ? GlyphRect.Width() : 0, glyphH = hasGlyph ? GlyphRect.Height() : 0;
  if (Styles.Contains(TVyrDrawTextStyle::dtCalculate)) Styles.Include(TVyrDrawTextStyle::dtRectGlyphText);
  const bool drawing = !Styles.Contains(TVyrDrawTextStyle::dtCalculate);

  auto* button = dynamic_cast<TVyrButtonLayout*>(Layout);
  const bool arrow = button && button->GetArrow();
  const int AW = arrow ? button->GetArrowSize() * 2 - 1 : 0;
  const TVyrArrowPosition arrowAt = arrow ? button->GetArrowPosition() : TVyrArrowPosition::apRightText;
  const bool arrowOnGlyph = arrowAt == TVyrArrowPosition::apRightGlyph || arrowAt == TVyrArrowPosition::apLeftGlyph;
  if (arrow) (arrowOnGlyph ? glyphW : textW) += AW + button->GetArrowIndent();

  // The block and each piece inside it.
  const TVyrTextArrange arrange = Layout->GetAlignText2Glyph();
  const bool sideBySide = static_cast<int>(arrange) <= static_cast<int>(TVyrTextArrange::taRightTop);
  TPoint G, T;
  int blockW, blockH;
  if (sideBySide) {
    blockW = textW + spacing + glyphW;
    blockH = std::max(textH, glyphH);
    const int cText = (blockH - textH) / 2, cGlyph = (blockH - glyphH) / 2;
    switch (arrange) {
      case TVyrTextArrange::taLeft: G = TPoint(textW + spacing, cGlyph), T = TPoint(0, cText); break;
      case TVyrTextArrange::taLeftTop: G = TPoint(textW + spacing, 0), T = TPoint(0, cText); break;
      case TVyrTextArrange::taRight: G = TPoint(0, cGlyph), T = TPoint(glyphW + spacing, cText); break;
      default: G = TPoint(0, 0), T = TPoint(glyphW + spacing, cText); break;
    }
  } else {
    blockH = textH + spacing + glyphH;
    blockW = std::max(textW, glyphW);
    const int cText = (blockW - textW) / 2, cGlyph = (blockW - glyphW) / 2;
    switch (arrange) {
      case TVyrTextArrange::taTop: G = TPoint(cGlyph, textH + spacing), T = TPoint(cText, 0); break;
      case TVyrTextArrange::taTopLeft: G = TPoint(0, textH + spacing), T = TPoint(cText, 0); break;
      case TVyrTextArrange::taBottom: G = TPoint(cGlyph, 0), T = TPoint(cText, glyphH + spacing); break;
      default: G = TPoint(0, 0), T = TPoint(cText, glyphH + spacing); break;
    }
  }
  TRect textRect = Bounds(T.x, T.y, textW, textH);
  TRect glyphRect = Bounds(G.x, G.y, glyphW, glyphH);
  if (!Styles.Contains(TVyrDrawTextStyle::dtAutoSize)) {
    const TRect placed = VyrAlignRect(Layout->GetAlignment(), TRect(0, 0, blockW, blockH), Rect);
    textRect = Moved(textRect, placed.left + 1, placed.top + 1);
    glyphRect = Moved(glyphRect, placed.left, placed.top);
  }
  if (arrow && arrowAt == TVyrArrowPosition::apLeftText) textRect = Moved(textRect, button->GetArrowIndent() + AW, 0);

  Canvas->GetBrush()->SetStyle(bsClear);
  Flags |= DT_EXPANDTABS | DT_WORDBREAK;
  if (MultiLine) Flags |= VyrAlignmentDrawTextFlags(Layout->GetAlignment());
  textRect = Moved(textRect, Layout->GetOffsetX(), Layout->GetOffsetY());
  glyphRect = Moved(glyphRect, Layout->GetOffsetX(), Layout->GetOffsetY());
  const bool enabled = Styles.Contains(TVyrDrawTextStyle::dtEnabled);
  if (drawing && hasText) VyrDrawTextExt(Canvas, Text, Caption, textRect, Flags, Styles, nullptr);

  if (arrow && drawing) {
    const int size = button->GetArrowSize();
    const TColor color = button->GetArrowColor();
    const int textY = (textRect.top + textRect.bottom) / 2 - size / 2;
    if (arrowAt == TVyrArrowPosition::apRightText)
      VyrDrawTriangle(Canvas, MultiLine ? textRect.right - (size + 1) : textRect.right - AW - 1, textY, size, color, true,
                      enabled);
    else if (arrowAt == TVyrArrowPosition::apLeftText)
      VyrDrawTriangle(Canvas, textRect.left - (button->GetArrowIndent() + AW), textY, size, color, true, enabled);
  }
  if (arrow && arrowAt == TVyrArrowPosition::apLeftGlyph) glyphRect = Moved(glyphRect, button->GetArrowIndent() + AW, 0);
  // The glyph's own part of its piece, without the arrow's room.
  TRect glyphImage = glyphRect;
  if (arrow && arrowOnGlyph) glyphImage.right -= AW + button->GetArrowIndent();
  if (hasGlyph && drawing) {
    const std::uint16_t flags = !Transparent ? 0 : MaskCanvas ? 0x0100 : 0x0040;
    VyrBmpDrawExt(Canvas, glyphImage, GlyphCanvas, GlyphRect, flags, TransparentColor, nullptr, MaskCanvas);
  }
  if (arrow && drawing && arrowOnGlyph) {
    const int size = button->GetArrowSize();
    const int y = (glyphRect.top + glyphRect.bottom) / 2 - size / 2;
    const int x = arrowAt == TVyrArrowPosition::apRightGlyph ? glyphRect.right - AW
                                                             : glyphRect.left - (button->GetArrowIndent() + AW);
    VyrDrawTriangle(Canvas, x, y, size, button->GetArrowColor(), true, enabled);
  }

  TRect focus = Rect;
  if (!Styles.Contains(TVyrDrawTextStyle::dtAutoSize)) SubtractRect(&focus, &Rect, &textRect);
  if (Styles.Contains(TVyrDrawTextStyle::dtRectText)) {
    focus = Grown(textRect, 1);
  } else if (Styles.Contains(TVyrDrawTextStyle::dtRectGlyph) && hasGlyph) {
    focus = glyphRect;
  } else if (Styles.Contains(TVyrDrawTextStyle::dtRectGlyphText)) {
    UnionRect(&focus, &textRect, &glyphRect);
    focus = Grown(focus, 1);
  } else {
    focus = Grown(focus, -1);
  }
  if (Styles.Contains(TVyrDrawTextStyle::dtCalculate)) focus = Grown(focus, 1);
  GlyphRect = focus;
}

void VyrDrawTextAndGlyph(TCanvas* Canvas, const AnsiString& Text, TVyr3DCaption* Caption, const TRect& Rect,
                         TBitmap* Glyph, TBitmap* Mask, TVyrGlyphTextLayout* Layout, bool MultiLine, bool ShowAccelChar,
                         bool Transparent, TVyrDrawTextStyles Styles, int Flags) {
  const bool hasGlyph = Glyph && !Glyph->GetEmpty();
  TRect glyphRect = hasGlyph ? TRect(0, 0, Glyph->GetWidth(), Glyph->GetHeight()) : TRect();
  VyrDrawTextAndGlyphExt(Canvas, Text, Caption, Rect, hasGlyph ? Glyph->GetCanvas() : nullptr, glyphRect,
                         Mask ? Mask->GetCanvas() : nullptr, hasGlyph ? Glyph->GetTransparentColor() : clNone, Layout,
                         MultiLine, ShowAccelChar, Transparent, Styles, Flags);
}

}  // namespace Vyrutils
