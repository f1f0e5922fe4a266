#include <functional>
#include <string>

#include "classregistry.h"
#include "drawing_fixture.h"
#include "form_text.h"
#include "vyrgraph.h"

using namespace Vyrgraph;

namespace {

// Counts the reports of one settings object.
struct ChangeCounter {
  int count = 0;
  void Changed(TObject*) { ++count; }
  TNotifyEvent Handler() { return TNotifyEvent(this, &ChangeCounter::Changed); }
};

// A component that publishes a fill and a bevel, as the controls do.
class TSettingsHost : public TComponent {
  MORVANT_COMPONENT(TSettingsHost, TComponent)
 public:
  explicit TSettingsHost(TComponent* AOwner) : TComponent(AOwner) {}
  TVyrFillObject* GetFill() const { return fill_.get(); }
  TVyrBevel* GetBevel() const { return bevel_.get(); }

 private:
  std::unique_ptr<TVyrFillObject> fill_ = std::make_unique<TVyrFillObject>();
  std::unique_ptr<TVyrBevel> bevel_ = std::make_unique<TVyrBevel>();
};

void TSettingsHost::Publish(TPublisher<TSettingsHost>& P) {
  P.Object("Fill", &TSettingsHost::GetFill);
  P.Object("Bevel", &TSettingsHost::GetBevel);
}

}  // namespace

class SettingsObjectTest : public DrawingTest {};

class SettingsStreamTest : public DrawingTest {
 protected:
  void SetUp() override { RegisterClass(TSettingsHost::StaticClass()); }
  void TearDown() override { UnRegisterClass(TSettingsHost::StaticClass()); }

  static TSettingsHost* ThroughBinary(TSettingsHost* Host) {
    TMemoryStream binary;
    WriteComponentToStream(&binary, Host);
    binary.SetPosition(0);
    return dynamic_cast_object<TSettingsHost>(ReadComponentFromStream(&binary, nullptr));
  }
  static TSettingsHost* ThroughText(TSettingsHost* Host) {
    return dynamic_cast_object<TSettingsHost>(TestSupport::ReadFormText(TestSupport::WrittenFormText(Host), nullptr));
  }
};

TEST_F(SettingsStreamTest, BitmapFillKeepsItsPicture) {
  const std::vector<TColor> pixels{clRed, clLime, clBlue, clWhite, clBlack, static_cast<TColor>(0x123456)};
  for (auto through : {&ThroughBinary, &ThroughText}) {
    auto* host = TObject::Create<TSettingsHost>(nullptr);
    host->SetName("Host");
    host->GetFill()->SetStyle(TVyrFillStyle::sfBitmap);
    host->GetFill()->SetTileMode(TVyrTileMode::tmCenter);
    host->GetFill()->GetBitmapProp()->Assign(FromPixels(3, 2, pixels).get());
    TSettingsHost* back = through(host);
    host->Free();
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->GetFill()->GetStyle(), TVyrFillStyle::sfBitmap);
    EXPECT_EQ(back->GetFill()->GetTileMode(), TVyrTileMode::tmCenter);
    TBitmap* bmp = back->GetFill()->GetBitmap();
    ASSERT_EQ(bmp->GetWidth(), 3);
    ASSERT_EQ(bmp->GetHeight(), 2);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(Px(bmp, i % 3, i / 3), pixels[static_cast<size_t>(i)]) << i;
    back->Free();
  }
}

TEST_F(SettingsStreamTest, RangeValuesClampWhenRead) {
  auto* host = dynamic_cast_object<TSettingsHost>(TestSupport::ReadFormText(R"(object Host: TSettingsHost
  Bevel.WidthOuter = 300
  Bevel.WidthInner = -5
end
)",
                                                                             nullptr));
  ASSERT_NE(host, nullptr);
  EXPECT_EQ(host->GetBevel()->GetWidthOuter(), 50);
  EXPECT_EQ(host->GetBevel()->GetWidthInner(), 0);
  host->Free();
}

