#include "vyrprocs.h"

namespace Vyrprocs {

void Initialize() {}
void Finalize() {}

}  // namespace Vyrprocs
