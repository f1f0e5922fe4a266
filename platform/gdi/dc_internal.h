// The inside of a device context, for the drawing code of this module
// (shapes, regions, text). Coordinates: logical -> device by the window and
// viewport origins; device (0, 0) sits at `origin` on the surface. Every
// primitive below takes device coordinates and clips to the DC.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "ansistring.h"
#include "brush.h"
#include "dc.h"
#include "gdiobj.h"
#include "rect.h"
#include "rop.h"
#include "surface.h"

// What SaveDC saves.
struct DcAttributes {
  HPEN pen = nullptr;
  HBRUSH brush = nullptr;
  HFONT font = nullptr;
  HBITMAP bitmap = nullptr;  // memory DCs only
  HPALETTE palette = nullptr;
  COLORREF textColor = 0x000000;
  COLORREF bkColor = 0xFFFFFF;
  int bkMode = OPAQUE;
  int rop2 = R2_COPYPEN;
  int stretchMode = BLACKONWHITE;
  POINT brushOrg;  // device coordinates
  int polyFillMode = ALTERNATE;
  POINT currentPos;  // logical coordinates
  UINT textAlign = 0;
  int charExtra = 0;
  POINT viewportOrg;
  POINT windowOrg;
  // The application's clip (SelectClipRgn and friends) in device
  // coordinates, disjoint rectangles; absent = no clip of its own.
  bool hasClipRgn = false;
  std::vector<RECT> clipRgn;
};

// The pattern of the selected brush as drawn on this DC now: the colours
// resolved against the DC (mono patterns, hatch gaps) and the target depth.
struct RealizedBrush {
  bool null = true;    // BS_NULL: nothing is drawn
  bool solid = false;  // one colour, `color`
  Pixel color = 0;
  int width = 0, height = 0;   // the tile, for patterns and hatches
  std::vector<Pixel> pixels;   // width * height
  std::vector<BYTE> opaque;    // per pixel 1 = drawn; empty = all drawn
};

struct LogRecorder;

struct DeviceContext : GdiObject {
  DcAttributes a;
  std::vector<DcAttributes> saved;
  bool memory = false;           // a memory DC: the surface is the bitmap's
  Surface* surface = nullptr;    // null for a memory DC without bitmap pixels
  POINT origin;                  // surface position of device (0, 0)
  std::vector<RECT> visible;     // the window manager's area, device coordinates
  bool visibleIsWhole = true;    // memory DCs: the whole surface
  int targetBits = 32;           // 1 for a monochrome bitmap
  // The effective clip: visible ∩ application clip ∩ surface, in SURFACE
  // coordinates, disjoint, sorted by top then left. Kept up to date by
  // UpdateDcClip.
  std::vector<RECT> clip;
  // Brush cache (see RealizeBrush).
  RealizedBrush brushCache;
  HBRUSH brushCacheFor = nullptr;
  COLORREF brushCacheText = 0, brushCacheBk = 0;
  int brushCacheMode = 0, brushCacheBits = 0;
  COLORREF brushCacheColor = 0;
  // Recording (recording_dc.h).
  std::shared_ptr<LogRecorder> recorder;
  int recordDepth = 0;
  // Changes with every SelectObject, RestoreDC and set of the ROP2, the
  // text and background colours and the background mode; unique across all
  // DCs, so that a canvas can tell that what it realised is still in place.
  std::uint64_t selectionStamp = 0;
};

// Marks a change of the DC's selection (see selectionStamp).
void TouchSelection(DeviceContext& dc);

inline DeviceContext* ResolveDC(HDC dc) { return GdiResolveAs<DeviceContext>(dc, GdiKind::DC); }

// Recomputes `clip` after the visible area, the application clip or the
// surface changed.
void UpdateDcClip(DeviceContext& dc);
// Sets (rects non-null) or removes (null) the application clip, given in
// device coordinates, and updates the effective clip.
void SetDcClipRects(DeviceContext& dc, const std::vector<RECT>* deviceRects);
// The bounding box of the effective clip in device coordinates (empty when
// everything is clipped).
RECT DcClipBoxDevice(const DeviceContext& dc);

// Coordinates are clamped to +-2^30 so that no later sum overflows.
inline LONG ClampCoord(long long v) {
  constexpr long long kLimit = 1LL << 30;
  return static_cast<LONG>(v < -kLimit ? -kLimit : v > kLimit ? kLimit : v);
}
inline POINT LogicalToDevice(const DeviceContext& dc, POINT p) {
  return TPoint(ClampCoord(static_cast<long long>(p.x) - dc.a.windowOrg.x + dc.a.viewportOrg.x),
                ClampCoord(static_cast<long long>(p.y) - dc.a.windowOrg.y + dc.a.viewportOrg.y));
}
POINT DeviceToLogical(const DeviceContext& dc, POINT p);
RECT LogicalToDevice(const DeviceContext& dc, const RECT& r);

