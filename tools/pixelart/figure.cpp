// The player's figure, an explorer with a backpack, facing right; the
// backpack on the back tells which way the figure looks.
#include "palette.h"
#include "sprites.h"

namespace pixelart {

Sprite FigureFacingRight() {
  const std::map<char, Colour> legend = {
      {'h', Rgb(92, 56, 34)},    {'H', Rgb(140, 88, 46)},  {'s', Rgb(242, 196, 150)}, {'S', Rgb(206, 148, 108)},
      {'e', Rgb(34, 30, 48)},    {'w', Rgb(250, 250, 246)}, {'m', Rgb(170, 90, 76)},  {'c', Rgb(58, 142, 180)},
      {'C', Rgb(112, 190, 220)}, {'d', Rgb(38, 96, 130)},  {'b', Rgb(104, 64, 32)},   {'y', Rgb(236, 198, 70)},
      {'p', Rgb(70, 78, 124)},   {'P', Rgb(46, 52, 90)},   {'o', Rgb(96, 56, 28)},    {'O', Rgb(140, 88, 46)},
      {'a', Rgb(150, 110, 60)},  {'A', Rgb(190, 150, 90)},
  };
  return SpriteFromArt(32,
                       {
      "................................",
      "................................",
      ".............hhhhh..............",
      "...........hhHHHHHhh............",
      "..........hHHHHHHHHHh...........",
      ".........hHHHhhhhhHHHh..........",
      ".........hHhhhsssshhhh..........",
      ".........hhhhssssssss...........",
      ".........hhhSsssssess...........",
      ".........hhhSssssswess..........",
      "..........hhSSsssssssss.........",
      "..........hhSSssssssss..........",
      "...........hSSSsssmmss..........",
      "............SSSSsssss...........",
      ".............SSSSSS.............",
      "..........aaaddccccd............",
      ".........aAAaddcCCccd...........",
      ".........aAAaddcCCCccd..........",
      ".........aAAaddccCCcccd.........",
      ".........aAAaddccdCCccd.........",
      ".........aAAaddcddCCccd.........",
      ".........aaaaddcdSsccdd.........",
      "..........aaaddcdssccd..........",
      ".............bbbbybbb...........",
      ".............ppppppppp..........",
      "............ppppPPpppp..........",
      "............pppP..Pppp..........",
      "...........pppP....pppp.........",
      "...........ppP......pppp........",
      "..........ooOO.......ooOOo......",
      "..........oooooo.....oooooo.....",
      "................................",
                       },
                       legend)
      .Outlined(kOutline);
}

}  // namespace pixelart
