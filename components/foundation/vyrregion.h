// Window regions of twelve shapes, the frames painted along them, and the
// component that gives its form such an outline.
//
// A region handed to a window with SetWindowRgn belongs to the window from
// then on: the objects here keep the handle only as a reference and delete
// only regions they still own (built and not yet applied).
#pragma once

#include <memory>
#include <span>
#include <vector>

#include "bitmap_class.h"
#include "canvas.h"
#include "rgn.h"
#include "unitstartup.h"
#include "vyrclass.h"
#include "vyrgraph.h"

class TWinControl;

namespace Vyrcont {
class TVyrCustomImageList;
class TVyrChangeLink;
}  // namespace Vyrcont

namespace Vyrregion {

enum class TVyrRegionShape {
  rsRect, rsRoundRect, rsBitmap, rsElliptic, rsStar, rsRoundShield, rsSharpShield, rsDiamond, rsOctagon, rsComb,
  rsHalfRound, rsUserRegion
};
enum class TVyrRegionBorderStyle {
  rbNone, rbLowered, rbRaised, rbSingle, rbSingleRaised, rbSingleLowered, rbRaisedpsb, rbLoweredpsb
};

// ---- the outlines, in the order the builders and painters walk them ----
std::vector<TPoint> VyrDiamondPoints(const TRect& R);
std::vector<TPoint> VyrStarPoints(const TRect& R);
std::vector<TPoint> VyrOctagonPoints(const TRect& R);
std::vector<TPoint> VyrCombPoints(const TRect& R);

// ---- region builders: a new region of R, owned by the caller ----
HRGN VyrCreateDiamondRgn(const TRect& R);
HRGN VyrCreateStarRgn(const TRect& R);
HRGN VyrCreateOctagonRgn(const TRect& R);
HRGN VyrCreateCombRgn(const TRect& R);
// The shields work from (0, 0): only R's size counts.
HRGN VyrCreateRoundShieldRgn(const TRect& R);
HRGN VyrCreateSharpShieldRgn(const TRect& R);
// The lower half of the ellipse centred on R's top edge.
HRGN VyrCreateHalfRoundRgn(const TRect& R);

// ---- frame painters: with the canvas pen, the brush left alone ----
// rbRaised draws the lit pieces in Light and the shaded ones in Shadow,
// rbLowered the other way round; the single styles add a Single outline.
using TVyrFramePainter = void (*)(TCanvas* Canvas, const TRect& Rect, TColor LightColor, TColor ShadowColor,
                                  TColor SingleColor, TVyrRegionBorderStyle Style);
void VyrFrameRectRgn(TCanvas* Canvas, const TRect& Rect, TColor LightColor, TColor ShadowColor, TColor SingleColor,
                     TVyrRegionBorderStyle Style);
void VyrFrameDiamondRgn(TCanvas* Canvas, const TRect& Rect, TColor LightColor, TColor ShadowColor,
                        TColor SingleColor, TVyrRegionBorderStyle Style);
void VyrFrameStarRgn(TCanvas* Canvas, const TRect& Rect, TColor LightColor, TColor ShadowColor, TColor SingleColor,
                     TVyrRegionBorderStyle Style);
void VyrFrameOctagonRgn(TCanvas* Canvas, const TRect& Rect, TColor LightColor, TColor ShadowColor,
                        TColor SingleColor, TVyrRegionBorderStyle Style);
void VyrFrameCombRgn(TCanvas* Canvas, const TRect& Rect, TColor LightColor, TColor ShadowColor, TColor SingleColor,
                     TVyrRegionBorderStyle Style);
void VyrFrameRoundShieldRgn(TCanvas* Canvas, const TRect& Rect, TColor LightColor, TColor ShadowColor,
                            TColor SingleColor, TVyrRegionBorderStyle Style);
void VyrFrameSharpShieldRgn(TCanvas* Canvas, const TRect& Rect, TColor LightColor, TColor ShadowColor,
                            TColor SingleColor, TVyrRegionBorderStyle Style);
void VyrFrameEllipticRgn(TCanvas* Canvas, const TRect& Rect, TColor LightColor, TColor ShadowColor,
                         TColor SingleColor, TVyrRegionBorderStyle Style);
void VyrFrameHalfRoundRgn(TCanvas* Canvas, const TRect& Rect, TColor LightColor, TColor ShadowColor,
                          TColor SingleColor, TVyrRegionBorderStyle Style);
// Leaves the pen 4 wide.
void VyrFrameRoundRectRgn(TCanvas* Canvas, const TRect& Rect, TColor LightColor, TColor ShadowColor,
                          TColor SingleColor, TVyrRegionBorderStyle Style, int RoundX, int RoundY);

// The frame's style and colours.
class TVyrRegionBorder : public Vyrclass::TVyrObject {
  MORVANT_PUBLISHED(TVyrRegionBorder, Vyrclass::TVyrObject)
 public:
  TVyrRegionBorder() = default;
  void Assign(TPersistent* Source) override;

