// Unit vyrmms, its visual half: picture buttons drawn from six equal cells
// of one bitmap strip, a face and a mask for each of the up, down and
// disabled looks, the up mask also the button's hit area. (The timers and
// the wave component of the unit are in the foundation's vyrmms.h.)
#pragma once

#include <cstdint>
#include <memory>

#include "unitstartup.h"
#include "vyrbtn.h"
#include "vyrmms.h"

class TBitmap;

namespace Vyrmms {

using Vyrbtn::TVyrButtonState;
using Vyrclass::TVyrSavePixelFormat;

// A strip of Count cells of CellWidth x CellHeight side by side.
class TVyrClip : public TObject {
  MORVANT_CLASS(TVyrClip, TObject)
 public:
  TVyrClip() = default;
  ~TVyrClip() override;
  TVyrClip(const TVyrClip&) = delete;
  TVyrClip& operator=(const TVyrClip&) = delete;

  bool GetOwnsBitmap() const { return ownsBitmap_; }
  int GetCount() const { return count_; }
  TBitmap* GetBitmap() const { return bitmap_.get(); }
  int GetCellWidth() const { return cellWidth_; }
  void SetCellWidth(int Value) { cellWidth_ = static_cast<std::uint16_t>(Value); }
  int GetCellHeight() const { return cellHeight_; }
  void SetCellHeight(int Value) { cellHeight_ = static_cast<std::uint16_t>(Value); }

  // No cells and no strip.
  bool IsEmpty() const { return count_ == 0 && !bitmap_; }
  HPALETTE GetPalette() const;
  // N cells of the strip as it is: the cell width becomes its width div N.
  // 0 clears the clip.
  void SetCount(int N);
  void Clear();
  // Picture B into cell I (below 0: cell 0), clipped to the cell; the
  // strip grows to hold the cell. An empty clip takes its cell size from B.
  void SetCell(int I, TBitmap* B);
  // B becomes a copy of cell I; nothing for a cell the clip does not hold.
  void GetCell(int I, TBitmap* B) const;
  // The strip replaced by Strip (taken over), its height the cell height.
  void TakeStrip(std::unique_ptr<TBitmap> Strip);

 private:
  TBitmap* NeedBitmap();

  bool ownsBitmap_ = false;
  std::uint8_t count_ = 0;
  std::unique_ptr<TBitmap> bitmap_;
  std::uint16_t cellWidth_ = 0;
  std::uint16_t cellHeight_ = 0;
};

// A button drawn from the six cells of a clip: faces 0 (up and hot), 1
// (down: pressed in a group, held, menu open) and 2 (disabled), each drawn
// through its mask (3, 4, 5); cell 3 is also where the button answers the
// mouse.
class TVyrCustom3DButton : public Vyrbtn::TVyrBaseGraphicButton {
  MORVANT_PUBLISHED(TVyrCustom3DButton, Vyrbtn::TVyrBaseGraphicButton)
 public:
  explicit TVyrCustom3DButton(TComponent* AOwner);
  ~TVyrCustom3DButton() override;

  Vyrbtn::TVyrButtonFace* GetButtonFace() const { return buttonFace_.get(); }
  TVyrSavePixelFormat GetPixelFormat() const { return pixelFormat_; }
  void SetPixelFormat(TVyrSavePixelFormat Value) { pixelFormat_ = Value; }
  TVyrClip* GetClip() const { return clip_.get(); }
  bool GetQuickDraw() const { return quickDraw_; }
  void SetQuickDraw(bool Value);
  bool GetCompressed() const { return compressed_; }
  void SetCompressed(bool Value) { compressed_ = Value; }
  HPALETTE GetPalette() const { return clip_->GetPalette(); }

  // Cells 0..5 in this order; nothing when the first picture is empty.
  void Set3DPics(TBitmap* UpFace, TBitmap* DownFace, TBitmap* DisabledFace, TBitmap* UpMask, TBitmap* DownMask,
                 TBitmap* DisabledMask);

  void GetChange(TObject* Sender) override;
  bool VerifyTransparency(int X, int Y) override;

 protected:
  void DefineProperties(TFiler* Filer) override;
  void Paint() override;

 private:
  void ReadCount(TReader* Reader);
  void WriteCount(TWriter* Writer);
  void ReadCellWidth(TReader* Reader);
  void WriteCellWidth(TWriter* Writer);
  void ReadStrip(TStream* Stream);
  void WriteStrip(TStream* Stream);

  std::unique_ptr<Vyrbtn::TVyrButtonFace> buttonFace_;
  TVyrSavePixelFormat pixelFormat_ = TVyrSavePixelFormat::spfDefault;
  std::unique_ptr<TVyrClip> clip_;
  bool quickDraw_ = true;
  bool compressed_ = false;
};

// The picture button that realises the strip's palette.
class TVyr3DEffectButton : public TVyrCustom3DButton {
  MORVANT_COMPONENT(TVyr3DEffectButton, TVyrCustom3DButton)
 public:
  explicit TVyr3DEffectButton(TComponent* AOwner);
};

class TVyr3DCaptionButton : public TVyrCustom3DButton {
  MORVANT_COMPONENT(TVyr3DCaptionButton, TVyrCustom3DButton)
 public:
  explicit TVyr3DCaptionButton(TComponent* AOwner) : TVyrCustom3DButton(AOwner) {}
};

// Registers the picture buttons with the form streams. The unit's other
// half has the row "Vyrmms"; this one runs after the button engine.
void InitializeButtons();
void FinalizeButtons();  // nothing to do
inline constexpr TUnitRow ButtonsUnit{"VyrmmsButtons", &InitializeButtons, &FinalizeButtons};

}  // namespace Vyrmms
