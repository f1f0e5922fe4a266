#include "fontengine.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_SIZES_H
#include FT_TRUETYPE_TABLES_H
#include FT_ADVANCES_H
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <mutex>
#include <numbers>

#include "facemap.h"

namespace {

constexpr int kNormalWeight = 400;
constexpr int kBoldFromWeight = 600;
// Height 0 asks for the default font size: a cell of 16 pixels, as the
// original's default screen font.
constexpr int kDefaultCellHeight = 16;
constexpr std::string_view kLastResortFamily = "DejaVu Sans";
// Slant of a sheared italic, as a tangent in 16.16.
constexpr FT_Fixed kItalicShear = 0x0366A;
// Glyphs (and their bytes) kept per instance before its cache starts over.
constexpr std::size_t kMaxCachedGlyphs = 4096;
constexpr std::size_t kMaxCachedGlyphBytes = 8 << 20;
// Heights beyond this are taken as this: nobody reads text a screen high,
// and the glyphs of such a font would not fit any cache.
constexpr int kMaxPixelHeight = 2000;
constexpr std::size_t kMaxCachedInstances = 256;
constexpr std::size_t kMaxResolvedNames = 1024;

struct Engine {
  std::recursive_mutex lock;
  FT_Library library = nullptr;
  std::map<std::pair<std::string, int>, FT_Face> faces;
  std::map<std::string, FaceMatch> resolved;
  std::map<std::string, std::shared_ptr<FontInstance>> instances;
  bool toldNoFaceFound = false;
};

// Never destroyed: logical fonts held by static tables may outlive any
// ordinary static, and their instances free FreeType sizes on the way out.
Engine& TheEngine() {
  static Engine* engine = [] {
    auto* e = new Engine();
    if (FT_Init_FreeType(&e->library) != 0) e->library = nullptr;
    return e;
  }();
  return *engine;
}

std::string LowerAscii(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

int NormalWeight(int weight) { return weight <= 0 ? kNormalWeight : std::clamp(weight, 1, 1000); }

std::string PatternString(FcPattern* p, const char* object) {
  FcChar8* value = nullptr;
  if (FcPatternGetString(p, object, 0, &value) != FcResultMatch || !value) return {};
  return reinterpret_cast<const char*>(value);
}

int PatternInt(FcPattern* p, const char* object, int fallback) {
  int value = 0;
  return FcPatternGetInteger(p, object, 0, &value) == FcResultMatch ? value : fallback;
}

bool PatternBool(FcPattern* p, const char* object, bool fallback) {
  FcBool value = FcFalse;
  return FcPatternGetBool(p, object, 0, &value) == FcResultMatch ? value != FcFalse : fallback;
}

// What fontconfig is asked for a face; nullptr when out of memory.
FcPattern* RequestPattern(std::string_view family, int weight, bool italic) {
  FcPattern* pattern = FcPatternCreate();
  if (!pattern) return nullptr;
  const std::string familyZ(family);
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(familyZ.c_str()));
  FcPatternAddInteger(pattern, FC_WEIGHT, FcWeightFromOpenType(weight));
  FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  return pattern;
}

FaceMatch MatchOfPattern(FcPattern* found) {
  FaceMatch match;
  match.family = PatternString(found, FC_FAMILY);
  match.file = PatternString(found, FC_FILE);
  match.index = PatternInt(found, FC_INDEX, 0);
  match.bold = PatternInt(found, FC_WEIGHT, FC_WEIGHT_REGULAR) >= FC_WEIGHT_DEMIBOLD;
  match.italic = PatternInt(found, FC_SLANT, FC_SLANT_ROMAN) != FC_SLANT_ROMAN;
  match.monospace = PatternInt(found, FC_SPACING, FC_PROPORTIONAL) >= FC_MONO;
  match.scalable = PatternBool(found, FC_SCALABLE, true);
  return match;
}

FaceMatch MatchFamily(std::string_view family, int weight, bool italic) {
  FcPattern* pattern = RequestPattern(family, weight, italic);
  if (!pattern) return {};
  FcResult result = FcResultNoMatch;
  FcPattern* found = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  if (!found) return {};
  FaceMatch match = MatchOfPattern(found);
  FcPatternDestroy(found);
  return match;
}

FT_Face OpenFace(Engine& engine, const std::string& file, int index) {
  if (!engine.library || file.empty()) return nullptr;
  const auto key = std::make_pair(file, index);
  if (auto it = engine.faces.find(key); it != engine.faces.end()) return it->second;
  FT_Face face = nullptr;
  if (FT_New_Face(engine.library, file.c_str(), index, &face) != 0) face = nullptr;
  if (face && !FT_IS_SCALABLE(face) && face->num_fixed_sizes == 0) {
    FT_Done_Face(face);
    face = nullptr;
  }
  engine.faces[key] = face;  // a file that fails stays failed, and is not retried
  return face;
}

// The first face fontconfig has that FreeType can open, the closest to the
// request first: the last way to draw text at all.
FaceMatch AnyOpenableFace(Engine& engine, std::string_view family, int weight, bool italic) {
  FaceMatch match;
  FcPattern* pattern = RequestPattern(family, weight, italic);
  if (!pattern) return match;
  FcResult result = FcResultNoMatch;
  FcFontSet* set = FcFontSort(nullptr, pattern, FcFalse, nullptr, &result);
  FcPatternDestroy(pattern);
  for (int i = 0; set && i < set->nfont; ++i) {
    FaceMatch candidate = MatchOfPattern(set->fonts[i]);
    if (OpenFace(engine, candidate.file, candidate.index)) {
      match = std::move(candidate);
      break;
    }
  }
  if (set) FcFontSetDestroy(set);
  return match;
}

// Once per run: without it every text is silently missing or odd.
void TellNoFaceFound(Engine& engine, const std::vector<std::string>& asked, const FaceMatch& used) {
  if (engine.toldNoFaceFound) return;
  engine.toldNoFaceFound = true;
  std::string names;
  for (std::size_t i = 0; i < asked.size(); ++i) {
    const auto first = std::find_if(asked.begin(), asked.end(), [&](const std::string& a) { return SameFaceName(a, asked[i]); });
    if (first - asked.begin() == static_cast<std::ptrdiff_t>(i)) names += (names.empty() ? "\"" : ", \"") + asked[i] + '"';
  }
  if (used.file.empty())
    std::fprintf(stderr, "morvant2: no font found for %s, nor any other: text is not drawn\n", names.c_str());
  else
    std::fprintf(stderr, "morvant2: no font found for %s: text is drawn with \"%s\"\n", names.c_str(),
                 used.family.c_str());
}

double Round(double v) { return std::floor(v + 0.5); }
// Ceiling that forgives the noise of a product of two exact decimals.
int CeilPixels(double v) { return static_cast<int>(std::ceil(v - 1e-6)); }

}  // namespace

