#include "cursor.h"

#include <deque>

#include "host.h"
#include "nc_engine.h"

namespace {

struct CursorRecord {
  Backend::Cursor Shape = Backend::Cursor::Arrow;
  bool Standard = false;
  bool Alive = true;
};

struct StandardCursor {
  WORD Id;
  Backend::Cursor Shape;
};

constexpr StandardCursor kStandard[] = {
    {32512, Backend::Cursor::Arrow},   {32513, Backend::Cursor::IBeam},    {32514, Backend::Cursor::Wait},
    {32515, Backend::Cursor::Cross},   {32516, Backend::Cursor::Arrow},    {32640, Backend::Cursor::SizeAll},
    {32641, Backend::Cursor::Arrow},   {32642, Backend::Cursor::SizeNWSE}, {32643, Backend::Cursor::SizeNESW},
    {32644, Backend::Cursor::SizeWE},  {32645, Backend::Cursor::SizeNS},   {32646, Backend::Cursor::SizeAll},
    {32648, Backend::Cursor::No},      {32649, Backend::Cursor::Hand},     {32650, Backend::Cursor::Wait},
    {32651, Backend::Cursor::Arrow},
};
constexpr std::size_t kStandardCount = sizeof(kStandard) / sizeof(kStandard[0]);

struct CursorTable {
  // A deque keeps records in place, so handles (their addresses) stay valid.
  std::deque<CursorRecord> Records;
  HCURSOR Current = nullptr;
  int ShowCount = 0;
};

CursorTable& Table() {
  static CursorTable t;
  if (t.Records.empty())
    for (const StandardCursor& s : kStandard) t.Records.push_back({s.Shape, true, true});
  return t;
}

HCURSOR HandleOf(CursorRecord& r) { return reinterpret_cast<HCURSOR>(&r); }

CursorRecord* Lookup(HCURSOR h) {
  for (CursorRecord& r : Table().Records)
    if (HandleOf(r) == h) return r.Alive ? &r : nullptr;
  return nullptr;
}

void ShowOnHost() {
  CursorTable& t = Table();
  if (!Backend::HostInstalled() || t.ShowCount < 0 || !t.Current) return;
  CursorRecord* r = Lookup(t.Current);
  Backend::CurrentHost().SetCursor(r ? r->Shape : Backend::Cursor::Arrow);
}

}  // namespace

HCURSOR LoadCursor(HINSTANCE, LPCSTR name) {
  EnsureNonClientEngine();
  auto id = reinterpret_cast<std::uintptr_t>(name);
  if (id > 0xFFFF) return nullptr;  // cursors by name are not kept
  if (id == kHandCursorResource) id = 32649;  // the same hand as IDC_HAND
  for (std::size_t i = 0; i < kStandardCount; ++i)
    if (kStandard[i].Id == id) return HandleOf(Table().Records[i]);
  return nullptr;
}

HCURSOR SetCursor(HCURSOR cursor) {
  CursorTable& t = Table();
  HCURSOR old = t.Current;
  t.Current = cursor;
  if (cursor != old) ShowOnHost();
  return old;
}

HCURSOR GetCursor() { return Table().Current; }

int ShowCursor(BOOL show) {
  CursorTable& t = Table();
  t.ShowCount += show ? 1 : -1;
  if (show && t.ShowCount == 0) ShowOnHost();
  return t.ShowCount;
}

HCURSOR CreateCursor(HINSTANCE, int, int, int width, int height, const void* andPlane, const void* xorPlane) {
  if (width <= 0 || height <= 0 || !andPlane || !xorPlane) return nullptr;
  Table().Records.push_back({Backend::Cursor::Arrow, false, true});
  return HandleOf(Table().Records.back());
}

BOOL DestroyCursor(HCURSOR cursor) {
  CursorRecord* r = Lookup(cursor);
  if (!r || r->Standard) return FALSE;
  r->Alive = false;
  if (Table().Current == cursor) Table().Current = nullptr;
  return TRUE;
}
