// The object behind a font handle, for the text and enumeration code of this
// module: the caller's LOGFONT and the engine instance it draws with.
#pragma once

#include <memory>

#include "font.h"
#include "fontengine.h"
#include "gdiobj.h"

struct DeviceContext;

struct FontObject : GdiObject {
  explicit FontObject(const LOGFONT& lf);
  int GetObjectData(int size, void* out) const override;

  LOGFONT lf;
  // Made on first use; shared with every font of the same request.
  const std::shared_ptr<FontInstance>& Instance() const;
  // The face name as GetTextFace reports it: the name asked for, or the
  // default face's when none was given.
  const char* FaceName() const;
  // GetTextMetrics' answer for this font.
  TEXTMETRIC TextMetrics() const;
  // The TrueType test's answer for this font (TMPF_TRUETYPE).
  bool IsTrueType() const;

 private:
  mutable std::shared_ptr<FontInstance> instance_;
};

// The font behind a handle (stock fonts installed on demand); null for a
// handle that is no live font.
FontObject* ResolveFont(HFONT font);
// The font a DC draws with: its selected font, else the system font.
FontObject& DcFont(const DeviceContext& dc);