FaceMatch ResolveFace(std::string_view faceName, int weight, bool italic, bool fixedPitch) {
  Engine& engine = TheEngine();
  std::lock_guard guard(engine.lock);
  weight = NormalWeight(weight);
  std::string key = LowerAscii(faceName) + '|' + std::to_string(weight) + '|' + (italic ? 'i' : 'r') + (fixedPitch ? 'f' : 'v');
  if (auto it = engine.resolved.find(key); it != engine.resolved.end()) return it->second;
  if (engine.resolved.size() >= kMaxResolvedNames) engine.resolved.clear();

  // An empty name is the caller's "any face": the default sans.
  std::string_view family = faceName.empty() ? std::string_view("Arial") : faceName;
  if (std::string_view mapped = MappedFamily(family); !mapped.empty()) family = mapped;
  std::vector<std::string> asked{std::string(family)};
  FaceMatch match = MatchFamily(family, weight, italic);
  if (FT_Face face = OpenFace(engine, match.file, match.index); face && FT_IS_FIXED_WIDTH(face)) match.monospace = true;
  if (fixedPitch && !match.monospace && !SameFaceName(match.family, family)) {
    match = MatchFamily("monospace", weight, italic);
    asked.emplace_back("monospace");
  }
  if (!OpenFace(engine, match.file, match.index)) {
    match = MatchFamily(kLastResortFamily, weight, italic);
    asked.emplace_back(kLastResortFamily);
  }
  if (!OpenFace(engine, match.file, match.index)) {
    match = AnyOpenableFace(engine, family, weight, italic);
    TellNoFaceFound(engine, asked, match);
  }
  if (FT_Face face = OpenFace(engine, match.file, match.index)) {
    // fontconfig leaves the spacing out for some monospace faces.
    if (FT_IS_FIXED_WIDTH(face)) match.monospace = true;
  } else {
    match = FaceMatch{};
  }
  engine.resolved[key] = match;
  return match;
}

