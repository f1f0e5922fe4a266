#include "classregistry.h"
#include "vyrregion.h"

namespace Vyrregion {

void Initialize() { RegisterClasses({TVyrFormShape::StaticClass()}); }

void Finalize() {}

}  // namespace Vyrregion
