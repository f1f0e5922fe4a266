// The shape's settings objects, the point list and the colour schemes.
#include <functional>
#include <string>

#include "classregistry.h"
#include "drawing_fixture.h"
#include "exceptions.h"
#include "form_text.h"
#include "vyrgrapa.h"

using namespace Vyrgrapa;

namespace {

struct ChangeCounter {
  int count = 0;
  void Changed(TObject*) { ++count; }
  TNotifyEvent Handler() { return TNotifyEvent(this, &ChangeCounter::Changed); }
};

// A component that publishes the three objects, as the shape controls do.
class TShapeHost : public TComponent {
  MORVANT_COMPONENT(TShapeHost, TComponent)
 public:
  explicit TShapeHost(TComponent* AOwner) : TComponent(AOwner) {}
  TVyrShape* GetShape() const { return shape_.get(); }
  TVyrTeeth* GetTeeth() const { return teeth_.get(); }
  TVyrSimpleBevel* GetBevel() const { return bevel_.get(); }

 private:
  std::unique_ptr<TVyrShape> shape_ = std::make_unique<TVyrShape>();
  std::unique_ptr<TVyrTeeth> teeth_ = std::make_unique<TVyrTeeth>();
  std::unique_ptr<TVyrSimpleBevel> bevel_ = std::make_unique<TVyrSimpleBevel>();
};

void TShapeHost::Publish(TPublisher<TShapeHost>& P) {
  P.Object("Shape", &TShapeHost::GetShape);
  P.Object("Teeth", &TShapeHost::GetTeeth);
  P.Object("Bevel", &TShapeHost::GetBevel);
}

}  // namespace

class ShapeSettingsTest : public DrawingTest {
 protected:
  ShapeSettingsTest() : DrawingTest({Vyrclass::Unit, Vyrmms::Unit, Vyrgrapa::Unit}) {}
  void SetUp() override { RegisterClass(TShapeHost::StaticClass()); }
  void TearDown() override { UnRegisterClass(TShapeHost::StaticClass()); }

  static TOwnedObject<TShapeHost> NewHost() {
    TOwnedObject<TShapeHost> host(TObject::Create<TShapeHost>(nullptr));
    host->SetName("Host");
    return host;
  }
};

TEST_F(ShapeSettingsTest, DefaultsWriteNothingAndTheUnitRegistersItsClasses) {
  auto host = NewHost();
  const std::string text = TestSupport::WrittenFormText(host.get());
  EXPECT_EQ(text, "object Host: TShapeHost\nend\n");
  for (const char* name : {"TVyrShape", "TVyrSimpleBevel", "TVyrTeeth"}) EXPECT_NE(GetClass(name), nullptr) << name;

  TVyrShape* shape = host->GetShape();
  EXPECT_EQ(shape->GetShape(), TVyrShapeType::stRectangle);
  EXPECT_EQ(shape->GetRoundPercent(), 33);
  EXPECT_FALSE(shape->GetSquare());
  EXPECT_EQ(shape->GetBevel()->GetWidth(), 2);
  EXPECT_EQ(shape->GetBevel()->GetStyle(), TVyrSimpleBevelStyle::sbNormal);
  EXPECT_EQ(shape->GetBevel()->GetColor(), clBlack);
  EXPECT_EQ(shape->GetBevel()->GetLightColor(), clBtnHighlight);
  EXPECT_EQ(shape->GetBevel()->GetShadowColor(), clBtnShadow);
  TVyrTeeth* teeth = host->GetTeeth();
  EXPECT_EQ(teeth->GetCount(), 10);
  EXPECT_EQ(teeth->GetDirection(), TVyrDirection::tdRight);
  EXPECT_TRUE(teeth->GetOffset());
  EXPECT_TRUE(teeth->GetSetPerCount());
  EXPECT_EQ(teeth->GetWidth(), 10);
  EXPECT_EQ(teeth->GetHeight(), 0);
}

