// Unit vyrstdcs: the window-less text controls: labels, link labels, labels
// that stick to another control, and labels with a glyph.
#pragma once

#include <array>
#include <memory>

#include "rect.h"
#include "sets.h"
#include "unitstartup.h"
#include "vyrctrl.h"
#include "vyrgraph.h"
#include "wndproc.h"

namespace Vyrstdcs {

using Vyrgraph::TVyrAlignment;

enum class TVyrLabelOption { loPathEllipsis, loEndEllipsis, loEditControl };
using TVyrLabelOptions = TSet<TVyrLabelOption>;
enum class TVyrJumpModes { jmInternet, jmApplication, jmNone, jmCustom };
// The side of its control a docked label (or button) sits on.
enum class TVyrDockPosition { dpBottom, dpLeft, dpRight, dpTop };

// DrawText's alignment flags by TVyrAlignment: DT_LEFT, DT_CENTER, DT_RIGHT
// with DT_VCENTER (4) and DT_BOTTOM (8).
inline constexpr std::array<int, 9> TVYRALIGNFLAGS{0, 1, 2, 4, 5, 6, 8, 9, 10};

// ======== text flags ========

// The ellipsis and edit-control flags of the options.
int GetOptionsFlag(TVyrLabelOptions Options);
// What a label hands to the text routine: options, alignment, the line
// flags f, tabs expanded and words broken; DT_NOPREFIX without accelerator
// characters, so an ampersand shows as itself.
int VyrLabelTextFlags(TVyrAlignment Alignment, TVyrLabelOptions Options, bool ShowAccelChar, int LineFlags);
// DT_SINGLELINE or 0 for a label with bevel and effect font: an autosized
// label takes the lines it measured; a turned text is always one line.
int VyrLabelLineFlags(bool AutoSize, bool MultiLine, int Angle);
// Whether such a label first places its text rect by the alignment itself
// (DrawText's vertical flags only work on one line).
bool VyrLabelAlignsRect(bool AutoSize, bool MultiLine, int Angle, TVyrAlignment Alignment);

// ======== docking ========

// Where a label of size LabelWidth x LabelHeight docked on Position of a
// control with bounds Control goes; with AdjustDockedSize it takes the
// control's height (left, right) or width (top, bottom).
TRect VyrDockLabelBounds(const TRect& Control, int LabelWidth, int LabelHeight, TVyrDockPosition Position, int Margin,
                         bool AdjustDockedSize);
// The reverse: where the control goes when the label at Label moved.
TRect VyrDockControlBounds(const TRect& Label, int ControlWidth, int ControlHeight, TVyrDockPosition Position,
                           int Margin, bool AdjustDockedSize);

// What the window of a docked control tells the component docked to it.
class TVyrDockClient {
 public:
  virtual ~TVyrDockClient() = default;
  // WM_MOVE and WM_SIZE.
  virtual void DockedControlMoved() = 0;
  virtual void DockedControlEnabled(bool Enabled) = 0;
  // WM_SHOWWINDOW.
  virtual void DockedControlShown(bool Shown) = 0;
  // WM_DESTROY, once the hook has let go of the window.
  virtual void DockedWindowDestroyed() = 0;
};

// The hook a docked component sets on its control's window procedure,
// through the platform's chain: each hook unlinks only its own link, in any
// order, and a retired link passes every message on to what it replaced.
class TVyrDockHook {
 public:
  explicit TVyrDockHook(TVyrDockClient& Client) : client_(Client) {}
  ~TVyrDockHook();
  TVyrDockHook(const TVyrDockHook&) = delete;
  TVyrDockHook& operator=(const TVyrDockHook&) = delete;

  // Hooks Control's window (made first when needed) unless it is hooked
  // already; a component that cannot hook simply does not follow.
  void Hook(TWinControl* Control);
  // Puts the saved procedure back where the hook is on top; below another
  // hook, retires its link instead.
  void Restore();
  HWND GetHooked() const { return window_; }

 private:
  void OwnWndProc(TMessage& Message);

  TVyrDockClient& client_;
  WNDPROC instance_ = nullptr;
  WNDPROC saved_ = nullptr;
  HWND window_ = nullptr;
  bool restoring_ = false;
};


// ======== the labels ========

// What every label shares: alignment, automatic size, the accelerator
// character, the focus control and the drawing options.
class TVyrBaseLabel : public Vyrctrl::TVyrBaseGraphicControl {
  MORVANT_PUBLISHED(TVyrBaseLabel, Vyrctrl::TVyrBaseGraphicControl)
 public:
  explicit TVyrBaseLabel(TComponent* AOwner);

  TVyrAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TVyrAlignment Value);
  TVyrLabelOptions GetOptions() const { return FOptions; }
  void SetOptions(TVyrLabelOptions Value);
  bool GetBool(int Index) const;
  void SetBool(int Index, bool Value);
  bool GetAutoSize() const { return FAutoSize; }
  void SetAutoSize(bool V) { SetBool(0, V); }
  bool GetMultiLine() const { return FMultiLine; }
  void SetMultiLine(bool V) { SetBool(1, V); }
  bool GetShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool V) { SetBool(2, V); }
  TWinControl* GetFocusControl() const { return FFocusControl; }
  virtual void SetControl(TWinControl* Value);

  void GetChange(TObject* Sender) override;
  bool GetEmpty() override;
  virtual AnsiString GetLabelText() const { return GetCaption(); }
  virtual void FontChange(TObject* Sender);
  virtual void CorrectBounds() {}

 protected:
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Dispatch(TMessage& Message) override;
  void CMFontChanged(TMessage& Message) override;
  void CMTextChanged(TMessage& Message) override;
  int TextFlags(int LineFlags) const { return VyrLabelTextFlags(FAlignment, FOptions, FShowAccelChar, LineFlags); }
  // The text rect a label of this text needs (its right and bottom are the
  // size), measured with Caption's 3D copies and Border.
  TRect MeasureText(Vyrgraph::TVyr3DCaption* Caption, int Border);

  bool FPainting = false;

 private:
  bool FShowAccelChar = true;
  bool FAutoSize = true;
  bool FReserved = false;
  bool FMultiLine = false;
  TVyrAlignment FAlignment = TVyrAlignment::agTopLeft;
  TWinControl* FFocusControl = nullptr;
  TVyrLabelOptions FOptions;
};

// The published properties every label shares; each published label
// class declares them first.
template <class L>
void PublishLabelBase(TPublisher<L>& P) {
  P.Enum("Alignment", &L::GetAlignment, &L::SetAlignment,
         {"agTopLeft", "agTopCenter", "agTopRight", "agCenterLeft", "agCenter", "agCenterRight", "agBottomLeft",
          "agBottomCenter", "agBottomRight"},
         0);
  P.Bool("AutoSize", &L::GetAutoSize, &L::SetAutoSize, true);
  P.Component("FocusControl", &L::GetFocusControl, &L::SetControl);
  P.Bool("MultiLine", &L::GetMultiLine, &L::SetMultiLine, false);
  P.Set("Options", &L::GetOptions, &L::SetOptions, {"loPathEllipsis", "loEndEllipsis", "loEditControl"}, 0);
  P.Bool("ShowAccelChar", &L::GetShowAccelChar, &L::SetShowAccelChar, true);
  P.Event("OnMouseEnter", &TControl::OnMouseEnter);
  P.Event("OnMouseExit", &Vyrctrl::TVyrBaseControl::OnMouseExit);
}

// The label of the game's dialogs: a bevel and an effect font that can
// turn the text.
class TVyrCustomLabel : public TVyrBaseLabel {
  MORVANT_PUBLISHED(TVyrCustomLabel, TVyrBaseLabel)
 public:
  explicit TVyrCustomLabel(TComponent* AOwner);
  ~TVyrCustomLabel() override;

  Vyrgraph::TVyrBevel* GetBevel() const { return FBevel.get(); }
  void SetBevel(Vyrgraph::TVyrBevel* Value) { FBevel->Assign(Value); }
  Vyrgraph::TVyrFxCaption* GetFontFx() const { return FFontFx.get(); }
  void SetFontFx(Vyrgraph::TVyrFxCaption* Value) { FFontFx->Assign(Value); }
  int GetBevelExtend() const { return FBevel->GetBevelExtend(); }

  void GetChange(TObject* Sender) override;
  bool GetEmpty() override;
  void FontChange(TObject* Sender) override;
  void CorrectBounds() override;
  // The flags the paint hands to the text routine.
  int PaintFlags() const;

 protected:
  void Paint() override;
  void CMFontChanged(TMessage& Message) override;

 private:
  std::unique_ptr<Vyrgraph::TVyrBevel> FBevel;
  std::unique_ptr<Vyrgraph::TVyrFxCaption> FFontFx;
};

class TVyrLabel : public TVyrCustomLabel {
  MORVANT_COMPONENT(TVyrLabel, TVyrCustomLabel)
 public:
  explicit TVyrLabel(TComponent* AOwner) : TVyrCustomLabel(AOwner) {}
};

// A label with a 3D font that can be a link: a click opens Jump (or the
// caption) through the shell.
class TVyrCustomSimpleLabel : public TVyrBaseLabel {
  MORVANT_PUBLISHED(TVyrCustomSimpleLabel, TVyrBaseLabel)
 public:
  explicit TVyrCustomSimpleLabel(TComponent* AOwner);
  ~TVyrCustomSimpleLabel() override;

