// Unit vyrextca: the owner-painted track bar, the filled progress bar and
// the shadow area, the scrolling text, the graphic label (a caption along a
// curve) and the technical line.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "colors.h"
#include "rect.h"
#include "unitstartup.h"
#include "thread.h"
#include "vyrctrl.h"
#include "vyrgraph.h"
#include "vyrgrlf.h"

class TBitmap;
class TPen;
class TStringList;
class TStrings;

namespace Vyrmms {
class TVyrHiTimer;
}  // namespace Vyrmms

namespace Vyrextca {

enum class TVyrOrientation { toHorizontal, toVertical };
enum class TVyrTickStyle { tsAuto, tsOwnerDraw, tsNone };
enum class TVyrTickMarks { tmBoth, tmBottomRight, tmTopLeft };
enum class TVyrTrackBarFocusStyle { tbFocus, tbInvisibleFocus, tbNoFocus };
enum class TVyrThumbStyle { tsStandard, tsCustom };

// ======== geometry ========
// Pure arithmetic of the bar, kept apart from painting so that every pixel
// position can be checked without a window. Values and offsets are 64-bit:
// a range of the whole 32-bit span would overflow 32-bit differences.

// What the geometry depends on. The thumb's Length runs along the track
// (the width of one image of a horizontal thumb, the height of a vertical
// one); Thickness runs across it.
struct TVyrTrackLayout {
  TRect Client;
  int Margin = 1;
  int TrackWidth = 10;
  int ThumbLength = 11;
  int ThumbThickness = 19;
  TVyrOrientation Orientation = TVyrOrientation::toHorizontal;
  TVyrTickStyle TickStyle = TVyrTickStyle::tsAuto;
  TVyrTickMarks TickMarks = TVyrTickMarks::tmBottomRight;
};

struct TVyrTrackGeometry {
  TRect Inner;  // client rect less the margin
  int Width = 0, Height = 0;
  int Half = 0;  // half the thumb length: where the first tick sits
  TRect Track;   // the framed track, before its border is taken off
  // The room the thumb travels along the track (extent less the length).
  int Travel = 0;
};

TVyrTrackGeometry VyrTrackGeometry(const TVyrTrackLayout& Layout);

// The thumb's offset from the inner rect's start for Position:
// trunc(Travel x (Position - Min) / (Max - Min)), exact.
std::int64_t VyrThumbOffset(std::int64_t Travel, std::int64_t Position, std::int64_t Min, std::int64_t Max);
TRect VyrThumbRect(const TVyrTrackLayout& Layout, const TVyrTrackGeometry& G, std::int64_t Position,
                   std::int64_t Min, std::int64_t Max);

// Calls Tick(value, pixel) for the tick values Min, Min + step, ... <= Max
// (step TickGap when at least 2, else 1), pixel = the offset of the value
// from the inner rect's start plus Half. Only the first value of each pixel
// is handed on, so a huge range costs one call per pixel, not per value.
void VyrForEachTick(const TVyrTrackGeometry& G, std::int64_t Min, std::int64_t Max, int TickGap,
                    const std::function<void(std::int64_t Value, int Pixel)>& Tick);

// The position a drag to client coordinate Coordinate (X of a horizontal
// bar, Y of a vertical one) asks for, rounded half to even and not yet
// clamped; none when the bar leaves no room to drag.
std::optional<std::int64_t> VyrDragPosition(const TVyrTrackGeometry& G, TVyrOrientation Orientation, int Coordinate,
                                            std::int64_t Min, std::int64_t Max);

// The size of one image of the drawn thumb: Length along the track,
// Thickness across. The pointed thumbs get odd sizes so their tip is one
// pixel.
struct TVyrThumbSize {
  int Length, Thickness;
};
TVyrThumbSize VyrDrawnThumbSize(int TrackWidth, TVyrTickMarks TickMarks);

// Draws the thumb into Thumb: two images side by side, the normal one and
// the pressed (or disabled) one over a checkerboard of ThumbColor. A thumb
// for ticks on both sides is a raised block; otherwise a body pointing
// toward the ticks on a clOlive background, which is the transparent colour
// the bar draws it with.
void VyrCreateThumb(TBitmap* Thumb, int TrackWidth, TVyrOrientation Orientation, TVyrTickMarks TickMarks,
                    TColor ThumbColor);


// ======== the control ========

class TVyrCustomTrackBar;
using TVyrDrawTickEvent = TClosure<void(TObject* Sender, TCanvas* Canvas, std::int64_t Value, TPoint Point)>;

class TVyrCustomTrackBar : public Vyrctrl::TVyrCustomPanel {
  MORVANT_PUBLISHED(TVyrCustomTrackBar, Vyrctrl::TVyrCustomPanel)
 public:
  // EOutOfResources when the application's timer pool has no slot left;
  // the bar is then not made at all.
  explicit TVyrCustomTrackBar(TComponent* AOwner);
  ~TVyrCustomTrackBar() override;

