#include <cfenv>
#include <cmath>

#include "bitmap_class.h"
#include "canvas.h"
#include "colors.h"
#include "pen.h"
#include "vyrled.h"

namespace Vyrled {

namespace {

// The checkerboard of the unlit segments, one for the whole unit, with the
// two colours it was last drawn for.
struct TPattern {
  std::unique_ptr<TBitmap> bitmap;
  TColor background = clNone;
  TColor inactive = clNone;
};
TPattern* pattern = nullptr;

TBitmap* PatternFor(TColor Background, TColor InActive) {
  if (!pattern) return nullptr;
  if (pattern->background == Background && pattern->inactive == InActive && !pattern->bitmap->GetEmpty())
    return pattern->bitmap.get();
  TBitmap& bitmap = *pattern->bitmap;
  bitmap.SetSize(8, 8);
  TCanvas* canvas = bitmap.GetCanvas();
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) canvas->SetPixels(x, y, (x + y) % 2 ? Background : InActive);
  pattern->background = Background;
  pattern->inactive = InActive;
  return &bitmap;
}

// To nearest, halves to even (1.5 -> 2, 0.5 -> 0, 4.5 -> 4).
int RoundEven(double Value) {
  const int mode = std::fegetround();
  std::fesetround(FE_TONEAREST);
  const double rounded = std::nearbyint(Value);
  std::fesetround(mode);
  return static_cast<int>(rounded);
}

using TSegment = TVyrLED::TSegment;

TSegment Bar(int X, int Y, int L, int a) {
  return {TPoint(X, Y + a),         TPoint(X + a, Y),         TPoint(X + a + L, Y),
          TPoint(X + 2 * a + L, Y + a), TPoint(X + a + L, Y + 2 * a), TPoint(X + a, Y + 2 * a)};
}

TSegment Upright(int X, int Y, int L, int a) {
  return {TPoint(X + a, Y),         TPoint(X + 2 * a, Y + a), TPoint(X + 2 * a, Y + a + L),
          TPoint(X + a, Y + 2 * a + L), TPoint(X, Y + a + L),     TPoint(X, Y + a)};
}

// Keeps the previous points when the diagonal has no extent.
void Diagonal(TSegment& Segment, int X, int Y, int dx, int dy, int t) {
  if (dx == 0 || dy == 0) return;
  const int sx = RoundEven((dx > 0 ? 1 : -1) * t / 2.0);
  const int sy = RoundEven((dy > 0 ? 1 : -1) * t / 2.0);
  Segment = {TPoint(X, Y),           TPoint(X + sx, Y),      TPoint(X + dx, Y + dy - sy),
             TPoint(X + dx, Y + dy), TPoint(X + dx - sx, Y + dy), TPoint(X, Y + sy)};
}

TSegment Dot(int X, int Y, int t) {
  return {TPoint(X + t, Y - 1), TPoint(X + t, Y + t - 1), TPoint(X, Y + t - 1),
          TPoint(X, Y - 1),     TPoint(X, Y - 1),         TPoint(X, Y - 1)};
}

struct TCharMask {
  char c;
  std::uint16_t mask;
};

constexpr TCharMask kCharTable[] = {
    {'(', 0x1400}, {')', 0x0A00}, {'*', 0x1F80}, {'+', 0x0188}, {'-', 0x0008}, {'.', 0x8000}, {'0', 0x1277},
    {'1', 0x0180}, {'I', 0x0180}, {'2', 0x005D}, {'3', 0x006D}, {'4', 0x002E}, {'5', 0x006B}, {'S', 0x006B},
    {'6', 0x007B}, {'G', 0x007B}, {'7', 0x0025}, {'8', 0x007F}, {'9', 0x006F}, {':', 0xA000}, {'A', 0x003F},
    {'B', 0x01ED}, {'C', 0x0053}, {'[', 0x0053}, {'D', 0x01E5}, {'E', 0x005B}, {'F', 0x001B}, {'H', 0x003E},
    {'J', 0x0074}, {'K', 0x141A}, {'L', 0x0052}, {'M', 0x0636}, {'N', 0x1236}, {'O', 0x0077}, {'P', 0x001F},
    {'Q', 0x1077}, {'R', 0x101F}, {'T', 0x0181}, {'U', 0x0076}, {'V', 0x0C12}, {'W', 0x1836}, {'X', 0x1E00},
    {'Y', 0x0700}, {'Z', 0x0C41}, {'\\', 0x1200}, {']', 0x0065}, {'_', 0x0040},
};

}  // namespace

