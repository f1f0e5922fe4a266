#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "exceptions.h"
#include "formres.h"
#include "formtext.h"
#include "stream_fixture.h"

using namespace stream_fixture;

namespace {

const char* const kForm =
    "object Form1: TTestForm\n"
    "  Caption = 'Titel'\n"
    "  OnCreate = FormCreate\n"
    "  object Panel1: TTestPanel\n"
    "    Caption = 'Gr\xC3\xB6\xC3\x9F" "e'\n"
    "    Width = 300\n"
    "    Anchors = [akLeft, akRight]\n"
    "    Ratio = 1.5\n"
    "    Font.Name = 'Arial'\n"
    "    Wave.Data = {0102030405}\n"
    "    Items.Strings = ('eins' 'zwei')\n"
    "    Panels = <item Width = 10 end>\n"
    "    FocusControl = Panel2\n"
    "    object Panel2: TTestPanel\n"
    "      Width = 1\n"
    "    end\n"
    "  end\n"
    "end\n";

std::string Binary(const std::string& text) {
  TStringStream in{AnsiString(text)};
  TStringStream out;
  ObjectTextToBinary(&in, &out);
  return out.GetDataString().str();
}

void ReadBinary(const std::string& bytes) {
  TStringStream in{AnsiString(bytes)};
  std::unique_ptr<TComponent> root(ReadComponentFromStream(&in, nullptr));
}

void BinaryToText(const std::string& bytes) {
  TStringStream in{AnsiString(bytes)};
  TStringStream out;
  ObjectBinaryToText(&in, &out);
}

class StreamErrors : public ::testing::Test {
 protected:
  void SetUp() override { RegisterTestClasses(); }
};

TEST_F(StreamErrors, EveryTruncationIsAReadError) {
  const std::string full = Binary(kForm);
  ASSERT_NO_THROW(ReadBinary(full));
  ASSERT_NO_THROW(BinaryToText(full));
  for (std::size_t n = 0; n < full.size(); ++n) {
    const std::string cut = full.substr(0, n);
    EXPECT_THROW(ReadBinary(cut), EReadError) << "cut at " << n;
    EXPECT_THROW(BinaryToText(cut), EReadError) << "cut at " << n;
  }
}

// Well-formed streams whose values do not fit the classes they name.
TEST_F(StreamErrors, ValuesTheClassesRefuseAreReadErrors) {
  const struct {
    const char* what;
    const char* body;  // inside Panel1
    const char* message;
  } cases[] = {
      {"unknown property", "Nope = 1", "Eigenschaft Nope existiert nicht"},
      {"unknown nested property", "Font.Nope = 1", "Eigenschaft Nope existiert nicht"},
      {"dotted name through a plain value", "Caption.Length = 1", "Eigenschaft Caption existiert nicht"},
      {"unknown enum name", "Align = alMiddle", "ungültiger Wert alMiddle"},
      {"unknown set member", "Anchors = [akLeft, akCentre]", "akCentre"},
      {"integer beyond the property's range", "Width = 70000", "außerhalb des Bereichs"},
      {"integer where a boolean belongs", "Visible = 1", "Wahrheitswert erwartet"},
      {"integer where a string belongs", "Caption = 5", "Zeichenkette erwartet"},
      {"unknown colour name", "Color = clPink", "unbekannte Farbe clPink"},
      {"missing handler", "OnClick = NoSuchHandler", "Methode NoSuchHandler nicht gefunden"},
      {"handler of another signature", "OnClick = FormKeyDown", "passt nicht"},
      {"unresolved reference", "FocusControl = Panel9", "Panel9 nicht gefunden"},
      {"reference of another class", "FocusControl = Form1", "ist kein TTestPanel"},
      {"binary data for a published value", "Width = {00}", "Ganzzahl erwartet"},
      {"unknown class", "object X: TNoSuchClass\n end", "Klasse TNoSuchClass nicht gefunden"},
      {"name taken", "object Panel1: TTestPanel\n end", "existiert bereits"},
  };
  for (const auto& c : cases) {
    const std::string text =
        std::string("object Form1: TTestForm\n object Panel1: TTestPanel\n") + c.body + "\n end\nend\n";
    try {
      ReadBinary(Binary(text));
      ADD_FAILURE() << c.what << ": no error";
    } catch (const EReadError& e) {
      EXPECT_NE(e.Message.Pos(c.message), 0) << c.what << ": " << e.Message.str();
    }
  }
}

TEST_F(StreamErrors, DamagedBytesAreReadErrors) {
  const std::string good = Binary("object Form1: TTestForm\n  Caption = 'Titel'\nend\n");
  const std::size_t valueAt = good.find("Titel") - 2;  // the value type of Caption
  auto with = [&](std::size_t at, const std::string& bytes) {
    std::string s = good;
    s.replace(at, bytes.size(), bytes);
    return s;
  };
  std::string deep = "TPF0";
  for (int i = 0; i < 200; ++i) deep += std::string("\x0ATTestPanel\x00\x00", 13);
  deep += std::string(200, '\0');
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"signature", with(0, "TPF1")},
      {"value type beyond the table", with(valueAt, "\x7F")},
      {"long string longer than the stream", with(valueAt, std::string("\x0C\xF0\xFF\xFF\x7F", 5))},
      {"wide string longer than the stream", with(valueAt, std::string("\x12\xF0\xFF\xFF\x7F", 5))},
      {"UTF-8 string that is not UTF-8", with(valueAt, std::string("\x14\x05\x00\x00\x00\xFF\xFE", 7))},
      {"list end missing", good.substr(0, good.size() - 1) + "\x05"},
      {"nesting without end", deep},
  };
  for (const auto& c : cases) {
    EXPECT_THROW(ReadBinary(c.bytes), EReadError) << c.what;
    EXPECT_THROW(BinaryToText(c.bytes), EReadError) << c.what;
  }
}

