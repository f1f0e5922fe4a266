// The mover: a horned beast with glowing eyes and fangs, drawn from the
// front and symmetric, so it looks the same whichever way it walks.
#include "palette.h"
#include "sprites.h"

namespace pixelart {

Sprite Mover() {
  const std::map<char, Colour> legend = {
      {'x', Rgb(236, 226, 196)}, {'X', Rgb(178, 162, 126)}, {'m', Rgb(128, 58, 150)}, {'M', Rgb(168, 92, 196)},
      {'n', Rgb(78, 32, 98)},    {'R', Rgb(255, 226, 90)},  {'r', Rgb(240, 70, 40)},  {'i', Rgb(52, 12, 30)},
      {'t', Rgb(246, 244, 230)}, {'c', Rgb(230, 220, 190)},
  };
  return SymmetricSpriteFromArt(16,
                                {
      "................",
      "................",
      "...x............",
      "...xX...........",
      "...xXX..........",
      "....xXX.........",
      "....xXXX....nnnn",
      ".....xXXnnnnmmmm",
      "......nnmmmmMMMM",
      ".....nmmmmMMMMMM",
      ".....nmmnnMMMMMM",
      "....nmmmmmnnnMMM",
      "....nmmnRRRrnnMm",
      "....nmmnRRRrrmmm",
      "....nmmmnrrrmmmm",
      "...nnmmmmmmmmmmm",
      "...nmmmiiiiiiiii",
      "..nnmmitiitiitii",
      "..nmmmiiiiiiiiii",
      "..nmmmiiiiiiiiii",
      ".cnmmmmitiitiiti",
      "ccnnmmmmiiiiiiii",
      "c.nnmmmmmmmmmmmm",
      "...nnmmmmmmmmmmm",
      "....nnnmmmmmmmmm",
      ".....nnnnmmmmmmm",
      "......nnnnnnnnnn",
      "......cnnc...nnn",
      ".....c.cc.c.....",
      "................",
      "................",
      "................",
                                },
                                legend)
      .Outlined(kOutline);
}

}  // namespace pixelart