  int GetInteger(int Index) const;
  void SetInteger(int Index, int Value);
  int GetMaxValue() const { return FMaxValue; }
  void SetMaxValue(int V) { SetInteger(0, V); }
  int GetMinValue() const { return FMinValue; }
  void SetMinValue(int V) { SetInteger(1, V); }
  int GetLineSize() const { return FLineSize; }
  void SetLineSize(int V) { SetInteger(2, V); }
  int GetPageSize() const { return FPageSize; }
  void SetPageSize(int V) { SetInteger(3, V); }
  int GetTrackBorder() const { return FTrackBorder; }
  void SetTrackBorder(int V) { SetInteger(4, V); }
  int GetTrackWidth() const { return FTrackWidth; }
  void SetTrackWidth(int V) { SetInteger(5, V); }
  int GetTickLength() const { return FTickLength; }
  void SetTickLength(int V) { SetInteger(6, V); }
  int GetMargin() const { return FMargin; }
  void SetMargin(int V) { SetInteger(7, V); }
  int GetTickGap() const { return FTickGap; }
  void SetTickGap(int V) { SetInteger(8, V); }

  TColor GetColorValue(int Index) const;
  void SetColorValue(int Index, TColor Value);
  TColor GetThumbColor() const { return FThumbColor; }
  void SetThumbColor(TColor V) { SetColorValue(0, V); }
  TColor GetTrackColor() const { return FTrackColor; }
  void SetTrackColor(TColor V) { SetColorValue(1, V); }
  TColor GetTickColor() const { return FTickColor; }
  void SetTickColor(TColor V) { SetColorValue(2, V); }
  TColor GetFocusColor() const { return FFocusColor; }
  void SetFocusColor(TColor V) { SetColorValue(3, V); }

  TVyrOrientation GetOrientation() const { return FOrientation; }
  void SetOrientation(TVyrOrientation Value);
  TVyrTickMarks GetTickMarks() const { return FTickMarks; }
  void SetTickMarks(TVyrTickMarks Value);
  TVyrTickStyle GetTickStyle() const { return FTickStyle; }
  void SetTickStyle(TVyrTickStyle Value);
  Vyrgraph::TVyrBorderStyle GetTrackBorderStyle() const { return FTrackBorderStyle; }
  void SetTrackBorderStyle(Vyrgraph::TVyrBorderStyle Value);
  bool GetUseFocusColor() const { return FUseFocusColor; }
  void SetUseFocusColor(bool Value);
  bool GetTrackTransparent() const { return FTrackTransparent; }
  void SetTrackTransparent(bool Value);
  TVyrTrackBarFocusStyle GetFocusStyle() const { return FFocusStyle; }
  void SetFocusStyle(TVyrTrackBarFocusStyle Value) { FFocusStyle = Value; }
  TVyrThumbStyle GetThumbStyle() const { return FThumbStyle; }
  void SetThumbStyle(TVyrThumbStyle Value);
  Vyrgraph::TVyrFillObject* GetTrackFillObject() const { return FTrackFillObject.get(); }
  void SetFillObject(Vyrgraph::TVyrFillObject* Value);
  // The custom thumb picture; nil for the drawn one (or one from a list).
  TBitmap* GetThumb() const;
  void SetThumb(TBitmap* Value);
  bool IsCustom() const { return FThumbStyle == TVyrThumbStyle::tsCustom; }

  virtual int GetPosition() const { return FPosition; }
  void SetPosition(int Value);

