// TPen: the class library's pen over a GDI pen.
#pragma once

#include "colors.h"
#include "graphicsobject.h"
#include "published.h"

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TPenMode {
  pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
  pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor,
};

class TPen : public TGraphicsObject {
  MORVANT_PUBLISHED(TPen, TGraphicsObject)
 public:
  void Assign(TPersistent* Source) override;

  TColor GetColor() const { return color_; }
  void SetColor(TColor Value);
  // 0 and 1 both draw one pixel.
  int GetWidth() const { return width_; }
  void SetWidth(int Value);
  TPenStyle GetStyle() const { return style_; }
  void SetStyle(TPenStyle Value);
  TPenMode GetMode() const { return mode_; }
  void SetMode(TPenMode Value);
  // The binary raster code (R2_*) of Mode, which the canvas sets with the pen.
  int Rop2() const;

  // Inline while the handle is made: a canvas asks before every operation.
  HPEN GetHandle() { return handle_ ? static_cast<HPEN>(handle_) : MakeHandle(); }

 private:
  HPEN MakeHandle();

  TColor color_ = clBlack;
  int width_ = 1;
  TPenStyle style_ = psSolid;
  TPenMode mode_ = pmCopy;
};
