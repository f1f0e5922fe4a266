#include "vyrconst.h"

namespace Vyrconst {

void Initialize() {}
void Finalize() {}

}  // namespace Vyrconst
