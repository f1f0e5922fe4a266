// The enumerations of the library's drawing routines and graphic settings
// objects, in their stored order. Every control takes them from here.
#pragma once

#include <memory>

#include "bitmap_class.h"
#include "brush_class.h"
#include "canvas.h"
#include "font_class.h"
#include "palette.h"
#include "sets.h"
#include "tlist.h"
#include "vyrclass.h"
#include "unitstartup.h"

namespace Vyrgraph {

enum class TVyrBevelStyle { bvNone, bvLowered, bvRaised, bvFrameLowered, bvFrameRaised, bvNormal, bvShadow };
enum class TVyrFrameSide { fsBottom, fsLeft, fsRight, fsTop };
enum class TVyrEdgeStyle { etRaisedInner, etRaisedOuter, etSunkenInner, etSunkenOuter, etBump, etEtched, etRaised, etSunken };
enum class TVyrBevelMode { bmCustom, bmStandard, bmEdge, bmWindows };
// The fifteen standard frames; a value above lsDoubleLowered draws nothing.
enum class TVyrBorderStyle {
  lsNone, lsSingle, lsLowered, lsRaised, lsRaisedspb, lsLoweredspb, lsRaisedExt, lsLoweredExt,
  lsFrameInset, lsFrameOffset, lsWindowBorder, lsSingleRaised, lsSingleLowered, lsDoubleRaised, lsDoubleLowered
};
enum class TVyrAlignment {
  agTopLeft, agTopCenter, agTopRight, agCenterLeft, agCenter, agCenterRight, agBottomLeft, agBottomCenter, agBottomRight
};
enum class TVyrTextArrange { taLeft, taLeftTop, taRight, taRightTop, taTop, taTopLeft, taBottom, taBottomLeft };
enum class TVyrArrowPosition { apRightText, apLeftText, apRightGlyph, apLeftGlyph };
enum class TVyrGradientStyle {
  gstHorizontal, gstVertical, gstSquare, gstElliptic, gstTopLeft, gstTopRight, gstBottomLeft, gstBottomRight
};
enum class TVyrTransparentMode { tpNone, tpRestoreBack, tpTransparentColor, tpRBTranspColor };
enum class TVyrDisabledStyle { dsAuto, dsStandard, ds3d, dsNone };
enum class TVyrThreeDStyle { tdNone, tdSunken, tdRaised, tdSunkenShadow, tdRaisedShadow, tdPColorSunken, tdPColorRaised, tdShadow };
enum class TVyrFillStyle { sfNone, sfBrushBitmap, sfBrush, sfBitmap, sfBitmapList, sfGradient };
enum class TVyrTileMode { tmNone, tmCenter, tmStretch, tmTile };
enum class TVyrFillOption { foFillInner, foQuickDraw, foGrUseBitmap };
enum class TVyrShadowStyle { hssNone, hssSolid, hssTracing };
// The side a toothed edge or a sliding piece faces.
enum class TVyrDirection { tdRight, tdDown, tdLeft, tdUp };
enum class TVyrGlyphTextFocusStyle { fcControl, fcText, fcGlyph, fcGlyphText, fcNone };
enum class TVyrUserButtonStyle {
  ubsAutoDetect, ubsWin31, ubsWin40, ubsKorvel, ubsKorvelFlat, ubsFlat, ubsFlatUnColored, ubsNavigator,
  ubsExplorer, ubsExplorerColored, ubsIntegrated
};
enum class TVyrButtonState { bsUp, bsDisabledUp, bsMouseOver, bsOptionSet, bsDown, bsDragOver, bsDropDownOpen, bsDisabledDown };
// How the text routines draw; as a set value n is bit 2^n.
enum class TVyrDrawTextStyle {
  dtDisabled, dtEnabled, dt3DDisabled, dtClip, dtAccelChar, dtAutoSize, dtRectText, dtRectGlyph, dtRectGlyphText,
  dtCalculate
};
using TVyrDrawTextStyles = TSet<TVyrDrawTextStyle>;
enum class TVyrMeterDirection { mdHorizontal, mdVertical, mdHorizontalReverse, mdVerticalReverse };
// Where a dialog goes inside its target, and what the target is.
enum class TVyrDlgPosition {
  bpCustom, bpTopLeft, bpTopCenter, bpTopRight, bpCenterLeft, bpCenter, bpCenterRight, bpBottomLeft, bpBottomCenter,
  bpBottomRight
};
enum class TVyrDlgPosRel { brScreen, brScreenWorkArea, brMainForm, brActiveWindow };

using TVyrFrameSides = TSet<TVyrFrameSide>;
using TVyrFillOptions = TSet<TVyrFillOption>;

// The range types clamp a value outside their range to the nearer bound,
// in the setter and so also when read from a stream.
constexpr int kBevelWidthMax = 50;     // TVyrBevelWidth 0..50
constexpr int kBorderWidthMax = 255;   // TVyrBorderWidth 0..255
constexpr int kColorCountMin = 2;      // TVyrColorCount 2..236
constexpr int kColorCountMax = 236;
constexpr int kAngleMax = 360;         // TVyrAngle 0..360
constexpr int kShadowDepthMax = 40;    // TVyrShadowDepth 0..40
constexpr int kArrowSizeMin = 2;       // TVyrDDArrowSize 2..10
constexpr int kArrowSizeMax = 10;

// A frame of outer and inner 3D rings with a border between, a standard
// frame, a DrawEdge edge or the window's own edge, by Mode.
class TVyrBevel : public Vyrclass::TVyrObject {
  MORVANT_PUBLISHED(TVyrBevel, Vyrclass::TVyrObject)
 public:
  TVyrBevel() = default;
  void Assign(TPersistent* Source) override;

