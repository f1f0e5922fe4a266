#include "memorystatus.h"

#include <sys/sysinfo.h>

#include <charconv>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>

namespace {

constexpr std::uint64_t kMax64 = std::numeric_limits<std::uint64_t>::max();

DWORD Saturate32(std::uint64_t bytes) { return bytes > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<DWORD>(bytes); }

std::uint64_t SaturatingAdd(std::uint64_t a, std::uint64_t b) { return a > kMax64 - b ? kMax64 : a + b; }

std::uint64_t SaturatingKilobytes(std::uint64_t kb) { return kb > kMax64 / 1024 ? kMax64 : kb * 1024; }

// "Name:   1234 kB" -> 1234 * 1024; false when the line is not of that form.
bool ParseLine(std::string_view line, std::string_view& name, std::uint64_t& bytes) {
  const std::size_t colon = line.find(':');
  if (colon == std::string_view::npos) return false;
  name = line.substr(0, colon);
  std::string_view rest = line.substr(colon + 1);
  while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t')) rest.remove_prefix(1);
  std::uint64_t value = 0;
  const auto [end, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), value);
  if (ec != std::errc()) return false;
  const std::string_view unit = rest.substr(static_cast<std::size_t>(end - rest.data()));
  bytes = unit.find("kB") != std::string_view::npos ? SaturatingKilobytes(value) : value;
  return true;
}

bool FiguresFromProc(MemoryFigures& figures) {
  std::ifstream in("/proc/meminfo");
  if (!in) return false;
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return ParseMemInfo(text, figures);
}

bool FiguresFromSysinfo(MemoryFigures& figures) {
  struct sysinfo info {};
  if (sysinfo(&info) != 0) return false;
  const std::uint64_t unit = info.mem_unit ? info.mem_unit : 1;
  figures.TotalPhys = info.totalram * unit;
  figures.AvailPhys = SaturatingAdd(info.freeram * unit, info.bufferram * unit);
  figures.TotalSwap = info.totalswap * unit;
  figures.FreeSwap = info.freeswap * unit;
  return true;
}

}  // namespace

bool ParseMemInfo(std::string_view text, MemoryFigures& figures) {
  bool haveTotal = false, haveAvailable = false;
  std::uint64_t memFree = 0;
  figures = MemoryFigures{};
  while (!text.empty()) {
    const std::size_t eol = text.find('\n');
    const std::string_view line = text.substr(0, eol);
    text.remove_prefix(eol == std::string_view::npos ? text.size() : eol + 1);
    std::string_view name;
    std::uint64_t bytes = 0;
    if (!ParseLine(line, name, bytes)) continue;
    if (name == "MemTotal") {
      figures.TotalPhys = bytes;
      haveTotal = true;
    } else if (name == "MemAvailable") {
      figures.AvailPhys = bytes;
      haveAvailable = true;
    } else if (name == "MemFree") {
      memFree = bytes;
    } else if (name == "SwapTotal") {
      figures.TotalSwap = bytes;
    } else if (name == "SwapFree") {
      figures.FreeSwap = bytes;
    }
  }
  if (!haveAvailable) figures.AvailPhys = memFree;
  // Damaged figures must not report more free than there is.
  if (figures.AvailPhys > figures.TotalPhys) figures.AvailPhys = figures.TotalPhys;
  if (figures.FreeSwap > figures.TotalSwap) figures.FreeSwap = figures.TotalSwap;
  return haveTotal;
}

MEMORYSTATUS MemoryStatusFromFigures(const MemoryFigures& figures) {
  MEMORYSTATUS status;
  const std::uint64_t used = figures.TotalPhys - figures.AvailPhys;
  status.dwMemoryLoad =
      figures.TotalPhys == 0 ? 0 : static_cast<DWORD>(static_cast<long double>(used) * 100 / figures.TotalPhys);
  status.dwTotalPhys = Saturate32(figures.TotalPhys);
  status.dwAvailPhys = Saturate32(figures.AvailPhys);
  status.dwTotalPageFile = Saturate32(SaturatingAdd(figures.TotalPhys, figures.TotalSwap));
  status.dwAvailPageFile = Saturate32(SaturatingAdd(figures.AvailPhys, figures.FreeSwap));
  status.dwTotalVirtual = 0xFFFFFFFFu;
  status.dwAvailVirtual = 0xFFFFFFFFu;
  return status;
}

void GlobalMemoryStatus(LPMEMORYSTATUS status) {
  if (!status) return;
  MemoryFigures figures;
  if (!FiguresFromProc(figures) && !FiguresFromSysinfo(figures)) figures = MemoryFigures{};
  *status = MemoryStatusFromFigures(figures);
}
