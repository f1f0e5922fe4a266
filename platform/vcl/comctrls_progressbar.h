// TProgressBar: how far something has come between Min and Max, drawn in
// the classic look: a sunken edge and, inside it, blocks in the highlight
// colour (one smooth bar with Smooth), left to right or bottom up.
#pragma once

#include "customcontrol.h"

enum TProgressBarOrientation { pbHorizontal, pbVertical };

class TProgressBar : public TCustomControl {
  MORVANT_COMPONENT(TProgressBar, TCustomControl)
 public:
  explicit TProgressBar(TComponent* AOwner);

  int GetMin() const { return min_; }
  void SetMin(int Value);
  int GetMax() const { return max_; }
  void SetMax(int Value);
  // Held within Min..Max; a range set later pulls it in.
  int GetPosition() const { return position_; }
  void SetPosition(int Value);
  int GetStep() const { return step_; }
  void SetStep(int Value) { step_ = Value; }
  TProgressBarOrientation GetOrientation() const { return orientation_; }
  void SetOrientation(TProgressBarOrientation Value);
  bool GetSmooth() const { return smooth_; }
  void SetSmooth(bool Value);

  // Moves on by Step; past Max it starts a new round from Min, as the
  // system's bar does for a task that takes longer than foreseen.
  void StepIt();
  // Moves by Delta, held within the range.
  void StepBy(int Delta);

  // The part inside the edge that the blocks fill, in client coordinates.
  TRect BarRect() const;
  // The width of a block and of the gap after it (vertical: heights).
  int BlockSize() const;
  static constexpr int kBlockGap = 2;

 protected:
  void Paint() override;

 private:
  int Clamped(int Value) const;

  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  int step_ = 10;
  TProgressBarOrientation orientation_ = pbHorizontal;
  bool smooth_ = false;
};