  TVyrBevelStyle GetStyleInner() const { return styleInner_; }
  void SetStyleInner(TVyrBevelStyle Value);
  TVyrBevelStyle GetStyleOuter() const { return styleOuter_; }
  void SetStyleOuter(TVyrBevelStyle Value);
  int GetWidthInner() const { return widthInner_; }
  void SetWidthInner(int Value);
  int GetWidthOuter() const { return widthOuter_; }
  void SetWidthOuter(int Value);
  TColor GetBorderColor() const { return borderColor_; }
  void SetBorderColor(TColor Value);
  int GetBorderInnerWidth() const { return borderInnerWidth_; }
  void SetBorderInnerWidth(int Value);
  int GetBorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int Value);
  TVyrFrameSides GetBorderSides() const { return borderSides_; }
  void SetBorderSides(TVyrFrameSides Value);
  TVyrEdgeStyle GetEdgeStyle() const { return edgeStyle_; }
  void SetEdgeStyle(TVyrEdgeStyle Value);
  TColor GetLightColor() const { return lightColor_; }
  void SetLightColor(TColor Value);
  TVyrBevelMode GetMode() const { return mode_; }
  void SetMode(TVyrBevelMode Value);
  TColor GetShadowColor() const { return shadowColor_; }
  void SetShadowColor(TColor Value);
  TVyrBorderStyle GetStandardStyle() const { return standardStyle_; }
  // Fires a change only in bmStandard, where the style shows.
  void SetStandardStyle(TVyrBorderStyle Value);

  // Set by an owner that draws bmWindows through the window's own edge.
  bool GetWindowEdgeSupport() const { return windowEdgeSupport_; }
  void SetWindowEdgeSupport(bool Value);

  int GetBevelExtend() const { return extent_; }
  int GetClientExtend() const { return clientExtent_; }
  TRect ClientRect(const TRect& R) const;
  // Inner: the area inside what was painted (R when the extent is 0).
  void PaintBevel(TCanvas* Canvas, const TRect& R, TRect& Inner, bool Transparent);
  // True once after a mode change that needs the window made anew, and
  // always for bmWindows with window-edge support.
  bool GetRecreateWnd();

 protected:
  void Change() override;

 private:
  int ComputeExtent() const;
  bool ShadowCase() const { return mode_ == TVyrBevelMode::bmCustom && styleOuter_ == TVyrBevelStyle::bvShadow; }
  template <class T>
  void Store(T& Field, T Value);