  // Where things are now, for painting and for tests.
  TRect GetThumbRect() const { return FThumbRect; }
  TRect GetTrackRect() const { return FTrackRect; }
  bool GetDragging() const { return FDragging; }
  Word GetTimerIdent() const { return FTimer; }

  TNotifyEvent OnChange;
  TVyrDrawTickEvent OnDrawTick;

  void GetChange(TObject* Sender) override;
  void GetIMLChange(TObject* Sender) override;

 protected:
  void Loaded() override;
  void Paint() override;
  // The chain counts the bar as transparent when only its track is.
  bool BackBitmapCheck() override;
  TBitmap* BackBitmap() override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void CMEnabledChanged(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  void DoEnter() override;
  void DoExit() override;

  virtual void Change();
  virtual void DoDrawTick(TCanvas* Canvas, std::int64_t Value, TPoint Point);
  void CreateThumb();
  void PaintPos(int Pos);
  void DrawTicks();
  void DrawThumb(int Pos);
  void DrawFocus(const TRect& Rect);
  void TimerExpired(TObject* Sender);

 private:
  TVyrTrackLayout Layout() const;
  // The thumb sizes from the bitmap: two images side by side.
  void TakeThumbDimensions();
  void PageStep();
  void FrameRectangle();

  int FMaxValue = 10, FMinValue = 0, FLineSize = 1, FPageSize = 2, FPosition = 0, FTickLength = 6, FMargin = 1;
  Word FTimer = 0;
  TVyrOrientation FOrientation = TVyrOrientation::toHorizontal;
  TVyrTickStyle FTickStyle = TVyrTickStyle::tsAuto;
  TVyrTickMarks FTickMarks = TVyrTickMarks::tmBottomRight;
  int FTickGap = -1;
  TColor FFocusColor = clGray, FTickColor = clBlack;
  bool FTrackTransparent = false, FUseFocusColor = false;
  std::uint8_t FDirection = 0;  // 1 toward higher values, 2 toward lower
  TVyrTrackBarFocusStyle FFocusStyle = TVyrTrackBarFocusStyle::tbFocus;
  Vyrgraph::TVyrBorderStyle FTrackBorderStyle = Vyrgraph::TVyrBorderStyle::lsLoweredExt;
  int FTrackBorder = 0;
  TColor FTrackColor = clWhite, FThumbColor = clBtnFace;
  int FTrackWidth = 10;
  TRect FTrackRect, FThumbRect;
  TVyrTrackGeometry FGeometry;
  TVyrThumbStyle FThumbStyle = TVyrThumbStyle::tsStandard;
  std::unique_ptr<TBitmap> FThumb;
  int FThumbHeight = 0, FThumbWidth = 0, FThumbHalf = 0;
  std::unique_ptr<Vyrgraph::TVyrFillObject> FTrackFillObject;
  bool FDragging = false;
  std::unique_ptr<TBitmap> FSaved;
  TRect FSavedRect;
  TPoint FMouse;
  bool FTimerOn = false;
};

class TVyrTrackBar : public TVyrCustomTrackBar {
  MORVANT_COMPONENT(TVyrTrackBar, TVyrCustomTrackBar)
 public:
  explicit TVyrTrackBar(TComponent* AOwner) : TVyrCustomTrackBar(AOwner) {}
  int GetPositionValue() const { return GetPosition(); }
};

// ======== the filled progress bar and the shadow area ========

// A meter whose bar is filled by a fill object (brush, picture, picture of
// its image list or gradient) over BrushBackColor, framed by Bar3D.
class TVyrCustomProgressFill : public Vyrctrl::TVyrBaseMeter {
  MORVANT_PUBLISHED(TVyrCustomProgressFill, Vyrctrl::TVyrBaseMeter)
 public:
  explicit TVyrCustomProgressFill(TComponent* AOwner);
  ~TVyrCustomProgressFill() override;

  Vyrgraph::TVyrBorderStyle GetBar3D() const { return FBar3D; }
  void SetBar3D(Vyrgraph::TVyrBorderStyle Value);
  TColor GetBrushBackColor() const { return FBrushBackColor; }
  void SetBack(TColor Value);
  Vyrgraph::TVyrFillObject* GetFillObject() const { return FFillObject.get(); }
  void SetFillObject(Vyrgraph::TVyrFillObject* Value) { FFillObject->Assign(Value); }
  void SetImageIndexValue(int Value) { SetIndex(0, Value); }
  void SetListIndexValue(int Value) { SetIndex(1, Value); }