TEST_F(ShapeSettingsTest, EveryPropertySurvivesTheFormText) {
  auto host = NewHost();
  TVyrShape* shape = host->GetShape();
  shape->SetShape(TVyrShapeType::stStar);
  shape->SetRoundPercent(70);
  shape->SetSquare(true);
  shape->GetBrush()->SetColor(clRed);
  shape->GetBrush()->SetStyle(bsCross);
  shape->GetShadow()->SetDepth(3);
  shape->GetShadow()->SetStyle(Vyrgraph::TVyrShadowStyle::hssTracing);
  shape->GetBevel()->SetWidth(5);
  shape->GetBevel()->SetStyle(TVyrSimpleBevelStyle::sbOffset);
  TVyrTeeth* teeth = host->GetTeeth();
  teeth->SetCount(7);
  teeth->SetDirection(TVyrDirection::tdUp);
  teeth->SetOffset(false);
  teeth->SetSetPerCount(false);
  teeth->SetWidth(12);
  teeth->SetHeight(4);
  TVyrSimpleBevel* bevel = host->GetBevel();
  bevel->SetColor(clNavy);
  bevel->SetLightColor(clYellow);
  bevel->SetShadowColor(clMaroon);
  bevel->SetStyle(TVyrSimpleBevelStyle::sbInset);
  bevel->SetWidth(0);

  const std::string text = TestSupport::WrittenFormText(host.get());
  TOwnedObject<TComponent> read(TestSupport::ReadFormText(text, nullptr));
  auto* back = dynamic_cast_object<TShapeHost>(read.get());
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(TestSupport::WrittenFormText(back), text);
  EXPECT_EQ(back->GetShape()->GetShape(), TVyrShapeType::stStar);
  EXPECT_EQ(back->GetShape()->GetRoundPercent(), 70);
  EXPECT_TRUE(back->GetShape()->GetSquare());
  EXPECT_EQ(back->GetShape()->GetBrush()->GetColor(), clRed);
  EXPECT_EQ(back->GetShape()->GetShadow()->GetStyle(), Vyrgraph::TVyrShadowStyle::hssTracing);
  EXPECT_EQ(back->GetShape()->GetBevel()->GetStyle(), TVyrSimpleBevelStyle::sbOffset);
  EXPECT_EQ(back->GetTeeth()->GetDirection(), TVyrDirection::tdUp);
  EXPECT_FALSE(back->GetTeeth()->GetOffset());
  EXPECT_FALSE(back->GetTeeth()->GetSetPerCount());
  EXPECT_EQ(back->GetTeeth()->GetHeight(), 4);
  EXPECT_EQ(back->GetBevel()->GetShadowColor(), clMaroon);
  EXPECT_EQ(back->GetBevel()->GetWidth(), 0);
}

TEST_F(ShapeSettingsTest, RangesClampAlsoWhenRead) {
  TOwnedObject<TComponent> read(TestSupport::ReadFormText(R"(object Host: TShapeHost
  Shape.RoundPercent = 250
  Shape.Bevel.Width = 99
  Teeth.Count = -3
  Bevel.Width = -1
end
)",
                                                          nullptr));
  auto* host = dynamic_cast_object<TShapeHost>(read.get());
  ASSERT_NE(host, nullptr);
  EXPECT_EQ(host->GetShape()->GetRoundPercent(), 100);
  EXPECT_EQ(host->GetShape()->GetBevel()->GetWidth(), 50);
  EXPECT_EQ(host->GetTeeth()->GetCount(), 0);
  EXPECT_EQ(host->GetBevel()->GetWidth(), 0);
  host->GetTeeth()->SetCount(51);
  EXPECT_EQ(host->GetTeeth()->GetCount(), 50);
}

