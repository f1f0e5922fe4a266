#include "noise.h"

namespace pixelart {

double Hash01(int x, int y, std::uint32_t seed) {
  std::uint32_t h = seed * 0x9E3779B9u ^ static_cast<std::uint32_t>(x) * 0x85EBCA6Bu ^
                    static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
  h ^= h >> 16;
  h *= 0x7FEB352Du;
  h ^= h >> 15;
  h *= 0x846CA68Bu;
  h ^= h >> 16;
  return (h >> 8) / 16777216.0;
}

double TilingNoise(int x, int y, int cell, int period, std::uint32_t seed) {
  const int lattice = period / cell;
  auto wrap = [lattice](int i) { return ((i % lattice) + lattice) % lattice; };
  const int x0 = x / cell, y0 = y / cell;
  const double fx = static_cast<double>(x % cell) / cell, fy = static_cast<double>(y % cell) / cell;
  auto smooth = [](double t) { return t * t * (3 - 2 * t); };
  const double sx = smooth(fx), sy = smooth(fy);
  const double a = Hash01(wrap(x0), wrap(y0), seed), b = Hash01(wrap(x0 + 1), wrap(y0), seed);
  const double c = Hash01(wrap(x0), wrap(y0 + 1), seed), d = Hash01(wrap(x0 + 1), wrap(y0 + 1), seed);
  return (a + (b - a) * sx) * (1 - sy) + (c + (d - c) * sx) * sy;
}

}  // namespace pixelart
