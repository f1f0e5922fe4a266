// Deterministic noise, so that every run of the generator writes the same
// files.
#pragma once

#include <cstdint>

namespace pixelart {

// A value in [0, 1) for a lattice point.
double Hash01(int x, int y, std::uint32_t seed);

// Smooth noise in [0, 1) that repeats every `period` pixels in both
// directions; `period` must be a multiple of `cell`.
double TilingNoise(int x, int y, int cell, int period, std::uint32_t seed);

}  // namespace pixelart