void MakePattern() {
  if (!pattern) pattern = new TPattern{std::make_unique<TBitmap>()};
}

void FreePattern() {
  delete pattern;
  pattern = nullptr;
}

TVyrLED::TVyrLED() : colors_{clLime, clGreen, TColor(0)} {}

TVyrLED::~TVyrLED() = default;

void TVyrLED::SetColor(int Index, TColor Value) {
  if (colors_[Index] == Value) return;
  colors_[Index] = Value;
  CreateBmp();
  Change();
}

void TVyrLED::SetByte(int Index, std::uint8_t Value) {
  if (sizes_[Index - 1] == Value) return;
  sizes_[Index - 1] = Value;
  CreateBmp();
  Change();
}

void TVyrLED::SetEnabled(bool Value) {
  if (disabledDigits_ == Value) return;
  disabledDigits_ = Value;
  Change();
}

void TVyrLED::EndFlash() {
  flashing_ = false;
  Change();
}

void TVyrLED::Assign(TPersistent* Source) {
  auto* other = dynamic_cast_object<TVyrLED>(Source);
  if (!other) {
    TVyrObject::Assign(Source);
    return;
  }
  sizes_ = other->sizes_;
  disabledDigits_ = other->disabledDigits_;
  colors_[0] = other->colors_[0];
  colors_[1] = other->colors_[1];
  CreateBmp();
  Change();
}

int TVyrLED::GetWidth() const { return GetHorzsize() + 5 * GetThickness(); }

int TVyrLED::GetHeight() const { return 2 * GetVertsize() + 7 * GetThickness(); }

void TVyrLED::SetupPoints() {
  const int t = GetThickness(), h = GetHorzsize(), v = GetVertsize();
  const int a = t / 2, c = (4 * t + h) / 2, r = RoundEven(1.5 * t);
  auto at = [this](TVyrLEDLights light) -> TSegment& { return segments_[static_cast<int>(light)]; };
  using L = TVyrLEDLights;
  at(L::llTop) = Bar(2 * t, t, h, a);
  at(L::llTopLeft) = Upright(t, 2 * t, v, a);
  at(L::llTopRight) = Upright(3 * t + h, 2 * t, v, a);
  at(L::llMiddle) = Bar(2 * t, 3 * t + v, h, a);
  at(L::llBottomLeft) = Upright(t, 4 * t + v, v, a);
  at(L::llBottomRight) = Upright(3 * t + h, 4 * t + v, v, a);
  at(L::llBottom) = Bar(2 * t, 5 * t + 2 * v, h, a);
  at(L::llInTopMiddle) = Upright(c, 2 * t, v, a);
  at(L::llInBottomMiddle) = Upright(c, 4 * t + v, v, a);
  Diagonal(at(L::llInTopLeft), c - a, 2 * t + v, t - h / 2, t - v, t);
  Diagonal(at(L::llInTopRight), c + r, 2 * t + v, h / 2 - t, t - v, t);
  Diagonal(at(L::llInBottomLeft), c - a, 5 * t + v, t - h / 2, v - t, t);
  Diagonal(at(L::llInBottomRight), c + r, 5 * t + v, h / 2 - t, v - t, t);
  at(L::llPointMiddle) = Dot(c - 1, 3 * t + v, t);
  at(L::llPointTop) = Dot(c - 1, t, t);
  at(L::llPointBottom) = Dot(c - 1, 5 * t + 2 * v, t);
}

