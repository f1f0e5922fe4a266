#include "fontengine.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>

#include "facemap.h"

namespace {

struct FaceCase {
  const char* asked;
  const char* family;
};

// Our table first; fontconfig for names it does not hold, which here sends
// the original's other faces to its default sans.
TEST(FaceMapping, NamesResolveToTheInstalledFamilies) {
  const FaceCase cases[] = {
      {"MS Sans Serif", "Liberation Sans"},   {"Arial", "Liberation Sans"},
      {"arial", "Liberation Sans"},           {"Times New Roman", "Liberation Serif"},
      {"Courier New", "Liberation Mono"},     {"Comic Sans MS", "Comic Neue"},
      {"MS Shell Dlg", "DejaVu Sans"},        {"No Such Face 123", "DejaVu Sans"},
      {"DejaVu Sans Mono", "DejaVu Sans Mono"}, {"", "Liberation Sans"},
  };
  for (const FaceCase& c : cases) {
    const FaceMatch match = ResolveFace(c.asked, 400, false);
    EXPECT_EQ(match.family, c.family) << "asked for \"" << c.asked << "\"";
    EXPECT_FALSE(match.file.empty()) << c.asked;
  }
}

TEST(FaceMapping, StylesPickRealFacesOrAreSynthesised) {
  const FaceMatch bold = ResolveFace("Arial", 700, false);
  EXPECT_TRUE(bold.bold);
  EXPECT_FALSE(bold.italic);
  const FaceMatch italic = ResolveFace("Arial", 400, true);
  EXPECT_TRUE(italic.italic);
  EXPECT_FALSE(italic.bold);
  EXPECT_TRUE(ResolveFace("Courier New", 400, false).monospace);
  // A fixed-pitch request for an unknown face takes a monospace face.
  EXPECT_TRUE(ResolveFace("Fixedsys", 400, false, true).monospace);
}

TEST(FaceMapping, ClassicBitmapFacesAreNotTrueType) {
  for (const char* name : {"MS Sans Serif", "ms sans serif", "System", "Small Fonts", "Courier", "Fixedsys"})
    EXPECT_TRUE(IsClassicBitmapFace(name)) << name;
  for (const char* name : {"Arial", "Courier New", "Comic Sans MS", "Tahoma", ""})
    EXPECT_FALSE(IsClassicBitmapFace(name)) << name;
}

FontRequest Request(const char* face, int height, int weight = 400, bool italic = false) {
  FontRequest r;
  r.faceName = face;
  r.height = height;
  r.weight = weight;
  r.italic = italic;
  return r;
}

// Negative heights give the em, positive ones the cell.
TEST(FontMetricsTest, NegativeHeightIsTheEmPositiveTheCell) {
  for (int h : {11, 13, 16, 33}) {
    auto em = AcquireFontInstance(Request("Arial", -h));
    const FontMetrics& m = em->Metrics();
    EXPECT_EQ(m.height - m.internalLeading, h) << h;
    EXPECT_EQ(m.ascent + m.descent, m.height);
    EXPECT_GT(m.internalLeading, 0);

    auto cell = AcquireFontInstance(Request("Arial", h));
    EXPECT_EQ(cell->Metrics().height, h);
    EXPECT_LT(cell->Metrics().height - cell->Metrics().internalLeading, h);
  }
}

TEST(FontMetricsTest, UnderlineAndStrikeoutLieInTheCell) {
  auto font = AcquireFontInstance(Request("Liberation Mono", -16));
  const FontMetrics& m = font->Metrics();
  EXPECT_GE(m.underlineTop, m.ascent);
  EXPECT_LE(m.underlineTop + m.underlineThickness, m.height);
  EXPECT_LT(m.strikeoutTop, m.ascent);
  EXPECT_GT(m.strikeoutTop, m.internalLeading);
}

TEST(FontInstanceTest, SameRequestSharesTheInstance) {
  EXPECT_EQ(AcquireFontInstance(Request("Arial", -13)), AcquireFontInstance(Request("ARIAL", -13)));
  EXPECT_NE(AcquireFontInstance(Request("Arial", -13)), AcquireFontInstance(Request("Arial", 13)));
}

TEST(FontInstanceTest, MonospaceAdvancesAreEqualAndControlsAreEmpty) {
  auto font = AcquireFontInstance(Request("Liberation Mono", -16));
  const int w = font->Advance('M');
  EXPECT_GT(w, 0);
  for (char32_t cp : {U'i', U'W', U' ', U'ö', U'ß', U'.'}) EXPECT_EQ(font->Advance(cp), w);
  EXPECT_EQ(font->Advance(U'\t'), 0);
  EXPECT_EQ(font->Glyph(U'\n', 0)->width, 0);
  EXPECT_EQ(font->Glyph(U' ', 0)->coverage.size(), 0u);
}

// Synthesised bold widens the face that has no bold of its own.
TEST(FontInstanceTest, SyntheticBoldAddsOverhang) {
  auto regular = AcquireFontInstance(Request("Comic Sans MS", -16, 400));
  auto bold = AcquireFontInstance(Request("Comic Sans MS", -16, 700));
  EXPECT_EQ(bold->Metrics().overhang, bold->Face().bold ? 0 : 1);
  EXPECT_GE(bold->Advance('a'), regular->Advance('a'));
}

int InkRows(const GlyphBitmap& g) { return g.height; }
int InkColumns(const GlyphBitmap& g) { return g.width; }

// An "l" is tall and thin; turned by 90 degrees it lies on its side, above
// and to the right of its baseline origin (ink goes up the screen).
TEST(FontInstanceTest, RotatedGlyphTurnsCounterclockwise) {
  auto font = AcquireFontInstance(Request("DejaVu Sans", -40));
  auto upright = font->Glyph(U'l', 0);
  auto turned = font->Glyph(U'l', 900);
  ASSERT_GT(upright->coverage.size(), 0u);
  EXPECT_GT(InkRows(*upright), 2 * InkColumns(*upright));
  EXPECT_GT(InkColumns(*turned), 2 * InkRows(*turned));
  // Upright ink lies above the baseline (negative top); at 90 degrees the
  // glyph's "up" points left, so its ink lies left of the pen.
  EXPECT_LT(upright->top, 0);
  EXPECT_LT(turned->left, 0);
  auto full = font->Glyph(U'l', 3600 + 900);
  EXPECT_EQ(full->width, turned->width);
  EXPECT_EQ(full->height, turned->height);
}

}  // namespace
