#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "exceptions.h"
#include "formres.h"
#include "formtext.h"
#include "stream_fixture.h"

using namespace stream_fixture;

namespace {

// Every kind of value, nested objects, a collection, a forward reference,
// events, a binary defined property, in the layout the writer produces.
const char* const kFullForm =
    "object Form1: TTestForm\n"
    "  Caption = 'Gr\xC3\xB6\xC3\x9F" "e ''A'''#13#10'B'\n"
    "  OnCreate = FormCreate\n"
    "  object Panel1: TTestPanel\n"
    "    Caption = 'Eins'\n"
    "    Width = 300\n"
    "    Visible = False\n"
    "    Align = alClient\n"
    "    Anchors = [akLeft, akRight]\n"
    "    Color = clRed\n"
    "    Ratio = 1.5\n"
    "    Font.Name = 'Arial'\n"
    "    Font.Size = 12\n"
    "    Font.Style = [fsBold, fsUnderline]\n"
    "    Wave.Data = {\n"
    "      52494646040000005741564500}\n"
    "    Items.Strings = (\n"
    "      'eins'\n"
    "      'zwei')\n"
    "    Panels = <\n"
    "      item\n"
    "        Width = 10\n"
    "        Text = 'a'\n"
    "      end\n"
    "      item\n"
    "        OnClick = PanelClick\n"
    "      end>\n"
    "    FocusControl = Panel2\n"
    "    OnClick = PanelClick\n"
    "    OnKeyDown = FormKeyDown\n"
    "    object Panel2: TTestPanel\n"
    "      Width = -7000\n"
    "      Color = 1234\n"
    "    end\n"
    "  end\n"
    "end\n";

std::string Text(TMemoryStream& s) {
  return std::string(static_cast<const char*>(s.GetMemory()), static_cast<std::size_t>(s.GetSize()));
}

TMemoryStream Binary(const std::string& text, const TFormTextOptions& options = {}) {
  TStringStream in{AnsiString(text)};
  TMemoryStream out;
  ObjectTextToBinary(&in, &out, options);
  out.SetPosition(0);
  return out;
}

std::string TextOf(TMemoryStream& binary) {
  binary.SetPosition(0);
  TMemoryStream text;
  ObjectBinaryToText(&binary, &text);
  return Text(text);
}

std::unique_ptr<TComponent> Load(TMemoryStream& binary) {
  binary.SetPosition(0);
  return std::unique_ptr<TComponent>(ReadComponentFromStream(&binary, nullptr));
}

std::string Save(TComponent* root) {
  TMemoryStream binary;
  WriteComponentToStream(&binary, root);
  return TextOf(binary);
}

class Streaming : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterTestClasses();
    Log().clear();
  }
};

TEST_F(Streaming, TextToBinaryToTextIsTheSameText) {
  TMemoryStream binary = Binary(kFullForm);
  EXPECT_EQ(TextOf(binary), kFullForm);
}