void TVyrLED::CreateBmp() {
  SetupPoints();
  if (!cell_) cell_ = std::make_unique<TBitmap>();
  cell_->SetSize(GetWidth(), GetHeight());
  TCanvas* canvas = cell_->GetCanvas();
  canvas->GetBrush()->SetStyle(bsSolid);
  canvas->GetBrush()->SetColor(colors_[2]);
  canvas->FillRect(TRect(0, 0, GetWidth(), GetHeight()));
  canvas->GetPen()->SetStyle(psClear);
  // Without the unit's pattern (not started) the unlit look is plain.
  TBitmap* brush = PatternFor(colors_[2], colors_[1]);
  if (brush)
    canvas->GetBrush()->SetBitmap(brush);
  else
    canvas->GetBrush()->SetColor(colors_[1]);
  for (const TSegment& segment : segments_) canvas->Polygon(segment);
  canvas->GetBrush()->SetBitmap(nullptr);
}

std::uint16_t TVyrLED::CharToMask(char C) {
  const char upper = (C >= 'a' && C <= 'z') ? static_cast<char>(C - 'a' + 'A') : C;
  for (const TCharMask& entry : kCharTable)
    if (entry.c == upper) return entry.mask;
  return 0;
}

void TVyrLED::PaintLED(TCanvas* Canvas, const TRect& Rect, const AnsiString& Text, bool DoPaint, bool ControlEnabled) {
  rows_ = 1;
  widestRow_ = 0;
  int column = 0;
  text_ = Text;
  const bool fullGlyphs = GetVertsize() >= 4 && GetHorzsize() >= 4;
  const bool lights = !disabledDigits_ || ControlEnabled;
  const int cellWidth = GetWidth(), cellHeight = GetHeight();
  int y = Rect.top;
  if (DoPaint) {
    Canvas->GetPen()->SetStyle(psSolid);
    Canvas->GetBrush()->SetStyle(bsSolid);
    Canvas->GetBrush()->SetColor(colors_[0]);
    Canvas->GetPen()->SetColor(colors_[0]);
  }
  for (int i = 1; i <= Text.Length(); ++i) {
    const char ch = Text[i];
    if (ch == '\r') {
      ++rows_;
      y = Rect.top + (rows_ - 1) * cellHeight;
      column = 0;
      continue;
    }
    if (static_cast<unsigned char>(ch) < 32) continue;
    if (DoPaint) {
      if (!cell_ || cell_->GetEmpty()) CreateBmp();
      const int x = Rect.left + column * cellWidth;
      Canvas->CopyRect(Bounds(x, y, cellWidth, cellHeight), cell_->GetCanvas(), TRect(0, 0, cellWidth, cellHeight));
      if (lights) {
        const std::uint16_t mask = (flashing_ && !flashPhase_) ? 0 : CharToMask(ch);
        const int segments = fullGlyphs ? kSegmentCount : kOuterSegmentCount;
        for (int s = 0; s < segments; ++s) {
          if (!(mask & (1u << s))) continue;
          TSegment moved = segments_[s];
          for (TPoint& p : moved) p = TPoint(p.x + x, p.y + y);
          Canvas->Polygon(moved);
        }
      }
    }
    ++column;
    if (widestRow_ < column) widestRow_ = column;
  }
  // Only a real paint advances the blink, so measuring never skips a phase.
  if (DoPaint && flashing_) flashPhase_ = !flashPhase_;
}

TRect TVyrLED::CalcBoundsRect(const AnsiString& Text, int Border) {
  PaintLED(nullptr, TRect(), Text, false, true);
  return TRect(0, 0, GetWidth() * widestRow_ + 2 * Border + 1, GetHeight() * rows_ + 2 * Border);
}

}  // namespace Vyrled
