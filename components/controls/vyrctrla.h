// Picture controls inside a bevel: one image of an image list, an
// animation that steps through the images of one strip on a timer, and a
// bitmap of the control's own (or of another such control).
#pragma once

#include <cstdint>
#include <memory>

#include "thread.h"
#include "unitstartup.h"
#include "vyrctrl.h"
#include "vyrgraph.h"

class TBitmap;
class TCanvas;

namespace Vyrmms {
class TVyrHiTimer;
}

namespace Vyrctrla {

// How a picture sits in the control's inner rectangle.
enum class TVyrBitmapStyle { sbNone, sbAutosize, sbCenter, sbStretch, sbTile, sbKeepAspRatio, sbKeepWidth, sbKeepHeight };
enum class TVyrAnimationStyle { asLoop, asLoopHide, asLoopReverse, asRepeat, asRepeatFirst, asRepeatHide };
// The timer source, shared with the scrolling text.
using Vyrclass::TVyrTimerMode;
using Vyrgraph::TVyrTransparentMode;

// The drawing flags of a picture style; a control without a bevel extent
// toggles the clip bit.
std::uint16_t VyrStyleFlags(TVyrBitmapStyle Style, int BevelExtent);
// The clip offset of the drawing routines for Canvas: clip rectangles go
// in device pixels, so a control's canvas, whose origin sits at the
// control's place on the parent, passes that origin on.
int VyrClipOffset(TCanvas* Canvas);

class TVyrBaseImage : public Vyrctrl::TVyrGraphicControl {
  MORVANT_PUBLISHED(TVyrBaseImage, Vyrctrl::TVyrGraphicControl)
 public:
  explicit TVyrBaseImage(TComponent* AOwner);

  bool GetQuickDraw() const { return quickDraw_; }
  void SetQuickDraw(bool Value);
  TVyrBitmapStyle GetStyle() const { return style_; }
  void SetStyle(TVyrBitmapStyle Value);

  void AddStyleFlags(int& Flags) const;
  // True when the control took the size its picture wants (autosize only).
  virtual bool CorrectBounds() { return false; }

 protected:
  // Applies the autosize rule for a picture of Width x Height, or of none.
  bool FitTo(bool Empty, int Width, int Height);
  // The parent's surface can take a direct paint now.
  bool CanPaintNow() const;

 private:
  bool quickDraw_ = true;
  TVyrBitmapStyle style_ = TVyrBitmapStyle::sbNone;
};

class TVyrCustomLImage : public TVyrBaseImage {
  MORVANT_PUBLISHED(TVyrCustomLImage, TVyrBaseImage)
 public:
  explicit TVyrCustomLImage(TComponent* AOwner);

  bool GetForceTransparent() const { return forceTransparent_; }
  void SetForceTransparent(bool Value) { SetBool(0, Value); }
  bool GetSilentMove() const { return silentMove_; }
  void SetSilentMove(bool Value) { SetBool(1, Value); }
  void SetImageIndexValue(int Value) { SetIndex(0, Value); }
  void SetListIndexValue(int Value) { SetIndex(1, Value); }

  bool GetEmpty() override;
  bool CorrectBounds() override;

 protected:
  // 0 ForceTransparent, 1 SilentMove.
  void SetBool(int Index, bool Value);
  // The flags of the list drawing: the transparent bit and the style.
  std::uint16_t ImageFlags() const;
  // The current item through the list's clipped drawing, with the list's
  // transparent colour and, unless QuickDraw, its palette.
  void DrawItem(TCanvas* Canvas, const TRect& Rect, std::uint16_t Flags);
  // The parent is a library control with a window and a background.
  bool ParentBackCheck() const;

 private:
  bool forceTransparent_ = false;
  bool silentMove_ = false;
};

class TVyrLImage : public TVyrCustomLImage {
  MORVANT_COMPONENT(TVyrLImage, TVyrCustomLImage)
 public:
  explicit TVyrLImage(TComponent* AOwner) : TVyrCustomLImage(AOwner) {}
  bool CheckOptimized() override;

 protected:
  void Paint() override;
};

class TVyrAniCtrl : public TVyrCustomLImage {
  MORVANT_COMPONENT(TVyrAniCtrl, TVyrCustomLImage)
 public:
  // Raises EOutOfResources when the pool has no timer left.
  explicit TVyrAniCtrl(TComponent* AOwner);
  ~TVyrAniCtrl() override;

  void Play();
  void Stop();
  void First();
  void Last();
  void Next();
  void Prev();
  // Shows Frame when it lies within StartFrame..StopFrame; not while
  // playing.
  void Move(int Frame);
  int GetFirstFrame() const { return reverse_ ? stopFrame_ : startFrame_; }
  int GetLastFrame() const { return reverse_ ? startFrame_ : stopFrame_; }
  int GetCurrentFrame() const { return GetImageIndex(); }

