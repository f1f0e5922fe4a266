#include "dialogs_swatches.h"

#include "extctrls_bevel.h"
#include "keyboard.h"
#include "messages.h"

TColorSwatchGrid::TColorSwatchGrid(TComponent* AOwner, int Columns, int Rows)
    : TCustomControl(AOwner), columns_(Columns), colors_(static_cast<std::size_t>(Columns * Rows)) {
  SetTabStop(true);
  SetBounds(0, 0, Columns * CellWidth, Rows * CellHeight);
}

std::optional<TColor> TColorSwatchGrid::GetCell(int Index) const {
  if (Index < 0 || Index >= GetCellCount()) return std::nullopt;
  return colors_[static_cast<std::size_t>(Index)];
}

void TColorSwatchGrid::SetCell(int Index, std::optional<TColor> Color) {
  if (Index < 0 || Index >= GetCellCount()) return;
  colors_[static_cast<std::size_t>(Index)] = Color;
  Invalidate();
}

void TColorSwatchGrid::SetSelected(int Index) {
  if (Index < -1 || Index >= GetCellCount()) Index = -1;
  if (Index == selected_) return;
  selected_ = Index;
  Invalidate();
}

TRect TColorSwatchGrid::CellRect(int Index) const {
  const int x = (Index % columns_) * CellWidth, y = (Index / columns_) * CellHeight;
  return TRect(x, y, x + CellWidth, y + CellHeight);
}

int TColorSwatchGrid::CellAt(int X, int Y) const {
  if (X < 0 || Y < 0) return -1;
  const int column = X / CellWidth, row = Y / CellHeight;
  const int index = row * columns_ + column;
  return column < columns_ && index < GetCellCount() ? index : -1;
}

void TColorSwatchGrid::Paint() {
  TCanvas* canvas = GetCanvas();
  canvas->GetBrush()->SetColor(GetColor());
  canvas->FillRect(GetClientRect());
  for (int i = 0; i < GetCellCount(); ++i) {
    TRect cell = CellRect(i);
    // A ring of the face colour keeps the swatches apart; the chosen one
    // gets a black ring in its place.
    TRect ring = cell;
    ring.left += 1, ring.top += 1, ring.right -= 1, ring.bottom -= 1;
    if (i == selected_) {
      canvas->GetBrush()->SetColor(clBlack);
      canvas->FrameRect(ring);
      if (Focused()) {
        TRect focus = ring;
        focus.left -= 1, focus.top -= 1, focus.right += 1, focus.bottom += 1;
        canvas->DrawFocusRect(focus);
      }
    }
    TRect swatch = ring;
    swatch.left += 2, swatch.top += 2, swatch.right -= 2, swatch.bottom -= 2;
    PaintBevel(canvas, swatch, bvLowered, 1);
    canvas->GetBrush()->SetColor(colors_[static_cast<std::size_t>(i)].value_or(clWhite));
    canvas->FillRect(swatch);
  }
}

void TColorSwatchGrid::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_GETDLGCODE) {
    Message.Result = DLGC_WANTARROWS;
    return;
  }
  TCustomControl::Dispatch(Message);
}

void TColorSwatchGrid::Choose(int Index) {
  if (Index < 0 || Index >= GetCellCount()) return;
  const bool changed = Index != selected_;
  SetSelected(Index);
  if (changed && OnChange) OnChange(this);
}

void TColorSwatchGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) {
    if (CanFocus() && !Focused()) SetFocus();
    Choose(CellAt(X, Y));
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TColorSwatchGrid::KeyDown(Word& Key, TShiftState Shift) {
  const int count = GetCellCount();
  const int at = selected_ < 0 ? 0 : selected_;
  int next = -1;
  switch (Key) {
    case VK_LEFT: next = at % columns_ > 0 ? at - 1 : at; break;
    case VK_RIGHT: next = at % columns_ < columns_ - 1 && at + 1 < count ? at + 1 : at; break;
    case VK_UP: next = at >= columns_ ? at - columns_ : at; break;
    case VK_DOWN: next = at + columns_ < count ? at + columns_ : at; break;
    case VK_HOME: next = 0; break;
    case VK_END: next = count - 1; break;
    default: break;
  }
  if (next >= 0) {
    // The first arrow on a grid without a choice chooses where it stands.
    Choose(selected_ < 0 ? at : next);
    Key = 0;
  }
  TCustomControl::KeyDown(Key, Shift);
}

void TColorSwatchGrid::DoEnter() {
  Invalidate();
  TCustomControl::DoEnter();
}

void TColorSwatchGrid::DoExit() {
  Invalidate();
  TCustomControl::DoExit();
}