  TVyrBevelStyle styleInner_ = TVyrBevelStyle::bvNone;
  TVyrBevelStyle styleOuter_ = TVyrBevelStyle::bvNone;
  int widthInner_ = 1;
  int widthOuter_ = 1;
  TColor borderColor_ = clBtnFace;
  int borderInnerWidth_ = 0;
  int borderWidth_ = 0;
  TVyrFrameSides borderSides_{TVyrFrameSide::fsBottom, TVyrFrameSide::fsLeft, TVyrFrameSide::fsRight,
                              TVyrFrameSide::fsTop};
  TVyrEdgeStyle edgeStyle_ = TVyrEdgeStyle::etEtched;
  int extent_ = 0;
  int clientExtent_ = 0;
  TColor lightColor_ = clBtnHighlight;
  TVyrBevelMode mode_ = TVyrBevelMode::bmCustom;
  TColor shadowColor_ = clBtnShadow;
  TVyrBorderStyle standardStyle_ = TVyrBorderStyle::lsSingleLowered;
  bool windowEdgeSupport_ = false;
  bool recreateRequest_ = false;
};

// Where a glyph and a text sit in a rectangle and to each other.
class TVyrGlyphTextLayout : public Vyrclass::TVyrObject {
  MORVANT_PUBLISHED(TVyrGlyphTextLayout, Vyrclass::TVyrObject)
 public:
  TVyrGlyphTextLayout() = default;
  void Assign(TPersistent* Source) override;

  TVyrAlignment GetAlignment() const { return alignment_; }
  void SetAlignment(TVyrAlignment Value);
  TVyrTextArrange GetAlignText2Glyph() const { return alignText2Glyph_; }
  void SetAlignText2Glyph(TVyrTextArrange Value);
  int GetOffsetX() const { return offsetX_; }
  int GetOffsetY() const { return offsetY_; }
  // Index 0 OffsetX, 1 OffsetY.
  void SetOffset(int Index, int Value);
  void SetOffsetX(int Value) { SetOffset(0, Value); }
  void SetOffsetY(int Value) { SetOffset(1, Value); }
  int GetSpacing() const { return spacing_; }
  void SetSpacing(int Value);

 protected:
  // The values one by one, without a batch of their own.
  void CopyLayout(const TVyrGlyphTextLayout& Source);

  TVyrAlignment alignment_ = TVyrAlignment::agTopLeft;

 private:
  TVyrTextArrange alignText2Glyph_ = TVyrTextArrange::taRight;
  int offsetX_ = 0;
  int offsetY_ = 0;
  int spacing_ = 2;
};

// The glyph layout of a button, with its drop-down arrow.
class TVyrButtonLayout : public TVyrGlyphTextLayout {
  MORVANT_PUBLISHED(TVyrButtonLayout, TVyrGlyphTextLayout)
 public:
  TVyrButtonLayout() { alignment_ = TVyrAlignment::agCenter; }
  void Assign(TPersistent* Source) override;

  bool GetArrow() const { return arrow_; }
  void SetArrow(bool Value);
  TColor GetArrowColor() const { return arrowColor_; }
  void SetArrowColor(TColor Value);
  int GetArrowIndent() const { return arrowIndent_; }
  void SetArrowIndent(int Value);
  TVyrArrowPosition GetArrowPosition() const { return arrowPosition_; }
  void SetArrowPosition(TVyrArrowPosition Value);
  int GetArrowSize() const { return arrowSize_; }
  void SetArrowSize(int Value);

 private:
  bool arrow_ = false;
  TColor arrowColor_ = clBlack;
  int arrowIndent_ = 3;
  TVyrArrowPosition arrowPosition_ = TVyrArrowPosition::apRightText;
  int arrowSize_ = 3;
};

// A gradient with its colour list (and palette) kept ready.
class TVyrGradient : public Vyrclass::TVyrObject {
  MORVANT_PUBLISHED(TVyrGradient, Vyrclass::TVyrObject)
 public:
  TVyrGradient();
  ~TVyrGradient() override;
  void Assign(TPersistent* Source) override;

