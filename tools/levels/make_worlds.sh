#!/bin/sh
# Rebuilds every world file and its solutions: the tutorial from its text,
# the other 26 worlds from the generator (the same every run). Run from the
# source tree's root with the path of a built levelgen, e.g.
#   tools/levels/make_worlds.sh build/tools/levelgen
set -e
levelgen=$1
"$levelgen" text tools/levels/tutorial.txt data/level/tutorial.dat tests/levels/solutions/tutorial
# The hardest worlds first, so that the parallel runs end together.
for w in 6 7 8 9 10 14 16 5 13 17 18 19 20 11 12 15 23 24 25 26 2 3 4 1 21 22; do echo $w; done |
  xargs -P "${JOBS:-8}" -I{} sh -c '
    stem=$(sed -n "s/^ *{\"\([a-z0-9_]*\)\.dat\".*/\1/p" game/rules/world_table.cpp | sed -n "$(({} + 1))p")
    "'"$levelgen"'" world {} data/level/$stem.dat tests/levels/solutions/$stem 2>/tmp/levelgen_{}.log ||
      { echo "world {} failed, see /tmp/levelgen_{}.log"; exit 1; }'
