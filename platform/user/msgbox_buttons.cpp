#include "msgbox_buttons.h"

#include <algorithm>

#include "msgbox.h"

std::vector<MessageBoxButton> MessageBoxButtons(UINT flags) {
  switch (flags & MB_TYPEMASK) {
    case MB_OKCANCEL: return {{IDOK, "OK"}, {IDCANCEL, "Abbrechen"}};
    case MB_ABORTRETRYIGNORE: return {{IDABORT, "Abbrechen"}, {IDRETRY, "Wiederholen"}, {IDIGNORE, "Ignorieren"}};
    case MB_YESNOCANCEL: return {{IDYES, "Ja"}, {IDNO, "Nein"}, {IDCANCEL, "Abbrechen"}};
    case MB_YESNO: return {{IDYES, "Ja"}, {IDNO, "Nein"}};
    case MB_RETRYCANCEL: return {{IDRETRY, "Wiederholen"}, {IDCANCEL, "Abbrechen"}};
  }
  return {{IDOK, "OK"}};
}

int MessageBoxDefaultIndex(UINT flags) {
  int wanted = static_cast<int>((flags & MB_DEFMASK) >> 8);
  int count = static_cast<int>(MessageBoxButtons(flags).size());
  return std::min(wanted, count - 1);
}

int MessageBoxCancelId(UINT flags) {
  for (const MessageBoxButton& b : MessageBoxButtons(flags))
    if (b.Id == IDCANCEL) return IDCANCEL;
  return (flags & MB_TYPEMASK) == MB_OK || (flags & MB_TYPEMASK) > MB_RETRYCANCEL ? IDOK : 0;
}