  int GetColorCount() const { return colorCount_; }
  void SetColorCount(int Value);
  TColor GetColor() const { return color_; }
  void SetColor(TColor Value);
  TColor GetEndColor() const { return endColor_; }
  void SetEndColor(TColor Value);
  bool GetPaletteRealize() const { return paletteRealize_; }
  void SetPaletteRealize(bool Value);
  TVyrGradientStyle GetStyle() const { return style_; }
  void SetStyle(TVyrGradientStyle Value);

  TList* GetColorList() const { return colorList_.get(); }
  HPALETTE GetPalette() const { return palette_; }
  void PaintGradient(TCanvas* Canvas, const TRect& R);
  // Selects and realizes the palette on the canvas when PaletteRealize.
  void SetRealPalette(TCanvas* Canvas);

 protected:
  // Rebuilds the colour list and the palette, then reports.
  void Change() override;

 private:
  void Rebuild();
  void FreePalette();

  int colorCount_ = 16;
  TColor color_ = clBlue;
  std::unique_ptr<TList> colorList_;
  TColor endColor_ = clBlack;
  bool paletteRealize_ = false;
  HPALETTE palette_ = nullptr;
  TVyrGradientStyle style_ = TVyrGradientStyle::gstVertical;
};

class TVyrTransparent : public Vyrclass::TVyrObject {
  MORVANT_PUBLISHED(TVyrTransparent, Vyrclass::TVyrObject)
 public:
  TVyrTransparent() = default;
  void Assign(TPersistent* Source) override;

  TColor GetColor() const { return color_; }
  void SetColor(TColor Value);
  TVyrTransparentMode GetMode() const { return mode_; }
  void SetMode(TVyrTransparentMode Value);
  // True for tpRestoreBack and tpRBTranspColor.
  bool GetTransparent() const;

 private:
  TColor color_ = clBtnFace;
  TVyrTransparentMode mode_ = TVyrTransparentMode::tpNone;
};

// The 3D look of a caption.
class TVyr3DCaption : public Vyrclass::TVyrObject {
  MORVANT_PUBLISHED(TVyr3DCaption, Vyrclass::TVyrObject)
 public:
  TVyr3DCaption() = default;
  void Assign(TPersistent* Source) override;

  TVyrDisabledStyle GetDisabledStyle() const { return disabledStyle_; }
  void SetDisabledStyle(TVyrDisabledStyle Value);
  int GetLightDepth() const { return lightDepth_; }
  void SetLightDepth(int Value);
  int GetShadowDepth() const { return shadowDepth_; }
  void SetShadowDepth(int Value);
  TColor GetLightColor() const { return lightColor_; }
  void SetLightColor(TColor Value);
  TColor GetShadowColor() const { return shadowColor_; }
  void SetShadowColor(TColor Value);
  TVyrThreeDStyle GetStyle() const { return style_; }
  void SetStyle(TVyrThreeDStyle Value);
  int GetTracing() const { return tracing_; }
  void SetTracing(int Value);

 protected:
  void Copy3D(const TVyr3DCaption& Source);

 private:
  TVyrDisabledStyle disabledStyle_ = TVyrDisabledStyle::dsAuto;
  int lightDepth_ = 1;
  int shadowDepth_ = 1;
  TColor lightColor_ = clBtnHighlight;
  TColor shadowColor_ = clBtnShadow;
  TVyrThreeDStyle style_ = TVyrThreeDStyle::tdNone;
  int tracing_ = 0;
};

// A 3D caption that may be rotated and placed at a point.
class TVyrFxCaption : public TVyr3DCaption {
  MORVANT_PUBLISHED(TVyrFxCaption, TVyr3DCaption)
 public:
  TVyrFxCaption() = default;
  void Assign(TPersistent* Source) override;

