#include "vyrsysin.h"

namespace Vyrsysin {

void Initialize() {}
void Finalize() {}

}  // namespace Vyrsysin
