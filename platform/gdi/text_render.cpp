#include "text_render.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "rect.h"
#include "text.h"
#include "utf8.h"

namespace {

struct PointD {
  double x, y;
};

// A box in device pixels, right and bottom exclusive.
struct Box {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool Empty() const { return right <= left || bottom <= top; }
  void Add(const Box& b) {
    if (b.Empty()) return;
    if (Empty()) {
      *this = b;
      return;
    }
    left = std::min(left, b.left), top = std::min(top, b.top);
    right = std::max(right, b.right), bottom = std::max(bottom, b.bottom);
  }
  void Intersect(const Box& b) {
    left = std::max(left, b.left), top = std::max(top, b.top);
    right = std::min(right, b.right), bottom = std::min(bottom, b.bottom);
  }
};

// Keeps coordinates of absurdly long or far text inside int range.
int ToPixel(double v) { return static_cast<int>(std::clamp(std::floor(v), -1e8, 1e8)); }

Box BoxOf(const PointD (&quad)[4]) {
  double l = quad[0].x, t = quad[0].y, r = l, b = t;
  for (const PointD& p : quad) l = std::min(l, p.x), t = std::min(t, p.y), r = std::max(r, p.x), b = std::max(b, p.y);
  return {ToPixel(l), ToPixel(t), ToPixel(r) + 1, ToPixel(b) + 1};
}

// An 8-bit coverage picture over a device box.
class CoverageMask {
 public:
  explicit CoverageMask(const Box& box)
      : box_(box), width_(box.right - box.left), coverage_(static_cast<std::size_t>(width_) * (box.bottom - box.top)) {}

  // Glyph coverage with its top-left at device (x, y); overlapping edges of
  // neighbours keep the stronger value rather than adding up.
  void AddGlyph(const GlyphBitmap& g, int x, int y) {
    const int x0 = std::max(x, box_.left), x1 = std::min(x + g.width, box_.right);
    const int y0 = std::max(y, box_.top), y1 = std::min(y + g.height, box_.bottom);
    for (int py = y0; py < y1; ++py) {
      const std::uint8_t* src = g.coverage.data() + static_cast<std::size_t>(py - y) * g.width + (x0 - x);
      std::uint8_t* dst = Row(py) + (x0 - box_.left);
      for (int i = 0; i < x1 - x0; ++i) dst[i] = std::max(dst[i], src[i]);
    }
  }

  // A convex quadrilateral, exact along x and sampled four times per row.
  void AddQuad(const PointD (&quad)[4]) {
    constexpr int kSubRows = 4;
    Box b = BoxOf(quad);
    b.Intersect(box_);
    if (b.Empty()) return;
    std::vector<float> acc(static_cast<std::size_t>(b.right - b.left));
    for (int py = b.top; py < b.bottom; ++py) {
      std::fill(acc.begin(), acc.end(), 0.0f);
      for (int s = 0; s < kSubRows; ++s) {
        const double sy = py + (s + 0.5) / kSubRows;
        double lo = 1e300, hi = -1e300;
        for (int e = 0; e < 4; ++e) {
          const PointD& p = quad[e];
          const PointD& q = quad[(e + 1) % 4];
          if ((p.y <= sy && sy < q.y) || (q.y <= sy && sy < p.y)) {
            const double x = p.x + (sy - p.y) * (q.x - p.x) / (q.y - p.y);
            lo = std::min(lo, x), hi = std::max(hi, x);
          }
        }
        if (hi <= lo) continue;
        lo = std::max(lo, static_cast<double>(b.left)), hi = std::min(hi, static_cast<double>(b.right));
        for (int px = ToPixel(lo); px < b.right && px < hi; ++px) {
          const double overlap = std::min(px + 1.0, hi) - std::max(static_cast<double>(px), lo);
          if (overlap > 0) acc[px - b.left] += static_cast<float>(overlap / kSubRows);
        }
      }
      std::uint8_t* dst = Row(py) + (b.left - box_.left);
      for (std::size_t i = 0; i < acc.size(); ++i) {
        const auto v = static_cast<std::uint8_t>(std::lround(std::min(1.0f, acc[i]) * 255));
        dst[i] = std::max(dst[i], v);
      }
    }
  }

  // Whole pixels only: each is ink or not, with no grey edge.
  void MakeOneBit() {
    for (std::uint8_t& c : coverage_) c = c >= 128 ? 255 : 0;
  }

  void BlendOnto(DeviceContext& dc, COLORREF color) {
    BlendCoverageMask(dc, box_.left, box_.top, coverage_.data(), width_, box_.bottom - box_.top, width_, color);
  }

 private:
  std::uint8_t* Row(int y) { return coverage_.data() + static_cast<std::size_t>(y - box_.top) * width_; }

  Box box_;
  int width_;
  std::vector<std::uint8_t> coverage_;
};

}  // namespace

TextFrame TextFrame::ForAngle(int angleTenths) {
  TextFrame f;
  angleTenths %= 3600;
  if (angleTenths == 0) return f;
  const double radians = angleTenths / 10.0 * std::numbers::pi / 180.0;
  // Counterclockwise on a screen whose y axis points down.
  f.ux = std::cos(radians), f.uy = -std::sin(radians);
  f.vx = std::sin(radians), f.vy = std::cos(radians);
  return f;
}

int ClampAdvance(long long advance) { return static_cast<int>(std::clamp<long long>(advance, -kMaxAdvance, kMaxAdvance)); }

int ClampRunWidth(long long width) { return static_cast<int>(std::clamp(width, -kMaxRunWidth, kMaxRunWidth)); }

