// A 16-segment LED display. TVyrLED knows the segment geometry, the
// character table, the colours and the flash phase, and paints a text as
// rows of cells; TVyrLEDCustomLabel is the window-less control that shows
// its caption or a zero-padded number with it.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "unitstartup.h"
#include "vyrctrl.h"

class TBitmap;
class TCanvas;

namespace Vyrled {

// Bit i of a segment mask lights segment i.
enum class TVyrLEDLights {
  llTop,
  llTopLeft,
  llTopRight,
  llMiddle,
  llBottomLeft,
  llBottomRight,
  llBottom,
  llInTopMiddle,
  llInBottomMiddle,
  llInTopLeft,
  llInTopRight,
  llInBottomLeft,
  llInBottomRight,
  llPointMiddle,
  llPointTop,
  llPointBottom
};
constexpr int kSegmentCount = 16;
// The outer seven, all that small cells can show.
constexpr int kOuterSegmentCount = 7;

enum class TVyrLEDStyle { lsString, lsInteger };

class TVyrLED : public Vyrclass::TVyrObject {
  MORVANT_PUBLISHED(TVyrLED, Vyrclass::TVyrObject)
 public:
  using TSegment = std::array<TPoint, 6>;

  TVyrLED();
  ~TVyrLED() override;
  void Assign(TPersistent* Source) override;

  // Index 0 ActiveColor, 1 InActiveColor, 2 the background.
  TColor GetColor(int Index) const { return colors_[Index]; }
  void SetColor(int Index, TColor Value);
  TColor GetActiveColor() const { return colors_[0]; }
  void SetActiveColor(TColor Value) { SetColor(0, Value); }
  TColor GetInActiveColor() const { return colors_[1]; }
  void SetInActiveColor(TColor Value) { SetColor(1, Value); }
  // Index 1 Horzsize, 2 Thickness, 3 Vertsize.
  std::uint8_t GetByte(int Index) const { return sizes_[Index - 1]; }
  void SetByte(int Index, std::uint8_t Value);
  std::uint8_t GetHorzsize() const { return GetByte(1); }
  void SetHorzsize(std::uint8_t Value) { SetByte(1, Value); }
  std::uint8_t GetThickness() const { return GetByte(2); }
  void SetThickness(std::uint8_t Value) { SetByte(2, Value); }
  std::uint8_t GetVertsize() const { return GetByte(3); }
  void SetVertsize(std::uint8_t Value) { SetByte(3, Value); }
  bool GetDisabledDigits() const { return disabledDigits_; }
  void SetEnabled(bool Value);

  virtual void BeginFlash() { flashing_ = true; }
  virtual void EndFlash();
  bool GetFlashing() const { return flashing_; }

  int GetWidth() const;
  int GetHeight() const;
  int GetRows() const { return rows_; }
  int GetWidestRow() const { return widestRow_; }
  const TSegment& GetSegment(TVyrLEDLights Light) const { return segments_[static_cast<int>(Light)]; }
  // One cell with all segments unlit; empty until first needed.
  TBitmap* GetCellBitmap() const { return cell_.get(); }

  // Paints Text as rows of cells from Rect's top-left corner; without
  // DoPaint only counts the rows and the widest row.
  void PaintLED(TCanvas* Canvas, const TRect& Rect, const AnsiString& Text, bool DoPaint, bool ControlEnabled);
  TRect CalcBoundsRect(const AnsiString& Text, int Border);
  void CreateBmp();

  static std::uint16_t CharToMask(char C);

 private:
  void SetupPoints();

  std::array<TColor, 3> colors_;
  std::array<std::uint8_t, 3> sizes_{9, 2, 7};
  bool flashing_ = false;
  bool flashPhase_ = false;
  bool disabledDigits_ = true;
  int rows_ = 0;
  int widestRow_ = 0;
  std::array<TSegment, kSegmentCount> segments_{};
  std::unique_ptr<TBitmap> cell_;
  AnsiString text_;
};

class TVyrLEDCustomLabel : public Vyrctrl::TVyrGraphicControl {
  MORVANT_PUBLISHED(TVyrLEDCustomLabel, Vyrctrl::TVyrGraphicControl)
 public:
  explicit TVyrLEDCustomLabel(TComponent* AOwner);
  ~TVyrLEDCustomLabel() override;

  bool GetAutosize() const { return autosize_; }
  void SetAutosize(bool Value);
  std::uint8_t GetDigits() const { return digits_; }
  // 0 is refused.
  void SetDigits(std::uint8_t Value);
  TVyrLED* GetLED() const { return led_.get(); }
  void SetLED(TVyrLED* Value) { led_->Assign(Value); }
  int GetValue() const { return value_; }
  // In integer style the display repaints at once (an opaque one by a
  // direct paint, a transparent one by an invalidation).
  void SetValue(int Value);
  TVyrLEDStyle GetStyle() const { return style_; }
  void SetStyle(TVyrLEDStyle Value);

  void GetChange(TObject* Sender) override;
  // Width and Height from the text, the cells and the bevel.
  void CalcBoundsRect();
  virtual AnsiString GetLabelText();
  // The number with Digits places, zeros after the sign; dashes when it
  // does not fit.
  AnsiString ValueString(int Value) const;

 protected:
  void Loaded() override;
  void Paint() override;
  void CMColorChanged(TMessage& Message) override;
  void CMTextChanged(TMessage& Message) override;

 private:
  bool autosize_ = false;
  std::uint8_t digits_ = 2;
  std::unique_ptr<TVyrLED> led_;
  int value_ = 0;
  TVyrLEDStyle style_ = TVyrLEDStyle::lsString;
};

class TVyrLEDLabel : public TVyrLEDCustomLabel {
  MORVANT_COMPONENT(TVyrLEDLabel, TVyrLEDCustomLabel)
 public:
  explicit TVyrLEDLabel(TComponent* AOwner) : TVyrLEDCustomLabel(AOwner) {}
};

// Makes the shared 8 x 8 pattern of the unlit segments and registers the
// unit's published classes; Finalize frees the pattern.
void Initialize();
void Finalize();
inline constexpr TUnitRow Unit{"Vyrled", &Initialize, &Finalize};

}  // namespace Vyrled