  void GetIMLChange(TObject* Sender) override;
  void DrawBar(TCanvas* Canvas, const TRect& BarRect, const TRect& RestRect, const TRect& FullRect) override;

 private:
  Vyrgraph::TVyrBorderStyle FBar3D = Vyrgraph::TVyrBorderStyle::lsNone;
  TColor FBrushBackColor = clBtnFace;
  std::unique_ptr<Vyrgraph::TVyrFillObject> FFillObject;
};

class TVyrProgressFill : public TVyrCustomProgressFill {
  MORVANT_COMPONENT(TVyrProgressFill, TVyrCustomProgressFill)
 public:
  explicit TVyrProgressFill(TComponent* AOwner) : TVyrCustomProgressFill(AOwner) {}
};

enum class TVyrShadowFillStyle { sfNone, sfShadow, sfFullShadow };

// An area darkened by a checkerboard of ShadowColor laid over what lies
// behind it, inside its bevel (sfShadow) or over all of it (sfFullShadow).
class TVyrShadowFill : public Vyrctrl::TVyrGraphicControl {
  MORVANT_COMPONENT(TVyrShadowFill, Vyrctrl::TVyrGraphicControl)
 public:
  explicit TVyrShadowFill(TComponent* AOwner);
  ~TVyrShadowFill() override;

  TColor GetShadowColor() const { return FShadowColor; }
  // White would leave the area as it is; it is taken as black.
  void SetColor(TColor Value);
  TVyrShadowFillStyle GetStyle() const { return FStyle; }
  void SetShadowMode(TVyrShadowFillStyle Value);
  TBitmap* GetPattern() const { return FPattern.get(); }

  bool GetEmpty() override;

 protected:
  void Paint() override;

 private:
  TColor FShadowColor = static_cast<TColor>(0);
  std::unique_ptr<TBitmap> FPattern;
  TVyrShadowFillStyle FStyle = TVyrShadowFillStyle::sfShadow;
};

// ======== the scrolling text ========

enum class TVyrScrollDirection { sdBottomToTop, sdLeftToRight, sdRightToLeft, sdTopToBottom };
enum class TVyrScrollStyle { ssLoop, ssLoopReverse, ssOnce };
enum class TVyrScrollMode { smMarquee, smTicker };
using Vyrclass::TVyrTimerMode;

// Where the text block stands at Step of Steps: at step 0 just outside the
// side it enters from, at Steps just outside the opposite one. Center is
// the offset that centres the block across the direction of travel.
TPoint VyrScrollOrigin(TVyrScrollDirection Direction, int Step, int Steps, TSize Text, TSize Inner, TPoint Center);

// Lines of text moving through a bevelled area in Steps steps, one per tick
// of its timer: as a block of lines or as one joined line.
class TVyrScrollText : public Vyrctrl::TVyrGraphicControl {
  MORVANT_COMPONENT(TVyrScrollText, Vyrctrl::TVyrGraphicControl)
 public:
  // EOutOfResources when the application's timer pool has no slot left.
  explicit TVyrScrollText(TComponent* AOwner);
  ~TVyrScrollText() override;

  void Execute() { ExecuteEnh(0); }
  // Starts scrolling at StartStep (0 when out of range).
  void ExecuteEnh(int StartStep);
  void Stop();
  // Turns the direction round, keeping the text where it is.
  void Reverse();
  void CalculateDimensions();
  // The lines joined in order, each followed by one blank.
  AnsiString GetAsTickerText() const;
  // The text at the current step into the inner rectangle.
  void PaintImage();
  // One step.
  void GetTimer(TObject* Sender);

  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  TVyrScrollDirection GetDirection() const { return FDirection; }
  void SetDirection(TVyrScrollDirection Value);
  TVyrScrollStyle GetScrollStyle() const { return FScrollStyle; }
  void SetStyle(TVyrScrollStyle Value);
  TVyrScrollMode GetScrollMode() const { return FScrollMode; }
  void SetMode(TVyrScrollMode Value);
  int GetSteps() const { return FSteps; }
  void SetSteps(int Value);
  std::uint16_t GetInterval() const { return FInterval; }
  void SetInterval(std::uint16_t Value);
  bool GetMakeVisible() const { return FMakeVisible; }
  void SetMakeVisible(bool Value) { SetBool(0, Value); }
  bool GetScroll() const { return FScroll; }
  void SetScroll(bool Value) { SetBool(1, Value); }
  bool GetOwnTransparent() const { return FTransparent; }
  void SetOwnTransparent(bool Value) { SetBool(2, Value); }
  Vyrgraph::TVyr3DCaption* GetFont3D() const { return FFont3D.get(); }
  void SetFont3D(Vyrgraph::TVyr3DCaption* Value);
  TStringList* GetLines() const { return FLines.get(); }
  // Lines hold just the constructor's line, the class name.
  bool HasDefaultLines() const;
  void SetLines(TStrings* Value);
  TVyrTimerMode GetTimerMode() const { return FTimerMode; }
  void SetTimerMode(TVyrTimerMode Value);
  TThreadPriority GetThreadPriority() const { return FThreadPriority; }
  void SetThreadPriority(TThreadPriority Value) { FThreadPriority = Value; }

