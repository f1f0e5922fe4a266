#include "vyrgraph.h"

namespace Vyrgraph {

void Initialize() {}
void Finalize() {}

}  // namespace Vyrgraph