TEST_F(StreamErrors, BadTextIsAParserErrorWithItsLine) {
  const struct {
    const char* what;
    const char* text;
    const char* message;
  } cases[] = {
      {"no end", "object A: TTestForm\n", "Zeile 2"},
      {"no object", "Caption = 1\n", "'object' erwartet"},
      {"no equals sign", "object A: TTestForm\n  Caption 'x'\nend\n", "Zeile 2: '=' erwartet"},
      {"string not closed", "object A: TTestForm\n  Caption = 'x\nend\n", "nicht abgeschlossen"},
      {"odd hex digits", "object A: TTestForm\n  X = {ABC}\nend\n", "ungerade"},
      {"not hex", "object A: TTestForm\n  X = {AG}\nend\n", "Hexadezimalziffer"},
      {"hex block not closed", "object A: TTestForm\n  X = {AB\n", "'}' fehlt"},
      {"surrogate escape", "object A: TTestForm\n  X = #55296\nend\n", "ungültiges Zeichen"},
      {"text after the end", "object A: TTestForm\nend\nobject B: TTestForm\nend\n", "Zeile 3"},
      {"concatenation of a number", "object A: TTestForm\n  X = 'a' + 1\nend\n", "Zeichenkette erwartet"},
      {"missing file", "object A: TTestForm\n  X = @'no/such/file.bin'\nend\n", "no/such/file.bin"},
      {"integer too large", "object A: TTestForm\n  X = 99999999999999999999\nend\n", "zu groß"},
  };
  for (const auto& c : cases) {
    try {
      Binary(c.text);
      ADD_FAILURE() << c.what << ": no error";
    } catch (const EParserError& e) {
      EXPECT_NE(e.Message.Pos(c.message), 0) << c.what << ": " << e.Message.str();
    }
  }
  std::string deep;
  for (int i = 0; i < 100; ++i) deep += "object A: TTestPanel\n";
  EXPECT_THROW(Binary(deep), EParserError);
  EXPECT_THROW(Binary("object A: TTestForm\n  X = " + std::string(100, '(') + "\nend\n"), EParserError);
}

TEST_F(StreamErrors, FileReferencesGoThroughTheLoaderRelativeToTheFormFolder) {
  TFormTextOptions options;
  options.BaseFolder = "/forms/main";
  std::vector<std::string> asked;
  options.LoadFile = [&](const AnsiString& className, const AnsiString& prop, const AnsiString& path) {
    asked.push_back(className.str() + " " + prop.str() + " " + path.str());
    return std::vector<Byte>{0xAB, 0xCD};
  };
  TStringStream in{AnsiString("object A: TTestPanel\n  Wave.Data = @'sounds/klick.wav'\n  Font.Data = @'/abs.bin'\nend\n")};
  TMemoryStream binary;
  ObjectTextToBinary(&in, &binary, options);
  EXPECT_EQ(asked, (std::vector<std::string>{"TTestPanel Wave.Data /forms/main/sounds/klick.wav", "TTestPanel Font.Data /abs.bin"}));
  binary.SetPosition(0);
  TStringStream text;
  ObjectBinaryToText(&binary, &text);
  EXPECT_EQ(text.GetDataString().str(),
            "object A: TTestPanel\n"
            "  Wave.Data = {\n"
            "    ABCD}\n"
            "  Font.Data = {\n"
            "    ABCD}\n"
            "end\n");
}

}  // namespace
