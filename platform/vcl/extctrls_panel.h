// TCustomPanel and TPanel: a container with an outer bevel, a border of
// its own colour, an inner bevel, and a caption drawn centred vertically
// with the chosen alignment.
#pragma once

#include "customcontrol.h"
#include "extctrls_bevel.h"
#include "stdctrls_types.h"

class TCustomPanel : public TCustomControl {
  MORVANT_PUBLISHED(TCustomPanel, TCustomControl)
 public:
  explicit TCustomPanel(TComponent* AOwner);

  TAlignment GetAlignment() const { return alignment_; }
  void SetAlignment(TAlignment Value);
  TBevelCut GetBevelInner() const { return bevelInner_; }
  void SetBevelInner(TBevelCut Value);
  TBevelCut GetBevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut Value);
  int GetBevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int Value);
  int GetBorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int Value);
  TBorderStyle GetBorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle Value);

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
  // Children align inside the bevels and the border.
  void AdjustClientRect(TRect& Rect) const override;
  void CMTextChanged(TMessage& Message) override;

 private:
  // A change of the frame moves the client area: repaint and realign.
  void FrameChanged();

  TAlignment alignment_ = taCenter;
  TBevelCut bevelInner_ = bvNone;
  TBevelCut bevelOuter_ = bvRaised;
  int bevelWidth_ = 1;
  int borderWidth_ = 0;
  TBorderStyle borderStyle_ = bsNone;
};

class TPanel : public TCustomPanel {
  MORVANT_COMPONENT(TPanel, TCustomPanel)
 public:
  explicit TPanel(TComponent* AOwner) : TCustomPanel(AOwner) {}
};
inline void TPanel::Publish(TPublisher<TPanel>&) {}
