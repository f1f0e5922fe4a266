// Shape controls read from forms with values far out of proportion: each
// loads, its paint returns at once and raises nothing, and no picture is
// made larger than the control that shows it.
#include <functional>
#include <string>

#include "form_text.h"
#include "vyrshapa_fixture.h"

using namespace Vyrshapa;

namespace {

class ShapeHostileTest : public ShapeTest {
 protected:
  // The controls of the text on a shown white form; a reader's error passes on.
  TForm* Load(const std::string& Controls) {
    auto* host = TObject::Create<TForm>(Application);
    TestSupport::ReadFormText(
        "object Host: TForm\n  Width = 400\n  Height = 300\n  Color = clWhite\n" + Controls + "end\n", host);
    host->Show();
    app.pump();
    return host;
  }
};

// A red rectangle without shadow or bevel, so that what it covers is plain.
const std::string kPlainRed = "    Brush.Color = clRed\n    Shadow.Style = hssNone\n    Bevel.Width = 0\n";

struct HostileCase {
  const char* name;
  std::string controls;
  // What the painted control must show; nothing more than a clean paint
  // when empty.
  std::function<void(ShapeTest&, TControl*)> check;
};

TEST_F(ShapeHostileTest, FarOffValuesLoadAndPaintAtOnceWithPicturesNoLargerThanTheControl) {
  const auto fitsTheControl = [](ShapeTest&, TControl* Control) {
    auto* shape = static_cast<TVyrBaseShape*>(Control);
    ASSERT_NE(shape->GetFillBitmap(), nullptr);
    EXPECT_LE(shape->GetFillBitmap()->GetWidth(), Control->GetWidth());
    EXPECT_LE(shape->GetFillBitmap()->GetHeight(), Control->GetHeight());
  };
  const HostileCase cases[] = {
      // Cells one pixel wide that do not advance: 2^31 columns on one spot.
      {"cells that do not advance",
       "  object Shape: TVyrRepeatedShape\n    Width = 100\n    Height = 50\n" + kPlainRed +
           "    Transparent = False\n    HorOffset = -1\n    HorCount = 2147483647\n  end\n",
       [](ShapeTest&, TControl* Control) {
         EXPECT_EQ(static_cast<TVyrRepeatedShape*>(Control)->GetShapeWidth(), 1);
         EXPECT_EQ(Shown(Control, 0, 5), Rgb(clRed));
       }},
      // Cells as large as the point range allows that step back by as much.
      {"cells that step back out of sight",
       "  object Shape: TVyrRepeatedShape\n    Width = 100\n    Height = 50\n" + kPlainRed +
           "    Transparent = False\n    HorOffset = -1000000000\n    HorCount = 2147483647\n"
           "    VerOffset = -1000000000\n    VerCount = 2147483647\n  end\n",
       [](ShapeTest&, TControl* Control) { EXPECT_EQ(Shown(Control, 99, 49), Rgb(clRed)); }},
      {"cells far larger than the control",
       "  object Shape: TVyrRepeatedShape\n    Width = 100\n    Height = 50\n" + kPlainRed +
           "    Transparent = False\n    SetPerCount = False\n    ShapeWidth = 11000\n    ShapeHeight = 11000\n  end\n",
       [fitsTheControl](ShapeTest& T, TControl* Control) {
         fitsTheControl(T, Control);
         EXPECT_EQ(Shown(Control, 50, 25), Rgb(clRed));
       }},
      {"fitted cells far larger than the control, in a gradient",
       "  object Shape: TVyrRepeatedShape\n    Width = 100\n    Height = 50\n    ShapeFill.Style = sfGradient\n"
       "    HorCount = 2\n    HorOffset = -32000\n    VerCount = 2\n    VerOffset = -16000\n  end\n",
       fitsTheControl},
      {"cells beyond any bitmap, in a gradient",
       "  object Shape: TVyrRepeatedShape\n    Width = 100\n    Height = 50\n    ShapeFill.Style = sfGradient\n"
       "    SetPerCount = False\n    ShapeWidth = 30000\n    ShapeHeight = 30000\n  end\n",
       fitsTheControl},
      // Sizes beyond the outline's point range.
      {"a shape control wider than the point range",
       "  object Shape: TVyrShapeControl\n    Width = 40000\n    Height = 50\n" + kPlainRed + "  end\n",
       [](ShapeTest&, TControl* Control) { EXPECT_EQ(Shown(Control, 20, 25), Rgb(clRed)); }},
      {"a shape button wider than the point range",
       "  object Shape: TVyrShapeButton\n    Width = 40000\n    Height = 50\n  end\n", nullptr},
      {"teeth deeper than the point range",
       "  object Shape: TVyrTeethShape\n    Width = 100\n    Height = 50\n" + kPlainRed +
           "    Teeth.Width = 100000\n  end\n",
       nullptr},
      {"teeth deeper than the point range on the left",
       "  object Shape: TVyrTeethShapeLabel\n    Width = 100\n    Height = 50\n" + kPlainRed +
           "    Teeth.Direction = tdLeft\n    Teeth.Width = -2147483648\n    Caption.Caption = 'W'\n  end\n",
       nullptr},
      {"teeth deeper than the point range at the top",
       "  object Shape: TVyrTeethShapeLabel\n    Width = 100\n    Height = 50\n" + kPlainRed +
           "    Teeth.Direction = tdUp\n    Teeth.Height = 2147483647\n    Caption.Caption = 'W'\n  end\n",
       nullptr},
  };
  for (const HostileCase& c : cases) {
    SCOPED_TRACE(c.name);
    TForm* host = nullptr;
    ASSERT_NO_THROW(host = Load(c.controls));
    auto* control = dynamic_cast_object<TControl>(host->FindComponent("Shape"));
    ASSERT_NE(control, nullptr);
    if (c.check) c.check(*this, control);
    control->Invalidate();
    app.pump();
    for (const Backend::AskRecord& box : app.boxes()) ADD_FAILURE() << "an error box: " << box.Text;
    host->Free();
    if (!app.boxes().empty()) break;
  }
}

}  // namespace
