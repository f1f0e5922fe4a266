#include "vyrutils.h"

namespace Vyrutils {

void Initialize() {}
void Finalize() {}

}  // namespace Vyrutils
