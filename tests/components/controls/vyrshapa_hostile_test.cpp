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
  const HostileCase cases[] = {
      // Cells one pixel wide that do not advance: 2^31 columns on one spot.
      {"cells that do not advance",
       "  object Shape: TVyrRepeatedShape\n    Width = 100\n    Height = 50\n" + kPlainRed +
           "    Transparent = False\n    HorOffset = -1\n    HorCount = 2147483647\n  end\n",
       [](ShapeTest&, TControl* Control) {
         EXPECT_EQ(static_cast<TVyrRepeatedShape*>(Control)->GetShapeWidth(), 1);
         EXPECT_EQ(Shown(Control, 0, 5), Rgb(clRed));
       }},
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
