#include "dialogs_filter.h"

#include <gtest/gtest.h>

TEST(FileFilterTest, DescriptionsAndPatternsComeInPairs) {
  struct Case {
    const char* filter;
    std::vector<std::pair<const char*, const char*>> want;
  };
  const Case cases[] = {
      {"Text|*.a;*.b|Alle|*.*", {{"Text", "*.a;*.b"}, {"Alle", "*.*"}}},
      {"Morvant II Level-Datei|*.dat", {{"Morvant II Level-Datei", "*.dat"}}},
      // A trailing description without patterns lists everything.
      {"Level|*.dat|Alle", {{"Level", "*.dat"}, {"Alle", "*"}}},
      {"Level|", {{"Level", "*"}}},
      {"", {{"", "*"}}},
      {"||Bilder|*.png", {{"Bilder", "*.png"}}},
  };
  for (const Case& c : cases) {
    const std::vector<TFileFilter> got = ParseFileFilter(c.filter);
    ASSERT_EQ(got.size(), c.want.size()) << c.filter;
    for (size_t i = 0; i < got.size(); ++i) {
      EXPECT_EQ(got[i].Description, c.want[i].first) << c.filter;
      EXPECT_EQ(got[i].Patterns, c.want[i].second) << c.filter;
    }
  }
}

TEST(FileFilterTest, PatternsMatchWithoutRegardToCase) {
  struct Case {
    const char* name;
    const char* patterns;
    bool match;
  };
  const Case cases[] = {
      {"welt1.dat", "*.dat", true},
      {"WELT1.DAT", "*.dat", true},
      {"welt1.dat.bak", "*.dat", false},
      {"welt1.da", "*.dat", false},
      {"notes.b", "*.a;*.b", true},
      {"notes.c", "*.a; *.b ;", false},
      {"notes.b", " *.a ; *.b ", true},
      {"README", "*.*", true},
      {"archiv.tar.gz", "*.*", true},
      {"level", "level.*", true},
      {"level7.dat", "level?.dat", true},
      {"level17.dat", "level?.dat", false},
      // '?' stands for a whole letter, umlauts and their case included.
      {"Größe.txt", "gr??e.txt", true},
      {"GRÖSSE.txt", "grö*.txt", true},
      {"GRÖSSE.txt", "gro*.txt", false},
      {"ÄPFEL.dat", "äpfel.dat", true},
      {"aaaaaaaaaaaaaaaaaaaaaaaab", "*a*a*a*a*a*c", false},
      {"x", "", false},
      {"x", ";;", false},
      {"", "*", true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(MatchesFilePatterns(c.name, c.patterns), c.match) << c.name << " ~ " << c.patterns;
}

TEST(FileFilterTest, ATypedNameIsAPatternWhenItHoldsAWildcard) {
  EXPECT_TRUE(IsFilePattern("*.txt"));
  EXPECT_TRUE(IsFilePattern("welt?.dat"));
  EXPECT_FALSE(IsFilePattern("welt1.dat"));
  EXPECT_FALSE(IsFilePattern("../level"));
}
