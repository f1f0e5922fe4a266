// The point list, moving points, and the colour schemes of the shapes.
#include <cstdint>

#include "exceptions.h"
#include "vyrgrapa.h"

namespace Vyrgrapa {

namespace {

void* PackPoint(const TPoint& P) {
  const auto x = static_cast<std::uint16_t>(static_cast<std::int16_t>(P.x));
  const auto y = static_cast<std::uint16_t>(static_cast<std::int16_t>(P.y));
  return reinterpret_cast<void*>(static_cast<std::uintptr_t>((std::uint32_t{x} << 16) | y));
}

TPoint UnpackPoint(void* Item) {
  const auto v = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(Item));
  return TPoint(static_cast<std::int16_t>(v >> 16), static_cast<std::int16_t>(v & 0xFFFF));
}

void CheckRange(const TPoint& P) {
  if (TVyrPointList::CanHold(P)) return;
  throw ERangeError("Punkt (" + AnsiString(P.x) + ", " + AnsiString(P.y) +
                    ") liegt außerhalb des Bereichs der Punktliste");
}

}  // namespace

bool TVyrPointList::CanHold(const TPoint& P) {
  auto in = [](int V) { return V >= kMinCoordinate && V <= kMaxCoordinate; };
  return in(P.x) && in(P.y);
}

int TVyrPointList::AddPoint(const TPoint& P) {
  CheckRange(P);
  return Add(PackPoint(P));
}

void TVyrPointList::AddPoints(std::span<const TPoint> Points) {
  for (const TPoint& p : Points) CheckRange(p);
  for (const TPoint& p : Points) Add(PackPoint(p));
}

void TVyrPointList::PutPoint(int Index, const TPoint& P) {
  if (Index < 0 || Index >= GetCount()) return;
  CheckRange(P);
  SetItems(Index, PackPoint(P));
}

TPoint TVyrPointList::GetPoint(int Index) const {
  if (Index < 0 || Index >= GetCount()) return TPoint();
  return UnpackPoint(GetItems(Index));
}

std::vector<TPoint> TVyrPointList::GetPoints() const {
  std::vector<TPoint> out;
  out.reserve(static_cast<size_t>(GetCount()));
  for (int i = 0; i < GetCount(); ++i) out.push_back(UnpackPoint(GetItems(i)));
  return out;
}

void VyrOffsetPointArray(std::span<TPoint> Points, int DX, int DY) {
  for (TPoint& p : Points) {
    p.x += DX;
    p.y += DY;
  }
}

void VyrOffsetPointList(TVyrPointList* List, int DX, int DY) {
  if (!List) return;
  std::vector<TPoint> points = List->GetPoints();
  VyrOffsetPointArray(points, DX, DY);
  for (const TPoint& p : points) CheckRange(p);
  for (int i = 0; i < static_cast<int>(points.size()); ++i) List->PutPoint(i, points[static_cast<size_t>(i)]);
}

void VyrGetLightColors(TVyrLightColor LightColor, TColor& Light, TColor& Shadow) {
  auto pair = [&](TColor L, TColor S) {
    Light = L;
    Shadow = S;
  };
  switch (LightColor) {
    case TVyrLightColor::lcNone: pair(clBtnFace, clBtnFace); return;
    case TVyrLightColor::lcBlue: pair(0xFF0000, 0x800000); return;
    case TVyrLightColor::lcRed: pair(0x0000FF, 0x000080); return;
    case TVyrLightColor::lcGreen: pair(0x00FF00, 0x008000); return;
    case TVyrLightColor::lcYellow: pair(0x00FFFF, 0x008080); return;
    case TVyrLightColor::lcMarine: pair(0xFFFF00, 0x808000); return;
    case TVyrLightColor::lcPurple: pair(0xFF00FF, 0x800080); return;
  }
}

}  // namespace Vyrgrapa
