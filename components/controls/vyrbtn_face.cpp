// The image-face button: a picture of an image list per button state, a
// fixed fall-back order between them, and a hit test against the colour
// that counts as the face's background.
#include <algorithm>
#include <cstdint>

#include "bitmap_class.h"
#include "canvas.h"
#include "classregistry.h"
#include "colors.h"
#include "exceptions.h"
#include "reader.h"
#include "streams.h"
#include "vyrbtn.h"
#include "vyrcont.h"
#include "vyrutils.h"

namespace Vyrbtn {

using S = TVyrButtonState;
using Vyrctrla::TVyrBitmapStyle;

namespace {

// The states a form stream carries faces for (bsDisabledDown has none).
constexpr int kStreamedStates = 7;
constexpr LongInt kIndicesSize = 2 * kStreamedStates * 4;
constexpr LongInt kTransColSize = 4;
// The side an empty face counts as when the button sizes itself to it.
constexpr int kEmptyFaceSide = 20;

S FallBack(S State) {
  switch (State) {
    case S::bsDisabledUp:
    case S::bsMouseOver:
    case S::bsDragOver: return S::bsUp;
    case S::bsOptionSet:
    case S::bsDown:
    case S::bsDropDownOpen:
    case S::bsDisabledDown: return S::bsDown;
    default: return S::bsUp;
  }
}

bool Sunk(S State) { return State == S::bsOptionSet || State == S::bsDown || State == S::bsDropDownOpen; }

}  // namespace

TVyrCustomMMButton::TVyrCustomMMButton(TComponent* AOwner)
    : TVyrBaseGraphicButton(AOwner), faceLink_(this, [this](TObject* Sender) { GetButtonFaceIMLChange(Sender); }) {
  controlStyle_.Exclude(csClickEvents);
  controlStyle_.Include(csOpaque);
  controlStyle_.Include(csReplicatable);
}

// ---- properties ----

void TVyrCustomMMButton::SetButtonFaceImageList(Vyrcont::TVyrCustomImageList* Value) {
  if (faceLink_.GetImageList() == Value) return;
  faceLink_.SetImageList(Value);
  if (Value && !Loading()) SetTransCol();
}

void TVyrCustomMMButton::SetButtonFaceIndex(S State, TVyrButtonFaceIndex Value) {
  TVyrButtonFaceIndex& face = faces_[static_cast<int>(State)];
  if (face == Value) return;
  face = Value;
  if (State == S::bsUp && !Loading()) SetTransCol();
  if (State == state_) Invalidate();
}

void TVyrCustomMMButton::SetButtonFaceIndices(const TVyrButtonFaceIndices& Value) {
  faces_ = Value;
  if (!Loading()) Invalidate();
}

bool TVyrCustomMMButton::ButtonFaceIMLEmpty(S State) const {
  Vyrcont::TVyrCustomImageList* list = faceLink_.GetImageList();
  const TVyrButtonFaceIndex& face = faces_[static_cast<int>(State)];
  return !list || !list->IsValidItem(face.ListIndex, face.ImageIndex);
}

void TVyrCustomMMButton::SetTransCol() {
  Vyrcont::TVyrCustomImageList* list = faceLink_.GetImageList();
  if (!list || ButtonFaceIMLEmpty(S::bsUp)) return;
  const TVyrButtonFaceIndex& up = faces_[static_cast<int>(S::bsUp)];
  auto colour = static_cast<std::uint32_t>(list->TransparentColor(up.ListIndex, up.ImageIndex));
  // The list marks a colour it answers for itself with the palette bit.
  if (colour >= 0x2000000u) colour -= 0x2000000u;
  transColor_ = static_cast<TColor>(colour);
}

void TVyrCustomMMButton::SetForceTransparent(bool Value) {
  if (forceTransparent_ == Value) return;
  forceTransparent_ = Value;
  Invalidate();
}

void TVyrCustomMMButton::SetQuickDraw(bool Value) {
  if (quickDraw_ == Value) return;
  quickDraw_ = Value;
  Invalidate();
}

void TVyrCustomMMButton::SetButtonFaceStyle(TVyrBitmapStyle Value) {
  if (faceStyle_ == Value) return;
  faceStyle_ = Value;
  Invalidate();
}

HPALETTE TVyrCustomMMButton::GetPalette() const {
  Vyrcont::TVyrCustomImageList* list = faceLink_.GetImageList();
  return list ? list->Palette(faces_[static_cast<int>(state_)].ListIndex) : nullptr;
}

void TVyrCustomMMButton::Notification(TComponent* AComponent, TOperation Operation) {
  TVyrBaseGraphicButton::Notification(AComponent, Operation);
  if (Operation == opRemove) faceLink_.Removed(AComponent);
}

// ---- the face ----

bool TVyrCustomMMButton::ChosenFace(TVyrButtonFaceIndex& Face) const {
  if (!faceLink_.GetImageList()) return false;
  S state = state_;
  if (ButtonFaceIMLEmpty(state)) {
    // Nothing below bsUp to fall back on.
    if (state == S::bsUp) return false;
    state = FallBack(state);
    if (ButtonFaceIMLEmpty(state)) return false;
  }
  Face = faces_[static_cast<int>(state)];
  return true;
}

std::uint16_t TVyrCustomMMButton::FaceFlags() const {
  std::uint16_t flags = quickDraw_ ? 0 : 0x1000;
  switch (faceStyle_) {
    case TVyrBitmapStyle::sbCenter: flags |= 0x08; break;
    case TVyrBitmapStyle::sbStretch: flags |= 0x10; break;
    case TVyrBitmapStyle::sbTile: flags |= 0x20; break;
    case TVyrBitmapStyle::sbKeepAspRatio: flags |= 0x610; break;
    case TVyrBitmapStyle::sbKeepWidth: flags |= 0x210; break;
    case TVyrBitmapStyle::sbKeepHeight: flags |= 0x410; break;
    default: break;
  }
  return flags;
}

void TVyrCustomMMButton::Paint() {
  if (Loading()) return;
  faceRect_ = TRect();
  Vyrcont::TVyrCustomImageList* list = faceLink_.GetImageList();
  if (!list) {
    if (!GetTransparent()) FillControl();
    if (Designing()) DrawDashedFrame();
    return;
  }
  TVyrButtonFaceIndex face;
  const bool hasFace = ChosenFace(face);
  if (faceStyle_ == TVyrBitmapStyle::sbAutosize) {
    const int w = hasFace ? list->Dimensions(face.ListIndex, 0) : 0;
    const int h = hasFace ? list->Dimensions(face.ListIndex, 1) : 0;
    const int width = w > 0 ? w : kEmptyFaceSide;
    const int height = h > 0 ? h : kEmptyFaceSide;
    if (width != width_ || height != height_) {
      // The resize repaints.
      SetBounds(left_, top_, width, height);
      return;
    }
  }

  TBitmap off;
  off.SetSize(width_, height_);
  TCanvas* canvas = off.GetCanvas();
  const TRect client = GetClientRect();
  // The colour the bitmap was filled with when nothing lies behind it yet:
  // it is what the output leaves out.
  TColor fill = GetColor();
  bool ready = true;
  if (!GetTransparent()) {
    canvas->GetBrush()->SetColor(GetColor());
    canvas->FillRect(client);
  } else if (!(CheckOptimized() && PaintBackground(canvas))) {
    ready = false;
    if (hasFace) fill = list->TransparentColor(face.ListIndex, face.ImageIndex);
    canvas->GetBrush()->SetColor(fill);
    canvas->FillRect(client);
  }

  if (hasFace) {
    std::uint16_t flags = FaceFlags();
    if (GetTransparent() || forceTransparent_) flags |= 0x40;
    faceRect_ = list->DrawExt(canvas, client, flags, face.ListIndex, face.ImageIndex);
    // Tiles cover the whole control, not only the first one.
    if (faceStyle_ == TVyrBitmapStyle::sbTile && !IsRectEmpty(&faceRect_)) faceRect_ = client;
  }

  TRect content = client;
  if (Sunk(state_)) OffsetRect(&content, captionDown_, captionDown_);
  DrawGlyphAndText(canvas, content);

  HPALETTE palette = hasFace ? list->Palette(face.ListIndex) : nullptr;
  if (ready) {
    GetCanvas()->CopyRect(client, canvas, client);
  } else {
    Vyrutils::VyrBmpDrawExt(GetCanvas(), client, canvas, client, 0x1040, fill, palette, nullptr);
  }
}

bool TVyrCustomMMButton::VerifyTransparency(int X, int Y) {
  TVyrButtonFaceIndex face;
  if (!ChosenFace(face) || IsRectEmpty(&faceRect_)) return false;
  if (X < faceRect_.left || X >= faceRect_.right || Y < faceRect_.top || Y >= faceRect_.bottom) return false;
  Vyrcont::TVyrCustomImageList* list = faceLink_.GetImageList();
  const int itemWidth = list->Dimensions(face.ListIndex, 0);
  const int itemHeight = list->Dimensions(face.ListIndex, 1);
  if (itemWidth <= 0 || itemHeight <= 0) return false;
  int x = X - faceRect_.left, y = Y - faceRect_.top;
  switch (faceStyle_) {
    case TVyrBitmapStyle::sbTile:
      x %= itemWidth;
      y %= itemHeight;
      break;
    case TVyrBitmapStyle::sbStretch:
    case TVyrBitmapStyle::sbKeepAspRatio:
    case TVyrBitmapStyle::sbKeepWidth:
    case TVyrBitmapStyle::sbKeepHeight:
      // Back from the drawn size to the item's pixels.
      x = static_cast<int>(static_cast<long long>(x) * itemWidth / faceRect_.Width());
      y = static_cast<int>(static_cast<long long>(y) * itemHeight / faceRect_.Height());
      break;
    default: break;
  }
  if (x >= itemWidth || y >= itemHeight) return false;
  const TColor colour = list->GetColorAtPoint(TPoint(x, y), face.ListIndex, face.ImageIndex);
  return ColorToRGB(colour) != ColorToRGB(transColor_);
}

// ---- the form stream ----

void TVyrCustomMMButton::ReadIndices(TStream* Stream) {
  if (Stream->GetSize() != kIndicesSize) throw EReadError("ButtonFaceIndicesNew: ungültige Länge");
  std::int32_t values[2 * kStreamedStates];
  Stream->ReadBuffer(values, kIndicesSize);
  for (int i = 0; i < kStreamedStates; ++i) faces_[i] = VyrFaceIndex(values[i], values[kStreamedStates + i]);
  faces_[static_cast<int>(S::bsDisabledDown)] = TVyrButtonFaceIndex();
}

void TVyrCustomMMButton::WriteIndices(TStream* Stream) {
  std::int32_t values[2 * kStreamedStates];
  for (int i = 0; i < kStreamedStates; ++i) {
    values[i] = faces_[i].ListIndex;
    values[kStreamedStates + i] = faces_[i].ImageIndex;
  }
  Stream->WriteBuffer(values, kIndicesSize);
}

void TVyrCustomMMButton::ReadTransCol(TStream* Stream) {
  if (Stream->GetSize() != kTransColSize) throw EReadError("ButtonFaceTransColNew: ungültige Länge");
  std::int32_t value = 0;
  Stream->ReadBuffer(&value, kTransColSize);
  transColor_ = static_cast<TColor>(value);
}

void TVyrCustomMMButton::WriteTransCol(TStream* Stream) {
  const auto value = static_cast<std::int32_t>(transColor_);
  Stream->WriteBuffer(&value, kTransColSize);
}

// Older forms wrote the pairs one after the other as raw bytes.
void TVyrCustomMMButton::ReadLegacyIndices(TReader* Reader) {
  std::int32_t values[2 * kStreamedStates];
  Reader->Read(values, kIndicesSize);
  for (int i = 0; i < kStreamedStates; ++i) faces_[i] = VyrFaceIndex(values[2 * i], values[2 * i + 1]);
  faces_[static_cast<int>(S::bsDisabledDown)] = TVyrButtonFaceIndex();
}

void TVyrCustomMMButton::ReadLegacyTransCol(TReader* Reader) {
  std::int32_t value = 0;
  Reader->Read(&value, kTransColSize);
  transColor_ = static_cast<TColor>(value);
}

void TVyrCustomMMButton::DefineProperties(TFiler* Filer) {
  TVyrBaseGraphicButton::DefineProperties(Filer);
  faceLink_.DefineInternal(Filer, "ButtonFace");
  Filer->DefineProperty("ButtonFaceIndices", TReaderProc(this, &TVyrCustomMMButton::ReadLegacyIndices), nullptr,
                        false);
  Filer->DefineBinaryProperty("ButtonFaceIndicesNew", TStreamProc(this, &TVyrCustomMMButton::ReadIndices),
                              TStreamProc(this, &TVyrCustomMMButton::WriteIndices), true);
  Filer->DefineProperty("ButtonFaceTransCol", TReaderProc(this, &TVyrCustomMMButton::ReadLegacyTransCol), nullptr,
                        false);
  Filer->DefineBinaryProperty("ButtonFaceTransColNew", TStreamProc(this, &TVyrCustomMMButton::ReadTransCol),
                              TStreamProc(this, &TVyrCustomMMButton::WriteTransCol), true);
}

}  // namespace Vyrbtn