// Colours as written on this DC's target: a monochrome target takes the
// nearest of black and white.
Pixel DcPixel(const DeviceContext& dc, COLORREF c);

// The selected brush resolved for this DC (cached until the brush, the
// colours, the mode or the target change).
const RealizedBrush& RealizeBrush(DeviceContext& dc);

// n pixels of the realized brush starting at surface (x, y); `opaque`
// (may be null) receives 1 for pixels the brush draws.
void BrushRow(const DeviceContext& dc, const RealizedBrush& brush, int surfaceX, int surfaceY, int n, Pixel* pixels,
              BYTE* opaque);

// --- Primitives for the shape, region and text code ------------------------

// Fill the device span [x0, x1) of row y with the selected brush under the
// DC's ROP2; the pattern is aligned to the brush origin, hatch gaps take the
// background colour in OPAQUE mode and stay untouched in TRANSPARENT mode.
void FillSpan(DeviceContext& dc, int y, int x0, int x1);
// The same span in one colour under ROP2 (pens).
void FillSpanColor(DeviceContext& dc, int y, int x0, int x1, COLORREF color);
// One pixel in a colour under ROP2.
void PlotPixel(DeviceContext& dc, int x, int y, COLORREF color);
// A device rectangle through the brush under a ROP3 (PatBlt's core).
void PatRect(DeviceContext& dc, const RECT& deviceRect, DWORD rop);
// A device rectangle in one colour, plain copy (opaque text backgrounds).
void FillRectColor(DeviceContext& dc, const RECT& deviceRect, COLORREF color);
// Blend `color` onto the surface through an 8-bit coverage mask of w x h
// (row stride `maskStride` bytes) whose top-left lies at device (x, y).
void BlendCoverageMask(DeviceContext& dc, int x, int y, const BYTE* mask, int w, int h, int maskStride,
                       COLORREF color);

// Calls fn(RECT) for each piece of `surfaceRect` (surface coordinates) that
// the clip lets through.
template <class Fn>
void ForEachClipPiece(const DeviceContext& dc, const RECT& surfaceRect, Fn&& fn) {
  for (const RECT& c : dc.clip) {
    if (c.top >= surfaceRect.bottom) break;
    RECT r;
    r.left = c.left > surfaceRect.left ? c.left : surfaceRect.left;
    r.top = c.top > surfaceRect.top ? c.top : surfaceRect.top;
    r.right = c.right < surfaceRect.right ? c.right : surfaceRect.right;
    r.bottom = c.bottom < surfaceRect.bottom ? c.bottom : surfaceRect.bottom;
    if (r.left < r.right && r.top < r.bottom) fn(r);
  }
}

// --- Recording ----------------------------------------------------------------

// Place at the top of a public drawing function: when the DC records, the
// outermost call appends "Name(a,b,c)" to the log; calls made inside it are
// not logged again.
// The arguments of a call given points, as the recording logs them: the
// points as x,y pairs in logical units ("89,2,129,22"), or the count alone
// when there are none to read.
AnsiString RecordedPoints(const POINT* points, long long count);

class RecordedCall {
 public:
  RecordedCall(HDC dc, const char* name, std::initializer_list<long long> args);
  RecordedCall(HDC dc, const char* name, const AnsiString& args);
  // For a call that resolved its DC already and cannot delete it: no
  // further look-up, not even at the end. Inline, since the small copies
  // call it thousands of times a frame and almost never record.
  RecordedCall(DeviceContext* dc, const char* name, std::initializer_list<long long> args) : resolved_(dc) {
    if (!dc) return;
    if (dc->recorder) Log(dc, name, args);
    ++dc->recordDepth;
  }
  ~RecordedCall() {
    if (resolved_)
      --resolved_->recordDepth;
    else if (handle_)
      LeaveHandle();
  }
  RecordedCall(const RecordedCall&) = delete;
  RecordedCall& operator=(const RecordedCall&) = delete;

 private:
  static void Log(DeviceContext* dc, const char* name, std::initializer_list<long long> args);
  void LeaveHandle();

  HDC handle_ = nullptr;
  DeviceContext* resolved_ = nullptr;
};