  bool GetAnimate() const { return animate_; }
  void SetAnimate(bool Value) { SetBool(0, Value); }
  bool GetMakeVisible() const { return makeVisible_; }
  void SetMakeVisible(bool Value) { SetBool(1, Value); }
  bool GetUseBitmap() const { return useBitmap_; }
  void SetUseBitmap(bool Value) { SetBool(2, Value); }
  bool GetReverse() const { return reverse_; }
  void SetReverse(bool Value) { SetBool(3, Value); }
  bool GetAscending() const { return ascending_; }
  std::uint16_t GetInterval() const { return interval_; }
  void SetInterval(std::uint16_t Value);
  TVyrAnimationStyle GetAnimationStyle() const { return aniStyle_; }
  void SetAniStyle(TVyrAnimationStyle Value);
  int GetStartFrame() const { return startFrame_; }
  void SetStartFrame(int Value);
  int GetStopFrame() const { return stopFrame_; }
  void SetStopFrame(int Value);
  std::uint8_t GetRepetitions() const { return repetitions_; }
  void SetRepetitions(std::uint8_t Value);
  std::uint8_t GetRepeatCount() const { return repeatCount_; }
  TVyrTimerMode GetTimerMode() const { return timerMode_; }
  void SetTimerMode(TVyrTimerMode Value);
  TThreadPriority GetThreadPriority() const { return threadPriority_; }
  void SetThreadPriority(TThreadPriority Value) { threadPriority_ = Value; }
  std::uint16_t GetPoolTimer() const { return poolTimer_; }
  Vyrmms::TVyrHiTimer* GetHiTimer() const { return hiTimer_.get(); }
  TBitmap* GetBackBitmap() const { return backBitmap_.get(); }

  bool GetEmpty() override;
  bool CheckOptimized() override;
  void GetIMLChange(TObject* Sender) override;
  void Invalidate() override;

  // One step of the animation.
  void GetTimer(TObject* Sender);
  // The current frame into the inner rectangle; Notify fires OnAnimate.
  void PaintImage(bool Notify);

  TNotifyEvent OnStart;
  TNotifyEvent OnAnimate;
  TNotifyEvent OnStop;

 protected:
  void Loaded() override;
  void Paint() override;
  void BoundsChange(Vyrctrl::TVyrBoundsChangeStates State) override;
  void Dispatch(TMessage& Message) override;

  // 0 Animate, 1 MakeVisible, 2 UseBitmap, 3 Reverse.
  void SetBool(int Index, bool Value);
  void ActivateTimer();
  void DeActivateTimer(TVyrTimerMode Mode);
  void EnableTimer(bool On);

 private:
  // The frame is at the end it walks towards: what the style does there.
  // False when the animation stopped.
  bool AtEndFrame(int& Frame);
  // Paints the new frame at once where it can, else asks for a paint.
  void ShowFrame(bool Notify);
  void RefillBack();
  // Which end a frame setter moves.
  void SetFrame(bool Start, int Value);
  void KeepFramesInStrip();

  std::unique_ptr<TBitmap> backBitmap_;
  bool refreshBack_ = true;
  bool makeVisible_ = true;
  bool ascending_ = true;
  bool useBitmap_ = true;
  bool reverse_ = false;
  bool animate_ = false;
  std::uint16_t interval_ = 200;
  TVyrAnimationStyle aniStyle_ = TVyrAnimationStyle::asLoop;
  int startFrame_ = 0;
  int stopFrame_ = 0;
  std::uint8_t repetitions_ = 1;
  std::uint8_t repeatCount_ = 0;
  std::uint16_t poolTimer_ = 0;
  TVyrTimerMode timerMode_ = TVyrTimerMode::tmGlobalTimer;
  TOwnedObject<Vyrmms::TVyrHiTimer> hiTimer_;
  TThreadPriority threadPriority_ = tpNormal;
};

class TVyrCustomNImage : public TVyrBaseImage {
  MORVANT_PUBLISHED(TVyrCustomNImage, TVyrBaseImage)
 public:
  explicit TVyrCustomNImage(TComponent* AOwner);
  ~TVyrCustomNImage() override;

  TBitmap* GetOwnBitmap() const { return bitmap_.get(); }
  // Copied into the own bitmap.
  void SetBitmap(TBitmap* Value);
  TVyrCustomNImage* GetControl() const { return control_; }
  // The control itself is refused.
  void SetControl(TVyrCustomNImage* Value);
  bool HasControl() const { return control_ != nullptr; }
  Vyrgraph::TVyrTransparent* GetTransparentStyle() const { return transparentStyle_.get(); }
  void SetTransparentStyle(Vyrgraph::TVyrTransparent* Value);

  // The bitmap shown: the Control's when one is set, else the own.
  virtual TBitmap* GetBitmap();
  HPALETTE GetPalette();

  bool GetEmpty() override;
  bool CorrectBounds() override;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Paint() override;

 private:
  std::unique_ptr<TBitmap> bitmap_;
  TVyrCustomNImage* control_ = nullptr;
  std::unique_ptr<Vyrgraph::TVyrTransparent> transparentStyle_;
};

class TVyrNImage : public TVyrCustomNImage {
  MORVANT_COMPONENT(TVyrNImage, TVyrCustomNImage)
 public:
  explicit TVyrNImage(TComponent* AOwner) : TVyrCustomNImage(AOwner) {}
};

void Initialize();
void Finalize();  // nothing to do
inline constexpr TUnitRow Unit{"Vyrctrla", &Initialize, &Finalize};

}  // namespace Vyrctrla
