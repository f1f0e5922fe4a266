// The font engine under the logical fonts: face names resolved through our
// table and then fontconfig, FreeType faces opened once per file, one sized
// instance per face, size and synthesised style, and a glyph cache in each
// instance keyed by code point and angle.
//
// Sizes follow the original's rules at 96 pixels per inch: a negative height
// is the em height in pixels, a positive one the cell height (ascent plus
// descent, from the face's Windows metrics). Advances are the unhinted ones
// rounded to whole pixels, so measurements do not move with the hinting
// FreeType happens to do.
//
// All of it may be used from any thread; one lock serialises the FreeType
// calls.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// What fontconfig found for a face name and style.
struct FaceMatch {
  std::string family;  // the installed family, as fontconfig names it
  std::string file;    // empty when no face could be found at all
  int index = 0;       // face index within the file
  bool bold = false;   // the face itself is bold (else bold is synthesised)
  bool italic = false; // the face itself slants (else italic is sheared)
  bool monospace = false;
  bool scalable = true;
};

// Face name (ours or the installed family), weight (FW_*, 0 = normal) and
// italic, resolved through our table, then fontconfig, then DejaVu Sans. A
// fixed-pitch request for a face fontconfig does not have takes its
// monospace face.
FaceMatch ResolveFace(std::string_view faceName, int weight, bool italic, bool fixedPitch = false);

// One installed face as enumeration reports it.
struct InstalledFace {
  std::string family;
  std::string style;  // "Regular", "Bold Italic" ...
  int weight = 400;   // FW_*
  bool italic = false;
  bool monospace = false;
  bool scalable = true;
};

// The installed faces of one family (compared without case), or of all
// families when `family` is empty; sorted by family, then weight and slant.
std::vector<InstalledFace> ListInstalledFaces(std::string_view family);

// Makes a font file known to fontconfig for this process (AddFontResource).
bool AddApplicationFontFile(const std::string& path);

// What a logical font asks for.
struct FontRequest {
  std::string faceName;
  int height = 0;  // < 0 em height, > 0 cell height, 0 the default
  int width = 0;   // average character width; 0 keeps the face's proportions
  int weight = 0;  // FW_*; 0 = FW_NORMAL
  bool italic = false;
  bool fixedPitch = false;
};

// Pixel metrics of one instance. Positions are rows below the top of the
// text cell, so the baseline lies between rows ascent - 1 and ascent.
struct FontMetrics {
  int ascent = 0;
  int descent = 0;
  int height = 0;  // ascent + descent
  int internalLeading = 0;
  int externalLeading = 0;
  int aveCharWidth = 0;
  int maxCharWidth = 0;
  int underlineTop = 0;
  int underlineThickness = 1;
  int strikeoutTop = 0;
  int strikeoutThickness = 1;
  int overhang = 0;  // extra advance of a synthesised bold
};

// A glyph's coverage (0..255), placed relative to the pen position on the
// baseline, y growing downwards.
struct GlyphBitmap {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> coverage;
};

class FontInstance {
 public:
  FontInstance(const FontRequest& request, const FaceMatch& face);
  ~FontInstance();
  FontInstance(const FontInstance&) = delete;
  FontInstance& operator=(const FontInstance&) = delete;

  const FaceMatch& Face() const { return face_; }
  const FontMetrics& Metrics() const { return metrics_; }
  // Whole-pixel advance of a code point; control characters advance 0.
  int Advance(char32_t cp);
  // The glyph at an angle in tenths of a degree, counterclockwise; an empty
  // bitmap for control characters and when no face could be loaded.
  std::shared_ptr<const GlyphBitmap> Glyph(char32_t cp, int angleTenths);

 private:
  void ComputeMetrics(const FontRequest& request);
  std::shared_ptr<const GlyphBitmap> Render(char32_t cp, int angleTenths);

  FaceMatch face_;
  FontMetrics metrics_;
  void* ftFace_ = nullptr;  // FT_Face, shared by all instances of the file
  void* ftSize_ = nullptr;  // FT_Size, this instance's own
  double emPixels_ = 0;
  bool synthBold_ = false;
  bool synthItalic_ = false;
  std::unordered_map<char32_t, int> advances_;
  std::unordered_map<std::uint64_t, std::shared_ptr<const GlyphBitmap>> glyphs_;
  std::size_t glyphBytes_ = 0;
};

// The shared instance for a request; the same request gives the same one.
std::shared_ptr<FontInstance> AcquireFontInstance(const FontRequest& request);
