#include "board_pictures.h"

#include "game_state.h"

namespace Game {

CellPictureInfo PictureOfCell(Integer code) {
  auto tile = [](int l, int t) { return CellPictureInfo{CellPicture::Tile, TRect(l, t, l + 32, t + 32), 0}; };
  auto small = [](int l, int t) { return CellPictureInfo{CellPicture::SmallTile, TRect(l, t, l + 22, t + 22), 0}; };
  switch (code) {
    case cGoal: return small(133, 69);
    case cBoxOnGoal: return small(133, 133);
    case cBox: return small(133, 101);
    case cWall: return tile(128, 32);
    case 31: return tile(192, 128);
    case 34: return tile(224, 64);
    case cClosedGate: return tile(224, 96);
    case cStairsBoth: return tile(320, 64);
    case cStairsUp: return tile(352, 64);
    case cStairsDown: return tile(384, 64);
    case cExitItem: return {CellPicture::ExitItem, TRect(), 0};
    default: break;
  }
  if (IsKey(code)) return {CellPicture::Key, TRect(), code - cKey1};
  if (IsDoor(code)) return tile(256, 32 + 32 * (code - cDoor1));
  if (code >= cTeleporter1 && code <= cTeleporter4) return tile(512 + 32 * (code - cTeleporter1), 0);
  return {};
}

}  // namespace Game
