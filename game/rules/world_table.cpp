#include "world_table.h"

namespace Game {

const WorldRow WorldTable[kWorldCount] = {
    {"tutorial.dat", "Tutorial", "Tutorial", "Tutorial - Lernprogramm für Einsteiger", "15", 0},
    {"easy.dat", "Easy", "Easy", "Easy", "10", 1},
    {"fastfun_a.dat", "Fast Fun 1", "fastfun_a", "Fast-Fun 1 - Kleine Kistor Level", "10", 2},
    {"fastfun_b.dat", "Fast Fun 2", "fastfun_b", "Fast-Fun 2 - Kleine Kistor Level", "10", 2},
    {"fastfun_c.dat", "Fast Fun 3", "fastfun_c", "Fast-Fun 3 - Kleine Kistor Level", "10", 2},
    {"bt_a.dat", "Box Terror 1", "bt_a", "Box Terror 1 - (Kistor)", "10", 4},
    {"ds_a.dat", "Hard Live 1", "ds_a", "Hard Live 1 - (Kistor)", "10", 6},
    {"ds_b.dat", "Hard Live 2", "ds_b", "Hard Live 2 - (Kistor)", "10", 6},
    {"ds_c.dat", "Hard Live 3", "ds_c", "Hard Live 3 - (Kistor)", "10", 6},
    {"ds_d.dat", "Hard Live 4", "ds_d", "Hard Live 4 - (Kistor)", "10", 6},
    {"ds_e.dat", "Hard Live 5", "ds_e", "Hard Live 5 - (Kistor)", "10", 6},
    {"qx_a.dat", "QX 1", "qx_a", "QX 1 - (Kistor)", "10", 3},
    {"qx_b.dat", "QX 2", "qx_b", "QX 2 - (Kistor)", "10", 3},
    {"qx_c.dat", "QX 3", "qx_c", "QX 3 - (Kistor)", "10", 4},
    {"zur.dat", "ZUR", "zur", "ZUR - (Kistor)", "15", 5},
    {"tuvo_a.dat", "Tuvo 1", "tuvo_a", "Tuvo 1 - (Kistor)", "10", 3},
    {"stillmore_a.dat", "Still more 1", "stillmore_a", "Still more 1 - (Kistor)", "10", 5},
    {"stillmore_b.dat", "Still more 2", "stillmore_b", "Still more 2 - (Kistor)", "10", 4},
    {"stillmore_c.dat", "Still more 3", "stillmore_c", "Still more 3 - (Kistor)", "10", 4},
    {"stillmore_d.dat", "Still more 4", "stillmore_d", "Still more 4 - (Kistor)", "10", 4},
    {"stillmore_e.dat", "Still more 5", "stillmore_e", "Still more 5 - (Kistor)", "10", 4},
    {"easy_fastfun_a.dat", "Easy Fast Fun 1", "easy_fastfun_a", "Easy Fast-Fun 1 - (Kistor)", "10", 1},
    {"easy_fastfun_b.dat", "Easy Fast Fun 2", "easy_fastfun_b", "Easy Fast-Fun 2 - (Kistor)", "10", 1},
    {"y2k_a.dat", "Y2K - Edition 1", "y2k_a", "Y2K Edition 1 - (Kistor)", "10", 3},
    {"y2k_b.dat", "Y2K - Edition 2", "y2k_b", "Y2K Edition 2 - (Kistor)", "10", 3},
    {"y2k_c.dat", "Y2K - Edition 3", "y2k_c", "Y2K Edition 3 - (Kistor)", "10", 3},
    {"y2k_d.dat", "Y2K - Edition 4", "y2k_d", "Y2K Edition 4 - (Kistor)", "10", 3},
};

const WorldRow* WorldRowOf(Integer worldIndex) {
  return worldIndex >= 0 && worldIndex < kWorldCount ? &WorldTable[worldIndex] : nullptr;
}

}  // namespace Game