TEST_F(Streaming, ReadsEveryKindAndWritesTheSameFormBack) {
  TMemoryStream binary = Binary(kFullForm);
  auto root = Load(binary);
  auto* form = dynamic_cast_object<TTestForm>(root.get());
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->GetName(), "Form1");
  EXPECT_EQ(form->caption, "Gr\xC3\xB6\xC3\x9F" "e 'A'\r\nB");
  auto* p1 = dynamic_cast_object<TTestPanel>(form->FindComponent("Panel1"));
  auto* p2 = dynamic_cast_object<TTestPanel>(form->FindComponent("Panel2"));
  ASSERT_TRUE(p1 && p2);
  EXPECT_EQ(p1->caption, "Eins");
  EXPECT_EQ(p1->width, 300);
  EXPECT_FALSE(p1->visible);
  EXPECT_EQ(p1->align, alClient);
  EXPECT_EQ(p1->anchors, (TTestAnchors{akLeft, akRight}));
  EXPECT_EQ(p1->color, 0xFF);
  EXPECT_DOUBLE_EQ(p1->ratio, 1.5);
  EXPECT_EQ(p1->font.name, "Arial");
  EXPECT_EQ(p1->font.size, 12);
  EXPECT_EQ(p1->font.style, (TTestFontStyles{fsBold, fsUnderline}));
  EXPECT_EQ(p1->wave.data.size(), 13u);
  EXPECT_EQ(p1->items.GetText(), "eins\r\nzwei\r\n");
  ASSERT_EQ(p1->panels.GetCount(), 2);
  EXPECT_EQ(static_cast<TTestItem*>(p1->panels.GetItems(0))->width, 10);
  EXPECT_EQ(static_cast<TTestItem*>(p1->panels.GetItems(1))->width, 50);
  EXPECT_EQ(p1->focusControl, p2);
  EXPECT_EQ(p2->parent, p1);
  EXPECT_EQ(p2->GetOwner(), form);
  EXPECT_EQ(p2->width, -7000);
  EXPECT_EQ(p2->color, 1234);

  // Events call the form's handlers.
  p1->OnClick(p1);
  static_cast<TTestItem*>(p1->panels.GetItems(1))->OnClick(p1);
  EXPECT_EQ(form->clicks, 2);
  Word key = 13;
  p1->OnKeyDown(p1, key, TShiftState());
  EXPECT_EQ(key, 0);
  EXPECT_EQ(form->OnCreate, TNotifyEvent(form, &TTestForm::FormCreate));

  EXPECT_EQ(Save(form), kFullForm);
}

TEST_F(Streaming, ValuesEqualToTheirDefaultsAreNotWritten) {
  TTestForm form(nullptr);
  form.SetName("Form1");
  auto* panel = TObject::Create<TTestPanel>(&form);
  panel->SetName("Panel1");
  EXPECT_EQ(Save(&form),
            "object Form1: TTestForm\n"
            "  object Panel1: TTestPanel\n"
            "    Width = 0\n"  // declared without a default: always written
            "  end\n"
            "end\n");
  // A lambda is no published method: the event is not written.
  panel->OnClick = TNotifyEvent([](TObject*) {});
  panel->anchors = {};
  panel->font.size = 8;
  EXPECT_EQ(Save(&form),
            "object Form1: TTestForm\n"
            "  object Panel1: TTestPanel\n"
            "    Width = 0\n"
            "    Anchors = []\n"
            "  end\n"
            "end\n");
}

TEST_F(Streaming, DefinedPropertyWinsAndLegacyNamesAreReadNotWritten) {
  TMemoryStream binary = Binary(
      "object Form1: TTestForm\n"
      "  object Panel1: TTestPanel\n"
      "    Width = 1\n"
      "    Legacy = 7\n"
      "    Wave.Loop = True\n"
      "  end\n"
      "end\n");
  auto root = Load(binary);
  auto* panel = dynamic_cast_object<TTestPanel>(root->FindComponent("Panel1"));
  EXPECT_EQ(panel->legacyDefined, 7);
  EXPECT_EQ(panel->legacy, 0);
  EXPECT_TRUE(panel->wave.loop);
  EXPECT_EQ(Save(root.get()),
            "object Form1: TTestForm\n"
            "  object Panel1: TTestPanel\n"
            "    Width = 1\n"
            "  end\n"
            "end\n");
}

