// TCustomLabel and TLabel: window-less text. AutoSize fits the bounds to
// the text (keeping the left edge, or the right for right-justified text);
// Transparent leaves the parent's pixels under the text; the access key
// moves the focus to FocusControl.
#pragma once

#include "graphiccontrol.h"
#include "stdctrls_types.h"

class TWinControl;

class TCustomLabel : public TGraphicControl {
  MORVANT_PUBLISHED(TCustomLabel, TGraphicControl)
 public:
  explicit TCustomLabel(TComponent* AOwner);

  TAlignment GetAlignment() const { return alignment_; }
  void SetAlignment(TAlignment Value);
  bool GetAutoSize() const { return autoSize_; }
  void SetAutoSize(bool Value);
  TTextLayout GetLayout() const { return layout_; }
  void SetLayout(TTextLayout Value);
  bool GetTransparent() const { return !controlStyle_.Contains(csOpaque); }
  void SetTransparent(bool Value);
  bool GetWordWrap() const { return wordWrap_; }
  void SetWordWrap(bool Value);
  bool GetShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool Value);
  TWinControl* GetFocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* Value);

 protected:
  void Paint() override;
  void Dispatch(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void CMTextChanged(TMessage& Message) override;
  void CMFontChanged(TMessage& Message) override;
  void Loaded() override;
  // Draws (or with DT_CALCRECT measures) the caption into Rect.
  virtual void DoDrawText(TRect& Rect, UINT Flags);
  void AdjustBounds();

 private:
  UINT TextFlags() const;
  AnsiString LabelText() const;

  TAlignment alignment_ = taLeftJustify;
  TTextLayout layout_ = tlTop;
  bool autoSize_ = true;
  bool wordWrap_ = false;
  bool showAccelChar_ = true;
  TWinControl* focusControl_ = nullptr;
};

class TLabel : public TCustomLabel {
  MORVANT_COMPONENT(TLabel, TCustomLabel)
 public:
  explicit TLabel(TComponent* AOwner) : TCustomLabel(AOwner) {}
};
inline void TLabel::Publish(TPublisher<TLabel>&) {}
