#include "dialog_pictures.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "noise.h"

namespace pixelart {

namespace {

constexpr Colour kOutline = Rgb(46, 32, 20);
constexpr Colour kGoldLight = Rgb(232, 196, 96);
constexpr Colour kGoldDark = Rgb(140, 100, 36);
constexpr Colour kAzure = Rgb(30, 62, 122);
constexpr Colour kParchment = Rgb(242, 234, 214);

// The outline the About box's region cuts: the lens of two ellipses centred
// on the top corners (radii W and 8H/7) less two notch ellipses on the same
// corners (radii W/2 and H/5), which leave a peak at the top centre.
bool InShield(int x, int y) {
  const double w = kAboutWidth, h = kAboutHeight, r = 8.0 * h / 7.0;
  auto inEllipse = [](double dx, double dy, double rx, double ry) { return (dx * dx) / (rx * rx) + (dy * dy) / (ry * ry) < 1; };
  const double px = x + 0.5, py = y + 0.5;
  const bool lens = inEllipse(px, py, w, r) && inEllipse(px - w, py, w, r);
  const bool notched = inEllipse(px, py, w / 2, h / 5) || inEllipse(px - w, py, w / 2, h / 5);
  return lens && !notched;
}

// Distance in pixels from every pixel to the nearest one outside the shield
// (0 outside), by a two-pass chamfer transform.
std::vector<double> RimDistances() {
  const int w = kAboutWidth, h = kAboutHeight;
  constexpr double kFar = 1e9, kStraight = 1.0, kDiagonal = 1.4142;
  std::vector<double> d(static_cast<std::size_t>(w) * h);
  auto at = [&](int x, int y) -> double& { return d[static_cast<std::size_t>(y) * w + x]; };
  auto get = [&](int x, int y) { return x < 0 || y < 0 || x >= w || y >= h ? 0.0 : at(x, y); };
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) at(x, y) = InShield(x, y) ? kFar : 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      at(x, y) = std::min({at(x, y), get(x - 1, y) + kStraight, get(x, y - 1) + kStraight,
                           get(x - 1, y - 1) + kDiagonal, get(x + 1, y - 1) + kDiagonal});
  for (int y = h - 1; y >= 0; --y)
    for (int x = w - 1; x >= 0; --x)
      at(x, y) = std::min({at(x, y), get(x + 1, y) + kStraight, get(x, y + 1) + kStraight,
                           get(x + 1, y + 1) + kDiagonal, get(x - 1, y + 1) + kDiagonal});
  return d;
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

// The azure chief above a gold stripe fills the shield's peak and carries a
// star; it ends above the first label.
constexpr int kChiefBottom = 126;

Colour Chief(int x, int y) {
  const double grain = TilingNoise(x, y, 32, 512, 41);
  Colour c = Shade(kAzure, 0.92 + 0.16 * grain + 0.3 * (1 - y / double(kChiefBottom)));
  if (InStar(x + 0.5, y + 0.5, 307, 96, 24)) c = Mix(kGoldLight, kGoldDark, (y - 72) / 48.0);
  return c;
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
  const std::vector<double> rims = RimDistances();
  PixelCanvas p(kAboutWidth, kAboutHeight, kOutline);
  for (int y = 0; y < kAboutHeight; ++y)
    for (int x = 0; x < kAboutWidth; ++x) {
      const double rim = rims[static_cast<std::size_t>(y) * kAboutWidth + x];
      Colour c;
      if (rim < 5) c = kOutline;  // also what lies outside, cut away by the region
      else if (rim < 21) c = Mix(kGoldLight, kGoldDark, (rim - 5) / 16.0 * 0.6 + 0.4 * Hash01(x / 3, y / 3, 61));
      else if (rim < 26) c = kOutline;
      else if (y < kChiefBottom) c = Chief(x, y);
      else if (y < kChiefBottom + 2) c = kOutline;
      else if (y < kChiefBottom + 7) c = Mix(kGoldLight, kGoldDark, (y - kChiefBottom - 2) / 5.0);
      else if (y < kChiefBottom + 9) c = kOutline;
      else c = Field(x, y, rim);
      p.Put(x, y, c);
    }
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
