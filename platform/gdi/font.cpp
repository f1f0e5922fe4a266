#include "font.h"

#include <cstdint>
#include <cstring>
#include <mutex>
#include <string_view>

#include "ansistring.h"
#include "dc_internal.h"
#include "facemap.h"
#include "font_object.h"

namespace {

constexpr const char* kDefaultFaceName = "Arial";

// Copies a face name into the record, cut to 31 bytes at a letter boundary.
void SetFaceName(LOGFONT& lf, const char* name) {
  CHAR cut[LF_FACESIZE] = {};
  if (name) {
    std::string_view s(name, strnlen(name, 4096));
    if (s.size() > LF_FACESIZE - 1) s = s.substr(0, Utf8StartOfCodePoint(s, LF_FACESIZE - 1));
    std::memcpy(cut, s.data(), s.size());
  }
  std::memcpy(lf.lfFaceName, cut, sizeof cut);
}

LOGFONT MakeLogFont(int height, int weight, BYTE pitchAndFamily, const char* face) {
  LOGFONT lf;
  lf.lfHeight = height;
  lf.lfWeight = weight;
  lf.lfCharSet = ANSI_CHARSET;
  lf.lfPitchAndFamily = pitchAndFamily;
  SetFaceName(lf, face);
  return lf;
}

struct StockFont {
  int index;
  LOGFONT lf;
};

// The original's stock fonts, by their face names; the face table and
// fontconfig find the faces.
void InstallStockFontsOnce() {
  const StockFont stock[] = {
      {OEM_FIXED_FONT, MakeLogFont(12, FW_NORMAL, FIXED_PITCH | FF_MODERN, "Terminal")},
      {ANSI_FIXED_FONT, MakeLogFont(13, FW_NORMAL, FIXED_PITCH | FF_MODERN, "Courier")},
      {ANSI_VAR_FONT, MakeLogFont(13, FW_NORMAL, VARIABLE_PITCH | FF_SWISS, "MS Sans Serif")},
      {SYSTEM_FONT, MakeLogFont(16, FW_BOLD, VARIABLE_PITCH | FF_SWISS, "System")},
      {DEVICE_DEFAULT_FONT, MakeLogFont(16, FW_BOLD, VARIABLE_PITCH | FF_SWISS, "System")},
      {SYSTEM_FIXED_FONT, MakeLogFont(15, FW_NORMAL, FIXED_PITCH | FF_MODERN, "Fixedsys")},
      {DEFAULT_GUI_FONT, MakeLogFont(-11, FW_NORMAL, VARIABLE_PITCH | FF_SWISS, "MS Sans Serif")},
  };
  for (const StockFont& s : stock) GdiInstallStock(s.index, std::make_unique<FontObject>(s.lf));
}

}  // namespace

FontObject::FontObject(const LOGFONT& record) : lf(record) {
  // The record may come from anywhere: make sure the name ends.
  lf.lfFaceName[LF_FACESIZE - 1] = 0;
  SetFaceName(lf, lf.lfFaceName);
}

int FontObject::GetObjectData(int size, void* out) const {
  if (!out) return static_cast<int>(sizeof(LOGFONT));
  const int n = size < static_cast<int>(sizeof(LOGFONT)) ? size : static_cast<int>(sizeof(LOGFONT));
  std::memcpy(out, &lf, static_cast<std::size_t>(n));
  return n;
}

const std::shared_ptr<FontInstance>& FontObject::Instance() const {
  // A stock font is shared by every thread that draws.
  static std::mutex lock;
  std::lock_guard guard(lock);
  if (!instance_) {
    FontRequest request;
    request.faceName = FaceName();
    request.height = lf.lfHeight;
    // Outside records may carry any numbers; the engine clamps them.
    request.width = lf.lfWidth == INT32_MIN ? INT32_MAX : lf.lfWidth < 0 ? -lf.lfWidth : lf.lfWidth;
    request.weight = lf.lfWeight;
    request.italic = lf.lfItalic != 0;
    request.fixedPitch = (lf.lfPitchAndFamily & 0x03) == FIXED_PITCH;
    instance_ = AcquireFontInstance(request);
  }
  return instance_;
}

