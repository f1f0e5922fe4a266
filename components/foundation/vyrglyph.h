// Button glyphs. One global cache keeps a masked glyph list per cell size,
// shared by every TVyrGlyph of that size; a glyph builds the image of each
// button state in the list on first use and gives its slots back when its
// bitmap, cell count or style change.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "bitmap.h"
#include "canvas.h"
#include "events.h"
#include "rect.h"
#include "vyrcont.h"
#include "vyrgraph.h"
#include "unitstartup.h"

namespace Vyrglyph {

using Vyrgraph::TVyrButtonState;

enum class TVyrGlyphStyle { gsStandard, gsExplorer };

// A masked image strip whose cells are slots handed out and given back.
class TVyrGlyphList : public Vyrcont::TVyrImageListItem {
  MORVANT_CLASS(TVyrGlyphList, Vyrcont::TVyrImageListItem)
 public:
  TVyrGlyphList(int AWidth, int AHeight);

  // The first free slot, else a new cell at the end.
  int AllocateIndex();
  // The image stored in a new slot; one use more.
  int Add(TBitmap* Image, TBitmap* Mask);
  int AddMasked(TBitmap* Image, TColor TransparentColor);
  // A used slot freed; one use less. Other indexes: nothing.
  void Delete(int Index);
  int GetUseCount() const { return useCount_; }
  bool IsUsed(int Index) const;

 private:
  void MarkUsed(int Index);

  std::vector<bool> used_;
  int useCount_ = 0;
};

class TVyrGlyphCache : public TObject {
  MORVANT_CLASS(TVyrGlyphCache, TObject)
 public:
  TVyrGlyphCache() = default;
  ~TVyrGlyphCache() override;
  TVyrGlyphCache(const TVyrGlyphCache&) = delete;
  TVyrGlyphCache& operator=(const TVyrGlyphCache&) = delete;

  // The list of that cell size, made (masked) when there is none.
  TVyrGlyphList* GetList(int AWidth, int AHeight);
  // Frees List when nobody uses it any more.
  void FreeList(TVyrGlyphList* List);
  bool Empty() const { return lists_.empty(); }
  int GetListCount() const { return static_cast<int>(lists_.size()); }

 private:
  std::vector<TVyrGlyphList*> lists_;
};

// The cache while any glyph needs it; nullptr otherwise.
TVyrGlyphCache* VyrGlyphCache();

class TVyrGlyph : public TObject {
  MORVANT_CLASS(TVyrGlyph, TObject)
 public:
  TVyrGlyph();
  ~TVyrGlyph() override;
  TVyrGlyph(const TVyrGlyph&) = delete;
  TVyrGlyph& operator=(const TVyrGlyph&) = delete;

  TBitmap* GetGlyph() const { return glyph_.get(); }
  // A copy of Bitmap; a bitmap n heights wide (n up to 5) has n cells.
  void SetGlyph(TBitmap* Bitmap);
  int GetNumGlyphs() const { return numGlyphs_; }
  // 1..5; other values and the current one are ignored.
  void SetNumGlyphs(int Value);
  TVyrGlyphStyle GetStyle() const { return style_; }
  void SetStyle(TVyrGlyphStyle Value);
  TColor GetTransparentColor() const { return transparentColor_; }
  void SetTransparentColor(TColor Value) { transparentColor_ = Value; }
  TNotifyEvent GetOnChange() const { return onChange_; }
  void SetOnChange(TNotifyEvent Value) { onChange_ = Value; }

  // The state each state is drawn with, by cell count and style.
  TVyrButtonState MapState(TVyrButtonState State) const;
  // The list index of the state's image, built on first use; -1 for an
  // empty glyph.
  int GetButtonGlyph(TVyrButtonState State);
  // The shared list the images sit in; nullptr before any is built.
  TVyrGlyphList* GetGlyphList() const { return list_; }

  // The state's image and the caption laid out by Layout in Rect; without
  // an image the caption alone.
  void DrawButtonGlyphAndText(TCanvas* Canvas, const AnsiString& Text, Vyrgraph::TVyr3DCaption* Caption,
                              const TRect& Rect, TVyrButtonState State, Vyrgraph::TVyrGlyphTextLayout* Layout,
                              bool MultiLine, bool ShowAccelChar, bool Transparent,
                              Vyrgraph::TVyrDrawTextStyles Styles, int Flags);

 private:
  static constexpr int kStates = 8;
  void Invalidate();
  void GlyphChanged(TObject* Sender);
  void BuildImage(TVyrButtonState State, int CellWidth, int CellHeight);

  std::unique_ptr<TBitmap> glyph_;
  int slots_[kStates] = {-1, -1, -1, -1, -1, -1, -1, -1};
  TVyrGlyphList* list_ = nullptr;
  int numGlyphs_ = 1;
  TNotifyEvent onChange_;
  TVyrGlyphStyle style_ = TVyrGlyphStyle::gsStandard;
  TColor transparentColor_ = clOlive;
};

// The unit's start-up row. It has nothing to do at either end; the row
// keeps the table whole, one row per unit, for the program and for tools.
void Initialize();
void Finalize();
inline constexpr TUnitRow Unit{"Vyrglyph", &Initialize, &Finalize};

}  // namespace Vyrglyph
