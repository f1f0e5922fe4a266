// Button glyphs: cells from the bitmap's shape, the state each state is
// drawn with, the derived looks, and the shared lists' lifetime.
#include "vyrcont_fixture.h"
#include "vyrglyph.h"
#include "vyrutils.h"

using namespace Vyrglyph;
using Vyrgraph::TVyrButtonState;

using Glyphs = ContainerTest;

namespace {
// A strip of cells of one colour each on an olive frame.
std::unique_ptr<TBitmap> Cells(std::initializer_list<TColor> Colors, int Size = 16) {
  auto bmp = std::make_unique<TBitmap>();
  bmp->SetSize(Size * static_cast<int>(Colors.size()), Size);
  TCanvas* c = bmp->GetCanvas();
  c->GetBrush()->SetColor(clOlive);
  c->FillRect(TRect(0, 0, bmp->GetWidth(), Size));
  int x = 0;
  for (TColor colour : Colors) {
    c->GetBrush()->SetColor(colour);
    c->FillRect(TRect(x + 4, 4, x + 12, 12));
    x += Size;
  }
  return bmp;
}

TColor Shown(TVyrGlyph& Glyph, TVyrButtonState State, int X, int Y) {
  const int index = Glyph.GetButtonGlyph(State);
  TVyrGlyphList* list = Glyph.GetGlyphList();
  auto target = std::make_unique<TBitmap>();
  target->SetSize(list->GetWidth(), list->GetHeight());
  target->GetCanvas()->GetBrush()->SetColor(clWhite);
  target->GetCanvas()->FillRect(TRect(0, 0, list->GetWidth(), list->GetHeight()));
  list->Draw(target->GetCanvas(), 0, 0, index);
  return target->GetCanvas()->GetPixels(X, Y);
}
}  // namespace

TEST_F(Glyphs, ABitmapOfUpToFiveSquaresHasThatManyCells) {
  struct Case {
    int cells;
    int numGlyphs;
  } cases[] = {{1, 1}, {4, 4}, {5, 5}, {6, 1}};
  for (const Case& c : cases) {
    TVyrGlyph glyph;
    auto bmp = std::make_unique<TBitmap>();
    bmp->SetSize(16 * c.cells, 16);
    glyph.SetGlyph(bmp.get());
    EXPECT_EQ(glyph.GetNumGlyphs(), c.numGlyphs) << c.cells;
  }
}

TEST_F(Glyphs, StatesWithoutACellMapByStyle) {
  using S = TVyrButtonState;
  const S all[] = {S::bsUp,      S::bsDisabledUp,   S::bsMouseOver,   S::bsOptionSet,
                   S::bsDown,    S::bsDragOver,     S::bsDropDownOpen, S::bsDisabledDown};
  struct Case {
    int numGlyphs;
    TVyrGlyphStyle style;
    std::vector<S> mapped;
  } cases[] = {
      {1, TVyrGlyphStyle::gsStandard, {S::bsUp, S::bsDisabledUp, S::bsUp, S::bsUp, S::bsUp, S::bsUp, S::bsUp, S::bsDisabledUp}},
      {2, TVyrGlyphStyle::gsStandard,
       {S::bsUp, S::bsDisabledUp, S::bsUp, S::bsUp, S::bsUp, S::bsUp, S::bsUp, S::bsDisabledUp}},
      {1, TVyrGlyphStyle::gsExplorer,
       {S::bsUp, S::bsDisabledUp, S::bsMouseOver, S::bsMouseOver, S::bsMouseOver, S::bsMouseOver, S::bsDown,
        S::bsDisabledUp}},
      {2, TVyrGlyphStyle::gsExplorer,
       {S::bsUp, S::bsDisabledUp, S::bsMouseOver, S::bsMouseOver, S::bsMouseOver, S::bsMouseOver, S::bsDown,
        S::bsDisabledUp}},
  };
  for (const Case& c : cases) {
    TVyrGlyph glyph;
    glyph.SetNumGlyphs(c.numGlyphs);
    glyph.SetStyle(c.style);
    for (std::size_t i = 0; i < std::size(all); ++i)
      EXPECT_EQ(glyph.MapState(all[i]), c.mapped[i]) << c.numGlyphs << " cells, state " << i;
  }
}

TEST_F(Glyphs, LooksWithoutACellComeFromTheFirstCell) {
  TVyrGlyph glyph;
  glyph.SetGlyph(Cells({clRed, clBlue}).get());
  ASSERT_EQ(glyph.GetNumGlyphs(), 2);
  EXPECT_EQ(glyph.GetTransparentColor() & 0xFFFFFF, clOlive);
  // Its own cell; the frame transparent.
  EXPECT_EQ(Shown(glyph, TVyrButtonState::bsDisabledUp, 8, 8), clBlue);
  EXPECT_EQ(Shown(glyph, TVyrButtonState::bsDisabledUp, 1, 1), clWhite);

  glyph.SetStyle(TVyrGlyphStyle::gsExplorer);
  // Pressed: the first cell one pixel right and down.
  EXPECT_EQ(Shown(glyph, TVyrButtonState::bsDropDownOpen, 4, 4), clWhite);
  EXPECT_EQ(Shown(glyph, TVyrButtonState::bsDropDownOpen, 12, 12), clRed);
  // Hot: the first cell as it is.
  EXPECT_EQ(Shown(glyph, TVyrButtonState::bsMouseOver, 4, 4), clRed);
  // Up: the first cell in grey tones.
  TBitmap first, grey;
  first.Assign(Cells({clRed}).get());
  Vyrutils::VyrBmpCreateGrayscale(&grey, &first);
  EXPECT_EQ(Shown(glyph, TVyrButtonState::bsUp, 8, 8), grey.GetCanvas()->GetPixels(8, 8));
  EXPECT_EQ(glyph.GetButtonGlyph(TVyrButtonState::bsUp), glyph.GetButtonGlyph(TVyrButtonState::bsUp));
}

TEST_F(Glyphs, GlyphsOfOneSizeShareAListFreedWithTheLastOfThem) {
  auto a = std::make_unique<TVyrGlyph>();
  auto b = std::make_unique<TVyrGlyph>();
  auto c = std::make_unique<TVyrGlyph>();
  a->SetGlyph(Cells({clRed}).get());
  b->SetGlyph(Cells({clLime}).get());
  c->SetGlyph(Cells({clBlue}, 8).get());
  EXPECT_EQ(a->GetButtonGlyph(TVyrButtonState::bsUp), 0);
  EXPECT_EQ(b->GetButtonGlyph(TVyrButtonState::bsUp), 1);
  c->GetButtonGlyph(TVyrButtonState::bsUp);
  EXPECT_EQ(a->GetGlyphList(), b->GetGlyphList());
  ASSERT_NE(VyrGlyphCache(), nullptr);
  EXPECT_EQ(VyrGlyphCache()->GetListCount(), 2);

  a.reset();
  EXPECT_EQ(b->GetGlyphList()->GetUseCount(), 1);
  c.reset();
  EXPECT_EQ(VyrGlyphCache()->GetListCount(), 1);
  // A new glyph takes the slot the first one gave back.
  auto d = std::make_unique<TVyrGlyph>();
  d->SetGlyph(Cells({clNavy}).get());
  EXPECT_EQ(d->GetButtonGlyph(TVyrButtonState::bsUp), 0);
  b.reset();
  d.reset();
  EXPECT_EQ(VyrGlyphCache(), nullptr);
}