std::vector<InstalledFace> ListInstalledFaces(std::string_view family) {
  Engine& engine = TheEngine();
  std::lock_guard guard(engine.lock);
  std::vector<InstalledFace> faces;
  FcPattern* pattern = FcPatternCreate();
  FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, FC_STYLE, FC_WEIGHT, FC_SLANT, FC_SPACING, FC_SCALABLE, nullptr);
  FcFontSet* set = pattern && objects ? FcFontList(nullptr, pattern, objects) : nullptr;
  for (int i = 0; set && i < set->nfont; ++i) {
    FcPattern* p = set->fonts[i];
    InstalledFace face;
    face.family = PatternString(p, FC_FAMILY);
    if (face.family.empty() || (!family.empty() && !SameFaceName(face.family, family))) continue;
    face.style = PatternString(p, FC_STYLE);
    face.weight = static_cast<int>(FcWeightToOpenTypeDouble(PatternInt(p, FC_WEIGHT, FC_WEIGHT_REGULAR)));
    face.italic = PatternInt(p, FC_SLANT, FC_SLANT_ROMAN) != FC_SLANT_ROMAN;
    face.monospace = PatternInt(p, FC_SPACING, FC_PROPORTIONAL) >= FC_MONO;
    face.scalable = PatternBool(p, FC_SCALABLE, true);
    faces.push_back(std::move(face));
  }
  if (set) FcFontSetDestroy(set);
  if (objects) FcObjectSetDestroy(objects);
  if (pattern) FcPatternDestroy(pattern);
  std::sort(faces.begin(), faces.end(), [](const InstalledFace& a, const InstalledFace& b) {
    const std::string fa = LowerAscii(a.family), fb = LowerAscii(b.family);
    if (fa != fb) return fa < fb;
    if (a.weight != b.weight) return a.weight < b.weight;
    return a.italic < b.italic;
  });
  return faces;
}

bool AddApplicationFontFile(const std::string& path) {
  Engine& engine = TheEngine();
  std::lock_guard guard(engine.lock);
  if (!FcConfigAppFontAddFile(nullptr, reinterpret_cast<const FcChar8*>(path.c_str()))) return false;
  engine.resolved.clear();
  engine.instances.clear();
  return true;
}

FontInstance::FontInstance(const FontRequest& request, const FaceMatch& face) : face_(face) {
  Engine& engine = TheEngine();
  std::lock_guard guard(engine.lock);
  FT_Face ftFace = OpenFace(engine, face_.file, face_.index);
  FT_Size size = nullptr;
  if (ftFace && FT_New_Size(ftFace, &size) == 0) {
    ftFace_ = ftFace;
    ftSize_ = size;
  }
  const int weight = NormalWeight(request.weight);
  synthBold_ = weight >= kBoldFromWeight && !face_.bold;
  synthItalic_ = request.italic && !face_.italic;
  ComputeMetrics(request);
}

FontInstance::~FontInstance() {
  std::lock_guard guard(TheEngine().lock);
  if (ftSize_) FT_Done_Size(static_cast<FT_Size>(ftSize_));
}

