#include "canvas.h"
#include "dc.h"
#include "forms.h"
#include "vyrctrla.h"

namespace Vyrctrla {

std::uint16_t VyrStyleFlags(TVyrBitmapStyle Style, int BevelExtent) {
  static constexpr std::uint16_t kFlags[] = {0x0000, 0x0001, 0x0009, 0x0010, 0x0021, 0x0610, 0x0211, 0x0411};
  std::uint16_t flags = kFlags[static_cast<int>(Style)];
  // Without a bevel nothing needs guarding, and a clip is a cost.
  if (BevelExtent == 0) flags ^= 0x0001;
  return flags;
}

int VyrClipOffset(TCanvas* Canvas) {
  POINT origin{};
  if (!GetViewportOrgEx(Canvas->GetHandle(), &origin)) return 0;
  // The offset holds two unsigned words.
  if (origin.x < 0 || origin.y < 0 || origin.x > 0xFFFF || origin.y > 0xFFFF) return 0;
  return static_cast<int>(static_cast<std::uint32_t>(origin.x) | (static_cast<std::uint32_t>(origin.y) << 16));
}

TVyrBaseImage::TVyrBaseImage(TComponent* AOwner) : Vyrctrl::TVyrGraphicControl(AOwner) {
  controlStyle_.Include(csReplicatable);
}

void TVyrBaseImage::SetQuickDraw(bool Value) {
  if (quickDraw_ == Value) return;
  quickDraw_ = Value;
  InvalidateControl();
}

void TVyrBaseImage::SetStyle(TVyrBitmapStyle Value) {
  if (style_ == Value) return;
  style_ = Value;
  InvalidateControl();
}

void TVyrBaseImage::AddStyleFlags(int& Flags) const { Flags += VyrStyleFlags(style_, BevelExt()); }

bool TVyrBaseImage::FitTo(bool Empty, int Width, int Height) {
  if (style_ != TVyrBitmapStyle::sbAutosize) return false;
  constexpr int kEmptySide = 20;
  const int w = (Empty ? kEmptySide : Width) + DblBevelExt();
  const int h = (Empty ? kEmptySide : Height) + DblBevelExt();
  if (w == GetWidth() && h == GetHeight()) return false;
  SetBounds(GetLeft(), GetTop(), w, h);
  return true;
}

bool TVyrBaseImage::CanPaintNow() const {
  return GetParent() && GetParent()->HandleAllocated() && GetShowing() && !Loading();
}

}  // namespace Vyrctrla
