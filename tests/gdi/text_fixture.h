// A white 32-bit memory DC with a monospaced font selected, black text in
// transparent mode, and the measured cell of that font: layout tests speak
// in character advances and line heights, never in the pixels of a face.
#pragma once

#include <gtest/gtest.h>

#include "bitmap.h"
#include "dc.h"
#include "dc_internal.h"
#include "font.h"
#include "rect.h"
#include "text.h"

struct InkBox {
  int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
  bool empty = true;
};

class TextFixture : public ::testing::Test {
 protected:
  static constexpr int kWidth = 400;
  static constexpr int kHeight = 300;

  void SetUp() override {
    dc = CreateCompatibleDC(nullptr);
    bitmap = CreateBitmap(kWidth, kHeight, 1, 32, nullptr);
    oldBitmap = SelectObject(dc, bitmap);
    Clear();
    UseFont(CreateFont(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Liberation Mono"));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, 0x000000);
  }

  void TearDown() override {
    SelectObject(dc, oldFont);
    for (HFONT f : fonts) DeleteObject(f);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }

  // Selects `font` (owned by the fixture from now on) and measures it.
  void UseFont(HFONT font) {
    fonts.push_back(font);
    HGDIOBJ previous = SelectObject(dc, font);
    if (!oldFont) oldFont = previous;
    SIZE size;
    GetTextExtentPoint32(dc, "M", 1, &size);
    charWidth = size.cx;
    GetTextMetrics(dc, &tm);
    lineHeight = tm.tmHeight;
  }

  void Clear() { FillRectColor(*ResolveDC(dc), TRect(0, 0, kWidth, kHeight), 0xFFFFFF); }

  COLORREF Pixel(int x, int y) const { return PixelToColorRef(ResolveDC(dc)->surface->At(x, y)); }
  bool Inked(int x, int y) const { return Pixel(x, y) != 0xFFFFFF; }

  InkBox Ink(const RECT& area = TRect(0, 0, kWidth, kHeight)) const {
    InkBox box;
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x) {
        if (!Inked(x, y)) continue;
        if (box.empty) {
          box = {x, y, x + 1, y + 1, false};
        } else {
          box.left = std::min(box.left, x), box.top = std::min(box.top, y);
          box.right = std::max(box.right, x + 1), box.bottom = std::max(box.bottom, y + 1);
        }
      }
    return box;
  }

  int InkInRow(int y, int x0, int x1) const {
    int n = 0;
    for (int x = x0; x < x1; ++x) n += Inked(x, y) ? 1 : 0;
    return n;
  }

  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ oldBitmap = nullptr;
  HGDIOBJ oldFont = nullptr;
  std::vector<HFONT> fonts;
  int charWidth = 0;
  int lineHeight = 0;
  TEXTMETRIC tm;
};
