// The runtime's pseudo-random generator, which the game's movers and its music
// choice draw from in call order. The name cannot be `rand`: that belongs to
// <cstdlib>, and the C library's generator must not be what the game gets.
//
// The sequence is fixed: a 64-bit state that starts at 1 when the program
// starts, state := state * (346 * 2^32 + 20021) + 1 (mod 2^64), result = bits
// 32..62 of the new state (0 .. 2^31 - 1). The first value is 346. It is never
// seeded, and there is one sequence for the whole process, safe to draw from
// any thread.
#pragma once

int RtlRand();

// Tests only: start the sequence over, as at program start.
void RtlRandReset();
