#include "listerror.h"

#include "format.h"
#include "resourcestrings.h"

AnsiString ListIndexErrorText(int Index) {
  return Format(LoadStr(SListIndexError), Index);
}
