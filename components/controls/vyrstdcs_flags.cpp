// The DrawText flags the labels paint with.
#include "text.h"
#include "vyrstdcs.h"

namespace Vyrstdcs {

int GetOptionsFlag(TVyrLabelOptions Options) {
  int flags = 0;
  if (Options.Contains(TVyrLabelOption::loPathEllipsis)) flags |= DT_PATH_ELLIPSIS;
  if (Options.Contains(TVyrLabelOption::loEndEllipsis)) flags |= DT_END_ELLIPSIS;
  if (Options.Contains(TVyrLabelOption::loEditControl)) flags |= DT_EDITCONTROL;
  return flags;
}

int VyrLabelTextFlags(TVyrAlignment Alignment, TVyrLabelOptions Options, bool ShowAccelChar, int LineFlags) {
  int flags = GetOptionsFlag(Options) | TVYRALIGNFLAGS[static_cast<int>(Alignment)] | LineFlags | DT_EXPANDTABS |
              DT_WORDBREAK;
  if (!ShowAccelChar) flags |= DT_NOPREFIX;
  return flags;
}

int VyrLabelLineFlags(bool AutoSize, bool MultiLine, int Angle) {
  if (AutoSize) return 0;
  if (Angle != 0 || !MultiLine) return DT_SINGLELINE;
  return 0;
}

bool VyrLabelAlignsRect(bool AutoSize, bool MultiLine, int Angle, TVyrAlignment Alignment) {
  if (AutoSize) return false;
  if (Angle == 0) return MultiLine && static_cast<int>(Alignment) > static_cast<int>(TVyrAlignment::agTopRight);
  return Alignment != TVyrAlignment::agTopLeft;
}

}  // namespace Vyrstdcs
