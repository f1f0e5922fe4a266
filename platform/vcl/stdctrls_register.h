// The standard controls' start-up: registers their classes, so that form
// resources can create them by name. Call after Forms::Initialize.
#pragma once

namespace StdCtrls {
void Initialize();
}  // namespace StdCtrls