  TVyrRegionBorderStyle GetStyle() const { return style_; }
  void SetStyle(TVyrRegionBorderStyle Value);
  TColor GetLightColor() const { return lightColor_; }
  TColor GetShadowColor() const { return shadowColor_; }
  TColor GetSingleColor() const { return singleColor_; }
  // Index 0 LightColor, 1 ShadowColor, 2 SingleColor.
  void SetColor(int Index, TColor Value);
  void SetLightColor(TColor Value) { SetColor(0, Value); }
  void SetShadowColor(TColor Value) { SetColor(1, Value); }
  void SetSingleColor(TColor Value) { SetColor(2, Value); }

 private:
  TVyrRegionBorderStyle style_ = TVyrRegionBorderStyle::rbSingle;
  TColor lightColor_ = clBtnHighlight;
  TColor shadowColor_ = clBtnShadow;
  TColor singleColor_ = clBlack;
};

// A region of one shape for a window, with the frame along it.
class TVyrRegion : public Vyrclass::TVyrObject {
  MORVANT_PUBLISHED(TVyrRegion, Vyrclass::TVyrObject)
 public:
  // The region is for Owner's window (not owned; may be nullptr).
  explicit TVyrRegion(TWinControl* Owner = nullptr);
  ~TVyrRegion() override;
  // Shape, corners, border, mask and user region data, then one change.
  void Assign(TPersistent* Source) override;

  TVyrRegionShape GetShape() const { return shape_; }
  void SetRegionShape(TVyrRegionShape Value);
  // Stored always; a change fires only under rsRoundRect, where it shows.
  int GetRoundX() const { return roundX_; }
  void SetRoundX(int Value);
  int GetRoundY() const { return roundY_; }
  void SetRoundY(int Value);
  TVyrRegionBorder* GetBorder() const { return border_.get(); }
  void SetBorder(TVyrRegionBorder* Value) { border_->Assign(Value); }
  Vyrclass::TVyrRegionMask* GetMask() const { return mask_.get(); }
  void SetMask(Vyrclass::TVyrRegionMask* Value) { mask_->Assign(Value); }

  TWinControl* GetOwnerControl() const { return ownerControl_; }
  void SetOwnerControl(TWinControl* Value) { ownerControl_ = Value; }
  // The region last built (still owned or handed on), or nullptr.
  HRGN GetRegionHandle() const { return region_; }
  // Whether this object still owns the built region.
  bool OwnsRegion() const { return region_ && ownsRegion_; }

  // Builds the region of the shape for Rect; none for rsBitmap without
  // mask data or rsUserRegion without user data.
  void CreateRegion(const TRect& Rect);
  // A plain rectangle in place of the shape (a minimised form).
  void CreateSpecialRectRgn(const TRect& Rect);
  // Hands the built region to the owner's window.
  void SetRegion();
  // Takes the window region away and forgets the built region.
  void FreeRegion();
  // Pen 2 wide, clear brush, then the painter of the shape.
  void PaintRegionShape(TCanvas* Canvas, const TRect& Rect);

  // The caller keeps Rgn; its data is the region of rsUserRegion.
  void SetUserRgn(HRGN Rgn);
  void SetUserPolygonRgn(std::span<const TPoint> Points);
  const std::vector<Byte>& GetUserRegionData() const { return userData_; }

 private:
  bool BeginBuild();
  void KeepBuilt(HRGN Rgn);
  void DeleteOwned();