  int GetCurrentStep() const { return FCurrentStep; }
  int GetTextWidth() const { return FTextWidth; }
  int GetTextHeight() const { return FTextHeight; }
  int GetLineHeight() const { return FLineHeight; }
  int GetInnerWidth() const { return FInnerWidth; }
  int GetInnerHeight() const { return FInnerHeight; }
  int GetXCenter() const { return FXCenter; }
  int GetYCenter() const { return FYCenter; }
  Word GetPoolTimer() const { return FPoolTimer; }
  Vyrmms::TVyrHiTimer* GetHiTimer() const { return FHiTimer.get(); }
  TBitmap* GetBackBitmap() const { return FBackBitmap.get(); }

  bool GetEmpty() override;
  void GetChange(TObject* Sender) override;
  void Invalidate() override;

  TNotifyEvent OnStart;
  TNotifyEvent OnScroll;
  TNotifyEvent OnStop;

 protected:
  void Loaded() override;
  void Paint() override;
  void BoundsChange(Vyrctrl::TVyrBoundsChangeStates State) override;
  void Dispatch(TMessage& Message) override;

  // 0 MakeVisible, 1 Scroll, 2 Transparent.
  void SetBool(int Index, bool Value);
  void ActivateTimer();
  void DeActivateTimer(TVyrTimerMode Mode);
  void EnableTimer(bool On);

 private:
  void RefillBack();

  TAlignment FAlignment = taCenter;
  std::unique_ptr<TBitmap> FBackBitmap;
  TVyrScrollDirection FDirection = TVyrScrollDirection::sdBottomToTop;
  std::unique_ptr<Vyrgraph::TVyr3DCaption> FFont3D;
  std::uint16_t FInterval = 100;
  std::unique_ptr<TStringList> FLines;
  bool FMakeVisible = true;
  bool FRefreshBack = false;
  bool FScroll = false;
  TVyrScrollStyle FScrollStyle = TVyrScrollStyle::ssLoop;
  TVyrScrollMode FScrollMode = TVyrScrollMode::smMarquee;
  Word FPoolTimer = 0;
  bool FTransparent = false;
  int FSteps = 100;
  int FInnerWidth = 0, FInnerHeight = 0;
  int FTextHeight = 0, FTextWidth = 0, FLineHeight = 0;
  int FCurrentStep = 0;
  int FXCenter = 0, FYCenter = 0;
  TVyrTimerMode FTimerMode = TVyrTimerMode::tmGlobalTimer;
  TOwnedObject<Vyrmms::TVyrHiTimer> FHiTimer;
  TThreadPriority FThreadPriority = tpNormal;
  bool FPainting = false;
};

// ======== the graphic label ========

using Vyrgrlf::TVyrPerspective;
using Vyrgrlf::TVyrToggle;
using Vyrgrlf::TVyrTransLabelAttr;
using Vyrgrlf::TVyrTransLabelAttributes;
using Vyrgrlf::TVyrTransLabelTypes;

// A caption along one of eighteen curves, with perspective and turned
// letters, drawn by the curved-text engine; its letters can be filled
// with a fill object's pattern instead of the font colour.
class TVyrCustomGraphicLabel : public Vyrctrl::TVyrGraphicControl {
  MORVANT_PUBLISHED(TVyrCustomGraphicLabel, Vyrctrl::TVyrGraphicControl)
 public:
  explicit TVyrCustomGraphicLabel(TComponent* AOwner);
  ~TVyrCustomGraphicLabel() override;