  int GetAngle() const { return angle_; }
  // 0..360, and 360 is stored as 0.
  void SetAngle(int Value);
  int GetPosX() const { return posX_; }
  int GetPosY() const { return posY_; }
  // Index 0 PosX, 1 PosY; 16 bits each.
  void SetPos(int Index, int Value);
  void SetPosX(int Value) { SetPos(0, Value); }
  void SetPosY(int Value) { SetPos(1, Value); }
  // Both at once, without a change report.
  void SetPosXY(int X, int Y);

 private:
  int angle_ = 0;
  int posX_ = 0;
  int posY_ = 0;
};

// A caption text with its font and effects.
class TVyrCaption : public Vyrclass::TVyrObject {
  MORVANT_PUBLISHED(TVyrCaption, Vyrclass::TVyrObject)
 public:
  TVyrCaption();
  // A caption of its own: Text, the font name (when not empty), size (when
  // above 0) and colour, and the handler.
  TVyrCaption(const AnsiString& Text, const AnsiString& FontName, int FontSize, TColor FontColor, TNotifyEvent OnChange);
  void Assign(TPersistent* Source) override;

  TVyrAlignment GetAlignment() const { return alignment_; }
  void SetAlignment(TVyrAlignment Value);
  AnsiString GetCaption() const { return caption_; }
  void SetCaption(const AnsiString& Value);
  TFont* GetFont() const { return font_.get(); }
  void SetFont(TFont* Value) { font_->Assign(Value); }
  TVyrFxCaption* GetFontFx() const { return fontFx_.get(); }
  void SetFontFx(TVyrFxCaption* Value) { fontFx_->Assign(Value); }
  bool GetMultiLine() const { return multiLine_; }
  void SetMultiLine(bool Value);
  bool GetOwnCaption() const { return ownCaption_; }

  // Text (or, when empty and the caption is its own, Caption) in R by
  // Alignment, in Color as the brush colour, with Font and FontFx. Flags
  // holds the text-drawing styles (dtAccelChar shows the prefix).
  void DrawCaption(TCanvas* Canvas, const AnsiString& Text, const TRect& R, TColor Color, TVyrDrawTextStyles Flags);

  // A rotated caption needs a TrueType face: an angle set on a bitmap face
  // switches it to "Arial", a bitmap face chosen under an angle resets the
  // angle.
  void FontChanged(TObject* Sender);

 private:
  TVyrAlignment alignment_ = TVyrAlignment::agCenter;
  AnsiString caption_;
  std::unique_ptr<TFont> font_;
  std::unique_ptr<TVyrFxCaption> fontFx_;
  bool multiLine_ = false;
  bool ownCaption_ = false;
  bool inFontChange_ = false;
};

// The picture or gradient a shape is filled with.
class TVyrShapeFill : public Vyrclass::TVyrObject {
  MORVANT_PUBLISHED(TVyrShapeFill, Vyrclass::TVyrObject)
 public:
  TVyrShapeFill();
  ~TVyrShapeFill() override;
  void Assign(TPersistent* Source) override;

  TBitmap* GetBitmapProp() const { return bitmap_.get(); }
  void SetBitmapProp(TBitmap* Value) { bitmap_->Assign(Value); }
  TVyrGradient* GetGradient() const { return gradient_.get(); }
  void SetGradient(TVyrGradient* Value) { gradient_->Assign(Value); }
  TVyrFillStyle GetStyle() const { return style_; }
  void SetStyle(TVyrFillStyle Value);
  TVyrTileMode GetTileMode() const { return tileMode_; }
  void SetTileMode(TVyrTileMode Value);

  // The picture of the current style: Bitmap for sfBitmap, the list
  // bitmap for sfBitmapList, else nil.
  TBitmap* GetBitmap() const;
  void SetListBitmap(TBitmap* Value);
  bool GetEmpty() const;
  // The fill depends on the size of the area.
  bool GetMustRedraw() const;
  HPALETTE GetPalette() const;

 protected:
  void CopyShapeFill(const TVyrShapeFill& Source);

  TVyrFillStyle style_ = TVyrFillStyle::sfBrush;

 private:
  std::unique_ptr<TBitmap> bitmap_;
  std::unique_ptr<TBitmap> listBitmap_;
  std::unique_ptr<TVyrGradient> gradient_;
  TVyrTileMode tileMode_ = TVyrTileMode::tmTile;
};

