// Small bitmaps to draw on and read back, under the application with the
// library's application object (the button faces take its brush bitmaps).
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "bitmap_class.h"
#include "colors.h"
#include "foundation2_fixture.h"
#include "recording_dc.h"
#include "rgn.h"
#include "vyrutils.h"

class DrawingTest : public ::testing::Test {
 protected:
  DrawingTest() : DrawingTest(FoundationRows()) {}
  // Under more rows than the foundation's own.
  explicit DrawingTest(const TUnitRows& Rows) : app{Rows} {}

  TestSupport::LibraryApp app;

  static std::unique_ptr<TBitmap> MakeBitmap(int W, int H, TColor Fill = clWhite) {
    auto bmp = std::make_unique<TBitmap>();
    bmp->SetSize(W, H);
    bmp->GetCanvas()->GetBrush()->SetColor(Fill);
    bmp->GetCanvas()->FillRect(TRect(0, 0, W, H));
    return bmp;
  }
  // A bitmap of W x H from its pixels, row by row.
  static std::unique_ptr<TBitmap> FromPixels(int W, int H, const std::vector<TColor>& Pixels) {
    auto bmp = MakeBitmap(W, H);
    for (int i = 0; i < W * H; ++i) bmp->GetCanvas()->SetPixels(i % W, i / W, Pixels[static_cast<size_t>(i)]);
    return bmp;
  }
  static TColor Px(TBitmap* Bmp, int X, int Y) { return Bmp->GetCanvas()->GetPixels(X, Y); }
  static TColor Rgb(TColor C) { return static_cast<TColor>(ColorToRGB(C)); }
  // The lines of one call name in the recording.
  static std::vector<AnsiString> CallsNamed(const std::vector<AnsiString>& Calls, const char* Name) {
    std::vector<AnsiString> out;
    const AnsiString prefix = AnsiString(Name) + "(";
    for (const AnsiString& c : Calls)
      if (c.Pos(prefix) == 1) out.push_back(c);
    return out;
  }
};