  // From another graphic label: the font, the effects, the fill, the curve
  // and its options and AutoSize; not InvertCaption, not BrushBackColor.
  void Assign(TPersistent* Source) override;
  // The text drawn; the caption here.
  virtual AnsiString GetLabelText() const { return GetCaption(); }

  // Index 2 Factor, 4 PerspectiveDepth (which repaints only where it shows).
  int GetInteger(int Index) const;
  void SetInteger(int Index, int Value);
  int GetFactor() const { return FFactor; }
  void SetFactor(int Value) { SetInteger(2, Value); }
  int GetPerspectiveDepth() const { return FPerspectiveDepth; }
  void SetPerspectiveDepth(int Value) { SetInteger(4, Value); }
  // Index 1 AutoSize, 2 InvertCaption.
  bool GetBoolean(int Index) const;
  void SetBoolean(int Index, bool Value);
  bool GetAutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value) { SetBoolean(1, Value); }
  bool GetInvertCaption() const { return FInvertCaption; }
  void SetInvertCaption(bool Value) { SetBoolean(2, Value); }
  TVyrToggle GetToggle() const { return FToggle; }
  // Clamped to -180..180; repaints only under taToggled, where it shows.
  void SetToggle(int Value);
  TVyrTransLabelTypes GetTransform() const { return FTransform; }
  void SetTransform(TVyrTransLabelTypes Value);
  TVyrTransLabelAttr GetAttributes() const { return FAttributes; }
  void SetTransAttr(TVyrTransLabelAttr Value);
  TVyrPerspective GetPerspective() const { return FPerspective; }
  void SetPerspective(TVyrPerspective Value);
  TColor GetBrushBackColor() const { return FBrushBackColor; }
  void SetBrushBack(TColor Value);
  Vyrgraph::TVyrFxCaption* GetFontFx() const { return FFontFx.get(); }
  void SetFontFX(Vyrgraph::TVyrFxCaption* Value) { FFontFx->Assign(Value); }
  Vyrgraph::TVyrFillObject* GetFillObject() const { return FFillObject.get(); }
  void SetFillObject(Vyrgraph::TVyrFillObject* Value) { FFillObject->Assign(Value); }
  HPALETTE GetPalette() const { return FFillObject->GetPalette(); }

  // Measures the text for AutoSize (with a parent only), then repaints.
  void GetChange(TObject* Sender) override;
  void GetIMLChange(TObject* Sender) override;

 protected:
  void Loaded() override;
  void Paint() override;
  void CMTextChanged(TMessage& Message) override;
  void CMFontChanged(TMessage& Message) override;

 private:
  void AdjustBounds();
  void PaintFilledText(const AnsiString& Text, const TRect& Inner);

