// Small types that several standard controls share.
#pragma once

#include "forms.h"

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TTextLayout { tlTop, tlCenter, tlBottom };
// The controls' border: bsNone or bsSingle of the form's styles.
using TBorderStyle = TFormBorderStyle;

// DrawText's horizontal flag for an alignment.
inline UINT AlignmentFlags(TAlignment Alignment) {
  constexpr UINT flags[] = {0x0 /*DT_LEFT*/, 0x2 /*DT_RIGHT*/, 0x1 /*DT_CENTER*/};
  return flags[Alignment];
}
