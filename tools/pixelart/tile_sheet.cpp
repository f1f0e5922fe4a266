#include "tile_sheet.h"

#include "floor.h"
#include "palette.h"
#include "tiles.h"

namespace pixelart {

namespace {

constexpr TilePlace kPlaces[] = {
    {2, 133, 69, kSmallTile, kSmallTile},   // goal
    {3, 133, 133, kSmallTile, kSmallTile},  // box on a goal
    {10, 133, 101, kSmallTile, kSmallTile}, // box
    {30, 128, 32, kCell, kCell},            // brick wall
    {31, 192, 128, kCell, kCell},           // field-stone wall
    {34, 224, 64, kCell, kCell},            // iron block
    {35, 224, 96, kCell, kCell},            // closed gate
    {37, 256, 32, kCell, kCell},            // doors 1 to 4
    {38, 256, 64, kCell, kCell},
    {39, 256, 96, kCell, kCell},
    {40, 256, 128, kCell, kCell},
    {50, 320, 64, kCell, kCell},  // stairs both ways
    {51, 352, 64, kCell, kCell},  // up only
    {52, 384, 64, kCell, kCell},  // down only
    {60, 512, 0, kCell, kCell},   // teleporter pairs 1 to 4
    {61, 544, 0, kCell, kCell},
    {62, 576, 0, kCell, kCell},
    {63, 608, 0, kCell, kCell},
};

const TilePlace& Place(int code) { return *FindTile(code); }

}  // namespace

std::span<const TilePlace> TilePlaces() { return kPlaces; }

const TilePlace* FindTile(int code) {
  for (const TilePlace& place : kPlaces)
    if (place.Code == code) return &place;
  return nullptr;
}

PixelCanvas TileSheet() {
  PixelCanvas sheet(kSheetWidth, kSheetHeight, kBlack);
  DrawGoal(sheet, Place(2).Left, Place(2).Top);
  DrawBox(sheet, Place(3).Left, Place(3).Top, true);
  DrawBox(sheet, Place(10).Left, Place(10).Top, false);
  DrawBrickWall(sheet, Place(30).Left, Place(30).Top);
  DrawRockWall(sheet, Place(31).Left, Place(31).Top);
  DrawBlockWall(sheet, Place(34).Left, Place(34).Top);
  DrawClosedGate(sheet, Place(35).Left, Place(35).Top);
  for (int k = 0; k < 4; ++k) DrawDoor(sheet, Place(37 + k).Left, Place(37 + k).Top, kKeyColours[k]);
  DrawStairs(sheet, Place(50).Left, Place(50).Top, StairsWay::Both);
  DrawStairs(sheet, Place(51).Left, Place(51).Top, StairsWay::UpOnly);
  DrawStairs(sheet, Place(52).Left, Place(52).Top, StairsWay::DownOnly);
  for (int t = 0; t < 4; ++t) DrawTeleporter(sheet, Place(60 + t).Left, Place(60 + t).Top, kTeleporterColours[t]);
  const PixelCanvas floor = FloorPatch();
  sheet.CopyFrom(floor, 0, 0, kFloorPatchSize, kFloorPatchSize, kFloorPatchLeft, kFloorPatchTop);
  return sheet;
}

}  // namespace pixelart