  TVyrToggle FToggle = 0;
  std::unique_ptr<Vyrgraph::TVyrFxCaption> FFontFx;
  int FPerspectiveDepth = 5;
  int FFactor = 5;
  TVyrTransLabelTypes FTransform = TVyrTransLabelTypes::tmWave;
  TVyrTransLabelAttr FAttributes{TVyrTransLabelAttributes::taAutoToggled};
  TVyrPerspective FPerspective = TVyrPerspective::tpBird;
  bool FInvertCaption = false;
  bool FAutoSize = false;
  std::unique_ptr<Vyrgraph::TVyrFillObject> FFillObject;
  TColor FBrushBackColor = clBtnFace;
  bool FPainting = false;
  // Set while Assign copies, so that the copy measures and paints once.
  bool FAssigning = false;
};

class TVyrGraphicLabel : public TVyrCustomGraphicLabel {
  MORVANT_COMPONENT(TVyrGraphicLabel, TVyrCustomGraphicLabel)
 public:
  explicit TVyrGraphicLabel(TComponent* AOwner) : TVyrCustomGraphicLabel(AOwner) {}
};

// ======== the technical line ========

// The route, by its place in the order (route values 0..11).
enum class TVyrTechnicalLineTypes : std::uint8_t {
  lsStraightLeftToRight, lsStraightTopToBottom, lsTopLeftToBottomRight, lsBottomLeftToTopRight, lsTopLeftEdge,
  lsBottomLeftEdge, lsTopRightEdge, lsBottomRightEdge, lsTopLeftCurve, lsBottomLeftCurve, lsTopRightCurve,
  lsBottomRightCurve
};
// Open arrows are values 1..4, closed arrows 5..8.
enum class TVyrLineEndings : std::uint8_t {
  leNothing, leOpenArrowUp, leOpenArrowDown, leOpenArrowRight, leOpenArrowLeft, leClosedArrowUp, leClosedArrowDown,
  leClosedArrowLeft, leClosedArrowRight, leDiamond, leCircle, leRectangle, leRoundRect, leParallelogramm, leComb,
  leHalfCircleLeft, leHalfCircleRight, leHalfCircleUp, leHalfCircleDown
};
enum class TVyrSignPlaces : std::uint8_t { spEnd, spStart, spBoth, spNoWhere };

// The sign Sign in the box (l, t, r, b) with the canvas's pen and brush.
void VyrDrawTechnicalLineSign(TCanvas* Canvas, TVyrLineEndings Sign, std::int64_t Left, std::int64_t Top,
                              std::int64_t Right, std::int64_t Bottom, int PenWidth);

// A connector line as in technical drawings: straight, diagonal, along two
// sides or a quarter ellipse, with a sign at its start, its end, both or
// neither, and a drop shadow to the lower right.
class TVyrTechnicalLine : public Vyrctrl::TVyrGraphicControl {
  MORVANT_COMPONENT(TVyrTechnicalLine, Vyrctrl::TVyrGraphicControl)
 public:
  explicit TVyrTechnicalLine(TComponent* AOwner);
  ~TVyrTechnicalLine() override;

  TVyrTechnicalLineTypes GetLineType() const { return FLineType; }
  // With Arrowed the arrow signs turn to follow the new route (not while
  // a form is read: the stored signs stand).
  void SetTechnicalLineType(TVyrTechnicalLineTypes Value);
  TVyrLineEndings GetLineEndingsign() const { return FLineEndingsign; }
  void SetLineEnding(TVyrLineEndings Value);
  TVyrLineEndings GetLineStartSign() const { return FLineStartSign; }
  void SetLineStart(TVyrLineEndings Value);
  TPen* GetLineSettings() const { return FLineSettings.get(); }
  void SetLineSettings(TPen* Value) { FLineSettings->Assign(Value); }
  bool GetArrowed() const { return FArrowed; }
  void SetArrowed(bool Value);
  int GetShadowDepth() const { return FShadowDepth; }
  void SetShadowDepth(int Value);
  int GetSignSize() const { return FSignSize; }
  void SetSignSize(int Value);
  TVyrSignPlaces GetSignPlaces() const { return FSignPlaces; }
  void SetSignPlaces(TVyrSignPlaces Value);
  TColor GetShadowColor() const { return FShadowColor; }
  void SetShadowColor(TColor Value);
  TColor GetFillColor() const { return FFillColor; }
  void SetFillColor(TColor Value);
  bool GetShadowVisible() const { return FShadowVisible; }
  void SetShadowVisible(bool Value);

  // Never empty: a line has no design-time frame of its own.
  bool GetEmpty() override { return false; }

 protected:
  void Paint() override;

 private:
  template <class T>
  void Store(T& Field, T Value);

  TVyrTechnicalLineTypes FLineType = TVyrTechnicalLineTypes::lsStraightLeftToRight;
  TVyrLineEndings FLineEndingsign = TVyrLineEndings::leClosedArrowRight;
  TVyrLineEndings FLineStartSign = TVyrLineEndings::leNothing;
  std::unique_ptr<TPen> FLineSettings;
  bool FArrowed = false;
  int FShadowDepth = 6;
  int FSignSize = 40;
  TVyrSignPlaces FSignPlaces = TVyrSignPlaces::spEnd;
  TColor FShadowColor = clBtnShadow;
  TColor FFillColor = clNone;
  bool FShadowVisible = false;
};

void Initialize();
void Finalize();  // nothing to do
inline constexpr TUnitRow Unit{"Vyrextca", &Initialize, &Finalize};

}  // namespace Vyrextca
