#include "bitmap_class.h"
#include "palette.h"
#include "rgn.h"
#include "vyrclass.h"
#include "vyrctrl.h"
#include "vyrprocs.h"
#include "vyrsysin.h"

namespace Vyrctrl {

namespace {

constexpr int kDrawTile = 0x20;
constexpr int kDrawUsePalette = 0x1000;

// Tiled, with the list's palette unless the screen has too few colours and
// the application object asks to leave palettes alone there.
int BackDrawFlags() {
  const bool paletteOff = Vyrclass::VyrApplication &&
                          Vyrclass::VyrApplication->GetOptions().Contains(
                              Vyrclass::TVyrApplicationOption::aoAutoRealizePalette) &&
                          Vyrsysin::VyrSIColorDepth() < 9;
  return paletteOff ? kDrawTile : kDrawTile | kDrawUsePalette;
}

}  // namespace

TVyrCustomParentPanel::TVyrCustomParentPanel(TComponent* AOwner) : TVyrCustomBevelPanel(AOwner) {}

TVyrCustomParentPanel::~TVyrCustomParentPanel() = default;

void TVyrCustomParentPanel::CreateBack(bool Force) {
  if (IMLEmpty() || GetTransparent()) {
    back_.reset();
    SetRepaintOnChange(true);
    return;
  }
  if (!back_) back_ = std::make_unique<TBitmap>();
  if (!Force && Vyrprocs::VyrRectinRect(GetClientRect(), TRect(0, 0, back_->GetWidth(), back_->GetHeight()))) return;
  back_->SetSize(width_, height_);
  GetImageLink().ClipDraw(back_->GetCanvas(), TRect(0, 0, back_->GetWidth(), back_->GetHeight()), BackDrawFlags());
}

HPALETTE TVyrCustomParentPanel::GetPalette() { return IMLEmpty() ? nullptr : GetImageLink().Palette(); }

HPALETTE TVyrCustomParentPanel::BackBitmapPalette() { return back_ ? GetPalette() : nullptr; }

void TVyrCustomParentPanel::WMSize(TMessage& Message) {
  if (!Loading()) CreateBack(false);
  TVyrCustomBevelPanel::WMSize(Message);
}

void TVyrCustomParentPanel::Loaded() {
  TVyrCustomBevelPanel::Loaded();
  // At run time the first size message makes the bitmap.
  if (Designing()) CreateBack(true);
}

void TVyrCustomParentPanel::GetIMLChange(TObject* Sender) {
  CreateBack(true);
  GetChange(Sender);
  NotifyControls(Vyrcctrl::CM_VYRBACKCHANGED);
}

void TVyrCustomParentPanel::GetChange(TObject* Sender) { TVyrCustomBevelPanel::GetChange(Sender); }

bool TVyrCustomParentPanel::GetEmpty() { return TVyrCustomBevelPanel::GetEmpty() && IMLEmpty(); }

void TVyrCustomParentPanel::Notification(TComponent* AComponent, TOperation Operation) {
  const bool wasList = Operation == opRemove && AComponent &&
                       static_cast<void*>(AComponent) == static_cast<void*>(GetImageList());
  TVyrCustomBevelPanel::Notification(AComponent, Operation);
  if (wasList) SetRepaintOnChange(true);
}

bool TVyrCustomParentPanel::CheckOptimized() { return back_ != nullptr || BackBitmapCheck(); }

void TVyrCustomParentPanel::FillControl() {
  TCanvas* canvas = GetCanvas();
  if (CheckOptimized() && BackDrawArea(canvas, GetClientRect(), TPoint(left_, top_), 0)) return;
  canvas->GetBrush()->SetStyle(bsSolid);
  canvas->GetBrush()->SetColor(GetColor());
  canvas->FillRect(GetClientRect());
}

void TVyrCustomParentPanel::Paint() {
  if (Loading()) return;
  FillControl();
  if (!GetEmpty()) {
    TRect inner;
    GetBevel()->PaintBevel(GetCanvas(), GetClientRect(), inner, true);
  } else if (Designing()) {
    DrawDashedFrame();
  }
}

bool TVyrCustomParentPanel::BackBitmapCheck() { return back_ != nullptr || PassBackCheck(); }

TBitmap* TVyrCustomParentPanel::BackBitmap() { return back_ ? back_.get() : PassBackBitmap(); }

TPoint TVyrCustomParentPanel::BackMapPoint(const TPoint& P) { return back_ ? P : PassBackMapPoint(P); }

bool TVyrCustomParentPanel::BackDrawArea(TCanvas* Canvas, const TRect& Rect, const TPoint& Point, int) {
  if (Loading()) return false;
  if (!back_) return PassBackDrawArea(Canvas, Rect, Point);
  TRect target = Rect;
  TPoint source(Point.x - left_, Point.y - top_);
  if (Rect == GetClientRect()) {
    // The panel paints itself: only what the clip leaves open.
    RECT clip{};
    GetClipBox(Canvas->GetHandle(), &clip);
    target = TRect(clip.left, clip.top, clip.right, clip.bottom);
    source = TPoint(clip.left, clip.top);
  }
  HPALETTE palette = quickDraw_ ? nullptr : BackBitmapPalette();
  if (palette) {
    SelectPalette(Canvas->GetHandle(), palette, FALSE);
    RealizePalette(Canvas->GetHandle());
  }
  Canvas->CopyRect(target, back_->GetCanvas(), Bounds(source.x, source.y, target.Width(), target.Height()));
  return true;
}

}  // namespace Vyrctrl
