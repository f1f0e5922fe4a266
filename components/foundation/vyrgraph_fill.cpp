// Fills: the picture or gradient of a shape, and a control's background
// fill with its brush, alignment and options.
#include "brush.h"
#include "dc.h"
#include "vyrgraph.h"
#include "vyrgraph_setter.h"
#include "vyrutils.h"
#include "vyrutils_clip.h"

namespace Vyrgraph {

using Detail::StoreIfChanged;

namespace {

const std::initializer_list<const char*> kFillStyles{"sfNone",   "sfBrushBitmap", "sfBrush",
                                                     "sfBitmap", "sfBitmapList",  "sfGradient"};

bool HasPicture(const TBitmap* Bitmap) { return Bitmap && !Bitmap->GetEmpty(); }

}  // namespace

// ---- TVyrShapeFill ----
void TVyrShapeFill::Publish(TPublisher<TVyrShapeFill>& P) {
  P.Object("Bitmap", &TVyrShapeFill::GetBitmapProp);
  P.Object("Gradient", &TVyrShapeFill::GetGradient);
  P.Enum("Style", &TVyrShapeFill::GetStyle, &TVyrShapeFill::SetStyle, kFillStyles,
         static_cast<Int64>(TVyrFillStyle::sfBrush));
  P.Enum("TileMode", &TVyrShapeFill::GetTileMode, &TVyrShapeFill::SetTileMode,
         {"tmNone", "tmCenter", "tmStretch", "tmTile"}, static_cast<Int64>(TVyrTileMode::tmTile));
}

TVyrShapeFill::TVyrShapeFill()
    : bitmap_(std::make_unique<TBitmap>()),
      listBitmap_(std::make_unique<TBitmap>()),
      gradient_(std::make_unique<TVyrGradient>()) {
  bitmap_->OnChange = TNotifyEvent(this, &TVyrShapeFill::GetChange);
  gradient_->SetOnChange(TNotifyEvent(this, &TVyrShapeFill::GetChange));
}

TVyrShapeFill::~TVyrShapeFill() = default;

void TVyrShapeFill::SetStyle(TVyrFillStyle Value) {
  if (StoreIfChanged(style_, Value)) Change();
}
void TVyrShapeFill::SetTileMode(TVyrTileMode Value) {
  if (StoreIfChanged(tileMode_, Value)) Change();
}

TBitmap* TVyrShapeFill::GetBitmap() const {
  if (style_ == TVyrFillStyle::sfBitmap) return bitmap_.get();
  if (style_ == TVyrFillStyle::sfBitmapList) return listBitmap_.get();
  return nullptr;
}

void TVyrShapeFill::SetListBitmap(TBitmap* Value) {
  listBitmap_->Assign(Value);
  if (style_ == TVyrFillStyle::sfBitmapList) Change();
}

bool TVyrShapeFill::GetEmpty() const {
  switch (style_) {
    case TVyrFillStyle::sfNone: return true;
    case TVyrFillStyle::sfBitmap:
    case TVyrFillStyle::sfBitmapList: return !HasPicture(GetBitmap());
    default: return false;
  }
}

bool TVyrShapeFill::GetMustRedraw() const {
  switch (style_) {
    case TVyrFillStyle::sfBrushBitmap:
    case TVyrFillStyle::sfBrush: return false;
    case TVyrFillStyle::sfBitmap:
    case TVyrFillStyle::sfBitmapList: return tileMode_ != TVyrTileMode::tmTile;
    default: return true;
  }
}

HPALETTE TVyrShapeFill::GetPalette() const {
  switch (style_) {
    case TVyrFillStyle::sfBrushBitmap: return bitmap_->GetPalette();
    case TVyrFillStyle::sfBitmap:
    case TVyrFillStyle::sfBitmapList: return GetBitmap()->GetPalette();
    case TVyrFillStyle::sfGradient: return gradient_->GetPalette();
    default: return nullptr;
  }
}

void TVyrShapeFill::CopyShapeFill(const TVyrShapeFill& Source) {
  bitmap_->Assign(Source.bitmap_.get());
  listBitmap_->Assign(Source.listBitmap_.get());
  gradient_->Assign(Source.gradient_.get());
  SetStyle(Source.style_);
  SetTileMode(Source.tileMode_);
}

void TVyrShapeFill::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TVyrShapeFill*>(Source);
  if (!src) {
    TVyrObject::Assign(Source);
    return;
  }
  Detail::CopyAsOneChange(this, [&] { CopyShapeFill(*src); });
}

// ---- TVyrFillObject ----
void TVyrFillObject::Publish(TPublisher<TVyrFillObject>& P) {
  P.Enum("Alignment", &TVyrFillObject::GetAlignment, &TVyrFillObject::SetAlignment,
         {"agTopLeft", "agTopCenter", "agTopRight", "agCenterLeft", "agCenter", "agCenterRight", "agBottomLeft",
          "agBottomCenter", "agBottomRight"},
         0);
  P.Integer("OffsetX", &TVyrFillObject::GetOffsetX, &TVyrFillObject::SetOffsetX, 0);
  P.Integer("OffsetY", &TVyrFillObject::GetOffsetY, &TVyrFillObject::SetOffsetY, 0);
  P.Object("Brush", &TVyrFillObject::GetBrush);
  P.Set("Options", &TVyrFillObject::GetOptions, &TVyrFillObject::SetOptions,
        {"foFillInner", "foQuickDraw", "foGrUseBitmap"},
        static_cast<Int64>(TVyrFillOptions{TVyrFillOption::foFillInner, TVyrFillOption::foGrUseBitmap}.Bits()));
  P.Enum("Style", &TVyrFillObject::GetStyle, &TVyrFillObject::SetStyle, kFillStyles, 0);
}

