// Unit vyrrctrl: windowed controls whose window is a region. A fill panel
// clipped to a region with a border painted along it, a focusable push
// button of a region shape with a glyph, an effect caption that may sit at
// a point of its own and a focus look, and a form shaped by a region.
#pragma once

#include <memory>

#include "forms.h"
#include "unitstartup.h"
#include "vyrextcs.h"
#include "vyrglyph.h"
#include "vyrgraph.h"
#include "vyrregion.h"

namespace Vyrrctrl {

using Vyrregion::TVyrBorderRegion;
using Vyrregion::TVyrRegion;
using Vyrregion::TVyrRegionBorderStyle;

enum class TVyrWndButtonStyle { wbWin40, wbWin31, wbSimple };

// Builds Region for Rect and gives it to its owner's window unless the
// window already has that outline; nothing without a handle or while the
// owner loads.
void VyrReshape(TVyrRegion* Region, const TRect& Rect);

// A fill panel clipped to its region, with the region's border painted.
class TVyrPanelShape : public Vyrextcs::TVyrCustomPanelFill {
  MORVANT_COMPONENT(TVyrPanelShape, Vyrextcs::TVyrCustomPanelFill)
 public:
  explicit TVyrPanelShape(TComponent* AOwner);
  ~TVyrPanelShape() override;

  TVyrBorderRegion* GetRegion() const { return region_.get(); }
  void SetRegion(TVyrBorderRegion* Value) { region_->Assign(Value); }
  bool GetUseRgnBitmap() const { return useRgnBitmap_; }
  // Taking the region mask's picture also switches the fill off.
  void SetUseBitmap(bool Value);

  void CreateBack(bool Force) override;
  void GetChange(TObject* Sender) override;
  bool GetEmpty() override;

 protected:
  void Loaded() override;
  void CreateWnd() override;
  void Paint() override;
  void WMSize(TMessage& Message) override;

 private:
  std::unique_ptr<TVyrBorderRegion> region_;
  bool useRgnBitmap_ = true;
};

// A push button whose window is a region.
class TVyrWndButtonShape : public Vyrextcs::TVyrCustomPanelFill {
  MORVANT_COMPONENT(TVyrWndButtonShape, Vyrextcs::TVyrCustomPanelFill)
 public:
  explicit TVyrWndButtonShape(TComponent* AOwner);
  ~TVyrWndButtonShape() override;

  TVyrRegion* GetRegion() const { return region_.get(); }
  void SetRegion(TVyrRegion* Value) { region_->Assign(Value); }
  Vyrgraph::TVyrFxCaption* GetFontFX() const { return fontFX_.get(); }
  void SetFontFX(Vyrgraph::TVyrFxCaption* Value) { fontFX_->Assign(Value); }
  Vyrgraph::TVyrButtonLayout* GetButtonLayout() const { return buttonLayout_.get(); }
  void SetButtonLayout(Vyrgraph::TVyrButtonLayout* Value) { buttonLayout_->Assign(Value); }

  bool GetMultiLine() const { return multiLine_; }
  bool GetRepeatedClick() const { return repeatedClick_; }
  bool GetEnterColorChange() const { return enterColorChange_; }
  // Index 0 MultiLine, 1 RepeatedClick, 2 EnterColorChange.
  void SetBoolean(int Index, bool Value);
  int GetRepeatingInterval() const { return repeatingInterval_; }
  // Index 1 RepeatingInterval. Repeating is stored only: no timer runs.
  void SetInteger(int Index, int Value);
  TVyrWndButtonStyle GetStyle() const { return style_; }
  void SetStyle(TVyrWndButtonStyle Value);
  Byte GetFocusStyle() const { return focusStyle_; }
  // 0 none, 1 dotted frame round the caption, 2 focus rectangle inside.
  void SetFocusStyle(Byte Value);
  TPoint GetCaptionStart() const { return captionStart_; }
  // Bottom-left corner of the caption block; X = -1 leaves it to the layout.
  void SetCaptionStart(const TPoint& Value);
  TColor GetEnterColor() const { return enterColor_; }
  void SetEnterColor(TColor Value);
  int GetModalResult() const { return modalResult_; }
  void SetModalResult(int Value) { modalResult_ = Value; }
  TBitmap* GetGlyph() const { return glyph_->GetGlyph(); }
  void SetGlyph(TBitmap* Value);
  int GetNumGlyphs() const { return glyph_->GetNumGlyphs(); }
  void SetNumGlyphs(int Value);

  bool IsDown() const { return down_; }
  bool IsFocused() const { return focused_; }
  // The border style the button shows in its present state.
  TVyrRegionBorderStyle CurrentBorderStyle() const;
  // The caption block (glyph and text) for the canvas font as it is now.
  TRect CaptionBlock();

  bool CheckOptimized() override;
  void GetChange(TObject* Sender) override;

 protected:
  void CreateWnd() override;
  void DefineProperties(TFiler* Filer) override;
  void Paint() override;
  void RestoreBorderBack() override { Invalidate(); }
  void RestoreBorderFront() override { Invalidate(); }
  void WMSize(TMessage& Message) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyUp(Word& Key, TShiftState Shift) override;
  void WMSetFocus(TMessage& Message) override;
  void WMKillFocus(TMessage& Message) override;
  void CMMouseEnter(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;

 private:
  void ReadCaptionStart(TStream* Stream);
  void WriteCaptionStart(TStream* Stream);
  void PaintBorder(TVyrRegionBorderStyle Style);
  void PaintFocus(const TRect& Block, bool Placed);

  std::unique_ptr<TVyrRegion> region_;
  std::unique_ptr<Vyrgraph::TVyrFxCaption> fontFX_;
  std::unique_ptr<Vyrgraph::TVyrButtonLayout> buttonLayout_;
  bool enterColorChange_ = false;
  bool focused_ = false;
  bool down_ = false;
  bool multiLine_ = true;
  bool repeatedClick_ = false;
  int repeatingInterval_ = 10;
  std::unique_ptr<Vyrglyph::TVyrGlyph> glyph_;
  TVyrWndButtonStyle style_ = TVyrWndButtonStyle::wbSimple;
  int modalResult_ = 0;
  Byte focusStyle_ = 1;
  TColor enterColor_ = clCaptionText;
  TPoint captionStart_{-1, -1};
};

// A form whose window is its region, rebuilt on every size and paint.
class TVyrRegionForm : public TForm {
  MORVANT_COMPONENT(TVyrRegionForm, TForm)
 public:
  explicit TVyrRegionForm(TComponent* AOwner);
  ~TVyrRegionForm() override;

  TVyrBorderRegion* GetRegion() const { return region_.get(); }
  void SetRegion(TVyrBorderRegion* Value) { region_->Assign(Value); }

 protected:
  void Paint() override;
  void Resize() override;

 private:
  std::unique_ptr<TVyrBorderRegion> region_;
};

// Registers the unit's published classes with the form streams.
void Initialize();
void Finalize();  // nothing to do
inline constexpr TUnitRow Unit{"Vyrrctrl", &Initialize, &Finalize};

}  // namespace Vyrrctrl
