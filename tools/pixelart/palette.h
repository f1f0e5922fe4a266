// The game's palette: one place for the colours that must agree between
// pictures (a key, its door and its indicator; the two ends of a teleporter).
#pragma once

#include "colour.h"

namespace pixelart {

// Dark outline around every sprite and tile: a deep violet rather than black,
// so that sprites never leave a black hole where the mask keeps them.
constexpr Colour kOutline = Rgb(28, 20, 36);
// The side column and the key indicators sit on this (clNavy).
constexpr Colour kNavy = Rgb(0, 0, 128);

// Keys 1 to 4 and their doors and indicators: red, blue, green, yellow.
constexpr Colour kKeyColours[4] = {Rgb(214, 62, 58), Rgb(64, 118, 222), Rgb(64, 178, 84), Rgb(236, 196, 52)};
// Teleporter pairs 1 to 4: cyan, magenta, orange, violet; none of them a key
// colour, so that a pad never reads as a door's partner.
constexpr Colour kTeleporterColours[4] = {Rgb(60, 212, 224), Rgb(232, 84, 196), Rgb(246, 146, 46),
                                          Rgb(150, 104, 246)};

constexpr Colour kFloor = Rgb(118, 108, 96);
constexpr Colour kWallStone = Rgb(112, 124, 148);
constexpr Colour kMortar = Rgb(58, 60, 72);
constexpr Colour kRock = Rgb(140, 112, 84);
constexpr Colour kBlock = Rgb(84, 96, 110);
constexpr Colour kSteel = Rgb(150, 162, 178);
constexpr Colour kBrass = Rgb(196, 156, 72);
constexpr Colour kWood = Rgb(170, 112, 58);
constexpr Colour kGold = Rgb(238, 198, 70);

}  // namespace pixelart
