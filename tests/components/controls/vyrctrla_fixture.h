// A form with an image list of one strip of five 10 x 8 frames, frame i in
// kFrameColors[i]; the animation tests give each frame a black bottom row
// (the strip's transparent colour).
#pragma once

#include "controls_fixture.h"
#include "unitstartup.h"
#include "vyrcont.h"
#include "vyrctrla.h"

constexpr TColor kFrameColors[] = {clRed, clLime, clBlue, clYellow, clFuchsia};

class FrameStripTest : public ControlsTest {
 protected:
  TUnitStartup units{{Vyrctrla::Unit}};
  TForm* form = nullptr;
  Vyrcont::TVyrImageList* list = nullptr;
  bool blackBottomRow = false;

  void SetUp() override {
    form = NewForm(clWhite);
    list = TObject::Create<Vyrcont::TVyrImageList>(form);
    auto* strip = TObject::Create<Vyrcont::TVyrImageListItem>(10, 8);
    for (TColor color : kFrameColors) {
      TBitmap frame;
      Plain(frame, 10, 8, color);
      if (blackBottomRow) {
        frame.GetCanvas()->GetBrush()->SetColor(clBlack);
        frame.GetCanvas()->FillRect(TRect(0, 7, 10, 8));
      }
      strip->Add(&frame, nullptr);
    }
    list->Add(strip);
  }

  static void Plain(TBitmap& Bitmap, int Width, int Height, TColor Color) {
    Bitmap.SetSize(Width, Height);
    Bitmap.GetCanvas()->GetBrush()->SetColor(Color);
    Bitmap.GetCanvas()->FillRect(TRect(0, 0, Width, Height));
  }
};
