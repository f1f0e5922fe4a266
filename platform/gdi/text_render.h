// The shared core of TextOut and DrawText: a line of code points laid out
// with whole-pixel advances, and its drawing at a baseline origin, upright or
// turned, with background cell, underline, strike-out and prefix marks.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "dc_internal.h"
#include "font_object.h"

// Advances, extras and widths stay within these bounds, so that no sum over
// an outside text or a caller's extreme extra can overflow.
constexpr int kMaxAdvance = 1 << 20;
constexpr long long kMaxRunWidth = 1 << 30;
int ClampAdvance(long long advance);
int ClampRunWidth(long long width);

struct GlyphRun {
  std::vector<char32_t> cps;
  std::vector<int> advances;  // per code point, extra included
  int width = 0;
};

// Advances from the font plus `charExtra` after each code point, or from
// `dx` (one entry per code point) when given.
GlyphRun LayoutRun(FontInstance& font, std::span<const char32_t> cps, int charExtra, const INT* dx = nullptr);
GlyphRun LayoutRun(FontInstance& font, std::string_view utf8, int charExtra, const INT* dx = nullptr);

struct RunStyle {
  COLORREF textColor = 0;
  bool opaque = false;  // fill the text cell with bkColor first
  COLORREF bkColor = 0xFFFFFF;
  bool underline = false;
  bool strikeOut = false;
  bool glyphs = true;  // false draws only the marks (DT_PREFIXONLY)
  int angleTenths = 0;
  // Device rectangle the drawing stays inside (besides the DC clip).
  const RECT* clip = nullptr;
  // Spans [from, to) along the run to underline (prefixed letters).
  std::vector<std::pair<int, int>> marks;
};

// The direction of the baseline and of "down" in the text's frame, on the
// screen (y down), for an angle in tenths of a degree counterclockwise.
struct TextFrame {
  double ux = 1, uy = 0;  // along the baseline
  double vx = 0, vy = 1;  // towards the descent
  static TextFrame ForAngle(int angleTenths);
};

// The baseline origin (device) for a reference point under TA_* alignment.
void BaselineOrigin(const TextFrame& frame, double refX, double refY, UINT align, int runWidth,
                    const FontMetrics& metrics, double& originX, double& originY);

void DrawRun(DeviceContext& dc, FontObject& font, const GlyphRun& run, double originX, double originY,
             const RunStyle& style);
