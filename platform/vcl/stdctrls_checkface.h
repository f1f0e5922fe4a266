// The face of check boxes and radio buttons: the parent's colour, the
// 13 x 13 image beside the caption (left of it, or right with
// taLeftJustify), and the dotted focus rectangle around the caption.
#pragma once

#include "stdctrls_types.h"
#include "wincontrol.h"

// Image is the DrawFrameControl state of the box or circle (kind and marks).
void PaintCheckFace(HDC DC, TWinControl* Control, UINT Image, TAlignment Alignment, bool Focused);
