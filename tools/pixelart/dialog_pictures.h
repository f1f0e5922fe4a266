// The dialogs' pictures: the About box's shield face and the two quiet
// tiles that fill the world chooser and the settings dialog.
#pragma once

#include "pixel_canvas.h"

namespace pixelart {

constexpr int kAboutWidth = 614, kAboutHeight = 497;
constexpr int kFillTileSize = 128;

// Drawn for the sharp-shield outline of the About box: the window region
// cuts the shield out of this rectangle, so the rim follows that outline.
PixelCanvas AboutShield();

// Seamless tiles in tones near the button face grey, so the transparent
// controls that fill with that grey sit calmly on them.
PixelCanvas WorldChooserTile();
PixelCanvas SettingsTile();

}  // namespace pixelart