const char* FontObject::FaceName() const { return lf.lfFaceName[0] ? lf.lfFaceName : kDefaultFaceName; }

TEXTMETRIC FontObject::TextMetrics() const {
  FontInstance& instance = *Instance();
  const FontMetrics& m = instance.Metrics();
  auto flag = [](bool on) -> BYTE { return on ? 255 : 0; };
  TEXTMETRIC tm;
  tm.tmHeight = m.height;
  tm.tmAscent = m.ascent;
  tm.tmDescent = m.descent;
  tm.tmInternalLeading = m.internalLeading;
  tm.tmExternalLeading = m.externalLeading;
  tm.tmAveCharWidth = m.aveCharWidth;
  tm.tmMaxCharWidth = m.maxCharWidth;
  tm.tmWeight = lf.lfWeight > 0 ? lf.lfWeight : FW_NORMAL;
  tm.tmDigitizedAspectX = 96;
  tm.tmDigitizedAspectY = 96;
  tm.tmFirstChar = 0x1E;
  tm.tmLastChar = 0xFF;
  tm.tmDefaultChar = 0x1F;
  tm.tmBreakChar = 0x20;
  tm.tmItalic = flag(lf.lfItalic != 0);
  tm.tmUnderlined = flag(lf.lfUnderline != 0);
  tm.tmStruckOut = flag(lf.lfStrikeOut != 0);
  BYTE family = lf.lfPitchAndFamily & 0xF0;
  if (family == FF_DONTCARE) family = instance.Face().monospace ? FF_MODERN : FF_SWISS;
  tm.tmPitchAndFamily = family;
  if (!instance.Face().monospace) tm.tmPitchAndFamily |= TMPF_FIXED_PITCH;
  if (IsTrueType()) tm.tmPitchAndFamily |= TMPF_VECTOR | TMPF_TRUETYPE;
  tm.tmCharSet = lf.lfCharSet == DEFAULT_CHARSET ? ANSI_CHARSET : lf.lfCharSet;
  return tm;
}

bool FontObject::IsTrueType() const { return !IsClassicBitmapFace(FaceName()); }

FontObject* ResolveFont(HFONT font) {
  if (auto* object = GdiResolveAs<FontObject>(font, GdiKind::Font)) return object;
  if (GdiStockIndex(font) < 0) return nullptr;
  InstallStockFonts();
  return GdiResolveAs<FontObject>(font, GdiKind::Font);
}

FontObject& DcFont(const DeviceContext& dc) {
  if (FontObject* f = ResolveFont(dc.a.font)) return *f;
  return *ResolveFont(static_cast<HFONT>(GetStockObject(SYSTEM_FONT)));
}

void InstallStockFonts() {
  static std::once_flag once;
  std::call_once(once, InstallStockFontsOnce);
}

HFONT CreateFontIndirect(const LOGFONT* lf) {
  if (!lf) return nullptr;
  return static_cast<HFONT>(GdiCreateHandle(GdiKind::Font, std::make_unique<FontObject>(*lf)));
}

HFONT CreateFont(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                 DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision,
                 DWORD quality, DWORD pitchAndFamily, LPCSTR faceName) {
  LOGFONT lf;
  lf.lfHeight = height;
  lf.lfWidth = width;
  lf.lfEscapement = escapement;
  lf.lfOrientation = orientation;
  lf.lfWeight = weight;
  lf.lfItalic = italic ? 1 : 0;
  lf.lfUnderline = underline ? 1 : 0;
  lf.lfStrikeOut = strikeOut ? 1 : 0;
  lf.lfCharSet = static_cast<BYTE>(charSet);
  lf.lfOutPrecision = static_cast<BYTE>(outPrecision);
  lf.lfClipPrecision = static_cast<BYTE>(clipPrecision);
  lf.lfQuality = static_cast<BYTE>(quality);
  lf.lfPitchAndFamily = static_cast<BYTE>(pitchAndFamily);
  SetFaceName(lf, faceName);
  return CreateFontIndirect(&lf);
}

int AddFontResource(LPCSTR fileName) { return fileName && AddApplicationFontFile(fileName) ? 1 : 0; }

BOOL RemoveFontResource(LPCSTR fileName) { return fileName ? TRUE : FALSE; }
