#include "sdl_wait.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>

namespace SdlBackend {
namespace {

// Input that does not come over the X connection (an input method's text
// over D-Bus, SDL's own queue) is looked at again at least this often.
constexpr int kLongestSleepMs = 50;
// Without a known X connection the desktop's events are only seen by
// pumping SDL.
constexpr int kSliceWithoutConnectionMs = 5;

}  // namespace

EventWait::EventWait() {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) == 0) {
    read_ = fds[0];
    write_ = fds[1];
  }
}

EventWait::~EventWait() {
  if (read_ >= 0) close(read_);
  if (write_ >= 0) close(write_);
}

bool EventWait::TakeWake() {
  if (read_ < 0) return false;
  char buffer[64];
  bool woken = false;
  while (read(read_, buffer, sizeof buffer) > 0) woken = true;
  return woken;
}

bool EventWait::Wait(int timeoutMs, int xFd) {
  timeoutMs = std::clamp(timeoutMs, 0, xFd >= 0 ? kLongestSleepMs : kSliceWithoutConnectionMs);
  pollfd fds[2];
  nfds_t count = 0;
  if (read_ >= 0) fds[count++] = {read_, POLLIN, 0};
  if (xFd >= 0) fds[count++] = {xFd, POLLIN, 0};
  poll(fds, count, timeoutMs);  // interrupted by a signal: a wake like any other
  return TakeWake();
}

void EventWait::Wake() {
  if (write_ < 0) return;
  const char byte = 1;
  // A full pipe holds wakes enough already.
  [[maybe_unused]] ssize_t written = write(write_, &byte, 1);
}

}  // namespace SdlBackend
