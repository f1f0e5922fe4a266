// Scrolling containers. TScrollingWinControl keeps a horizontal and a
// vertical scroll bar in its non-client area, painted by the layer in the
// classic look; moving a bar moves the children, so that the part of them
// the bar points at shows in the client area. With AutoScroll the bars'
// ranges follow the children's extent. WM_HSCROLL and WM_VSCROLL, clicks on
// the bars (arrows, track, dragging the thumb) and the mouse wheel (Shift:
// sideways) scroll.
//
// The frame passes through WM_NCCALCSIZE and WM_NCPAINT: the default keeps
// the window's border and adds the bars inside it. A control that draws its
// own frame overrides the two handlers and calls ExcludeScrollBars and
// PaintScrollBars for the bars.
//
// TScrollBox adds BorderStyle: bsSingle (the default) is the sunken edge.
#pragma once

#include "persistent.h"
#include "scrollbar_painter.h"
#include "stdctrls_types.h"
#include "wincontrol.h"

class TScrollingWinControl;

enum TScrollBarKind { sbHorizontal, sbVertical };

class TControlScrollBar : public TPersistent {
  MORVANT_PUBLISHED(TControlScrollBar, TPersistent)
 public:
  TControlScrollBar(TScrollingWinControl* Control, TScrollBarKind Kind);

  TScrollBarKind GetKind() const { return kind_; }
  // The extent of what scrolls, in pixels.
  int GetRange() const { return range_; }
  void SetRange(int Value);
  // 0 .. Range minus the visible part.
  int GetPosition() const { return position_; }
  void SetPosition(int Value);
  // Whether the bar may show; it shows when Range exceeds the client.
  bool GetVisible() const { return visible_; }
  void SetVisible(bool Value);
  // One line, for the arrows and one notch of the wheel.
  int GetIncrement() const { return increment_; }
  void SetIncrement(int Value) { increment_ = Value > 0 ? Value : 1; }

  bool IsScrollBarVisible() const { return shown_; }
  // The visible part: the client's width or height.
  int Page() const;
  int MaxPosition() const { return range_ > Page() ? range_ - Page() : 0; }

 private:
  friend class TScrollingWinControl;
  TScrollingWinControl* control_;
  TScrollBarKind kind_;
  int range_ = 0;
  int position_ = 0;
  bool visible_ = true;
  int increment_ = 8;
  bool shown_ = false;
};

class TScrollingWinControl : public TWinControl {
  MORVANT_PUBLISHED(TScrollingWinControl, TWinControl)
 public:
  explicit TScrollingWinControl(TComponent* AOwner);
  ~TScrollingWinControl() override;

  TControlScrollBar* GetHorzScrollBar() const { return horz_; }
  TControlScrollBar* GetVertScrollBar() const { return vert_; }
  bool GetAutoScroll() const { return autoScroll_; }
  void SetAutoScroll(bool Value);
  // Moves every child by the deltas (the content follows a bar moving the
  // other way).
  void ScrollBy(int DeltaX, int DeltaY);
  // Scrolls so that the control (a child, or one deeper down) lies in the
  // client area, as far as it fits; the form does it for the focused control.
  void ScrollInView(TControl* AControl);

 protected:
  void Dispatch(TMessage& Message) override;
  void WndProc(TMessage& Message) override;
  void AlignControls(TControl* AControl, TRect& Rect) override;
  void Resize() override;
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;

  virtual void WMNCCalcSize(TMessage& Message);
  virtual void WMNCPaint(TMessage& Message);
  virtual void WMNCHitTest(TMessage& Message);
  virtual void WMNCLButtonDown(TMessage& Message);
  virtual void WMHScroll(TMessage& Message);
  virtual void WMVScroll(TMessage& Message);

  // Takes the shown bars off a client rectangle (window or parent
  // coordinates, as WM_NCCALCSIZE gives it).
  void ExcludeScrollBars(RECT& Client) const;
  // Paints the shown bars (and the corner between them) on the window's DC.
  void PaintScrollBars();

 private:
  friend class TControlScrollBar;
  // Decides which bars show, lets the frame follow and keeps the positions
  // within their new limits.
  void UpdateScrollBars();
  void CalcAutoRange();
  void ScrollMessage(TControlScrollBar* Bar, TMessage& Message);
  // The bars' rectangles in window coordinates; empty when not shown.
  TRect BarRect(TScrollBarKind Kind) const;
  // A bar's numbers as the painter sees them, and its parts.
  static TScrollRange RangeOf(const TControlScrollBar* Bar);
  TScrollBarLayout Layout(TControlScrollBar* Bar) const;
  TControlScrollBar* BarOf(TScrollBarKind Kind) const { return Kind == sbHorizontal ? horz_ : vert_; }
  // Dragging a thumb: the mouse is captured until the button goes up.
  bool TrackThumb(TMessage& Message);

  TControlScrollBar* horz_;
  TControlScrollBar* vert_;
  bool autoScroll_ = true;
  bool updating_ = false;
  TControlScrollBar* dragging_ = nullptr;
  int grabOffset_ = 0;
};

class TScrollBox : public TScrollingWinControl {
  MORVANT_COMPONENT(TScrollBox, TScrollingWinControl)
 public:
  explicit TScrollBox(TComponent* AOwner);

  TBorderStyle GetBorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle Value);

 protected:
  void CreateParams(TCreateParams& Params) override;

 private:
  TBorderStyle borderStyle_ = bsSingle;
};
