// The class library's raw allocation. Unlike the original, GetMem reports a
// failed allocation by returning nullptr instead of raising, so that a caller
// can raise its own error (the compressor's "LZRW Error!"). A request for 0
// bytes gives nullptr, as the original does; a negative size is a failure.
#pragma once

#include "wintypes.h"

void* GetMem(Integer size);
// Frees what GetMem gave; nullptr is ignored.
void FreeMem(void* block);
