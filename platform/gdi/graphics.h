// The class library's graphics classes in one include: colours, the
// graphics objects, the canvas and the pictures.
#pragma once

#include "bitmap_class.h"
#include "brush_class.h"
#include "canvas.h"
#include "colors.h"
#include "font_class.h"
#include "graphic.h"
#include "graphicsobject.h"
#include "icon.h"
#include "icon_class.h"
#include "pen_class.h"
#include "picture.h"