TEST_F(SettingsObjectTest, BevelExtents) {
  struct Case {
    const char* what;
    std::function<void(TVyrBevel&)> setUp;
    int extent;
  } cases[] = {
      {"default", [](TVyrBevel&) {}, 0},
      {"raised 2",
       [](TVyrBevel& b) {
         b.SetStyleOuter(TVyrBevelStyle::bvRaised);
         b.SetWidthOuter(2);
       },
       2},
      {"frame raised 2",
       [](TVyrBevel& b) {
         b.SetStyleOuter(TVyrBevelStyle::bvFrameRaised);
         b.SetWidthOuter(2);
       },
       3},
      {"standard lowered",
       [](TVyrBevel& b) {
         b.SetMode(TVyrBevelMode::bmStandard);
         b.SetStandardStyle(TVyrBorderStyle::lsLowered);
         b.SetBorderInnerWidth(1);
       },
       3},
      {"edge without sides",
       [](TVyrBevel& b) {
         b.SetMode(TVyrBevelMode::bmEdge);
         b.SetBorderSides({});
         b.SetBorderInnerWidth(2);
       },
       2},
      {"windows unsupported",
       [](TVyrBevel& b) {
         b.SetMode(TVyrBevelMode::bmWindows);
         b.SetBorderInnerWidth(1);
       },
       3},
      {"windows supported",
       [](TVyrBevel& b) {
         b.SetWindowEdgeSupport(true);
         b.SetMode(TVyrBevelMode::bmWindows);
         b.SetBorderInnerWidth(1);
       },
       0},
  };
  for (const Case& c : cases) {
    TVyrBevel bevel;
    c.setUp(bevel);
    EXPECT_EQ(bevel.GetBevelExtend(), c.extent) << c.what;
    EXPECT_EQ(bevel.GetClientExtend(), c.extent) << c.what;
  }
}

TEST_F(SettingsObjectTest, DefaultBevelAndEdgeWithoutSidesPaintNothing) {
  auto bmp = MakeBitmap(10, 10, clRed);
  TVyrBevel plain;
  TRect inner;
  plain.PaintBevel(bmp->GetCanvas(), TRect(0, 0, 10, 10), inner, false);
  EXPECT_EQ(inner, TRect(0, 0, 10, 10));

  RecordingDC rec(20, 20);
  TCanvas canvas;
  canvas.SetHandle(rec.Handle());
  TVyrBevel edge;
  edge.SetMode(TVyrBevelMode::bmEdge);
  edge.SetBorderSides({});
  edge.SetBorderInnerWidth(2);
  edge.PaintBevel(&canvas, TRect(0, 0, 20, 20), inner, true);
  EXPECT_TRUE(CallsNamed(rec.Calls(), "DrawEdge").empty());
  EXPECT_EQ(inner, TRect(2, 2, 18, 18));
  canvas.SetHandle(nullptr);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) ASSERT_EQ(Px(bmp.get(), x, y), clRed);
}

TEST_F(SettingsObjectTest, ShadowBevelKeysOnTheOuterStyle) {
  TVyrBevel bevel;
  bevel.SetStyleOuter(TVyrBevelStyle::bvShadow);
  bevel.SetWidthInner(1);
  bevel.SetWidthOuter(6);
  bevel.SetBorderWidth(3);
  EXPECT_EQ(bevel.GetBevelExtend(), 1);
  EXPECT_EQ(bevel.GetClientExtend(), 7);
  EXPECT_EQ(bevel.ClientRect(TRect(0, 0, 100, 50)), TRect(1, 1, 93, 43));
}

TEST_F(SettingsObjectTest, ExtentsStayCurrentWhileUpdating) {
  TVyrBevel bevel;
  bevel.BeginUpdate();
  bevel.SetStyleOuter(TVyrBevelStyle::bvRaised);
  EXPECT_EQ(bevel.GetBevelExtend(), 1);
  bevel.EndUpdate(false);
}

