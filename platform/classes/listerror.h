// The text the class library's lists raise EListError with for a bad index.
#pragma once

#include "ansistring.h"

AnsiString ListIndexErrorText(int Index);
