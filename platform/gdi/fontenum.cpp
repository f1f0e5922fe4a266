#include "fontenum.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include "ansistring.h"
#include "facemap.h"
#include "font_object.h"
#include "fontengine.h"

namespace {

// Enumeration reports faces at the size of the default screen font.
constexpr int kEnumCellHeight = 16;

struct EnumEntry {
  std::string family;  // as reported: the installed family or our Windows name
  InstalledFace face;
  DWORD type;
};

DWORD TypeOf(std::string_view family, const InstalledFace& face) {
  return IsClassicBitmapFace(family) || !face.scalable ? RASTER_FONTTYPE : TRUETYPE_FONTTYPE;
}

// The style closest to a plain upright regular, standing for its family.
const InstalledFace* RegularOf(const std::vector<InstalledFace>& faces, std::size_t from, std::size_t to) {
  const InstalledFace* best = nullptr;
  for (std::size_t i = from; i < to; ++i) {
    const InstalledFace& f = faces[i];
    auto cost = [](const InstalledFace& x) { return std::abs(x.weight - FW_NORMAL) + (x.italic ? 1000 : 0); };
    if (!best || cost(f) < cost(*best)) best = &f;
  }
  return best;
}

std::vector<EnumEntry> AllFamilies() {
  const std::vector<InstalledFace> faces = ListInstalledFaces({});
  std::vector<EnumEntry> entries;
  for (std::size_t i = 0; i < faces.size();) {
    std::size_t j = i;
    while (j < faces.size() && SameFaceName(faces[j].family, faces[i].family)) ++j;
    const InstalledFace& regular = *RegularOf(faces, i, j);
    entries.push_back({regular.family, regular, TypeOf(regular.family, regular)});
    i = j;
  }
  // Our Windows names are faces a caller can ask for, so they are listed too.
  for (std::string_view name : MappedFaceNames()) {
    const auto styles = ListInstalledFaces(MappedFamily(name));
    if (styles.empty()) continue;
    const InstalledFace& regular = *RegularOf(styles, 0, styles.size());
    entries.push_back({std::string(name), regular, TypeOf(name, regular)});
  }
  std::sort(entries.begin(), entries.end(), [](const EnumEntry& a, const EnumEntry& b) {
    return std::lexicographical_compare(a.family.begin(), a.family.end(), b.family.begin(), b.family.end(),
                                        [](char x, char y) { return std::tolower(x) < std::tolower(y); });
  });
  return entries;
}

std::vector<EnumEntry> StylesOf(std::string_view family) {
  std::string_view installed = MappedFamily(family);
  if (installed.empty()) installed = family;
  std::vector<EnumEntry> entries;
  for (const InstalledFace& face : ListInstalledFaces(installed)) {
    const std::string name = MappedFamily(family).empty() ? face.family : std::string(family);
    entries.push_back({name, face, TypeOf(name, face)});
  }
  return entries;
}

template <std::size_t N>
void CopyCut(BYTE (&dst)[N], std::string_view s) {
  std::memset(dst, 0, N);
  if (s.size() > N - 1) s = s.substr(0, Utf8StartOfCodePoint(s, N - 1));
  std::memcpy(dst, s.data(), s.size());
}

int Report(const EnumEntry& e, FONTENUMPROC proc, LPARAM data) {
  ENUMLOGFONTEX elf;
  LOGFONT& lf = elf.elfLogFont;
  lf.lfHeight = kEnumCellHeight;
  lf.lfWeight = e.face.weight;
  lf.lfItalic = e.face.italic ? 1 : 0;
  lf.lfCharSet = ANSI_CHARSET;
  lf.lfOutPrecision = OUT_STROKE_PRECIS;
  lf.lfClipPrecision = CLIP_STROKE_PRECIS;
  lf.lfQuality = DRAFT_QUALITY;
  lf.lfPitchAndFamily = (e.face.monospace ? FIXED_PITCH | FF_MODERN : VARIABLE_PITCH | FF_SWISS);
  CopyCut(reinterpret_cast<BYTE(&)[LF_FACESIZE]>(lf.lfFaceName), e.family);
  CopyCut(elf.elfFullName, e.family + (e.face.style.empty() ? "" : " " + e.face.style));
  CopyCut(elf.elfStyle, e.face.style);
  CopyCut(elf.elfScript, "Western");

  const FontObject font(lf);
  NEWTEXTMETRICEX ntm;
  static_cast<TEXTMETRIC&>(ntm.ntmTm) = font.TextMetrics();
  ntm.ntmTm.ntmFlags = (e.face.weight >= FW_SEMIBOLD ? NTM_BOLD : 0) | (e.face.italic ? NTM_ITALIC : 0);
  if (ntm.ntmTm.ntmFlags == 0) ntm.ntmTm.ntmFlags = NTM_REGULAR;
  ntm.ntmTm.ntmCellHeight = static_cast<UINT>(ntm.ntmTm.tmHeight);
  ntm.ntmTm.ntmSizeEM = static_cast<UINT>(ntm.ntmTm.tmHeight - ntm.ntmTm.tmInternalLeading);
  ntm.ntmTm.ntmAvgWidth = static_cast<UINT>(ntm.ntmTm.tmAveCharWidth);
  return proc(&elf.elfLogFont, &ntm.ntmTm, e.type, data);
}

int ReportAll(const std::vector<EnumEntry>& entries, FONTENUMPROC proc, LPARAM data) {
  int result = 1;
  for (const EnumEntry& e : entries) {
    result = Report(e, proc, data);
    if (result == 0) break;
  }
  return result;
}

}  // namespace

int EnumFontFamilies(HDC, LPCSTR family, FONTENUMPROC proc, LPARAM data) {
  if (!proc) return 0;
  return ReportAll(family && *family ? StylesOf(family) : AllFamilies(), proc, data);
}

int EnumFonts(HDC dc, LPCSTR face, FONTENUMPROC proc, LPARAM data) { return EnumFontFamilies(dc, face, proc, data); }

int EnumFontFamiliesEx(HDC dc, LOGFONT* lf, FONTENUMPROC proc, LPARAM data, DWORD) {
  if (!lf) return 0;
  char face[LF_FACESIZE];
  std::memcpy(face, lf->lfFaceName, LF_FACESIZE);
  face[LF_FACESIZE - 1] = 0;
  return EnumFontFamilies(dc, face, proc, data);
}
