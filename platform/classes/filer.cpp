#include "filer.h"

#include "persistent.h"

void TFiler::CallDefineProperties(TPersistent* Instance) { Instance->DefineProperties(this); }
