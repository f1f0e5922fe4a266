// The class library's units in the start-up table, in the order they run.
// Each registers its own classes with the form streams; Forms also makes
// Application and Screen and frees them again. A program or test runs them
// through TUnitStartup, usually as the head of a longer table.
#pragma once

#include "unitstartup.h"

namespace Graphics {
void Initialize();
inline constexpr TUnitRow Unit{"Graphics", &Initialize, nullptr};
}  // namespace Graphics

namespace Forms {
void Initialize();
void Finalize();
inline constexpr TUnitRow Unit{"Forms", &Initialize, &Finalize};
}  // namespace Forms

namespace ExtCtrls {
void Initialize();
inline constexpr TUnitRow Unit{"ExtCtrls", &Initialize, nullptr};
}  // namespace ExtCtrls

namespace StdCtrls {
void Initialize();
inline constexpr TUnitRow Unit{"StdCtrls", &Initialize, nullptr};
}  // namespace StdCtrls

namespace ComCtrls {
void Initialize();
inline constexpr TUnitRow Unit{"ComCtrls", &Initialize, nullptr};
}  // namespace ComCtrls

namespace Menus {
void Initialize();
inline constexpr TUnitRow Unit{"Menus", &Initialize, nullptr};
}  // namespace Menus

namespace ActnList {
void Initialize();
inline constexpr TUnitRow Unit{"ActnList", &Initialize, nullptr};
}  // namespace ActnList

namespace Dialogs {
void Initialize();
inline constexpr TUnitRow Unit{"Dialogs", &Initialize, nullptr};
}  // namespace Dialogs

namespace MPlayer {
void Initialize();
inline constexpr TUnitRow Unit{"MPlayer", &Initialize, nullptr};
}  // namespace MPlayer

// Graphics, Forms, ExtCtrls, StdCtrls, ComCtrls, Menus, ActnList, Dialogs,
// MPlayer.
const TUnitRows& ClassLibraryUnits();
