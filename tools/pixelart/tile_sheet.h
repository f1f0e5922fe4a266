// The tile sheet the game copies cell pictures from (640 by 160): every tile
// at the place the board drawing expects it, the floor patch at
// (448, 60)-(548, 160), black elsewhere.
#pragma once

#include <span>

#include "pixel_canvas.h"

namespace pixelart {

constexpr int kSheetWidth = 640;
constexpr int kSheetHeight = 160;
constexpr int kFloorPatchLeft = 448;
constexpr int kFloorPatchTop = 60;

struct TilePlace {
  int Code;  // the cell code the tile stands for
  int Left, Top, Width, Height;
};

std::span<const TilePlace> TilePlaces();
// Null for a code without a tile (empty floor, open gate, unknown codes).
const TilePlace* FindTile(int code);

PixelCanvas TileSheet();

}  // namespace pixelart
