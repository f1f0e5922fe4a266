#include "vyrglyph.h"

namespace Vyrglyph {

void Initialize() {}
void Finalize() {}

}  // namespace Vyrglyph