void FontInstance::ComputeMetrics(const FontRequest& request) {
  auto* face = static_cast<FT_Face>(ftFace_);
  FontMetrics& m = metrics_;
  const int requested = request.height == 0 ? kDefaultCellHeight : std::clamp(request.height, -kMaxPixelHeight, kMaxPixelHeight);
  if (!face) {
    // No face at all: plausible metrics so that layout still works.
    emPixels_ = requested < 0 ? -requested : requested * 0.8;
    m.height = requested < 0 ? CeilPixels(emPixels_ * 1.2) : requested;
    m.ascent = CeilPixels(m.height * 0.8);
    m.descent = m.height - m.ascent;
    m.internalLeading = m.height - static_cast<int>(Round(emPixels_));
    m.aveCharWidth = std::max(1, static_cast<int>(Round(emPixels_ * 0.5)));
    m.maxCharWidth = static_cast<int>(emPixels_) + 1;
    m.underlineTop = m.ascent + (m.descent > 1 ? 1 : 0);
    m.strikeoutTop = m.ascent - std::max(1, m.ascent / 3);
    return;
  }

  const double units = face->units_per_EM > 0 ? face->units_per_EM : 2048;
  auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  auto* hhea = static_cast<TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
  double ascentUnits = face->ascender;
  double descentUnits = -face->descender;
  if (os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
    ascentUnits = os2->usWinAscent;
    descentUnits = os2->usWinDescent;
  }
  if (ascentUnits + descentUnits <= 0) ascentUnits = units * 0.8, descentUnits = units * 0.2;
  const double cellUnits = ascentUnits + descentUnits;

  emPixels_ = requested < 0 ? -requested : requested * units / cellUnits;
  emPixels_ = std::clamp(emPixels_, 1.0, static_cast<double>(kMaxPixelHeight));
  const double scale = emPixels_ / units;
  double xScale = scale;
  if (request.width > 0 && os2 && os2->xAvgCharWidth > 0)
    xScale = std::min(std::min(request.width, kMaxPixelHeight) / static_cast<double>(os2->xAvgCharWidth), scale * 50);

  if (ftSize_) {
    FT_Activate_Size(static_cast<FT_Size>(ftSize_));
    const auto em26 = static_cast<FT_F26Dot6>(Round(emPixels_ * 64));
    const auto width26 = static_cast<FT_F26Dot6>(Round(xScale * units * 64));
    if (FT_IS_SCALABLE(face)) {
      FT_Set_Char_Size(face, width26, em26, 72, 72);
    } else {
      FT_Select_Size(face, 0);
    }
  }

  if (requested > 0) {
    m.height = requested;
    m.ascent = static_cast<int>(Round(ascentUnits * scale));
    m.descent = m.height - m.ascent;
  } else {
    m.ascent = CeilPixels(ascentUnits * scale);
    m.descent = CeilPixels(descentUnits * scale);
    m.height = m.ascent + m.descent;
  }
  m.internalLeading = std::max(0, m.height - static_cast<int>(Round(emPixels_)));
  if (hhea) {
    const double lineUnits = hhea->Ascender - hhea->Descender + hhea->Line_Gap;
    m.externalLeading = std::max(0, static_cast<int>(Round((lineUnits - cellUnits) * scale)));
  }
  if (os2 && os2->version != 0xFFFF && os2->xAvgCharWidth > 0) {
    m.aveCharWidth = static_cast<int>(Round(os2->xAvgCharWidth * xScale));
  } else {
    m.aveCharWidth = Advance('x');
  }
  m.aveCharWidth = std::max(1, m.aveCharWidth);
  m.maxCharWidth = std::max(m.aveCharWidth, CeilPixels(face->max_advance_width * xScale));

  m.underlineThickness = std::max(1, static_cast<int>(Round(face->underline_thickness * scale)));
  const double underlineCentre = -face->underline_position * scale;
  m.underlineTop = m.ascent + std::max(0, static_cast<int>(Round(underlineCentre - (m.underlineThickness - 1) / 2.0)));
  m.underlineTop = std::min(m.underlineTop, std::max(m.ascent, m.height - m.underlineThickness));
  double strikeUnits = units * 0.26;
  double strikeSize = face->underline_thickness;
  if (os2 && os2->version != 0xFFFF && os2->yStrikeoutSize > 0) {
    strikeUnits = os2->yStrikeoutPosition;
    strikeSize = os2->yStrikeoutSize;
  }
  m.strikeoutThickness = std::max(1, static_cast<int>(Round(strikeSize * scale)));
  m.strikeoutTop = std::clamp(m.ascent - static_cast<int>(Round(strikeUnits * scale)), 0, m.height - 1);

  if (synthBold_) {
    m.overhang = 1;
    m.aveCharWidth += 1;
    m.maxCharWidth += 1;
  }
}

int FontInstance::Advance(char32_t cp) {
  if (cp < 0x20 || cp == 0x7F) return 0;
  std::lock_guard guard(TheEngine().lock);
  if (auto it = advances_.find(cp); it != advances_.end()) return it->second;
  int advance = 0;
  auto* face = static_cast<FT_Face>(ftFace_);
  if (face) {
    FT_Activate_Size(static_cast<FT_Size>(ftSize_));
    const FT_UInt index = FT_Get_Char_Index(face, cp);
    FT_Fixed fixed = 0;
    if (FT_Get_Advance(face, index, FT_LOAD_NO_HINTING, &fixed) == 0)
      advance = static_cast<int>(Round(fixed / 65536.0));
  } else {
    advance = metrics_.aveCharWidth;
  }
  advance += metrics_.overhang;
  advances_[cp] = advance;
  return advance;
}