  TVyrRegionShape shape_ = TVyrRegionShape::rsRoundRect;
  std::unique_ptr<TVyrRegionBorder> border_;
  std::unique_ptr<Vyrclass::TVyrRegionMask> mask_;
  int roundX_ = 20;
  int roundY_ = 20;
  HRGN region_ = nullptr;
  bool ownsRegion_ = false;
  TWinControl* ownerControl_ = nullptr;
  std::vector<Byte> userData_;
};

// The region with its border published as well.
class TVyrBorderRegion : public TVyrRegion {
  MORVANT_PUBLISHED(TVyrBorderRegion, TVyrRegion)
 public:
  using TVyrRegion::TVyrRegion;
};

// Gives its owner form a shaped window: the region follows the form's size
// and settings, free client area drags the form, and the background (a fill
// or the mask's picture) is painted on erase. Transparent controls placed
// on the form take the piece of that background behind them from here.
class TVyrFormShape : public Vyrclass::TVyrWndProcComponent {
  MORVANT_COMPONENT(TVyrFormShape, Vyrclass::TVyrWndProcComponent)
 public:
  explicit TVyrFormShape(TComponent* AOwner);
  ~TVyrFormShape() override;
  void AfterConstruction() override;
  void BeforeDestruction() override;

  TVyrBorderRegion* GetRegion() const { return region_.get(); }
  void SetRegion(TVyrBorderRegion* Value) { region_->Assign(Value); }
  Vyrgraph::TVyrFillObject* GetFillObject() const { return fillObject_.get(); }
  void SetFillObject(Vyrgraph::TVyrFillObject* Value) { fillObject_->Assign(Value); }

  bool GetShowFormCaption() const { return showFormCaption_; }
  bool GetFormDragable() const { return formDragable_; }
  bool GetUseRgnBitmap() const { return useRgnBitmap_; }
  // Index 0 ShowFormCaption, 1 FormDragable, 2 UseRgnBitmap.
  void SetBoolean(int Index, bool Value);
  void SetShowFormCaption(bool Value) { SetBoolean(0, Value); }
  void SetFormDragable(bool Value) { SetBoolean(1, Value); }
  void SetUseRgnBitmap(bool Value) { SetBoolean(2, Value); }
  int GetListIndex() const { return listIndex_; }
  int GetImageIndex() const { return imageIndex_; }
  // Index 0 ListIndex, 1 ImageIndex.
  void SetInteger(int Index, int Value);
  void SetListIndex(int Value) { SetInteger(0, Value); }
  void SetImageIndex(int Value) { SetInteger(1, Value); }
  Vyrcont::TVyrCustomImageList* GetImageList() const { return imageList_; }
  void SetImageList(Vyrcont::TVyrCustomImageList* Value);

  // Rebuilds the window region from the form's size, frame and caption.
  void ReRegion();
  void SetPolygonShape(std::span<const TPoint> Points);
  // The caller keeps Rgn.
  void SetRegionShape(HRGN Rgn);
  // Background and border on DC (0: the form's canvas).
  void PaintBorder(HDC DC);
  // The caption height of the last ReRegion.
  int GetCaptionHeight() const { return captionHeight_; }

  // ---- the background for transparent controls on the form ----
  // The mask's picture (UseRgnBitmap under rsBitmap), else the cached fill
  // (a style other than sfNone), else nullptr.
  TBitmap* BackBitmap() const;
  bool BackBitmapCheck() const;
  TPoint BackMapPoint(const TPoint& P) const { return P; }
  // Copies the piece of Dest's size at P of the background onto Canvas at
  // Dest; false, drawing nothing, when there is no usable background.
  bool BackDrawArea(TCanvas* Canvas, const TRect& Dest, const TPoint& P, Word Flags) const;

  // Receiver of the region's, the fill's and the image list's changes.
  void GetChange(TObject* Sender);

 protected:
  void DefineProperties(TFiler* Filer) override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void WndProc(TMessage& Message) override;

 private:
  void ImageListChange(TObject* Sender);
  void ReadIdent(TReader* Reader);
  void WriteIdent(TWriter* Writer);
  bool IsImageListStored() const;
  bool Designing() const { return GetComponentState().Contains(csDesigning); }
  void HitTest(TMessage& Message);

  std::unique_ptr<TVyrBorderRegion> region_;
  bool ncButtonDown_ = false;
  bool useRgnBitmap_ = true;
  bool formDragable_ = true;
  bool showFormCaption_ = true;
  std::unique_ptr<Vyrgraph::TVyrFillObject> fillObject_;
  std::unique_ptr<TBitmap> backBitmap_;
  int listIndex_ = 0;
  int imageIndex_ = 0;
  int captionHeight_ = 0;
  // Made and freed here; the list it registers with is not owned.
  Vyrcont::TVyrChangeLink* changeLink_ = nullptr;
  Vyrcont::TVyrCustomImageList* imageList_ = nullptr;
};

// Registers TVyrFormShape with the form streams.
void Initialize();
void Finalize();  // nothing to do
inline constexpr TUnitRow Unit{"Vyrregion", &Initialize, &Finalize};

}  // namespace Vyrregion
