// The board is drawn double-buffered: Image1 holds the whole current floor
// with the figure and the movers, rebuilt rectangle by rectangle; after each
// update the part the view shows goes to Image4 in one copy.
#include "board_pictures.h"
#include "main_form.h"
#include "view.h"

using namespace Game;

namespace {

TRect CellRect(int x, int y, int inset, int w, int h) {
  return TRect(kCellPixels * x + inset, kCellPixels * y + inset, kCellPixels * x + inset + w,
               kCellPixels * y + inset + h);
}

}  // namespace

void TForm1::BuildBackground() {
  const TRect patch = BackgroundPatch();
  TCanvas* canvas = Image3->GetCanvas();
  for (int i = 0; i < 16; ++i)
    for (int j = 0; j < 16; ++j)
      canvas->CopyRect(TRect(100 * i, 100 * j, 100 * i + 100, 100 * j + 100), Image2->GetCanvas(), patch);
}

void TForm1::DrawMasked(TImage* mask, TImage* picture, const TRect& source, const TRect& dest) {
  TCanvas* canvas = Image1->GetCanvas();
  canvas->SetCopyMode(cmSrcAnd);
  canvas->CopyRect(dest, mask->GetCanvas(), source);
  canvas->SetCopyMode(cmSrcPaint);
  canvas->CopyRect(dest, picture->GetCanvas(), source);
  canvas->SetCopyMode(cmSrcCopy);
}

void TForm1::DrawCell(int x, int y) {
  const CellPictureInfo picture = PictureOfCell(Cells[Floor][x][y]);
  switch (picture.kind) {
    case CellPicture::None: return;
    case CellPicture::Tile:
      Image1->GetCanvas()->CopyRect(CellRect(x, y, 0, 32, 32), Image2->GetCanvas(), picture.sheet);
      return;
    case CellPicture::SmallTile:
      Image1->GetCanvas()->CopyRect(CellRect(x, y, 5, 22, 22), Image2->GetCanvas(), picture.sheet);
      return;
    case CellPicture::Key: {
      TImage* const keys[] = {Image19, Image18, Image16, Image17};
      DrawMasked(Image15, keys[picture.key], TRect(0, 0, 32, 32), CellRect(x, y, 0, 32, 32));
      return;
    }
    case CellPicture::ExitItem:
      DrawMasked(Image14, Image13, TRect(0, 0, 20, 19), CellRect(x, y, 6, 20, 19));
      return;
  }
}

void TForm1::RedrawCells(int x1, int y1, int x2, int y2) {
  const ViewOrigin origin = ComputeViewOrigin(*this);
  const int px = kCellPixels;
  const TRect changed(px * x1, px * y1, px * x2, px * y2);
  Image1->GetCanvas()->CopyRect(changed, Image3->GetCanvas(), changed);
  for (int x = x1; x < x2; ++x)
    for (int y = y1; y < y2; ++y)
      if (OnBoard(x, y)) DrawCell(x, y);

  const TRect figure(px * PlayerX + SpriteOffsetX, px * PlayerY + SpriteOffsetY,
                     px * PlayerX + SpriteOffsetX + 32, px * PlayerY + SpriteOffsetY + 32);
  if (FacingRight)
    DrawMasked(Image8, Image6, TRect(0, 0, 32, 32), figure);
  else
    DrawMasked(Image7, Image5, TRect(0, 0, 32, 32), figure);

  for (int i = 0; i < kMoverSlots; ++i) {
    if (MoverX[i] == 0 || MoverFloor[i] != Floor) continue;
    const int left = px * MoverX[i] + MoverOffsetX[i];
    const int top = px * MoverY[i] + MoverOffsetY[i];
    DrawMasked(Image21, Image22, TRect(0, 0, 32, 32), TRect(left, top, left + 32, top + 32));
  }

  const int left = px * origin.x + ViewOffsetX;
  const int top = px * origin.y + ViewOffsetY;
  Image4->GetCanvas()->CopyRect(TRect(0, 0, 1600, 1600), Image1->GetCanvas(), TRect(left, top, left + 1600, top + 1600));

  TImage* const indicators[] = {Image9, Image10, Image11, Image12};
  for (int k = 0; k < 4; ++k) indicators[k]->SetVisible(KeyHeld[k] != 0);
}
