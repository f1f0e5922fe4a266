// The built-in glyph picture of the speed buttons: eight 13 x 14 cells side
// by side, drawn from a character table so that the art stays readable.
#include <cstring>

#include "bitmap_class.h"
#include "canvas.h"
#include "colors.h"
#include "vyrbtn.h"

namespace Vyrbtn {

namespace {

constexpr int kCellWidth = 13;
constexpr int kCellHeight = 14;
constexpr int kCells = 8;

// Ellipsis, file, folder, calculator, calendar, search, colour, font.
constexpr const char* kPicture[kCellHeight] = {
    ".........................................kkkkkkkkk............................kkkkkkkkkkkkk.............",
    "...............kkkkkkk...................kgggggggk...kkkkkkkkkkk....kkkk......krrrkGGGkbbbk......k......",
    "...............kwwwwwkk..................kGGGGGGGk...krrrrrrrrrk...kwwwwk.....krrrkGGGkbbbk.....kkk.....",
    "...............kwwwwwkwk...kkkk..........kgggggggk...krrrrrrrrrk..kwwsswwk....krrrkGGGkbbbk.....kkk.....",
    "...............kwwwwwkkkk.kyyyyk.........kwgwgwgwk...kkkkkkkkkkk..kwswwwwk....kkkkkkkkkkkkk....kk.kk....",
    "...............kwwwwwwwwk.kyyyyykkkkkk...kgggggggk...kwwwwwwwwwk..kwwwwwwk....kyyykwwwkccck....kk.kk....",
    "...............kwwwwwwwwk.kyyyyyyyyyyk...kwgwgwgwk...kwkwkwkwkwk..kwwwwwwk....kyyykwwwkccck...kk...kk...",
    "...............kwwwwwwwwk.kyyyyyyyyyyk...kgggggggk...kwwwwwwwwwk...kwwwwk.....kyyykwwwkccck...kkkkkkk...",
    "...............kwwwwwwwwk.kyyyyyyyyyyk...kwgwgwgwk...kwkwkwkwkwk....kkkkkk....kkkkkkkkkkkkk..kk.....kk..",
    ".kk..kk..kk....kwwwwwwwwk.kyyyyyyyyyyk...kgggggggk...kwwwwwwwwwk........kkk...kgggkssskmmmk..kk.....kk..",
    ".kk..kk..kk....kwwwwwwwwk.kyyyyyyyyyyk...kwgwgwgwk...kwkwkwkwwwk.........kkk..kgggkssskmmmk.kkkk...kkkk.",
    "...............kwwwwwwwwk.kkkkkkkkkkkk...kgggggggk...kwwwwwwwwwk..........kkk.kgggkssskmmmk.............",
    "...............kkkkkkkkkk................kkkkkkkkk...kkkkkkkkkkk...........kk.kkkkkkkkkkkkk.............",
    "........................................................................................................",
};

TColor ColorOf(char C) {
  switch (C) {
    case 'k': return clBlack;
    case 'w': return clWhite;
    case 'g': return clGray;
    case 's': return clSilver;
    case 'y': return clYellow;
    case 'r': return clRed;
    case 'G': return clGreen;
    case 'b': return clBlue;
    case 'c': return clAqua;
    case 'm': return clFuchsia;
    default: return clOlive;
  }
}

}  // namespace

void VyrDrawGlyphKindStrip(TBitmap* Strip) {
  Strip->SetPixelFormat(pf4bit);
  Strip->SetSize(kCells * kCellWidth, kCellHeight);
  TCanvas* canvas = Strip->GetCanvas();
  for (int y = 0; y < kCellHeight; ++y) {
    const char* row = kPicture[y];
    const int length = static_cast<int>(std::strlen(row));
    for (int x = 0; x < kCells * kCellWidth; ++x) canvas->SetPixels(x, y, ColorOf(x < length ? row[x] : '.'));
  }
}

void VyrGetGlyphKind(TBitmap* Bitmap, TVyrGlyphKind Kind) {
  VyrDrawGlyphKindStrip(Bitmap);
  // The ellipsis is the first cell already; gkCustom has no cell and gets
  // it too.
  const int cell = static_cast<int>(Kind) - 1;
  if (cell > 0) {
    TCanvas* canvas = Bitmap->GetCanvas();
    canvas->SetCopyMode(cmSrcCopy);
    canvas->CopyRect(TRect(0, 0, kCellWidth, kCellHeight), canvas,
                     TRect(cell * kCellWidth, 0, (cell + 1) * kCellWidth, kCellHeight));
  }
  Bitmap->SetWidth(kCellWidth);
}

}  // namespace Vyrbtn