TEST_F(Streaming, LoadingStatesFixupsAndLoadedOrder) {
  TMemoryStream binary = Binary(kFullForm);
  auto root = Load(binary);
  auto* form = static_cast<TTestForm*>(root.get());
  auto* p1 = static_cast<TTestPanel*>(form->FindComponent("Panel1"));
  auto* p2 = static_cast<TTestPanel*>(form->FindComponent("Panel2"));
  EXPECT_TRUE(p1->readingSeen);
  EXPECT_TRUE(p1->loadingSeenInLoaded);
  EXPECT_FALSE(p1->readingSeenInLoaded);
  EXPECT_TRUE(p1->focusResolvedInLoaded);
  for (TComponent* c : {static_cast<TComponent*>(form), static_cast<TComponent*>(p1), static_cast<TComponent*>(p2)}) {
    EXPECT_FALSE(c->GetComponentState().Contains(csLoading));
    EXPECT_FALSE(c->GetComponentState().Contains(csReading));
  }
  EXPECT_EQ(Log(), (std::vector<std::string>{"Loaded Form1", "Loaded Panel1", "Loaded Panel2"}));
  // Each panel joined the form (and the form heard of it) as it was made,
  // before the stream named it.
  EXPECT_EQ(form->inserted, (std::vector<std::string>{"unnamed", "unnamed"}));
  // Freeing the referenced panel clears the reference.
  delete p2;
  EXPECT_EQ(p1->focusControl, nullptr);
  EXPECT_TRUE(p1->children.empty());
}

TEST_F(Streaming, ReadsIntoAGivenRootAndFindsAUniqueName) {
  TComponent app(nullptr);
  auto* first = TObject::Create<TTestForm>(&app);
  first->SetName("Form1");
  auto* second = TObject::Create<TTestForm>(&app);
  TMemoryStream binary = Binary("object Form1: TTestForm\n  Caption = 'x'\nend\n");
  EXPECT_EQ(ReadComponentFromStream(&binary, second), second);
  EXPECT_EQ(second->GetName(), "Form1_1");
  EXPECT_EQ(second->caption, "x");
}

TEST_F(Streaming, PublishedFieldFollowsTheComponentOfItsName) {
  TMemoryStream binary = Binary(kFullForm);
  std::unique_ptr<TComponent> root = Load(binary);
  auto* form = static_cast<TTestForm*>(root.get());
  auto* panel = static_cast<TTestPanel*>(form->FindComponent("Panel1"));
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(form->Panel1, panel);

  panel->SetName("Other");
  EXPECT_EQ(form->Panel1, nullptr);
  panel->SetName("Panel1");
  EXPECT_EQ(form->Panel1, panel);

  // A component of another class under the name leaves the field empty.
  panel->SetName("Other");
  TComponent stranger(nullptr);
  stranger.SetName("Panel1");
  form->InsertComponent(&stranger);
  EXPECT_EQ(form->Panel1, nullptr);
  form->RemoveComponent(&stranger);

  panel->SetName("Panel1");
  delete panel;
  EXPECT_EQ(form->Panel1, nullptr);
}

TEST_F(Streaming, RegistryFindsClassesByName) {
  EXPECT_EQ(GetClass("ttestpanel"), TTestPanel::StaticClass());
  EXPECT_EQ(FindClass("TTestForm"), TTestForm::StaticClass());
  EXPECT_EQ(GetClass("TNoSuchThing"), nullptr);
  EXPECT_THROW(FindClass("TNoSuchThing"), EClassNotFound);
  UnRegisterClass(TTestPanel::StaticClass());
  EXPECT_EQ(GetClass("TTestPanel"), nullptr);
  RegisterClass(TTestPanel::StaticClass());
  EXPECT_EQ(GetClass("TTestPanel"), TTestPanel::StaticClass());
}

TEST_F(Streaming, PublishedTablesAreInheritedAndFoundWithoutCase) {
  EXPECT_NE(FindPublishedProperty(TTestPanel::StaticClass(), "fOnT"), nullptr);
  EXPECT_EQ(FindPublishedProperty(TTestForm::StaticClass(), "Font"), nullptr);
  EXPECT_NE(FindPublishedProperty(TTestItem::StaticClass(), "Width"), nullptr);
  EXPECT_NE(FindPublishedMethod(TTestForm::StaticClass(), "panelclick"), nullptr);
}

}  // namespace
