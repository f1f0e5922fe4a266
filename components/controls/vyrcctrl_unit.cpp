#include "vyrcctrl.h"

namespace Vyrcctrl {

void Initialize() {}
void Finalize() {}

}  // namespace Vyrcctrl
