// TBrush: the class library's brush over a GDI brush. A Bitmap, when set,
// makes a pattern brush of it; the brush does not own the bitmap.
#pragma once

#include "colors.h"
#include "graphicsobject.h"
#include "published.h"

class TBitmap;

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

class TBrush : public TGraphicsObject {
  MORVANT_PUBLISHED(TBrush, TGraphicsObject)
 public:
  void Assign(TPersistent* Source) override;

  TColor GetColor() const { return color_; }
  // A colour also makes a clear brush solid, as in the class library.
  void SetColor(TColor Value);
  TBrushStyle GetStyle() const { return style_; }
  void SetStyle(TBrushStyle Value);
  TBitmap* GetBitmap() const { return bitmap_; }
  void SetBitmap(TBitmap* Value);

  // Inline while the handle is made: a canvas asks before every operation.
  HBRUSH GetHandle() { return handle_ ? static_cast<HBRUSH>(handle_) : MakeHandle(); }

 private:
  HBRUSH MakeHandle();

  TColor color_ = clWhite;
  TBrushStyle style_ = bsSolid;
  TBitmap* bitmap_ = nullptr;
};