  Vyrgraph::TVyr3DCaption* GetFont3D() const { return FFont3D.get(); }
  void SetFont3D(Vyrgraph::TVyr3DCaption* Value) { FFont3D->Assign(Value); }
  AnsiString GetJump() const { return FJump; }
  void SetJump(const AnsiString& Value) { FJump = Value; }
  TColor GetActiveColor() const { return FActiveColor; }
  void SetActiveColor(TColor V) { SetColorValue(0, V); }
  TColor GetInActiveColor() const { return FInActiveColor; }
  void SetInActiveColor(TColor V) { SetColorValue(1, V); }
  void SetColorValue(int Index, TColor Value);
  bool GetJumpUnderline() const { return FJumpUnderline; }
  void SetJumpUnderLine(bool Value);
  TVyrJumpModes GetJumpMode() const { return FJumpMode; }
  void SetJumpMode(TVyrJumpModes Value);
  int GetCounter() const { return FCounter; }
  void ResetCounter();
  bool GetLegacyJump() const { return FUseAsJump; }
  // The target a click opens in the current mode; empty for none.
  AnsiString JumpTarget() const;

  void CorrectBounds() override;
  int PaintFlags() const { return TextFlags(GetMultiLine() ? 0 : 0x20); }

 protected:
  void DefineProperties(TFiler* Filer) override;
  void Loaded() override;
  void Paint() override;
  void Click() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  void ReadUseAsJump(TReader* Reader);

  std::unique_ptr<Vyrgraph::TVyr3DCaption> FFont3D;
  AnsiString FJump;
  TColor FActiveColor = static_cast<TColor>(0x800080);
  TColor FInActiveColor = static_cast<TColor>(0xFF0000);
  bool FUseAsJump = false;
  bool FJumpUnderline = true;
  TVyrJumpModes FJumpMode = TVyrJumpModes::jmNone;
  int FCounter = 0;
};

class TVyrSimpleLabel : public TVyrCustomSimpleLabel {
  MORVANT_COMPONENT(TVyrSimpleLabel, TVyrCustomSimpleLabel)
 public:
  explicit TVyrSimpleLabel(TComponent* AOwner) : TVyrCustomSimpleLabel(AOwner) {}
};


// A link label that sticks to a side of its FocusControl, following it as
// it moves, resizes, shows, hides and enables; it hooks the control's
// window procedure through the platform's chain, so other hooks may come
// and go in any order.
class TVyrCustomDockLabel : public TVyrCustomSimpleLabel, private TVyrDockClient {
  MORVANT_PUBLISHED(TVyrCustomDockLabel, TVyrCustomSimpleLabel)
 public:
  explicit TVyrCustomDockLabel(TComponent* AOwner);
  void BeforeDestruction() override;

  bool GetBoolean(int Index) const;
  void SetBoolean(int Index, bool Value);
  bool GetAdjustDockedSize() const { return FAdjustDockedSize; }
  void SetAdjustDockedSize(bool V) { SetBoolean(0, V); }
  bool GetDocked() const { return FDocked; }
  void SetDocked(bool V) { SetBoolean(1, V); }
  bool GetReflectOwnChanges() const { return FReflectOwnChanges; }
  void SetReflectOwnChanges(bool V) { SetBoolean(2, V); }
  TVyrDockPosition GetPosition() const { return FPosition; }
  void SetPosition(TVyrDockPosition Value);
  int GetMargin() const { return FMargin; }
  void SetMargin(int Value);
  void SetControl(TWinControl* Value) override;
  bool HasControl() const { return FDocked && GetFocusControl(); }

  void CorrectBounds() override;
  void AdjustToControl();
  void AdjustToLabel();

 protected:
  void DefineProperties(TFiler* Filer) override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void BoundsChange(Vyrctrl::TVyrBoundsChangeStates State) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  void DockControl();
  void DockedControlMoved() override { AdjustToControl(); }
  void DockedControlEnabled(bool Enabled) override { SetEnabled(Enabled); }
  void DockedControlShown(bool Shown) override;
  void DockedWindowDestroyed() override { TVyrCustomSimpleLabel::SetControl(nullptr); }
  void ReadAdjustSize(TReader* Reader);

  bool FAdjustDockedSize = false;
  bool FAdjusting = false;
  bool FDocked = true;
  bool FReflectOwnChanges = false;
  TVyrDockPosition FPosition = TVyrDockPosition::dpLeft;
  int FMargin = 1;
  TVyrDockHook FHook{*this};
};

class TVyrDockLabel : public TVyrCustomDockLabel {
  MORVANT_COMPONENT(TVyrDockLabel, TVyrCustomDockLabel)
 public:
  explicit TVyrDockLabel(TComponent* AOwner) : TVyrCustomDockLabel(AOwner) {}
};


