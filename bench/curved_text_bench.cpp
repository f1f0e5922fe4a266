// bench-libs: morvant_foundation
// A 40-letter caption drawn flat in one call, drawn along a half circle
// with perspective and raised-shadow copies (eight draws of each letter,
// forty font angles), and the same turning by a degree each round, so
// that every glyph is rendered anew.
#include <benchmark/benchmark.h>

#include "bitmap_class.h"
#include "brush_class.h"
#include "dc.h"
#include "font_class.h"
#include "text.h"
#include "vyrgraph.h"
#include "vyrgrlf.h"

namespace {

using Vyrgrlf::TVyrTransLabelAttributes;

const char kCaption[] = "Grüße aus dem Halbkreis, vierzig Zeichen";

struct Surface {
  TBitmap bitmap;
  TFont font;
  Surface() {
    bitmap.SetPixelFormat(pf32bit);
    bitmap.SetSize(700, 200);
    font.SetName("Arial");
    font.SetSize(24);
  }
};

void BM_FlatCaption(benchmark::State& state) {
  Surface s;
  TCanvas* canvas = s.bitmap.GetCanvas();
  canvas->GetFont()->Assign(&s.font);
  canvas->GetBrush()->SetStyle(bsClear);
  HDC dc = canvas->GetHandle();
  SetTextAlign(dc, TA_LEFT | TA_BASELINE);
  const std::string_view text(kCaption);
  for (auto _ : state)
    ExtTextOut(canvas->GetHandle(), 10, 150, 0, nullptr, text.data(), static_cast<UINT>(text.size()), nullptr);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FlatCaption);

void CurvedCaption(benchmark::State& state, bool Turning) {
  Surface s;
  Vyrgraph::TVyrFxCaption fx;
  fx.SetStyle(Vyrgraph::TVyrThreeDStyle::tdRaisedShadow);
  const Vyrgrlf::TVyrTransLabelAttr attributes{TVyrTransLabelAttributes::taAutoToggled,
                                               TVyrTransLabelAttributes::taPerspective};
  int angle = 0;
  for (auto _ : state) {
    if (Turning) fx.SetAngle(angle = (angle + 1) % 360);
    Vyrgrlf::SpecialTextOut(s.bitmap.GetCanvas(), TRect(0, 0, 700, 200), &s.font, &fx, kCaption,
                            Vyrgrlf::TVyrTransLabelTypes::tmHalfcircle, 0, 200, false,
                            Vyrgrlf::TVyrPerspective::tpBird, 5, attributes);
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_CurvedCaption(benchmark::State& state) { CurvedCaption(state, false); }
BENCHMARK(BM_CurvedCaption);

void BM_CurvedCaptionTurning(benchmark::State& state) { CurvedCaption(state, true); }
BENCHMARK(BM_CurvedCaptionTurning);

}  // namespace
