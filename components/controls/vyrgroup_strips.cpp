// The standard glyph strips of the check box and the radio button.
#include <initializer_list>

#include "bitmap_class.h"
#include "brush_class.h"
#include "canvas.h"
#include "colors.h"
#include "drawframecontrol.h"
#include "vyrgroup.h"

namespace Vyrgroup {

namespace {

void DrawStrip(TBitmap* Strip, int GlyphSize, bool Flat, TColor Background, UINT Kind,
               std::initializer_list<UINT> Cells) {
  const int size = GlyphSize > 0 ? GlyphSize : 1;
  Strip->SetSize(static_cast<int>(Cells.size()) * size, size);
  TCanvas* C = Strip->GetCanvas();
  C->GetBrush()->SetStyle(bsSolid);
  C->GetBrush()->SetColor(Background);
  C->FillRect(TRect(0, 0, Strip->GetWidth(), size));
  C->GetBrush()->SetStyle(bsClear);
  int i = 0;
  for (UINT state : Cells) {
    RECT cell = Bounds(i++ * size, 0, size, size);
    DrawFrameControl(C->GetHandle(), &cell, DFC_BUTTON, Kind | state | (Flat ? DFCS_FLAT : 0));
  }
}

}  // namespace

void VyrCreateCheckBoxStrip(TBitmap* Strip, int GlyphSize, bool Flat) {
  DrawStrip(Strip, GlyphSize, Flat, clBtnFace, DFCS_BUTTONCHECK,
            {0, DFCS_INACTIVE, DFCS_CHECKED, DFCS_CHECKED | DFCS_INACTIVE, DFCS_CHECKED | DFCS_BUTTON3STATE,
             DFCS_CHECKED | DFCS_BUTTON3STATE | DFCS_INACTIVE});
}

void VyrCreateRadioStrip(TBitmap* Strip, int GlyphSize, bool Flat) {
  DrawStrip(Strip, GlyphSize, Flat, clOlive, DFCS_BUTTONRADIO,
            {0, DFCS_INACTIVE, DFCS_CHECKED, DFCS_CHECKED | DFCS_INACTIVE});
}

}  // namespace Vyrgroup