TEST_F(SettingsObjectTest, ChangeCounts) {
  {
    ChangeCounter counter;
    TVyrBevel a, b;
    b.SetStyleOuter(TVyrBevelStyle::bvRaised);
    b.SetWidthOuter(4);
    b.SetBorderWidth(2);
    a.SetOnChange(counter.Handler());
    a.Assign(&b);
    EXPECT_EQ(counter.count, 1) << "Assign";
    EXPECT_EQ(a.GetWidthOuter(), 4);
  }
  {
    ChangeCounter counter;
    TVyrButtonLayout a, b;
    b.SetSpacing(7);
    b.SetArrow(true);
    a.SetOnChange(counter.Handler());
    a.Assign(&b);
    EXPECT_EQ(counter.count, 1) << "Assign of a derived layout";
  }
  {
    ChangeCounter counter;
    TVyrCaption caption;
    caption.SetOnChange(counter.Handler());
    caption.GetFont()->SetSize(20);
    EXPECT_EQ(counter.count, 1) << "nested font";
  }
  {
    ChangeCounter counter;
    TVyrFxCaption fx;
    fx.SetOnChange(counter.Handler());
    fx.SetPosXY(3, 4);
    EXPECT_EQ(counter.count, 0) << "SetPosXY";
    EXPECT_EQ(fx.GetPosX(), 3);
    EXPECT_EQ(fx.GetPosY(), 4);
  }
  {
    ChangeCounter counter;
    TVyrBevel bevel;
    bevel.SetOnChange(counter.Handler());
    bevel.SetStandardStyle(TVyrBorderStyle::lsRaised);
    EXPECT_EQ(counter.count, 0) << "StandardStyle outside bmStandard";
    bevel.SetStandardStyle(TVyrBorderStyle::lsRaised);
    EXPECT_EQ(counter.count, 0);
  }
  {
    ChangeCounter counter;
    TVyrFillObject fill;
    fill.SetOnChange(counter.Handler());
    fill.GetGradient()->SetColor(clRed);
    fill.GetBrush()->SetColor(clRed);
    EXPECT_EQ(counter.count, 2) << "nested gradient and brush";
  }
}

TEST_F(SettingsObjectTest, RangesClamp) {
  TVyrBevel bevel;
  bevel.SetWidthOuter(300);
  EXPECT_EQ(bevel.GetWidthOuter(), 50);
  bevel.SetWidthInner(-4);
  EXPECT_EQ(bevel.GetWidthInner(), 0);
  TVyrGradient gradient;
  gradient.SetColorCount(1);
  EXPECT_EQ(gradient.GetColorCount(), 2);
  gradient.SetColorCount(999);
  EXPECT_EQ(gradient.GetColorList()->GetCount(), 236);
  TVyrFxCaption fx;
  fx.SetAngle(360);
  EXPECT_EQ(fx.GetAngle(), 0);
  fx.SetAngle(400);
  EXPECT_EQ(fx.GetAngle(), 0);
  fx.SetAngle(90);
  EXPECT_EQ(fx.GetAngle(), 90);
  TVyrShadow shadow;
  shadow.SetDepth(41);
  EXPECT_EQ(shadow.GetDepth(), 40);
  TVyrButtonLayout layout;
  layout.SetArrowSize(1);
  EXPECT_EQ(layout.GetArrowSize(), 2);
}

TEST_F(SettingsObjectTest, RotatedCaptionsNeedATrueTypeFace) {
  TVyrCaption caption;
  caption.GetFont()->SetName("MS Sans Serif");
  caption.GetFontFx()->SetAngle(45);
  EXPECT_EQ(caption.GetFont()->GetName(), "Arial");
  EXPECT_EQ(caption.GetFontFx()->GetAngle(), 45);

  ChangeCounter counter;
  caption.SetOnChange(counter.Handler());
  caption.GetFont()->SetName("MS Sans Serif");
  EXPECT_EQ(caption.GetFontFx()->GetAngle(), 0);
  EXPECT_EQ(counter.count, 1);
}

TEST_F(SettingsObjectTest, FillTransparency) {
  struct Case {
    TVyrFillStyle style;
    TBrushStyle brush;
    TVyrTileMode tile;
    bool fillInner;
    bool transparent;
  } cases[] = {
      {TVyrFillStyle::sfNone, bsSolid, TVyrTileMode::tmTile, true, true},
      {TVyrFillStyle::sfBrush, bsSolid, TVyrTileMode::tmTile, false, false},
      {TVyrFillStyle::sfBrush, bsCross, TVyrTileMode::tmTile, false, true},
      {TVyrFillStyle::sfBrush, bsCross, TVyrTileMode::tmTile, true, false},
      {TVyrFillStyle::sfBitmap, bsSolid, TVyrTileMode::tmNone, false, true},
      {TVyrFillStyle::sfBitmap, bsSolid, TVyrTileMode::tmCenter, false, true},
      {TVyrFillStyle::sfBitmapList, bsSolid, TVyrTileMode::tmCenter, true, false},
      {TVyrFillStyle::sfBitmap, bsSolid, TVyrTileMode::tmTile, false, false},
      {TVyrFillStyle::sfGradient, bsSolid, TVyrTileMode::tmNone, false, false},
  };
  for (const Case& c : cases) {
    TVyrFillObject fill;
    fill.SetStyle(c.style);
    fill.GetBrush()->SetStyle(c.brush);
    fill.SetTileMode(c.tile);
    fill.SetOptions(c.fillInner ? TVyrFillOptions{TVyrFillOption::foFillInner} : TVyrFillOptions{});
    EXPECT_EQ(fill.GetTransparent(), c.transparent) << int(c.style) << "/" << int(c.brush) << "/" << int(c.tile);
  }
}

