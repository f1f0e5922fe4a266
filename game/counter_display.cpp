#include "counter_display.h"

#include "sysutils.h"

namespace Game {

void ShowCounter(TLabel* counter, int value, int digits) {
  if (!counter) return;
  AnsiString text(value < 0 ? 0 : value);
  while (text.Length() < digits) text = "0" + text;
  counter->SetCaption(text);
}

}  // namespace Game