TEST_F(ShapeSettingsTest, SettersReportRealChangesOnce) {
  struct Case {
    const char* what;
    std::function<void(TVyrShape&, TVyrTeeth&)> change;
  } cases[] = {
      {"shape", [](TVyrShape& s, TVyrTeeth&) { s.SetShape(TVyrShapeType::stComb); }},
      {"percent", [](TVyrShape& s, TVyrTeeth&) { s.SetRoundPercent(10); }},
      {"square", [](TVyrShape& s, TVyrTeeth&) { s.SetSquare(true); }},
      {"nested bevel", [](TVyrShape& s, TVyrTeeth&) { s.GetBevel()->SetLightColor(clAqua); }},
      {"nested brush", [](TVyrShape& s, TVyrTeeth&) { s.GetBrush()->SetColor(clLime); }},
      {"nested shadow", [](TVyrShape& s, TVyrTeeth&) { s.GetShadow()->SetDepth(1); }},
      {"teeth count", [](TVyrShape&, TVyrTeeth& t) { t.SetCount(3); }},
      {"teeth offset", [](TVyrShape&, TVyrTeeth& t) { t.SetOffset(false); }},
      {"teeth per count", [](TVyrShape&, TVyrTeeth& t) { t.SetSetPerCount(false); }},
      {"teeth height", [](TVyrShape&, TVyrTeeth& t) { t.SetHeight(6); }},
      {"teeth direction", [](TVyrShape&, TVyrTeeth& t) { t.SetDirection(TVyrDirection::tdLeft); }},
  };
  for (const Case& c : cases) {
    TVyrShape shape;
    TVyrTeeth teeth;
    ChangeCounter counter;
    shape.SetOnChange(counter.Handler());
    teeth.SetOnChange(counter.Handler());
    c.change(shape, teeth);
    EXPECT_EQ(counter.count, 1) << c.what;
    c.change(shape, teeth);
    EXPECT_EQ(counter.count, 1) << c.what << " again";
  }
}

TEST_F(ShapeSettingsTest, AssignCopiesEverythingAsOneChange) {
  {
    TVyrSimpleBevel a, b;
    b.SetWidth(7);
    b.SetStyle(TVyrSimpleBevelStyle::sbInset);
    b.SetColor(clRed);
    b.SetLightColor(clLime);
    b.SetShadowColor(clBlue);
    ChangeCounter counter;
    a.SetOnChange(counter.Handler());
    a.Assign(&b);
    EXPECT_EQ(counter.count, 1);
    EXPECT_EQ(a.GetWidth(), 7);
    EXPECT_EQ(a.GetStyle(), TVyrSimpleBevelStyle::sbInset);
    EXPECT_EQ(a.GetColor(), clRed);
    EXPECT_EQ(a.GetLightColor(), clLime);
    EXPECT_EQ(a.GetShadowColor(), clBlue);
  }
  {
    TVyrTeeth a, b;
    b.SetCount(4);
    b.SetDirection(TVyrDirection::tdDown);
    b.SetOffset(false);
    b.SetSetPerCount(false);
    b.SetWidth(3);
    b.SetHeight(9);
    ChangeCounter counter;
    a.SetOnChange(counter.Handler());
    a.Assign(&b);
    EXPECT_EQ(counter.count, 1);
    EXPECT_EQ(a.GetCount(), 4);
    EXPECT_EQ(a.GetDirection(), TVyrDirection::tdDown);
    EXPECT_FALSE(a.GetOffset());
    EXPECT_FALSE(a.GetSetPerCount());
    EXPECT_EQ(a.GetWidth(), 3);
    EXPECT_EQ(a.GetHeight(), 9);
  }
  {
    TVyrShape a, b;
    b.SetShape(TVyrShapeType::stOctagon);
    b.SetRoundPercent(5);
    b.SetSquare(true);
    b.GetBevel()->SetWidth(4);
    b.GetBrush()->SetColor(clPurple);
    b.GetShadow()->SetColor(clGreen);
    ChangeCounter counter;
    a.SetOnChange(counter.Handler());
    a.Assign(&b);
    EXPECT_EQ(counter.count, 1);
    EXPECT_EQ(a.GetShape(), TVyrShapeType::stOctagon);
    EXPECT_EQ(a.GetRoundPercent(), 5);
    EXPECT_TRUE(a.GetSquare());
    EXPECT_EQ(a.GetBevel()->GetWidth(), 4);
    EXPECT_EQ(a.GetBrush()->GetColor(), clPurple);
    EXPECT_EQ(a.GetShadow()->GetColor(), clGreen);
  }
  TVyrShape shape;
  TVyrTeeth teeth;
  EXPECT_THROW(shape.Assign(&teeth), EConvertError);
}

