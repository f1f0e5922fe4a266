// The picture buttons: the current face composed through its mask onto an
// off-screen bitmap, the up mask as the hit area, and the strip in the form
// stream.
#include <algorithm>

#include "bitmap_class.h"
#include "canvas.h"
#include "classregistry.h"
#include "colors.h"
#include "exceptions.h"
#include "pen.h"
#include "reader.h"
#include "streams.h"
#include "vyrcont.h"
#include "vyrmms_buttons.h"
#include "vyrutils.h"
#include "writer.h"

namespace Vyrmms {

using S = TVyrButtonState;

namespace {

bool Sunk(S State) { return State == S::bsOptionSet || State == S::bsDown || State == S::bsDropDownOpen; }

void Fill(TBitmap* Bitmap, TColor Colour) {
  Bitmap->GetCanvas()->GetBrush()->SetColor(Colour);
  Bitmap->GetCanvas()->FillRect(TRect(0, 0, Bitmap->GetWidth(), Bitmap->GetHeight()));
}

}  // namespace

TVyrCustom3DButton::TVyrCustom3DButton(TComponent* AOwner)
    : Vyrbtn::TVyrBaseGraphicButton(AOwner),
      buttonFace_(std::make_unique<Vyrbtn::TVyrButtonFace>()),
      clip_(std::make_unique<TVyrClip>()) {
  controlStyle_.Include(csOpaque);
  controlStyle_.Exclude(csClickEvents);
  SetBounds(left_, top_, 50, 50);
}

TVyrCustom3DButton::~TVyrCustom3DButton() = default;

void TVyrCustom3DButton::SetQuickDraw(bool Value) {
  if (quickDraw_ == Value) return;
  quickDraw_ = Value;
  Invalidate();
}

void TVyrCustom3DButton::Set3DPics(TBitmap* UpFace, TBitmap* DownFace, TBitmap* DisabledFace, TBitmap* UpMask,
                                   TBitmap* DownMask, TBitmap* DisabledMask) {
  if (!UpFace || UpFace->GetEmpty()) return;
  clip_->Clear();
  TBitmap* pictures[] = {UpFace, DownFace, DisabledFace, UpMask, DownMask, DisabledMask};
  for (int i = 0; i < 6; ++i) clip_->SetCell(i, pictures[i]);
  // Missing pictures still count as cells.
  if (clip_->GetCount() < 6) {
    TBitmap blank;
    blank.SetSize(clip_->GetCellWidth(), clip_->GetCellHeight());
    Fill(&blank, clWhite);
    clip_->SetCell(5, &blank);
  }
  Invalidate();
}

void TVyrCustom3DButton::GetChange(TObject*) {
  if (!Loading()) Invalidate();
}

bool TVyrCustom3DButton::VerifyTransparency(int X, int Y) {
  TBitmap* strip = clip_->GetBitmap();
  if (!strip) return true;
  if (X < 0 || X >= clip_->GetCellWidth() || Y < 0 || Y >= clip_->GetCellHeight()) return false;
  const int x = 3 * clip_->GetCellWidth() + X;
  if (x >= strip->GetWidth() || Y >= strip->GetHeight()) return false;
  return ColorToRGB(strip->GetCanvas()->GetPixels(x, Y)) == 0;
}

void TVyrCustom3DButton::Paint() {
  if (Loading()) return;
  TCanvas* canvas = GetCanvas();
  const TRect client = GetClientRect();
  if (clip_->IsEmpty()) {
    if (!GetTransparent()) FillControl();
    canvas->GetPen()->SetStyle(psSolid);
    canvas->GetPen()->SetColor(clBtnText);
    canvas->GetBrush()->SetStyle(bsClear);
    canvas->Rectangle(0, 0, width_, height_);
    DrawGlyphAndText(canvas, client);
    return;
  }
  TBitmap back;
  back.SetSize(width_, height_);
  back.GetCanvas()->GetBrush()->SetColor(GetColor());
  if (!(CheckOptimized() && PaintBackground(back.GetCanvas()))) Fill(&back, GetColor());

  int face = -1, mask = -1;
  if (!GetEnabled()) {
    face = 2;
    mask = 5;
  } else if (state_ == S::bsUp || state_ == S::bsMouseOver) {
    face = 0;
    mask = 3;
  } else if (Sunk(state_)) {
    face = 1;
    mask = 4;
  }
  TBitmap faceCell, maskCell;
  faceCell.SetSize(clip_->GetCellWidth(), clip_->GetCellHeight());
  maskCell.SetSize(clip_->GetCellWidth(), clip_->GetCellHeight());
  // A state without a look draws nothing: a white mask hides everything.
  Fill(&faceCell, clWhite);
  Fill(&maskCell, clWhite);
  if (face >= 0) {
    clip_->GetCell(face, &faceCell);
    clip_->GetCell(mask, &maskCell);
  }
  if (!faceCell.GetEmpty() && !maskCell.GetEmpty()) {
    const TRect cell(0, 0, std::min(faceCell.GetWidth(), maskCell.GetWidth()),
                     std::min(faceCell.GetHeight(), maskCell.GetHeight()));
    // The masked draw ORs the face in where the mask is black: outside it
    // the face must be black, whatever the picture holds there.
    TBitmap inverse;
    inverse.SetSize(cell.Width(), cell.Height());
    inverse.GetCanvas()->SetCopyMode(cmNotSrcCopy);
    inverse.GetCanvas()->CopyRect(cell, maskCell.GetCanvas(), cell);
    faceCell.GetCanvas()->SetCopyMode(cmSrcAnd);
    faceCell.GetCanvas()->CopyRect(cell, inverse.GetCanvas(), cell);
    const TColor transparent = faceCell.GetCanvas()->GetPixels(0, height_ - 1);
    Vyrutils::VyrBmpDrawExt(back.GetCanvas(), client, faceCell.GetCanvas(), cell, 0x100, transparent,
                            clip_->GetPalette(), maskCell.GetCanvas());
  }
  TRect content = client;
  if (Sunk(state_)) OffsetRect(&content, 1, 1);
  DrawGlyphAndText(back.GetCanvas(), content);
  canvas->SetCopyMode(cmSrcCopy);
  canvas->CopyRect(client, back.GetCanvas(), client);
}

// ---- the form stream ----

void TVyrCustom3DButton::ReadCount(TReader* Reader) {
  const Int64 value = Reader->ReadInt64();
  if (value < 0 || value > 255) throw EReadError("CellCount: ungültiger Wert");
  clip_->SetCount(static_cast<int>(value));
}

void TVyrCustom3DButton::WriteCount(TWriter* Writer) { Writer->WriteInteger(clip_->GetCount()); }

void TVyrCustom3DButton::ReadCellWidth(TReader* Reader) {
  const Int64 value = Reader->ReadInt64();
  if (value < 0 || value > 0xFFFF) throw EReadError("CellWidth: ungültiger Wert");
  clip_->SetCellWidth(static_cast<int>(value));
}

void TVyrCustom3DButton::WriteCellWidth(TWriter* Writer) { Writer->WriteInteger(clip_->GetCellWidth()); }

void TVyrCustom3DButton::ReadStrip(TStream* Stream) {
  Byte compressed = 0;
  Stream->ReadBuffer(&compressed, 1);
  // Into a bitmap of its own: a strip that fails to read leaves the clip
  // as it was.
  auto strip = std::make_unique<TBitmap>();
  Vyrutils::stReadBitmap(Stream, strip.get(), compressed != 0);
  compressed_ = compressed != 0;
  clip_->TakeStrip(std::move(strip));
}

void TVyrCustom3DButton::WriteStrip(TStream* Stream) {
  const Byte compressed = compressed_ ? 1 : 0;
  Stream->WriteBuffer(&compressed, 1);
  Vyrutils::stWriteBitmap(Stream, clip_->GetBitmap(), compressed_, Vyrcont::VyrSavePixelFormatColors(pixelFormat_));
}

void TVyrCustom3DButton::DefineProperties(TFiler* Filer) {
  Vyrbtn::TVyrBaseGraphicButton::DefineProperties(Filer);
  const bool cells = clip_->GetCount() > 0;
  Filer->DefineProperty("CellCount", TReaderProc(this, &TVyrCustom3DButton::ReadCount),
                        TWriterProc(this, &TVyrCustom3DButton::WriteCount), cells);
  Filer->DefineProperty("CellWidth", TReaderProc(this, &TVyrCustom3DButton::ReadCellWidth),
                        TWriterProc(this, &TVyrCustom3DButton::WriteCellWidth), cells);
  Filer->DefineBinaryProperty("CellBitmap", TStreamProc(this, &TVyrCustom3DButton::ReadStrip),
                              TStreamProc(this, &TVyrCustom3DButton::WriteStrip),
                              cells && clip_->GetBitmap() && !clip_->GetBitmap()->GetEmpty());
}

TVyr3DEffectButton::TVyr3DEffectButton(TComponent* AOwner) : TVyrCustom3DButton(AOwner) { SetQuickDraw(false); }

// ---- published ----

void TVyrCustom3DButton::Publish(TPublisher<TVyrCustom3DButton>& P) {
  using B = TVyrCustom3DButton;
  // Written always, whatever its value.
  P.Bool("AllowTransparency", &B::GetAllowTransparency, &B::SetAllowTransparency);
  P.Object("ButtonFace", &B::GetButtonFace);
  P.Bool("Compressed", &B::GetCompressed, &B::SetCompressed, false);
  P.Integer("GroupIndex", &B::GetGroupIndex, &B::SetGroupIndex, 0);
  P.Bool("Pressed", &B::GetPressed, &B::SetPressed, false);
  P.Component("DropDownMenu", &B::GetDropDownMenu, &B::SetDropDownMenu);
  P.Integer("DropDownIndent", &B::GetDropDownIndent, &B::SetDropDownIndent, 0);
  P.Bool("DropDownRight", &B::GetDropDownRight, &B::SetDropDownRight, false);
  P.Enum("PixelFormat", &B::GetPixelFormat, &B::SetPixelFormat, {"spfDefault", "spfMono", "spf4bit", "spf8bit"}, 0);
  P.Bool("Transparent", &B::GetTransparent, &B::SetTransparent, false);
}

void TVyr3DEffectButton::Publish(TPublisher<TVyr3DEffectButton>& P) {
  P.Bool("QuickDraw", &TVyr3DEffectButton::GetQuickDraw, &TVyr3DEffectButton::SetQuickDraw, false);
}

void TVyr3DCaptionButton::Publish(TPublisher<TVyr3DCaptionButton>&) {}

void InitializeButtons() {
  RegisterClasses({TVyr3DEffectButton::StaticClass(), TVyr3DCaptionButton::StaticClass()});
}

void FinalizeButtons() {}

}  // namespace Vyrmms
