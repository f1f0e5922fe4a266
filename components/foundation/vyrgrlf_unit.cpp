#include "vyrgrlf.h"

namespace Vyrgrlf {

void Initialize() {}
void Finalize() {}

}  // namespace Vyrgrlf