TEST(ShapePointList, PointsComeBackAsStored) {
  const TPoint points[] = {{0, 0}, {32767, 32767}, {-5, 7}, {12, -32768}, {-32768, -1}, {300, 200}};
  TVyrPointList list;
  for (const TPoint& p : points) list.AddPoint(p);
  ASSERT_EQ(list.GetCount(), 6);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(list.GetPoint(i), points[i]) << i;

  list.PutPoint(2, TPoint(9, 8));
  EXPECT_EQ(list.GetPoint(2), TPoint(9, 8));
  list.PutPoint(6, TPoint(1, 1));
  list.PutPoint(-1, TPoint(1, 1));
  EXPECT_EQ(list.GetCount(), 6);
  EXPECT_EQ(list.GetPoint(6), TPoint());
  EXPECT_EQ(list.GetPoint(-1), TPoint());
}

TEST(ShapePointList, PointsOutOfRangeAreRefusedNotWrapped) {
  TVyrPointList list;
  list.AddPoint(TPoint(1, 2));
  for (const TPoint& bad : {TPoint(32768, 0), TPoint(0, 40000), TPoint(-32769, 5), TPoint(70000, 70000)}) {
    EXPECT_THROW(list.AddPoint(bad), ERangeError) << bad.x << "," << bad.y;
    EXPECT_THROW(list.PutPoint(0, bad), ERangeError);
    const TPoint batch[] = {TPoint(3, 3), bad};
    EXPECT_THROW(list.AddPoints(batch), ERangeError);
  }
  ASSERT_EQ(list.GetCount(), 1);
  EXPECT_EQ(list.GetPoint(0), TPoint(1, 2));

  list.AddPoint(TPoint(32000, 10));
  EXPECT_THROW(VyrOffsetPointList(&list, 1000, 0), ERangeError);
  EXPECT_EQ(list.GetPoints(), (std::vector<TPoint>{{1, 2}, {32000, 10}})) << "all or nothing";
  VyrOffsetPointList(&list, -4, 3);
  EXPECT_EQ(list.GetPoints(), (std::vector<TPoint>{{-3, 5}, {31996, 13}}));
}

TEST(ShapeColours, LightColorPairs) {
  const struct {
    TVyrLightColor value;
    TColor light, shadow;
  } cases[] = {
      {TVyrLightColor::lcNone, clBtnFace, clBtnFace},   {TVyrLightColor::lcBlue, 0xFF0000, 0x800000},
      {TVyrLightColor::lcRed, 0x0000FF, 0x000080},      {TVyrLightColor::lcGreen, 0x00FF00, 0x008000},
      {TVyrLightColor::lcYellow, 0x00FFFF, 0x008080},   {TVyrLightColor::lcMarine, 0xFFFF00, 0x808000},
      {TVyrLightColor::lcPurple, 0xFF00FF, 0x800080},
  };
  for (const auto& c : cases) {
    TColor light = clNone, shadow = clNone;
    VyrGetLightColors(c.value, light, shadow);
    EXPECT_EQ(light, c.light) << static_cast<int>(c.value);
    EXPECT_EQ(shadow, c.shadow) << static_cast<int>(c.value);
  }
  TColor light = clNone, shadow = clNone;
  VyrGetLightColors(static_cast<TVyrLightColor>(9), light, shadow);
  EXPECT_EQ(light, clNone);
  EXPECT_EQ(shadow, clNone);
}