// A background fill of a control: brush, picture or gradient.
class TVyrFillObject : public TVyrShapeFill {
  MORVANT_PUBLISHED(TVyrFillObject, TVyrShapeFill)
 public:
  TVyrFillObject();
  ~TVyrFillObject() override;
  void Assign(TPersistent* Source) override;

  TVyrAlignment GetAlignment() const { return alignment_; }
  void SetAlignment(TVyrAlignment Value);
  int GetOffsetX() const { return offsetX_; }
  void SetOffsetX(int Value);
  int GetOffsetY() const { return offsetY_; }
  void SetOffsetY(int Value);
  TBrush* GetBrush() const { return brush_.get(); }
  void SetBrush(TBrush* Value) { brush_->Assign(Value); }
  TVyrFillOptions GetOptions() const { return options_; }
  void SetOptions(TVyrFillOptions Value);

  // Whether it painted.
  bool FillCanvas(TCanvas* Canvas, const TRect& R, TColor BackColor);
  // FillCanvas clipped to R (moved by Offset's low and high word); the
  // caller's clip is put back.
  bool ClipFill(TCanvas* Canvas, const TRect& R, int Offset, TColor BackColor);
  // The background stays visible through the fill.
  bool GetTransparent() const;

 private:
  void FillBackground(TCanvas* Canvas, const TRect& R, TColor BackColor) const;

  TVyrAlignment alignment_ = TVyrAlignment::agTopLeft;
  int offsetX_ = 0;
  int offsetY_ = 0;
  std::unique_ptr<TBrush> brush_;
  TVyrFillOptions options_{TVyrFillOption::foFillInner, TVyrFillOption::foGrUseBitmap};
};

// The segmented bar of a meter.
class TVyrSmallBar : public Vyrclass::TVyrObject {
  MORVANT_PUBLISHED(TVyrSmallBar, Vyrclass::TVyrObject)
 public:
  TVyrSmallBar() = default;
  void Assign(TPersistent* Source) override;

  bool GetAutosize() const { return autosize_; }
  void SetAutosize(bool Value);
  int GetBarCount() const { return barCount_; }
  void SetBarCount(int Value);
  TColor GetBarColor() const { return barColor_; }
  void SetBarColor(TColor Value);
  int GetHSpace() const { return hSpace_; }
  void SetHSpace(int Value);
  int GetVSpace() const { return vSpace_; }
  void SetVSpace(int Value);

  // The length of one bar along the direction (0 without bars; negative
  // when the spaces take more than there is).
  int GetBarExtend(TVyrMeterDirection Direction, int Width, int Height) const;

 private:
  bool autosize_ = true;
  int barCount_ = 10;
  TColor barColor_ = clNavy;
  int hSpace_ = 3;
  int vSpace_ = 3;
};

class TVyrShadow : public Vyrclass::TVyrObject {
  MORVANT_PUBLISHED(TVyrShadow, Vyrclass::TVyrObject)
 public:
  TVyrShadow() = default;
  void Assign(TPersistent* Source) override;

  TColor GetColor() const { return color_; }
  void SetColor(TColor Value);
  int GetDepth() const { return depth_; }
  void SetDepth(int Value);
  TVyrShadowStyle GetStyle() const { return style_; }
  void SetStyle(TVyrShadowStyle Value);

 private:
  TColor color_ = clBtnShadow;
  int depth_ = 6;
  TVyrShadowStyle style_ = TVyrShadowStyle::hssSolid;
};

// The text-drawing flag of a focus style: fcText 64, fcGlyph 128,
// fcGlyphText 256, the others 0.
int VyrConvertFocusStyle(TVyrGlyphTextFocusStyle Style);

// The unit's start-up row. It has nothing to do at either end; the row
// keeps the table whole, one row per unit, for the program and for tools.
void Initialize();
void Finalize();
inline constexpr TUnitRow Unit{"Vyrgraph", &Initialize, &Finalize};

}  // namespace Vyrgraph
