// The glyph cache and the per-state images of button glyphs.
#include <algorithm>

#include "colors.h"
#include "vyrglyph.h"
#include "vyrutils.h"

namespace Vyrglyph {

namespace {
TVyrGlyphCache* glyphCache = nullptr;

TVyrGlyphCache* EnsureCache() {
  if (!glyphCache) glyphCache = new TVyrGlyphCache();
  return glyphCache;
}

bool IsPressedLook(TVyrButtonState State) {
  return State == TVyrButtonState::bsDown || State == TVyrButtonState::bsOptionSet ||
         State == TVyrButtonState::bsDropDownOpen;
}
}  // namespace

TVyrGlyphCache* VyrGlyphCache() { return glyphCache; }

// ---- glyph lists ----

TVyrGlyphList::TVyrGlyphList(int AWidth, int AHeight) : Vyrcont::TVyrImageListItem(AWidth, AHeight) {
  SetMasked(true);
}

bool TVyrGlyphList::IsUsed(int Index) const {
  return Index >= 0 && Index < static_cast<int>(used_.size()) && used_[static_cast<std::size_t>(Index)];
}

int TVyrGlyphList::AllocateIndex() {
  const auto free = std::find(used_.begin(), used_.end(), false);
  if (free != used_.end()) return static_cast<int>(free - used_.begin());
  const int index = Vyrcont::TVyrImageListItem::Add(nullptr, nullptr);
  used_.resize(static_cast<std::size_t>(index) + 1, false);
  return index;
}

void TVyrGlyphList::MarkUsed(int Index) {
  used_[static_cast<std::size_t>(Index)] = true;
  ++useCount_;
}

int TVyrGlyphList::Add(TBitmap* Image, TBitmap* Mask) {
  const int index = AllocateIndex();
  Replace(index, Image, Mask);
  MarkUsed(index);
  return index;
}

int TVyrGlyphList::AddMasked(TBitmap* Image, TColor TransparentColor) {
  const int index = AllocateIndex();
  ReplaceMasked(index, Image, TransparentColor);
  MarkUsed(index);
  return index;
}

void TVyrGlyphList::Delete(int Index) {
  if (!IsUsed(Index)) return;
  used_[static_cast<std::size_t>(Index)] = false;
  --useCount_;
}

// ---- the cache ----

TVyrGlyphCache::~TVyrGlyphCache() {
  for (TVyrGlyphList* list : lists_) list->Free();
}

TVyrGlyphList* TVyrGlyphCache::GetList(int AWidth, int AHeight) {
  for (TVyrGlyphList* list : lists_)
    if (list->GetWidth() == AWidth && list->GetHeight() == AHeight) return list;
  lists_.push_back(TObject::Create<TVyrGlyphList>(AWidth, AHeight));
  return lists_.back();
}

void TVyrGlyphCache::FreeList(TVyrGlyphList* List) {
  if (!List || List->GetUseCount() > 0) return;
  const auto at = std::find(lists_.begin(), lists_.end(), List);
  if (at == lists_.end()) return;
  lists_.erase(at);
  List->Free();
}

// ---- glyphs ----

TVyrGlyph::TVyrGlyph() : glyph_(std::make_unique<TBitmap>()) {
  EnsureCache();
  glyph_->OnChange = TNotifyEvent(this, &TVyrGlyph::GlyphChanged);
}

TVyrGlyph::~TVyrGlyph() {
  glyph_->OnChange = nullptr;
  Invalidate();
  if (glyphCache && glyphCache->Empty()) {
    delete glyphCache;
    glyphCache = nullptr;
  }
}

void TVyrGlyph::Invalidate() {
  if (list_) {
    for (int& slot : slots_)
      if (slot >= 0) list_->Delete(slot);
    if (glyphCache) glyphCache->FreeList(list_);
    list_ = nullptr;
  }
  std::fill(std::begin(slots_), std::end(slots_), -1);
}

void TVyrGlyph::GlyphChanged(TObject*) {
  if (!glyph_->GetEmpty()) transparentColor_ = glyph_->GetTransparentColor();
  Invalidate();
  if (onChange_) onChange_(this);
}

void TVyrGlyph::SetGlyph(TBitmap* Bitmap) {
  Invalidate();
  glyph_->OnChange = nullptr;
  if (Bitmap)
    glyph_->Assign(Bitmap);
  else
    glyph_->SetSize(0, 0);
  glyph_->OnChange = TNotifyEvent(this, &TVyrGlyph::GlyphChanged);
  if (Bitmap && Bitmap->GetHeight() > 0) {
    transparentColor_ = Bitmap->GetTransparentColor();
    const int width = Bitmap->GetWidth(), height = Bitmap->GetHeight();
    if (width > 0 && width % height == 0) {
      const int cells = width / height;
      numGlyphs_ = cells > 5 ? 1 : cells;
    }
  }
  if (onChange_) onChange_(this);
}

void TVyrGlyph::SetNumGlyphs(int Value) {
  if (Value == numGlyphs_ || Value < 1 || Value > 5) return;
  Invalidate();
  numGlyphs_ = Value;
}

void TVyrGlyph::SetStyle(TVyrGlyphStyle Value) {
  if (Value == style_) return;
  Invalidate();
  style_ = Value;
}

TVyrButtonState TVyrGlyph::MapState(TVyrButtonState State) const {
  if (State == TVyrButtonState::bsDisabledDown) return TVyrButtonState::bsDisabledUp;
  if (State == TVyrButtonState::bsDisabledUp || static_cast<int>(State) < numGlyphs_) return State;
  if (style_ == TVyrGlyphStyle::gsStandard) return TVyrButtonState::bsUp;
  return State == TVyrButtonState::bsDropDownOpen ? TVyrButtonState::bsDown : TVyrButtonState::bsMouseOver;
}

int TVyrGlyph::GetButtonGlyph(TVyrButtonState State) {
  const TVyrButtonState state = MapState(State);
  int& slot = slots_[static_cast<int>(state)];
  if (slot >= 0) return slot;
  if (glyph_->GetEmpty()) return -1;
  const int cellWidth = glyph_->GetWidth() / numGlyphs_;
  const int cellHeight = glyph_->GetHeight();
  if (cellWidth < 1) return -1;
  if (!list_) list_ = EnsureCache()->GetList(cellWidth, cellHeight);
  BuildImage(state, cellWidth, cellHeight);
  return slot;
}

void TVyrGlyph::BuildImage(TVyrButtonState State, int CellWidth, int CellHeight) {
  const int number = static_cast<int>(State);
  const TRect cell(0, 0, CellWidth, CellHeight);
  auto copyCell = [&](TBitmap* Dest, int Cell) {
    Dest->SetSize(CellWidth, CellHeight);
    Dest->GetCanvas()->SetCopyMode(cmSrcCopy);
    Dest->GetCanvas()->CopyRect(cell, glyph_->GetCanvas(),
                                TRect(Cell * CellWidth, 0, (Cell + 1) * CellWidth, CellHeight));
  };
  TBitmap image;
  const bool ownCell = number < numGlyphs_ && !(style_ == TVyrGlyphStyle::gsExplorer && State == TVyrButtonState::bsUp);
  if (ownCell) {
    copyCell(&image, number);
  } else {
    TBitmap first;
    copyCell(&first, 0);
    if (State == TVyrButtonState::bsDisabledUp) {
      image.SetSize(CellWidth, CellHeight);
      Vyrutils::VyrBmpDrawDisabledState(&image, &first, 0, 0);
    } else if (State == TVyrButtonState::bsUp) {
      Vyrutils::VyrBmpCreateGrayscale(&image, &first);
    } else if (IsPressedLook(State)) {
      // Pressed: the up look one pixel right and down.
      Vyrutils::VyrBmpCreateFromRect(&image, cell, transparentColor_);
      image.GetCanvas()->SetCopyMode(cmSrcCopy);
      image.GetCanvas()->CopyRect(TRect(1, 1, CellWidth, CellHeight), first.GetCanvas(),
                                  TRect(0, 0, CellWidth - 1, CellHeight - 1));
    } else {
      image.Assign(&first);
    }
  }
  slots_[number] = list_->AddMasked(&image, transparentColor_);
}

void TVyrGlyph::DrawButtonGlyphAndText(TCanvas* Canvas, const AnsiString& Text, Vyrgraph::TVyr3DCaption* Caption,
                                       const TRect& Rect, TVyrButtonState State,
                                       Vyrgraph::TVyrGlyphTextLayout* Layout, bool MultiLine, bool ShowAccelChar,
                                       bool Transparent, Vyrgraph::TVyrDrawTextStyles Styles, int Flags) {
  const int index = GetButtonGlyph(State);
  if (index >= 0) {
    TRect glyphRect = list_->GetImageRect(index);
    Vyrutils::VyrDrawTextAndGlyphExt(Canvas, Text, Caption, Rect, list_->GetImageBitmap()->GetCanvas(), glyphRect,
                                     list_->GetMaskBitmap()->GetCanvas(), transparentColor_, Layout, MultiLine,
                                     ShowAccelChar, Transparent, Styles, Flags);
  } else {
    TRect none;
    Vyrutils::VyrDrawTextAndGlyphExt(Canvas, Text, Caption, Rect, nullptr, none, nullptr, transparentColor_, Layout,
                                     MultiLine, ShowAccelChar, Transparent, Styles, Flags);
  }
}

}  // namespace Vyrglyph
