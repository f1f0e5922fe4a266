#include "screen.h"

#include "host.h"

std::vector<TRect> MonitorRects() {
  if (!Backend::HostInstalled()) return {};
  return Backend::CurrentHost().Displays();
}

TRect DesktopRect() {
  TRect all;
  for (const TRect& d : MonitorRects()) UnionRect(&all, &all, &d);
  return all;
}
