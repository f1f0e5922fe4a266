// The standard published properties of controls: what a form names is read,
// and written back only where it differs from its default.
#include <string>

#include "classregistry.h"
#include "form_text.h"
#include "vcl_fixture.h"

namespace {

class TPlainControl : public TCustomControl {
  MORVANT_COMPONENT(TPlainControl, TCustomControl)
 public:
  using TCustomControl::TCustomControl;
};

void TPlainControl::Publish(TPublisher<TPlainControl>&) {}

class StandardPropertiesTest : public VclTest {
 protected:
  void SetUp() override {
    VclTest::SetUp();
    RegisterClass(TPlainControl::StaticClass());
  }
  void TearDown() override {
    UnRegisterClass(TPlainControl::StaticClass());
    VclTest::TearDown();
  }

  TForm* Load(const std::string& formText) {
    auto* form = TObject::Create<TForm>(Application);
    TestSupport::ReadFormText(formText, form);
    return form;
  }

  static std::string Written(TComponent* c) { return TestSupport::WrittenFormText(c); }

  static TPlainControl* Child(TForm* f, const char* name) {
    return dynamic_cast_object<TPlainControl>(f->FindComponent(name));
  }
};

}  // namespace

TEST_F(StandardPropertiesTest, Ctl3DOfItsOwnSurvivesAFlatParentWhenWrittenAndRead) {
  TForm* f = Load(R"(object Flat: TForm
  Ctl3D = False
  object Follows: TPlainControl
  end
  object Raised: TPlainControl
    Ctl3D = True
    ParentCtl3D = False
  end
end
)");
  EXPECT_FALSE(Child(f, "Follows")->GetCtl3D());
  EXPECT_TRUE(Child(f, "Raised")->GetCtl3D());
  EXPECT_FALSE(Child(f, "Raised")->GetParentCtl3D());

  const std::string text = Written(f);
  const std::size_t follows = text.find("object Follows");
  EXPECT_EQ(text.substr(follows, text.find("end", follows) - follows).find("Ctl3D"), std::string::npos) << text;
  f->Free();
  TForm* back = Load(text);
  EXPECT_FALSE(Child(back, "Follows")->GetCtl3D());
  EXPECT_TRUE(Child(back, "Raised")->GetCtl3D());
  back->Free();
}

TEST_F(StandardPropertiesTest, TheStandardPropertiesAreReadAndOnlyThoseOffTheirDefaultWritten) {
  TForm* f = Load(R"(object Host: TForm
  object Named: TPlainControl
    Anchors = [akLeft, akRight, akBottom]
    Constraints.MaxWidth = 300
    Constraints.MinHeight = 20
    BiDiMode = bdRightToLeft
    ParentBiDiMode = False
    DragKind = dkDock
    DragMode = dmAutomatic
    DragCursor = -13
    Tag = 7
    ParentShowHint = False
    ShowHint = True
  end
  object Plain: TPlainControl
  end
end
)");
  TPlainControl* named = Child(f, "Named");
  EXPECT_EQ(named->GetAnchors(), (TAnchors{akLeft, akRight, akBottom}));
  EXPECT_EQ(named->GetConstraints()->GetMaxWidth(), 300);
  EXPECT_EQ(named->GetConstraints()->GetMinHeight(), 20);
  EXPECT_EQ(named->GetHeight(), 20);  // brought up to its minimum
  EXPECT_EQ(named->GetBiDiMode(), bdRightToLeft);
  EXPECT_EQ(named->GetDragKind(), dkDock);
  EXPECT_EQ(named->GetDragMode(), dmAutomatic);
  EXPECT_EQ(named->GetDragCursor(), -13);
  EXPECT_EQ(named->GetTag(), 7);
  EXPECT_TRUE(named->GetShowHint());

  const std::string text = Written(f);
  const std::size_t plain = text.find("object Plain");
  const std::string namedPart = text.substr(0, plain), plainPart = text.substr(plain);
  for (const char* line : {"Anchors = [akLeft, akRight, akBottom]", "Constraints.MaxWidth = 300",
                           "Constraints.MinHeight = 20", "BiDiMode = bdRightToLeft", "ParentBiDiMode = False",
                           "DragKind = dkDock", "DragMode = dmAutomatic", "DragCursor = -13", "Tag = 7"})
    EXPECT_NE(namedPart.find(line), std::string::npos) << line << " missing from\n" << text;
  for (const char* name : {"Anchors", "Constraints", "BiDiMode", "Drag", "Tag", "ShowHint"})
    EXPECT_EQ(plainPart.find(name), std::string::npos) << name << " written for a default control:\n" << text;
  f->Free();
}

