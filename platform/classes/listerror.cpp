#include "listerror.h"

AnsiString ListIndexErrorText(int Index) {
  // Resource string 65530 of the class library, formatted with the index.
  return "Der Index der Liste überschreitet das Maximum (" + AnsiString(Index) + ")";
}
