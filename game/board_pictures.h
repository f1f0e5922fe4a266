// Where each cell code's picture lies on the tile sheet, and how it is put
// on its cell.
#pragma once

#include "rect.h"
#include "wintypes.h"

namespace Game {

enum class CellPicture {
  None,       // the background shows
  Tile,       // a 32 x 32 tile of the sheet
  SmallTile,  // a 22 x 22 tile of the sheet at inset 5, 5 (goals and boxes)
  Key,        // a masked key sprite
  ExitItem,   // the masked 20 x 19 exit item at inset 6, 6
};

struct CellPictureInfo {
  CellPicture kind = CellPicture::None;
  TRect sheet;  // Tile and SmallTile: the rectangle on the sheet
  int key = 0;  // Key: 0..3
};

CellPictureInfo PictureOfCell(Integer code);

// The 100 x 100 patch of the sheet that tiles the background.
inline TRect BackgroundPatch() { return TRect(448, 60, 548, 160); }

}  // namespace Game
