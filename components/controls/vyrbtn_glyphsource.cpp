// Where a button's glyph comes from: its own bitmap, an image list, a
// built-in kind or its action. The speed and the windowed buttons follow
// the same rules, written once here.
#include "actnlist.h"
#include "bitmap_class.h"
#include "canvas.h"
#include "colors.h"
#include "vyrbtn.h"
#include "vyrcont.h"
#include "vyrutils.h"

namespace Vyrbtn {

void VyrGlyphFromList(Vyrglyph::TVyrGlyph* Glyph, const Vyrcctrl::TVyrImageLink& Link) {
  if (Link.IMLEmpty()) {
    Glyph->SetGlyph(nullptr);
    return;
  }
  TBitmap item;
  Link.GetImageList()->GetBitmapItem(Link.GetListIndex(), Link.GetImageIndex(), &item);
  Glyph->SetGlyph(&item);
}

void VyrSetOwnGlyph(Vyrglyph::TVyrGlyph* Glyph, Vyrcctrl::TVyrImageLink& Link, TBitmap* Value, bool Loading) {
  // A glyph of its own replaces the one the image list provided.
  if (!Loading && Link.GetImageList()) Link.SetImageList(nullptr);
  Glyph->SetGlyph(Value);
}

void VyrGlyphOfKind(Vyrglyph::TVyrGlyph* Glyph, TVyrGlyphKind Kind, const Vyrcctrl::TVyrImageLink& Link) {
  if (Kind == TVyrGlyphKind::gkCustom) {
    VyrGlyphFromList(Glyph, Link);
    return;
  }
  // Into the holder directly: the image list stays linked for a return to
  // gkCustom.
  Glyph->SetNumGlyphs(1);
  TBitmap picture;
  VyrGetGlyphKind(&picture, Kind);
  Glyph->SetGlyph(&picture);
}

bool VyrGlyphIsCustom(const Vyrcctrl::TVyrImageLink& Link, TVyrGlyphKind Kind) {
  return Link.GetImageList() == nullptr || Kind != TVyrGlyphKind::gkCustom;
}

void VyrGlyphFromAction(Vyrglyph::TVyrGlyph* Glyph, TObject* Action) {
  auto* action = dynamic_cast_object<TCustomAction>(Action);
  Vyrcont::TVyrCustomImageList* images = nullptr;
  if (action && action->GetActionList())
    images = dynamic_cast_object<Vyrcont::TVyrCustomImageList>(action->GetActionList()->GetImages());
  const int index = action ? action->GetImageIndex() : -1;
  const int L = images ? images->GetListIndex() : 0;
  const bool usable = images && index >= 0 && index < images->ItemCount(L);
  if (!usable) {
    Glyph->SetGlyph(nullptr);
    return;
  }
  // A glyph already there (the button's own, or the action's from before)
  // stays: each change of the action would otherwise take it away again.
  if (Glyph->GetGlyph() && !Glyph->GetGlyph()->GetEmpty()) return;
  TBitmap image;
  image.SetSize(images->Dimensions(L, 0), images->Dimensions(L, 1));
  image.GetCanvas()->GetBrush()->SetColor(clFuchsia);
  image.GetCanvas()->FillRect(TRect(0, 0, image.GetWidth(), image.GetHeight()));
  images->Draw(image.GetCanvas(), 0, 0, L, index);
  Glyph->SetGlyph(&image);
}

void VyrResolveFontAngle(TFont* Font, Vyrgraph::TVyrFxCaption* FontFx, TObject* Sender) {
  if (FontFx->GetAngle() == 0 || Vyrutils::VyrIsTrueTypeFont(Font)) return;
  if (Sender == FontFx)
    Font->SetName("Arial");
  else
    FontFx->SetAngle(0);
}

}  // namespace Vyrbtn