GlyphRun LayoutRun(FontInstance& font, std::span<const char32_t> cps, int charExtra, const INT* dx) {
  GlyphRun run;
  run.cps.assign(cps.begin(), cps.end());
  run.advances.resize(cps.size());
  long long width = 0;
  for (std::size_t i = 0; i < cps.size(); ++i) {
    run.advances[i] = ClampAdvance(dx ? dx[i] : static_cast<long long>(font.Advance(cps[i])) + charExtra);
    width += run.advances[i];
  }
  run.width = ClampRunWidth(width);
  return run;
}

GlyphRun LayoutRun(FontInstance& font, std::string_view utf8, int charExtra, const INT* dx) {
  std::vector<char32_t> cps;
  cps.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) cps.push_back(NextCodePoint(utf8, pos));
  return LayoutRun(font, cps, charExtra, dx);
}

void BaselineOrigin(const TextFrame& frame, double refX, double refY, UINT align, int runWidth,
                    const FontMetrics& metrics, double& originX, double& originY) {
  double along = 0;
  if ((align & TA_CENTER) == TA_CENTER) {
    along = -(runWidth / 2);
  } else if (align & TA_RIGHT) {
    along = -runWidth;
  }
  double down = metrics.ascent;  // TA_TOP: the baseline lies an ascent below
  if ((align & TA_BASELINE) == TA_BASELINE) {
    down = 0;
  } else if (align & TA_BOTTOM) {
    down = -metrics.descent;
  }
  originX = refX + along * frame.ux + down * frame.vx;
  originY = refY + along * frame.uy + down * frame.vy;
}

void DrawRun(DeviceContext& dc, FontObject& font, const GlyphRun& run, double originX, double originY,
             const RunStyle& style) {
  FontInstance& instance = *font.Instance();
  const FontMetrics& m = instance.Metrics();
  const TextFrame frame = TextFrame::ForAngle(style.angleTenths);
  const bool upright = style.angleTenths % 3600 == 0;
  const bool oneBit = font.lf.lfQuality == DRAFT_QUALITY || font.lf.lfQuality == NONANTIALIASED_QUALITY;

  // The part of the device the drawing may touch.
  const RECT clipBox = DcClipBoxDevice(dc);
  Box limit{clipBox.left, clipBox.top, clipBox.right, clipBox.bottom};
  if (style.clip) limit.Intersect({style.clip->left, style.clip->top, style.clip->right, style.clip->bottom});
  if (limit.Empty()) return;

  auto at = [&](double along, double down) {
    return PointD{originX + along * frame.ux + down * frame.vx, originY + along * frame.uy + down * frame.vy};
  };
  auto band = [&](double from, double to, double top, double height, PointD (&quad)[4]) {
    quad[0] = at(from, top), quad[1] = at(to, top), quad[2] = at(to, top + height), quad[3] = at(from, top + height);
  };

  if (style.opaque && run.width > 0) {
    PointD cell[4];
    band(0, run.width, -m.ascent, m.height, cell);
    if (upright) {
      Box b = BoxOf(cell);
      b.right -= 1, b.bottom -= 1;  // the corners lie on whole pixels here
      b.Intersect(limit);
      if (!b.Empty()) FillRectColor(dc, TRect(b.left, b.top, b.right, b.bottom), style.bkColor);
    } else {
      Box b = BoxOf(cell);
      b.Intersect(limit);
      if (!b.Empty()) {
        CoverageMask mask(b);
        mask.AddQuad(cell);
        if (oneBit) mask.MakeOneBit();
        mask.BlendOnto(dc, style.bkColor);
      }
    }
  }

  // Where each glyph goes, and the box of all ink.
  struct Placed {
    std::shared_ptr<const GlyphBitmap> glyph;
    int x, y;
  };
  std::vector<Placed> placed;
  Box ink;
  if (style.glyphs) {
    placed.reserve(run.cps.size());
    double pen = 0;
    for (std::size_t i = 0; i < run.cps.size(); ++i) {
      const PointD p = at(pen, 0);
      pen += run.advances[i];
      auto glyph = instance.Glyph(run.cps[i], style.angleTenths);
      if (glyph->coverage.empty()) continue;
      const int x = ToPixel(p.x + 0.5) + glyph->left, y = ToPixel(p.y + 0.5) + glyph->top;
      const Box b{x, y, x + glyph->width, y + glyph->height};
      Box visible = b;
      visible.Intersect(limit);
      if (visible.Empty()) continue;
      ink.Add(b);
      placed.push_back({std::move(glyph), x, y});
    }
  }

  std::vector<std::array<PointD, 4>> lines;
  auto addLine = [&](double from, double to, int row, int thickness) {
    if (to <= from) return;
    PointD q[4];
    band(from, to, row - m.ascent, thickness, q);
    lines.push_back({q[0], q[1], q[2], q[3]});
    ink.Add(BoxOf(q));
  };
  if (style.underline) addLine(0, run.width, m.underlineTop, m.underlineThickness);
  if (style.strikeOut) addLine(0, run.width, m.strikeoutTop, m.strikeoutThickness);
  for (const auto& [from, to] : style.marks) addLine(from, to, m.underlineTop, m.underlineThickness);

  ink.Intersect(limit);
  if (ink.Empty()) return;
  CoverageMask mask(ink);
  for (const Placed& p : placed) mask.AddGlyph(*p.glyph, p.x, p.y);
  for (const auto& line : lines) {
    const PointD q[4] = {line[0], line[1], line[2], line[3]};
    mask.AddQuad(q);
  }
  if (oneBit) mask.MakeOneBit();
  mask.BlendOnto(dc, style.textColor);
}
