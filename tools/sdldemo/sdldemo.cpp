// A window of the SDL host with a hand-drawn classic frame, a caption to drag
// it by and a board of tiles; the arrow keys move the marked tile, Escape or
// closing ends it. `sdldemo <seconds>` ends by itself, for screenshots;
// `sdldemo <seconds> shaped` cuts the window's corners through a shape.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "clock.h"
#include "region.h"
#include "sdl_host.h"
#include "surface.h"

namespace {

constexpr int kWidth = 420, kHeight = 320;
constexpr int kCaption = 18, kFrame = 4, kTile = 32;
constexpr int kColumns = 12, kRows = 8;
constexpr Pixel kFace = 0xC0C0C0, kLight = 0xFFFFFF, kShadow = 0x808080, kDark = 0x000000;
constexpr Pixel kCaptionLeft = 0x000080, kCaptionRight = 0x1084D0;

void FillRect(Surface& s, int l, int t, int r, int b, Pixel p) {
  for (int y = t; y < b; ++y)
    for (int x = l; x < r; ++x)
      if (s.Contains(x, y)) s.At(x, y) = p;
}

void Bevel(Surface& s, int l, int t, int r, int b, Pixel topLeft, Pixel bottomRight) {
  FillRect(s, l, t, r, t + 1, topLeft);
  FillRect(s, l, t, l + 1, b, topLeft);
  FillRect(s, l, b - 1, r, b, bottomRight);
  FillRect(s, r - 1, t, r, b, bottomRight);
}

Pixel Blend(Pixel a, Pixel b, int num, int den) {
  auto channel = [&](int shift) {
    int ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
    return static_cast<Pixel>(ca + (cb - ca) * num / den) << shift;
  };
  return channel(16) | channel(8) | channel(0);
}

void Paint(Surface& s, int markX, int markY) {
  s.Fill(kFace);
  Bevel(s, 0, 0, kWidth, kHeight, kFace, kDark);
  Bevel(s, 1, 1, kWidth - 1, kHeight - 1, kLight, kShadow);
  int captionTop = kFrame, captionRight = kWidth - kFrame;
  for (int x = kFrame; x < captionRight; ++x)
    FillRect(s, x, captionTop, x + 1, captionTop + kCaption, Blend(kCaptionLeft, kCaptionRight, x, captionRight));
  // The close button.
  int bx = captionRight - 18, by = captionTop + 2;
  FillRect(s, bx, by, bx + 16, by + 14, kFace);
  Bevel(s, bx, by, bx + 16, by + 14, kLight, kDark);
  for (int i = 0; i < 7; ++i) {
    FillRect(s, bx + 4 + i, by + 3 + i, bx + 6 + i, by + 4 + i, kDark);
    FillRect(s, bx + 10 - i, by + 3 + i, bx + 12 - i, by + 4 + i, kDark);
  }
  // The board, sunk into the client area.
  int left = kFrame + 6, top = kFrame + kCaption + 8;
  Bevel(s, left - 2, top - 2, left + kColumns * kTile + 2, top + kRows * kTile + 2, kShadow, kLight);
  for (int row = 0; row < kRows; ++row)
    for (int col = 0; col < kColumns; ++col) {
      int x = left + col * kTile, y = top + row * kTile;
      bool marked = col == markX && row == markY;
      Pixel tile = marked ? 0xE0B020 : ((row + col) % 2 ? 0x4A6A4A : 0x5A7E5A);
      FillRect(s, x, y, x + kTile, y + kTile, tile);
      Bevel(s, x, y, x + kTile, y + kTile, Blend(tile, kLight, 1, 2), Blend(tile, kDark, 1, 2));
    }
}

bool OnCaption(Backend::HostWindowId, int x, int y, void*) {
  return y >= kFrame && y < kFrame + kCaption && x < kWidth - kFrame - 20;
}

}  // namespace

int main(int argc, char** argv) {
  std::uint64_t endMs = argc > 1 ? ClockNowMs() + 1000 * std::strtoull(argv[1], nullptr, 10) : UINT64_MAX;
  std::string error;
  auto host = SdlBackend::SdlHost::Open(error);
  if (!host) {
    std::fprintf(stderr, "sdldemo: no display: %s\n", error.c_str());
    return 2;
  }
  host->SetCaptionTest(OnCaption, nullptr);
  Backend::HostWindowId w = host->CreateHostWindow(Bounds(120, 100, kWidth, kHeight), Backend::hwfNone);
  if (w == 0) return 1;
  host->SetTitle(w, "SDL-Host");
  if (argc > 2 && std::string(argv[2]) == "shaped") {
    Region outline(0, 0, kWidth, kHeight);
    for (int corner : {0, 1, 2, 3}) {
      int x = corner % 2 ? kWidth - 24 : 0, y = corner / 2 ? kHeight - 24 : 0;
      outline.ExcludeRect(Bounds(x, y, 24, 24));
    }
    host->SetShape(w, &outline);
  }
  Surface s(kWidth, kHeight);
  int markX = 3, markY = 2;
  Paint(s, markX, markY);
  host->Show(w, true, true);
  host->Present(w, s, TRect(0, 0, kWidth, kHeight));

  for (;;) {
    Backend::Event e;
    if (!host->NextEvent(e, endMs)) {
      if (ClockNowMs() >= endMs) break;
      continue;
    }
    if (e.Kind == Backend::EventKind::CloseRequest || e.Kind == Backend::EventKind::Quit) break;
    if (e.Kind == Backend::EventKind::Expose) host->Present(w, s, TRect(0, 0, kWidth, kHeight));
    // What the keyboard gives, to check a layout's keys by hand.
    if (e.Kind == Backend::EventKind::Text) std::printf("text \"%s\"\n", e.Text.c_str());
    if (e.Kind != Backend::EventKind::KeyDown) continue;
    std::printf("key 0x%02X%s modifiers %u\n", e.VirtualKey, e.Repeat ? " (repeat)" : "", e.Modifiers);
    std::fflush(stdout);
    switch (e.VirtualKey) {
      case 0x1B: return 0;  // VK_ESCAPE
      case 0x25: markX = (markX + kColumns - 1) % kColumns; break;  // VK_LEFT
      case 0x27: markX = (markX + 1) % kColumns; break;             // VK_RIGHT
      case 0x26: markY = (markY + kRows - 1) % kRows; break;        // VK_UP
      case 0x28: markY = (markY + 1) % kRows; break;                // VK_DOWN
      default: continue;
    }
    Paint(s, markX, markY);
    host->Present(w, s, TRect(0, 0, kWidth, kHeight));
  }
  return 0;
}
