// The whole graphics interface of the platform layer in one include.
// Each part of the module adds its public headers here.
#pragma once

#include "bitmap.h"
#include "blit.h"
#include "brush.h"
#include "dc.h"
#include "drawedge.h"
#include "drawframecontrol.h"
#include "fill.h"
#include "gdi_handles.h"
#include "gdiobj.h"
#include "palette.h"
#include "pen.h"
#include "recording_dc.h"
#include "rop.h"
#include "surface.h"
#include "syscolors.h"
