// The board's tiles, each drawn at a place of the tile sheet. Full tiles are
// one cell (32 by 32) and lie over the whole cell; the goal and the boxes are
// 22 by 22 and the game draws them 5 pixels into their cell.
#pragma once

#include "pixel_canvas.h"

namespace pixelart {

constexpr int kCell = 32;
constexpr int kSmallTile = 22;

enum class StairsWay { Both, UpOnly, DownOnly };

void DrawBrickWall(PixelCanvas& sheet, int left, int top);
void DrawRockWall(PixelCanvas& sheet, int left, int top);
void DrawBlockWall(PixelCanvas& sheet, int left, int top);
void DrawClosedGate(PixelCanvas& sheet, int left, int top);
void DrawDoor(PixelCanvas& sheet, int left, int top, Colour colour);
void DrawStairs(PixelCanvas& sheet, int left, int top, StairsWay way);
void DrawTeleporter(PixelCanvas& sheet, int left, int top, Colour colour);
void DrawGoal(PixelCanvas& sheet, int left, int top);
void DrawBox(PixelCanvas& sheet, int left, int top, bool onGoal);

}  // namespace pixelart
