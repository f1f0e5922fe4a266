// Which host the program runs on: headless when MORVANT_HEADLESS=1, else
// SDL. Without a display the program stops; it never falls back to headless
// on its own.
#pragma once

namespace Backend {

// Installs the host. 0 on success; 2 when there is no display, after
// printing "morvant2: no display: <SDL's message>" to stderr, for main to
// return.
int InstallHostForProgram();

}  // namespace Backend