TEST_F(StandardPropertiesTest, AnchorsKeepTheirEdgesWhenTheParentIsResized) {
  struct Case {
    TAnchors anchors;
    TRect after;
  };
  // The parent grows by 40 across and 20 down; the child sits at (10, 10, 60, 40).
  const Case cases[] = {
      {{akLeft, akTop}, TRect(10, 10, 60, 40)},
      {{akRight, akBottom}, TRect(50, 30, 100, 60)},
      {{akLeft, akTop, akRight, akBottom}, TRect(10, 10, 100, 60)},
      {{akTop}, TRect(30, 10, 80, 40)},  // no edge across: keeps its centre
  };
  for (const Case& c : cases) {
    auto* parent = TObject::Create<TPlainControl>(nullptr);
    parent->SetBounds(0, 0, 200, 100);
    auto* child = TObject::Create<TPlainControl>(parent);
    child->SetParent(parent);
    child->SetBounds(10, 10, 50, 30);
    child->SetAnchors(c.anchors);
    parent->SetBounds(0, 0, 240, 120);
    EXPECT_EQ(child->GetBoundsRect(), c.after) << c.anchors.Bits();
    parent->Free();
  }
}

TEST_F(StandardPropertiesTest, ConstraintsHoldEverySizeTheControlTakes) {
  auto* c = TObject::Create<TPlainControl>(nullptr);
  c->SetBounds(0, 0, 100, 100);
  c->GetConstraints()->SetMaxWidth(80);  // acts on the present size at once
  EXPECT_EQ(c->GetWidth(), 80);
  c->GetConstraints()->SetMinHeight(30);
  c->SetBounds(5, 5, 10, 10);
  EXPECT_EQ(c->GetBoundsRect(), TRect(5, 5, 15, 35));  // no minimum across
  c->SetBounds(0, 0, 500, 500);
  EXPECT_EQ(c->GetWidth(), 80);
  // A maximum below the minimum pulls the minimum down with it.
  c->GetConstraints()->SetMinWidth(60);
  c->GetConstraints()->SetMaxWidth(40);
  EXPECT_EQ(c->GetConstraints()->GetMinWidth(), 40);
  EXPECT_EQ(c->GetWidth(), 40);
  c->Free();
}

TEST_F(StandardPropertiesTest, ABiDiModeChangeReachesTheChildrenThatFollowTheirParent) {
  auto* parent = TObject::Create<TPlainControl>(nullptr);
  auto* follows = TObject::Create<TPlainControl>(parent);
  follows->SetParent(parent);
  auto* grandChild = TObject::Create<TPlainControl>(parent);
  grandChild->SetParent(follows);
  auto* own = TObject::Create<TPlainControl>(parent);
  own->SetParent(parent);
  own->SetBiDiMode(bdRightToLeftNoAlign);

  parent->SetBiDiMode(bdRightToLeft);
  EXPECT_EQ(follows->GetBiDiMode(), bdRightToLeft);
  EXPECT_TRUE(follows->GetParentBiDiMode());
  EXPECT_EQ(grandChild->GetBiDiMode(), bdRightToLeft);
  EXPECT_EQ(own->GetBiDiMode(), bdRightToLeftNoAlign);

  own->SetParentBiDiMode(true);
  EXPECT_EQ(own->GetBiDiMode(), bdRightToLeft);
  // A control put into a parent takes the parent's over.
  auto* late = TObject::Create<TPlainControl>(parent);
  late->SetParent(follows);
  EXPECT_EQ(late->GetBiDiMode(), bdRightToLeft);
  parent->Free();
}

TEST_F(StandardPropertiesTest, AComponentThatIsNoControlCarriesATagInFormText) {
  TForm* f = Load(R"(object Host: TForm
  object Ticker: TTimer
    Tag = 12
  end
end
)");
  TComponent* ticker = f->FindComponent("Ticker");
  ASSERT_NE(ticker, nullptr);
  EXPECT_EQ(ticker->GetTag(), 12);
  EXPECT_NE(Written(f).find("  object Ticker: TTimer\n    Tag = 12\n"), std::string::npos) << Written(f);
  f->Free();
}
