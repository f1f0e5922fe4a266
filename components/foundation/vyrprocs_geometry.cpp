#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

#include "vyrprocs.h"

namespace Vyrprocs {

namespace {
// The class library's Round: halves to the even neighbour.
int RoundEven(double v) { return static_cast<int>(std::nearbyint(v)); }
double Radians(int degrees) { return degrees * std::numbers::pi / 180.0; }
// The last index of elements 0..High that the array holds.
int LastIndex(std::size_t size, int High) { return std::min(High, static_cast<int>(size) - 1); }
}  // namespace

TRect VyrExpandRect(const TRect& R, int n) { return TRect(R.left - n, R.top - n, R.right + n, R.bottom + n); }

void VyrAdjustRect(TRect& R, int dx, int dy) {
  R.right += dx;
  R.bottom += dy;
}

void VyrAdjustRectExt(TRect& R, int l, int t, int r, int b) {
  R.left += l;
  R.top += t;
  R.right += r;
  R.bottom += b;
}

TRect VyrAffineRect(const TRect& Src, const TRect& Dst) {
  if (Src.Width() <= 0 || Src.Height() <= 0) return TRect(Dst.left, Dst.top, Dst.left, Dst.top);
  const double scale = std::min(static_cast<double>(Dst.Width()) / Src.Width(),
                                static_cast<double>(Dst.Height()) / Src.Height());
  return Bounds(Dst.left, Dst.top, static_cast<int>(Src.Width() * scale), static_cast<int>(Src.Height() * scale));
}

void VyrGetRectWH(const TRect& R, int& W, int& H) {
  W = R.Width();
  H = R.Height();
}

bool VyrRectinRect(const TRect& A, const TRect& B) { return PtInRect(&B, A.TopLeft()) && PtInRect(&B, A.BottomRight()); }

void VyrCalcRotRect(TRect& R, int Angle) {
  if (Angle == 0) return;
  const int hw = (R.right - R.left) / 2;
  const int hh = (R.bottom - R.top) / 2;
  const TPoint centre(R.left + hw, R.top + hh);
  const double c = std::cos(Radians(Angle)), s = std::sin(Radians(Angle));
  const int a = RoundEven(hw * c - hh * s), b = RoundEven(hw * c + hh * s);
  const int e = RoundEven(hw * s - hh * c), d = RoundEven(hw * s + hh * c);
  const int xs[] = {centre.x - a, centre.x - b, centre.x + b, centre.x + a};
  const int ys[] = {centre.y + e, centre.y + d, centre.y - d, centre.y - e};
  const auto [minX, maxX] = std::minmax_element(std::begin(xs), std::end(xs));
  const auto [minY, maxY] = std::minmax_element(std::begin(ys), std::end(ys));
  R = TRect(0, 0, *maxX - *minX, *maxY - *minY);
}

int VyrRotatedXPos(int Angle, int H, int W) {
  double e = 0;
  if (Angle >= 91 && Angle <= 180) e = RoundEven(H * std::sin(Radians(Angle - 90)));
  else if (Angle >= 181 && Angle <= 270) e = H;
  else if (Angle >= 271 && Angle <= 359) e = RoundEven(H * std::sin(Radians(Angle - 90))) + H;
  return RoundEven(W * std::sin(Radians(Angle)) + e);
}

// The width does not enter: the offset follows the height alone.
int VyrRotatedYPos(int Angle, int /*W*/, int H) {
  double f = 0;
  if (Angle >= 0 && Angle <= 90) f = RoundEven(H * std::sin(Radians(Angle)));
  else if (Angle >= 91 && Angle <= 180) f = H;
  else if (Angle >= 181 && Angle <= 270) f = RoundEven(H * std::sin(Radians(Angle))) + H;
  return RoundEven(H * std::cos(Radians(Angle)) + f);
}

void VyrMidpoint(std::span<const TPoint> Points, int n, TPoint& P) {
  n = std::min(n, static_cast<int>(Points.size()));
  if (n <= 0) return;
  long long sx = 0, sy = 0;
  for (int i = 0; i < n; ++i) sx += Points[i].x, sy += Points[i].y;
  P = TPoint(static_cast<LONG>(sx / n), static_cast<LONG>(sy / n));
}

void VyrOffsetPoints(std::span<TPoint> Points, int High, int dx, int dy) {
  for (int i = 0; i <= LastIndex(Points.size(), High); ++i) Points[i].x += dx, Points[i].y += dy;
}

void VyrNullPoints(std::span<TPoint> Points, int High) {
  for (int i = 0; i <= LastIndex(Points.size(), High); ++i) Points[i] = TPoint(0, 0);
}

namespace {
template <class T, class Better>
T Extreme(std::span<const T> Values, int High, Better better) {
  const int last = LastIndex(Values.size(), High);
  if (last < 0) return T{};
  T best = Values[0];
  for (int i = 1; i <= last; ++i)
    if (better(Values[i], best)) best = Values[i];
  return best;
}
}  // namespace

int VyrMax(std::span<const int> Values, int High) { return Extreme(Values, High, std::greater<>()); }
int VyrMin(std::span<const int> Values, int High) { return Extreme(Values, High, std::less<>()); }
double VyrMaxR(std::span<const double> Values, int High) { return Extreme(Values, High, std::greater<>()); }
double VyrMinR(std::span<const double> Values, int High) { return Extreme(Values, High, std::less<>()); }

int VyrMidI(int a, int b) { return static_cast<int>((static_cast<long long>(a) + b) / 2); }
void VyrSwapInt(int& a, int& b) { std::swap(a, b); }
void VyrSwapString(AnsiString& a, AnsiString& b) { std::swap(a, b); }

void VyrSetBit(unsigned char& B, int n, bool On) {
  if (n < 0 || n > 7) return;
  const auto bit = static_cast<unsigned char>(1u << n);
  B = static_cast<unsigned char>(On ? (B | bit) : (B ^ bit));
}

void VyrSetBitUpTo(unsigned char& B, int n) {
  for (int i = 0; i <= std::min(n, 7); ++i) VyrSetBit(B, i, true);
}

bool VyrGetBit(unsigned char B, int n) { return n >= 0 && n <= 7 && (B >> n) & 1u; }

// Wraps on overflow, as 32-bit arithmetic does.
int VyrExp(int base, int n) {
  unsigned result = 1;
  for (int i = 0; i < n; ++i) result *= static_cast<unsigned>(base);
  return static_cast<int>(result);
}

}  // namespace Vyrprocs