std::shared_ptr<const GlyphBitmap> FontInstance::Glyph(char32_t cp, int angleTenths) {
  angleTenths %= 3600;
  if (angleTenths < 0) angleTenths += 3600;
  std::lock_guard guard(TheEngine().lock);
  const std::uint64_t key = static_cast<std::uint64_t>(cp) | (static_cast<std::uint64_t>(angleTenths) << 32);
  if (auto it = glyphs_.find(key); it != glyphs_.end()) return it->second;
  if (glyphs_.size() >= kMaxCachedGlyphs || glyphBytes_ >= kMaxCachedGlyphBytes) {
    glyphs_.clear();
    glyphBytes_ = 0;
  }
  auto glyph = Render(cp, angleTenths);
  glyphBytes_ += glyph->coverage.size() + sizeof(GlyphBitmap);
  glyphs_[key] = glyph;
  return glyph;
}

std::shared_ptr<const GlyphBitmap> FontInstance::Render(char32_t cp, int angleTenths) {
  auto glyph = std::make_shared<GlyphBitmap>();
  auto* face = static_cast<FT_Face>(ftFace_);
  if (!face || cp < 0x20 || cp == 0x7F) return glyph;
  FT_Activate_Size(static_cast<FT_Size>(ftSize_));

  // Hinting would distort a rotated outline; upright text takes the light,
  // vertical-only hinting, which keeps the advances as measured.
  const FT_Int32 loadFlags = FT_LOAD_NO_BITMAP | (angleTenths != 0 ? FT_LOAD_NO_HINTING : FT_LOAD_TARGET_LIGHT);
  if (FT_Load_Glyph(face, FT_Get_Char_Index(face, cp), FT_IS_SCALABLE(face) ? loadFlags : FT_LOAD_DEFAULT) != 0)
    return glyph;
  FT_GlyphSlot slot = face->glyph;
  if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
    if (synthBold_)
      FT_Outline_Embolden(&slot->outline, std::max<FT_Pos>(48, static_cast<FT_Pos>(emPixels_ * 64 / 18)));
    if (synthItalic_) {
      FT_Matrix shear{0x10000, kItalicShear, 0, 0x10000};
      FT_Outline_Transform(&slot->outline, &shear);
    }
    if (angleTenths != 0) {
      // FreeType's y axis points up, so this turns the glyph counterclockwise
      // on the screen.
      const double radians = angleTenths / 10.0 * std::numbers::pi / 180.0;
      const auto c = static_cast<FT_Fixed>(Round(std::cos(radians) * 65536));
      const auto s = static_cast<FT_Fixed>(Round(std::sin(radians) * 65536));
      FT_Matrix rotation{c, -s, s, c};
      FT_Outline_Transform(&slot->outline, &rotation);
    }
  }
  if (slot->format != FT_GLYPH_FORMAT_BITMAP && FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return glyph;

  const FT_Bitmap& bitmap = slot->bitmap;
  glyph->left = slot->bitmap_left;
  glyph->top = -slot->bitmap_top;
  glyph->width = static_cast<int>(bitmap.width);
  glyph->height = static_cast<int>(bitmap.rows);
  glyph->coverage.assign(static_cast<std::size_t>(glyph->width) * glyph->height, 0);
  for (int y = 0; y < glyph->height; ++y) {
    const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
    std::uint8_t* out = glyph->coverage.data() + static_cast<std::size_t>(y) * glyph->width;
    for (int x = 0; x < glyph->width; ++x) {
      if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
        out[x] = (row[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
      } else if (bitmap.pixel_mode == FT_PIXEL_MODE_GRAY) {
        const int grays = std::max<int>(2, bitmap.num_grays);
        out[x] = static_cast<std::uint8_t>(row[x] * 255 / (grays - 1));
      }
    }
  }
  return glyph;
}

std::shared_ptr<FontInstance> AcquireFontInstance(const FontRequest& request) {
  Engine& engine = TheEngine();
  std::lock_guard guard(engine.lock);
  const int weight = NormalWeight(request.weight);
  std::string key = LowerAscii(request.faceName) + '|' + std::to_string(request.height) + '|' +
                    std::to_string(request.width) + '|' + std::to_string(weight) + '|' + (request.italic ? 'i' : 'r') +
                    (request.fixedPitch ? 'f' : 'v');
  if (auto it = engine.instances.find(key); it != engine.instances.end()) return it->second;
  if (engine.instances.size() >= kMaxCachedInstances) {
    // Let go of the instances no logical font holds any more.
    std::erase_if(engine.instances, [](const auto& entry) { return entry.second.use_count() == 1; });
  }
  auto instance = std::make_shared<FontInstance>(request, ResolveFace(request.faceName, weight, request.italic, request.fixedPitch));
  engine.instances[key] = instance;
  return instance;
}
