#include "preview.h"

#include <cstring>
#include <iterator>
#include <map>

#include "floor.h"
#include "palette.h"
#include "sprites.h"
#include "tile_sheet.h"
#include "tiles.h"

namespace pixelart {

namespace {

// Every cell kind, a few rooms; P and Q are the figure facing right and
// left, M a mover (both on empty floor).
constexpr const char* kBoard[] = {
    "########################",
    "#......#.......%%%%%%%%%",
    "#.P.a..1...b...%..o..o.%",
    "#..B...#.......%..B..B.%",
    "#..o...####2####...Q...%",
    "#..*...#...M...G.......%",
    "##3#####.......%%%%G%%%%",
    "#......#..E....=.......=",
    "#.c..d.4...w...=.U.D.S.=",
    "#..x...#.......=.......=",
    "#..y...#..E.z..=.w.x.y.=",
    "#.E....#.......=.....z.=",
    "########################",
};

const std::map<char, int> kCodes = {
    {'#', 30}, {'%', 31}, {'=', 34}, {'G', 35}, {'1', 37}, {'2', 38}, {'3', 39}, {'4', 40},
    {'a', 20}, {'b', 21}, {'c', 22}, {'d', 23}, {'o', 2},  {'B', 10}, {'*', 3},  {'S', 50},
    {'U', 51}, {'D', 52}, {'w', 60}, {'x', 61}, {'y', 62}, {'z', 63}, {'E', 80},
};

void DrawSprite(PixelCanvas& board, const Sprite& sprite, int left, int top) {
  board.AndFrom(sprite.Mask(), left, top);
  board.OrFrom(sprite.Picture(), left, top);
}

}  // namespace

PixelCanvas PreviewBoard(const Assets& assets) {
  const int columns = static_cast<int>(std::strlen(kBoard[0])), rows = static_cast<int>(std::size(kBoard));
  PixelCanvas board(columns * kCell, rows * kCell);
  for (int y = 0; y < board.Height(); y += kFloorPatchSize)
    for (int x = 0; x < board.Width(); x += kFloorPatchSize)
      board.CopyFrom(assets.Tiles, kFloorPatchLeft, kFloorPatchTop, kFloorPatchSize, kFloorPatchSize, x, y);
  for (int y = 0; y < rows; ++y)
    for (int x = 0; x < columns; ++x) {
      const auto code = kCodes.find(kBoard[y][x]);
      if (code == kCodes.end()) continue;
      const int px = x * kCell, py = y * kCell;
      if (code->second >= 20 && code->second <= 23) {
        DrawSprite(board, assets.Keys[code->second - 20], px, py);
      } else if (code->second == 80) {
        DrawSprite(board, assets.Exit, px + 6, py + 6);
      } else if (const TilePlace* tile = FindTile(code->second)) {
        const int inset = tile->Width == kSmallTile ? 5 : 0;
        board.CopyFrom(assets.Tiles, tile->Left, tile->Top, tile->Width, tile->Height, px + inset, py + inset);
      }
    }
  for (int y = 0; y < rows; ++y)
    for (int x = 0; x < columns; ++x) {
      const char c = kBoard[y][x];
      if (c == 'P') DrawSprite(board, assets.FigureRight, x * kCell, y * kCell);
      if (c == 'Q') DrawSprite(board, assets.FigureLeft, x * kCell, y * kCell);
      if (c == 'M') DrawSprite(board, assets.Mover, x * kCell, y * kCell);
    }
  return board;
}

PixelCanvas PreviewFloor(const Assets& assets) {
  PixelCanvas floor(3 * kFloorPatchSize, 3 * kFloorPatchSize);
  for (int j = 0; j < 3; ++j)
    for (int i = 0; i < 3; ++i)
      floor.CopyFrom(assets.Tiles, kFloorPatchLeft, kFloorPatchTop, kFloorPatchSize, kFloorPatchSize,
                     i * kFloorPatchSize, j * kFloorPatchSize);
  return floor;
}

PixelCanvas PreviewSprites(const Assets& assets) {
  // Each sprite on the floor and on black, then the side column on navy.
  PixelCanvas sheet(9 * 36, 3 * 36, Rgb(40, 40, 40));
  const Sprite* row[] = {&assets.FigureLeft, &assets.FigureRight, &assets.Mover, &assets.Keys[0],
                         &assets.Keys[1],    &assets.Keys[2],     &assets.Keys[3], &assets.Exit};
  for (int i = 0; i < 8; ++i) {
    sheet.CopyFrom(assets.Tiles, kFloorPatchLeft + 2 * i, kFloorPatchTop, 32, 32, 2 + i * 36, 2);
    DrawSprite(sheet, *row[i], 2 + i * 36, 2);
    sheet.FillRect(2 + i * 36, 38, 34 + i * 36, 70, kBlack);
    DrawSprite(sheet, *row[i], 2 + i * 36, 38);
  }
  sheet.FillRect(0, 72, sheet.Width(), sheet.Height(), kNavy);
  for (int k = 0; k < 4; ++k) sheet.CopyFrom(assets.KeyIndicators[k], 0, 0, 32, 16, 2 + k * 36, 80);
  sheet.CopyFrom(assets.ExitSymbol, 0, 0, kExitItemWidth, kExitItemHeight, 2 + 4 * 36, 80);
  return sheet;
}

PixelCanvas Enlarged(const PixelCanvas& canvas, int zoom) {
  PixelCanvas large(canvas.Width() * zoom, canvas.Height() * zoom);
  large.Paint(0, 0, large.Width(), large.Height(), [&](int x, int y) { return canvas.Get(x / zoom, y / zoom); });
  return large;
}

}  // namespace pixelart
