// fuzz-libs: morvant_gdi
// Arbitrary bytes as RGNDATA: ExtCreateRegion must fail cleanly or build a
// region whose data rebuilds the very same region.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "gdiobj.h"
#include "rgn.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // A copy, aligned as a RGNDATA would be.
  std::vector<std::uint32_t> aligned((size + 3) / 4 + 1);
  if (size) std::memcpy(aligned.data(), data, size);
  HRGN rgn = ExtCreateRegion(nullptr, static_cast<DWORD>(size), reinterpret_cast<const RGNDATA*>(aligned.data()));
  if (!rgn) return 0;
  std::vector<BYTE> out(GetRegionData(rgn, 0, nullptr));
  if (GetRegionData(rgn, static_cast<DWORD>(out.size()), reinterpret_cast<RGNDATA*>(out.data())) != out.size()) std::abort();
  HRGN again = ExtCreateRegion(nullptr, static_cast<DWORD>(out.size()), reinterpret_cast<const RGNDATA*>(out.data()));
  if (!again || !EqualRgn(rgn, again)) std::abort();
  std::vector<BYTE> second(GetRegionData(again, 0, nullptr));
  GetRegionData(again, static_cast<DWORD>(second.size()), reinterpret_cast<RGNDATA*>(second.data()));
  if (second != out) std::abort();
  DeleteObject(again);
  DeleteObject(rgn);
  return 0;
}
