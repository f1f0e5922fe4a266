#include "text.h"

#include <cmath>
#include <cstring>
#include <string_view>

#include "ansistring.h"
#include "dc_internal.h"
#include "rect.h"
#include "font_object.h"
#include "text_render.h"

namespace {

AnsiString QuotedArgs(int x, int y, std::string_view text) {
  return AnsiString(x) + "," + AnsiString(y) + ",\"" + AnsiString(text) + "\"";
}

}  // namespace

BOOL ExtTextOut(HDC h, int x, int y, UINT options, const RECT* rect, LPCSTR text, UINT count, const INT* dx) {
  if (!text) count = 0;
  const std::string_view s(text ? text : "", count);
  RecordedCall record(h, "ExtTextOut", QuotedArgs(x, y, s) + "," + AnsiString(options));
  DeviceContext* dc = ResolveDC(h);
  if (!dc) return FALSE;
  FontObject& font = DcFont(*dc);
  FontInstance& instance = *font.Instance();

  RECT deviceRect;
  if (rect) {
    deviceRect = LogicalToDevice(*dc, *rect);
    if (deviceRect.right < deviceRect.left) std::swap(deviceRect.left, deviceRect.right);
    if (deviceRect.bottom < deviceRect.top) std::swap(deviceRect.top, deviceRect.bottom);
    if (options & ETO_OPAQUE) FillRectColor(*dc, deviceRect, dc->a.bkColor);
  }

  const GlyphRun run = LayoutRun(instance, s, dc->a.charExtra, dx);
  const UINT align = dc->a.textAlign;
  const bool updateCp = (align & TA_UPDATECP) != 0;
  const POINT ref = LogicalToDevice(*dc, updateCp ? dc->a.currentPos : TPoint(x, y));
  const TextFrame frame = TextFrame::ForAngle(font.lf.lfEscapement);
  double originX = 0, originY = 0;
  BaselineOrigin(frame, ref.x, ref.y, align, run.width, instance.Metrics(), originX, originY);

  RunStyle style;
  style.textColor = dc->a.textColor;
  style.opaque = dc->a.bkMode == OPAQUE;
  style.bkColor = dc->a.bkColor;
  style.underline = font.lf.lfUnderline != 0;
  style.strikeOut = font.lf.lfStrikeOut != 0;
  style.angleTenths = font.lf.lfEscapement;
  if (rect && (options & ETO_CLIPPED)) style.clip = &deviceRect;
  if (!run.cps.empty()) DrawRun(*dc, font, run, originX, originY, style);

  if (updateCp) {
    // The position moves over the text: past it when left-aligned, back over
    // it when right-aligned, not at all when centred.
    const int sign = (align & TA_CENTER) == TA_CENTER ? 0 : (align & TA_RIGHT) ? -1 : 1;
    dc->a.currentPos.x += static_cast<LONG>(std::lround(sign * run.width * frame.ux));
    dc->a.currentPos.y += static_cast<LONG>(std::lround(sign * run.width * frame.uy));
  }
  return TRUE;
}

BOOL TextOut(HDC dc, int x, int y, LPCSTR text, int count) {
  if (count < 0) return FALSE;
  return ExtTextOut(dc, x, y, 0, nullptr, text, static_cast<UINT>(count), nullptr);
}

BOOL GetTextExtentPoint32(HDC h, LPCSTR text, int count, SIZE* size) {
  DeviceContext* dc = ResolveDC(h);
  if (!dc || !size || count < 0 || (!text && count > 0)) return FALSE;
  FontInstance& instance = *DcFont(*dc).Instance();
  const GlyphRun run = LayoutRun(instance, std::string_view(text ? text : "", count), dc->a.charExtra);
  size->cx = run.width;
  size->cy = instance.Metrics().height;
  return TRUE;
}

BOOL GetTextExtentPoint(HDC dc, LPCSTR text, int count, SIZE* size) {
  return GetTextExtentPoint32(dc, text, count, size);
}

BOOL GetTextMetrics(HDC h, TEXTMETRIC* tm) {
  DeviceContext* dc = ResolveDC(h);
  if (!dc || !tm) return FALSE;
  *tm = DcFont(*dc).TextMetrics();
  return TRUE;
}

int GetTextFace(HDC h, int count, LPSTR name) {
  DeviceContext* dc = ResolveDC(h);
  if (!dc) return 0;
  const std::string_view face = DcFont(*dc).FaceName();
  if (!name) return static_cast<int>(face.size()) + 1;
  if (count <= 0) return 0;
  std::size_t n = face.size();
  if (n > static_cast<std::size_t>(count - 1)) n = Utf8StartOfCodePoint(face, static_cast<std::size_t>(count - 1));
  std::memcpy(name, face.data(), n);
  name[n] = 0;
  return static_cast<int>(n) + 1;
}