TEST_F(SettingsObjectTest, BitmapFillWithoutPictureFillsOnlyWithFillInner) {
  for (bool fillInner : {true, false}) {
    auto bmp = MakeBitmap(10, 10, clRed);
    TVyrFillObject fill;
    fill.SetStyle(TVyrFillStyle::sfBitmap);
    fill.SetOptions(fillInner ? TVyrFillOptions{TVyrFillOption::foFillInner} : TVyrFillOptions{});
    EXPECT_FALSE(fill.FillCanvas(bmp->GetCanvas(), TRect(2, 2, 8, 8), clBlue));
    EXPECT_EQ(Px(bmp.get(), 5, 5), fillInner ? clBlue : clRed);
    EXPECT_EQ(Px(bmp.get(), 1, 1), clRed);
  }
}

TEST_F(SettingsObjectTest, PictureFillPlacesByAlignmentAndOffset) {
  auto bmp = MakeBitmap(20, 20, clWhite);
  TVyrFillObject fill;
  fill.SetStyle(TVyrFillStyle::sfBitmap);
  fill.SetTileMode(TVyrTileMode::tmNone);
  fill.SetAlignment(TVyrAlignment::agBottomRight);
  fill.SetOffsetX(-1);
  fill.GetBitmapProp()->Assign(MakeBitmap(2, 2, clRed).get());
  EXPECT_TRUE(fill.FillCanvas(bmp->GetCanvas(), TRect(0, 0, 10, 10), clBlue));
  EXPECT_EQ(Px(bmp.get(), 7, 8), clRed);
  EXPECT_EQ(Px(bmp.get(), 9, 9), clBlue);
  EXPECT_EQ(Px(bmp.get(), 0, 0), clBlue);
}

TEST_F(SettingsObjectTest, ClipFillKeepsTheCallersClip) {
  auto bmp = MakeBitmap(20, 20, clWhite);
  HDC dc = bmp->GetCanvas()->GetHandle();
  IntersectClipRect(dc, 0, 0, 18, 18);
  TVyrFillObject fill;
  fill.SetStyle(TVyrFillStyle::sfBrush);
  fill.GetBrush()->SetColor(clRed);
  EXPECT_TRUE(fill.ClipFill(bmp->GetCanvas(), TRect(2, 2, 6, 6), 0, clBlue));
  EXPECT_EQ(Px(bmp.get(), 3, 3), clRed);
  RECT box{};
  GetClipBox(dc, &box);
  EXPECT_EQ(TRect(box), TRect(0, 0, 18, 18));
}

TEST_F(SettingsObjectTest, SmallBarExtent) {
  TVyrSmallBar bar;
  EXPECT_EQ(bar.GetBarExtend(TVyrMeterDirection::mdHorizontal, 100, 0), 7);
  EXPECT_EQ(bar.GetBarExtend(TVyrMeterDirection::mdHorizontalReverse, 115, 0), 8);
  EXPECT_EQ(bar.GetBarExtend(TVyrMeterDirection::mdVertical, 0, 125), 10);
  EXPECT_EQ(bar.GetBarExtend(TVyrMeterDirection::mdHorizontal, 10, 0), -2);
  bar.SetBarCount(0);
  EXPECT_EQ(bar.GetBarExtend(TVyrMeterDirection::mdHorizontal, 100, 0), 0);
}

TEST_F(SettingsObjectTest, FocusStyleFlags) {
  EXPECT_EQ(VyrConvertFocusStyle(TVyrGlyphTextFocusStyle::fcControl), 0);
  EXPECT_EQ(VyrConvertFocusStyle(TVyrGlyphTextFocusStyle::fcText), 64);
  EXPECT_EQ(VyrConvertFocusStyle(TVyrGlyphTextFocusStyle::fcGlyph), 128);
  EXPECT_EQ(VyrConvertFocusStyle(TVyrGlyphTextFocusStyle::fcGlyphText), 256);
  EXPECT_EQ(VyrConvertFocusStyle(TVyrGlyphTextFocusStyle::fcNone), 0);
}
