// The one bevel painter of the layer's controls: the classic 3-D frame
// (top-left in one colour, bottom-right in another), drawn inwards, and the
// colour pair of each bevel cut.
#pragma once

#include "canvas.h"
#include "rect.h"

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
using TBevelWidth = int;

// Draws Width rings inside Rect and shrinks Rect by them. The top-left
// colour takes the top row and left column but not their far corners.
void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width);
// One bevel of the given cut (nothing for bvNone), shrinking Rect.
void PaintBevel(TCanvas* Canvas, TRect& Rect, TBevelCut Cut, int Width);
