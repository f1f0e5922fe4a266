// Draws the game's pictures and writes them as PNG files; with a second
// folder also writes previews to look at.
//
//   pixelartgen game/forms/pictures [/tmp]
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>

#include "assets.h"
#include "dialog_pictures.h"
#include "png_codec.h"
#include "preview.h"

namespace {

using pixelart::PixelCanvas;

void WritePng(const std::string& folder, const std::string& name, const PixelCanvas& canvas) {
  const std::vector<std::uint8_t> bytes = EncodePng(canvas.Image(), PngLayout::Rgb);
  const std::string path = folder + "/" + name;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (bytes.empty() || !out.flush()) throw std::runtime_error("cannot write " + path);
}

// The main window's picture stores that hold them: tiles Image2; figure
// facing left Image5 (picture) and Image7 (mask), facing right Image6 and
// Image8; mover Image22 and Image21; keys 1 to 4 Image19, Image18, Image16,
// Image17 with the mask Image15; exit item Image13 and Image14; key
// indicators Image9 to Image12; exit symbol Image20.
void WriteAssets(const pixelart::Assets& a, const std::string& folder) {
  WritePng(folder, "tiles.png", a.Tiles);
  WritePng(folder, "figure_left.png", a.FigureLeft.Picture());
  WritePng(folder, "figure_left_mask.png", a.FigureLeft.Mask());
  WritePng(folder, "figure_right.png", a.FigureRight.Picture());
  WritePng(folder, "figure_right_mask.png", a.FigureRight.Mask());
  WritePng(folder, "mover.png", a.Mover.Picture());
  WritePng(folder, "mover_mask.png", a.Mover.Mask());
  for (int k = 0; k < 4; ++k) WritePng(folder, "key" + std::to_string(k + 1) + ".png", a.Keys[k].Picture());
  WritePng(folder, "key_mask.png", a.Keys[0].Mask());
  WritePng(folder, "exit.png", a.Exit.Picture());
  WritePng(folder, "exit_mask.png", a.Exit.Mask());
  for (int k = 0; k < 4; ++k)
    WritePng(folder, "key_indicator" + std::to_string(k + 1) + ".png", a.KeyIndicators[k]);
  WritePng(folder, "exit_symbol.png", a.ExitSymbol);
}

// The dialogs' fills: the About box's shield and the tiles of the world
// chooser and the settings dialog.
void WriteDialogPictures(const std::string& folder) {
  WritePng(folder, "about.png", pixelart::AboutShield());
  WritePng(folder, "world_fill.png", pixelart::WorldChooserTile());
  WritePng(folder, "settings_fill.png", pixelart::SettingsTile());
}

void WritePreviews(const pixelart::Assets& a, const std::string& folder) {
  WritePng(folder, "preview.png", pixelart::Enlarged(pixelart::PreviewBoard(a), 2));
  WritePng(folder, "preview_floor.png", pixelart::PreviewFloor(a));
  WritePng(folder, "preview_sprites.png", pixelart::Enlarged(pixelart::PreviewSprites(a), 4));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: %s <pictures folder> [<preview folder>]\n", argv[0]);
    return 2;
  }
  try {
    const pixelart::Assets assets = pixelart::DrawAssets();
    WriteAssets(assets, argv[1]);
    WriteDialogPictures(argv[1]);
    if (argc == 3) WritePreviews(assets, argv[2]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "pixelart: %s\n", e.what());
    return 1;
  }
  return 0;
}
