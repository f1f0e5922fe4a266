// The colour form's swatch grid: a block of colour cells, one of them
// chosen. A click or the arrow keys (Home, End too) choose a cell and fire
// OnChange; a double click fires OnDblClick. A cell without a colour (an
// unused custom slot) paints white. The chosen cell wears a black ring,
// and a dotted ring while the grid has the focus.
#pragma once

#include <optional>
#include <vector>

#include "colors.h"
#include "customcontrol.h"

class TColorSwatchGrid : public TCustomControl {
  MORVANT_CLASS(TColorSwatchGrid, TCustomControl)
 public:
  static constexpr int CellWidth = 26;
  static constexpr int CellHeight = 22;

  TColorSwatchGrid(TComponent* AOwner, int Columns, int Rows);

  int GetColumns() const { return columns_; }
  int GetCellCount() const { return static_cast<int>(colors_.size()); }
  std::optional<TColor> GetCell(int Index) const;
  void SetCell(int Index, std::optional<TColor> Color);
  // -1 for none.
  int GetSelected() const { return selected_; }
  void SetSelected(int Index);
  // The cell under a client point, -1 between and outside the cells.
  int CellAt(int X, int Y) const;
  TRect CellRect(int Index) const;

  TNotifyEvent OnChange;

 protected:
  void Paint() override;
  void Dispatch(TMessage& Message) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void DoEnter() override;
  void DoExit() override;

 private:
  void Choose(int Index);

  int columns_;
  std::vector<std::optional<TColor>> colors_;
  int selected_ = -1;
};