// Text with a glyph from an image list, laid out by a glyph-and-text
// layout that replaces the base's alignment.
class TVyrCustomGlyphLabel : public TVyrBaseLabel {
  MORVANT_PUBLISHED(TVyrCustomGlyphLabel, TVyrBaseLabel)
 public:
  explicit TVyrCustomGlyphLabel(TComponent* AOwner);
  ~TVyrCustomGlyphLabel() override;

  Vyrgraph::TVyrGlyphTextLayout* GetLayout() const { return FLayout.get(); }
  Vyrgraph::TVyr3DCaption* GetFont3D() const { return FFont3D.get(); }
  Vyrgraph::TVyrBevel* GetBevel() const { return FBevel.get(); }
  HPALETTE GetPalette();

  void CorrectBounds() override;

 protected:
  void Paint() override;

 private:
  std::unique_ptr<Vyrgraph::TVyrGlyphTextLayout> FLayout;
  std::unique_ptr<Vyrgraph::TVyr3DCaption> FFont3D;
  std::unique_ptr<Vyrgraph::TVyrBevel> FBevel;
};

class TVyrGlyphLabel : public TVyrCustomGlyphLabel {
  MORVANT_COMPONENT(TVyrGlyphLabel, TVyrCustomGlyphLabel)
 public:
  explicit TVyrGlyphLabel(TComponent* AOwner) : TVyrCustomGlyphLabel(AOwner) {}
  void SetImageIndexValue(int Value) { SetIndex(0, Value); }
  void SetListIndexValue(int Value) { SetIndex(1, Value); }
};

// ======== the progress bar ========

enum class TVyrProgressStyle { pgBar, pgSmallBar, pgSmallBarColor, pgOwnerDraw };
using TVyrProgressPaintEvent = TClosure<void(TObject* Sender, TCanvas* Canvas, const TRect& BarRect,
                                             const TRect& RestRect, const TRect& FullRect)>;
// Index counts the lit blocks from 0; Color comes in as SmallBar's colour.
using TVyrProgressColorEvent = TClosure<void(TObject* Sender, int Index, TColor& Color)>;

// A meter that draws a solid bar, a row of blocks (each in a colour of its
// own if OnGetColor says so) or lets OnPaint draw. With blocks and
// SmallBar.Autosize the bar fits its length to whole blocks.
class TVyrCustomProgress : public Vyrctrl::TVyrBaseMeter {
  MORVANT_PUBLISHED(TVyrCustomProgress, Vyrctrl::TVyrBaseMeter)
 public:
  explicit TVyrCustomProgress(TComponent* AOwner);
  ~TVyrCustomProgress() override;

  TColor GetBarColor() const { return FBarColor; }
  void SetBarColor(TColor Value);
  Vyrgraph::TVyrBorderStyle GetBar3D() const { return FBar3D; }
  void SetBar3D(Vyrgraph::TVyrBorderStyle Value);
  Vyrgraph::TVyrSmallBar* GetSmallBar() const { return FSmallBar.get(); }
  void SetSmallBar(Vyrgraph::TVyrSmallBar* Value) { FSmallBar->Assign(Value); }
  TVyrProgressStyle GetStyle() const { return FStyle; }
  void SetStyle(TVyrProgressStyle Value);

  TVyrProgressPaintEvent OnPaint;
  TVyrProgressColorEvent OnGetColor;

  void GetChange(TObject* Sender) override;
  bool CorrectBounds() override;
  void DrawBar(TCanvas* Canvas, const TRect& BarRect, const TRect& RestRect, const TRect& FullRect) override;

 private:
  bool BlockStyle() const;
  // About half a block in the block styles (their look changes no sooner).
  void UpdateDelta();

  TColor FBarColor = static_cast<TColor>(0x800000);
  Vyrgraph::TVyrBorderStyle FBar3D = Vyrgraph::TVyrBorderStyle::lsNone;
  std::unique_ptr<Vyrgraph::TVyrSmallBar> FSmallBar;
  TVyrProgressStyle FStyle = TVyrProgressStyle::pgSmallBar;
  // The size the autosize set last and from what: the bar is not fitted
  // again until one of them changes, since for some spacings the fitted
  // size would grow a little on every paint.
  struct TFitted {
    int Width = -1, Height = -1, BarCount = 0, HSpace = 0, VSpace = 0, Bevel = 0;
    Vyrgraph::TVyrMeterDirection Direction = Vyrgraph::TVyrMeterDirection::mdHorizontal;
    bool operator==(const TFitted&) const = default;
  } FFitted;
};

class TVyrProgress : public TVyrCustomProgress {
  MORVANT_COMPONENT(TVyrProgress, TVyrCustomProgress)
 public:
  explicit TVyrProgress(TComponent* AOwner) : TVyrCustomProgress(AOwner) {}
};

void Initialize();
void Finalize();  // nothing to do
inline constexpr TUnitRow Unit{"Vyrstdcs", &Initialize, &Finalize};

}  // namespace Vyrstdcs
