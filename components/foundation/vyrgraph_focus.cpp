#include "vyrgraph.h"

namespace Vyrgraph {

int VyrConvertFocusStyle(TVyrGlyphTextFocusStyle Style) {
  switch (Style) {
    case TVyrGlyphTextFocusStyle::fcText: return 64;
    case TVyrGlyphTextFocusStyle::fcGlyph: return 128;
    case TVyrGlyphTextFocusStyle::fcGlyphText: return 256;
    default: return 0;
  }
}

}  // namespace Vyrgraph