TVyrFillObject::TVyrFillObject() : brush_(std::make_unique<TBrush>()) {
  style_ = TVyrFillStyle::sfNone;
  brush_->OnChange = TNotifyEvent(this, &TVyrFillObject::GetChange);
}

TVyrFillObject::~TVyrFillObject() = default;

void TVyrFillObject::SetAlignment(TVyrAlignment Value) {
  if (StoreIfChanged(alignment_, Value)) Change();
}
void TVyrFillObject::SetOffsetX(int Value) {
  if (StoreIfChanged(offsetX_, Value)) Change();
}
void TVyrFillObject::SetOffsetY(int Value) {
  if (StoreIfChanged(offsetY_, Value)) Change();
}
void TVyrFillObject::SetOptions(TVyrFillOptions Value) {
  if (StoreIfChanged(options_, Value)) Change();
}

void TVyrFillObject::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TVyrFillObject*>(Source);
  if (!src) {
    TVyrShapeFill::Assign(Source);
    return;
  }
  Detail::CopyAsOneChange(this, [&] {
    CopyShapeFill(*src);
    SetAlignment(src->alignment_);
    SetOffsetX(src->offsetX_);
    SetOffsetY(src->offsetY_);
    brush_->Assign(src->brush_.get());
    SetOptions(src->options_);
  });
}

void TVyrFillObject::FillBackground(TCanvas* Canvas, const TRect& R, TColor BackColor) const {
  if (!options_.Contains(TVyrFillOption::foFillInner)) return;
  Canvas->GetBrush()->SetBitmap(nullptr);
  Canvas->GetBrush()->SetStyle(bsSolid);
  Canvas->GetBrush()->SetColor(BackColor);
  Canvas->FillRect(R);
}

bool TVyrFillObject::FillCanvas(TCanvas* Canvas, const TRect& R, TColor BackColor) {
  switch (style_) {
    case TVyrFillStyle::sfBrushBitmap: {
      TBitmap* picture = GetBitmapProp();
      if (!HasPicture(picture)) return false;
      // The platform's pattern brushes take a bitmap of any size, as on NT.
      Canvas->GetBrush()->SetBitmap(picture);
      Canvas->FillRect(R);
      Canvas->GetBrush()->SetBitmap(nullptr);
      return true;
    }
    case TVyrFillStyle::sfBrush:
      Canvas->GetBrush()->Assign(brush_.get());
      if (brush_->GetStyle() != bsSolid) SetBkColor(Canvas->GetHandle(), static_cast<COLORREF>(ColorToRGB(BackColor)));
      Canvas->FillRect(R);
      return true;
    case TVyrFillStyle::sfBitmap:
    case TVyrFillStyle::sfBitmapList: {
      TBitmap* picture = GetBitmap();
      if (!HasPicture(picture)) {
        FillBackground(Canvas, R, BackColor);
        return false;
      }
      std::uint16_t flags = options_.Contains(TVyrFillOption::foQuickDraw) ? 0 : 0x1000;
      TRect target = R;
      switch (GetTileMode()) {
        case TVyrTileMode::tmNone: {
          FillBackground(Canvas, R, BackColor);
          const TRect placed =
              Vyrutils::VyrAlignRect(alignment_, TRect(0, 0, picture->GetWidth(), picture->GetHeight()), R);
          target = TRect(placed.left + offsetX_, placed.top + offsetY_, placed.right + offsetX_, placed.bottom + offsetY_);
          break;
        }
        case TVyrTileMode::tmCenter:
          FillBackground(Canvas, R, BackColor);
          flags |= 0x0008;
          break;
        case TVyrTileMode::tmStretch: flags |= 0x0010; break;
        case TVyrTileMode::tmTile: flags |= 0x0020; break;
      }
      Vyrutils::VyrBmpDraw(Canvas, target, picture, flags, 0);
      return true;
    }
    case TVyrFillStyle::sfGradient: {
      TVyrGradient* gradient = GetGradient();
      std::uint16_t flags = options_.Contains(TVyrFillOption::foGrUseBitmap) ? 0x0004 : 0;
      if (gradient->GetPaletteRealize()) flags |= 0x1000;
      Vyrutils::VyrGradientPaintExt(Canvas, R, gradient->GetStyle(), gradient->GetColorList(), gradient->GetPalette(),
                                    flags, 0);
      return true;
    }
    case TVyrFillStyle::sfNone: return false;
  }
  return false;
}

bool TVyrFillObject::ClipFill(TCanvas* Canvas, const TRect& R, int Offset, TColor BackColor) {
  if (style_ == TVyrFillStyle::sfGradient && options_.Contains(TVyrFillOption::foGrUseBitmap))
    return FillCanvas(Canvas, R, BackColor);
  Vyrutils::Detail::ClipScope clip(Canvas->GetHandle(), Vyrutils::Detail::ClipRectWithOffset(R, Offset));
  return FillCanvas(Canvas, R, BackColor);
}

bool TVyrFillObject::GetTransparent() const {
  const bool fillInner = options_.Contains(TVyrFillOption::foFillInner);
  switch (style_) {
    case TVyrFillStyle::sfNone: return true;
    case TVyrFillStyle::sfBrush: return brush_->GetStyle() != bsSolid && !fillInner;
    case TVyrFillStyle::sfBitmap:
    case TVyrFillStyle::sfBitmapList:
      return (GetTileMode() == TVyrTileMode::tmNone || GetTileMode() == TVyrTileMode::tmCenter) && !fillInner;
    default: return false;
  }
}

}  // namespace Vyrgraph
