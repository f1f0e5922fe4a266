#include "dialog_pictures.h"

#include <algorithm>
#include <cmath>

#include "noise.h"

namespace pixelart {

namespace {

constexpr Colour kOutline = Rgb(46, 32, 20);
constexpr Colour kGoldLight = Rgb(232, 196, 96);
constexpr Colour kGoldDark = Rgb(140, 100, 36);
constexpr Colour kAzure = Rgb(30, 62, 122);
constexpr Colour kParchment = Rgb(242, 234, 214);

// Distance in pixels from (x, y) to the shield's rim. The outline is the
// lens of two ellipses centred on the top corners, with radii W and 8H/7,
// closed by the top edge.
double RimDistance(int x, int y) {
  const double w = kAboutWidth, r = 8.0 * kAboutHeight / 7.0;
  const double dy = y / r;
  const double leftEllipse = std::pow(x / w, 2) + dy * dy;
  const double rightEllipse = std::pow((x - w) / w, 2) + dy * dy;
  const double m = std::max(leftEllipse, rightEllipse);
  if (m >= 1) return -1;
  return std::min((1 - std::sqrt(m)) * w, static_cast<double>(y));
}

bool InStar(double x, double y, double cx, double cy, double radius) {
  // A five-pointed star as the union of its centre pentagon and five
  // triangles is awkward; the polar test is simpler: the star's radius at
  // an angle swings between the outer and the inner radius.
  const double dx = x - cx, dy = y - cy;
  const double dist = std::hypot(dx, dy);
  if (dist > radius) return false;
  const double pi = 3.14159265358979323846;
  double a = std::atan2(dx, -dy);  // 0 points up
  a = std::fmod(a + 2 * pi, 2 * pi / 5);
  const double t = std::abs(a - pi / 5) / (pi / 5);  // 1 at a point, 0 between
  const double inner = radius * 0.42;
  return dist <= inner + (radius - inner) * std::pow(t, 1.6);
}

Colour Field(int x, int y, double rim) {
  const double grain = 0.5 * TilingNoise(x, y, 16, 512, 31) + 0.5 * Hash01(x, y, 32);
  Colour c = Shade(kParchment, 0.975 + 0.035 * grain);
  // The field darkens toward the rim, so the middle behind the labels stays
  // calm and light and the colour gathers at the edge.
  const double toward = std::clamp((70.0 - (rim - 26)) / 70.0, 0.0, 1.0);
  c = Mix(c, Shade(kAzure, 0.9 + 0.2 * grain), std::pow(toward, 1.7));
  return c;
}

void PaintChief(PixelCanvas& p) {
  // The band across the top carries three stars; it ends well above the
  // first label.
  constexpr int kChiefBottom = 122;
  for (int y = 0; y < kChiefBottom + 6; ++y)
    for (int x = 0; x < kAboutWidth; ++x) {
      const double rim = RimDistance(x, y);
      if (rim < 26) continue;
      if (y >= kChiefBottom) {
        p.Put(x, y, y < kChiefBottom + 2 ? kOutline : Mix(kGoldLight, kGoldDark, (y - kChiefBottom - 2) / 4.0));
        continue;
      }
      const double grain = TilingNoise(x, y, 32, 512, 41);
      Colour c = Shade(kAzure, 0.92 + 0.16 * grain + 0.25 * (1 - y / double(kChiefBottom)));
      for (int cx : {207, 307, 407})
        if (InStar(x + 0.5, y + 0.5, cx, 72, 24)) c = Mix(kGoldLight, kGoldDark, (y - 50) / 44.0);
      p.Put(x, y, c);
    }
}

void PaintCrate(PixelCanvas& p, int left, int top, int size) {
  const Colour wood = Rgb(176, 122, 58), light = Shade(wood, 1.3), dark = Shade(wood, 0.6);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      const bool border = x < 5 || y < 5 || x >= size - 5 || y >= size - 5;
      const bool brace = std::abs(x - y) < 4 || std::abs(x + y - (size - 1)) < 4;
      const bool seam = !border && (y - 5) % ((size - 10) / 3) == 0;
      Colour c = border || brace ? light : wood;
      if (seam) c = dark;
      c = Shade(c, 0.94 + 0.1 * Hash01(x / 2, y, 51));
      if (x == 0 || y == 0 || x == size - 1 || y == size - 1) c = kOutline;
      if (border && (x == size - 6 || y == size - 6)) c = dark;
      p.Put(left + x, top + y, c);
    }
}

}  // namespace

PixelCanvas AboutShield() {
  PixelCanvas p(kAboutWidth, kAboutHeight, kAzure);
  for (int y = 0; y < kAboutHeight; ++y)
    for (int x = 0; x < kAboutWidth; ++x) {
      const double rim = RimDistance(x, y);
      Colour c;
      if (rim < 0) c = kOutline;                          // outside: cut away by the region
      else if (rim < 5) c = kOutline;
      else if (rim < 21) c = Mix(kGoldLight, kGoldDark, (rim - 5) / 16.0 * 0.6 + 0.4 * Hash01(x / 3, y / 3, 61));
      else if (rim < 26) c = kOutline;
      else c = Field(x, y, rim);
      p.Put(x, y, c);
    }
  PaintChief(p);
  PaintCrate(p, kAboutWidth / 2 - 24, 384, 48);
  return p;
}

PixelCanvas WorldChooserTile() {
  // A loose linen weave: threads four pixels wide cross every eight.
  PixelCanvas tile(kFillTileSize, kFillTileSize);
  tile.Paint(0, 0, kFillTileSize, kFillTileSize, [](int x, int y) {
    const bool overWeft = ((x / 4) + (y / 4)) % 2 == 0;
    const double along = overWeft ? (x % 4) / 3.0 : (y % 4) / 3.0;
    const double thread = 0.5 - std::abs(along - 0.5);
    const double cloud = TilingNoise(x, y, 32, kFillTileSize, 71);
    const double fleck = Hash01(x, y, 72);
    const int v = static_cast<int>(184 + 14 * thread + 8 * cloud + 4 * fleck);
    return Rgb(v + 3, v + 1, v - 4);
  });
  return tile;
}

PixelCanvas SettingsTile() {
  // Brushed stone: broad clouds, a finer grain, and faint horizontal strokes.
  PixelCanvas tile(kFillTileSize, kFillTileSize);
  tile.Paint(0, 0, kFillTileSize, kFillTileSize, [](int x, int y) {
    const double broad = TilingNoise(x, y, 64, kFillTileSize, 81);
    const double fine = TilingNoise(x, y, 8, kFillTileSize, 82);
    const double stroke = TilingNoise(x, y, 2, kFillTileSize, 83) * 0.5 + TilingNoise(x / 8 * 8, y, 1, kFillTileSize, 84) * 0.5;
    const int v = static_cast<int>(180 + 14 * broad + 7 * fine + 5 * stroke);
    return Rgb(v - 2, v, v + 4);
  });
  return tile;
}

}  // namespace pixelart
