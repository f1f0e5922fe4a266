// Inside the queue: what the input, paint and timer code feed into it.
#pragma once

#include <cstdint>
#include <string>

#include "host.h"
#include "messages.h"

namespace WindowManager {

// Appends a message made from host input (UI thread); returns its serial,
// which TranslateMessage uses to find the characters typed with a key-down.
DWORD PostInput(const MSG& msg);
// Puts a message at the head of the queue (the characters of a key-down
// come next, before any later input).
void PostNext(const MSG& msg);
// An input message left the queue: GetKeyState now answers as of it.
void InputMessageTaken(DWORD serial);
// Records the key state after the input message of that serial.
void SnapshotKeyState(DWORD serial);
// How many key-downs other than Alt's have left the queue so far, whichever
// window took them and whether it passed them on: the menu bar's "Alt alone"
// ends with any of them.
DWORD KeyDownsTaken();

// Host input, by kind.
void HostKey(const Backend::Event& e, bool down);
void HostText(const Backend::Event& e);
void HostMouseMove(const Backend::Event& e);
void HostMouseButton(const Backend::Event& e, bool down);
void HostMouseWheel(const Backend::Event& e);
void HostMouseLeft();
// Keys and buttons as the host reports them, for GetAsyncKeyState.
void SetAsyncKey(int vk, bool down);
void ApplyHostModifiers(unsigned modifiers);
// MK_ flags for mouse messages, from the current key state.
WPARAM MouseKeyFlags();

// Drops every queued message of a window that is being destroyed.
void PurgeWindowMessages(HWND hwnd);

// The characters the host typed with the key-down of that serial.
void AttachTypedText(DWORD keySerial, std::u32string text);
// Takes them out again; `found` is false when the host typed nothing.
std::u32string TakeTypedText(DWORD keySerial, bool& found);

// The routine every loop calls: background work first (Synchronize, sent
// calls, host input, presents), then a message that passes the filter.
bool TakeMessage(MSG& out, HWND hwnd, UINT min, UINT max, bool remove);
// Waits in the host for input until the next timer is due (or forever).
void WaitForInput();

// Paint and timer generation, for TakeMessage.
bool NextPaintMessage(HWND filter, MSG& out);
bool NextTimerMessage(HWND filter, bool remove, MSG& out);
// The platform time the next timer is due; UINT64_MAX without timers.
std::uint64_t NextTimerDue();
// Marks a timer's tick as running (between dispatch and return), so that a
// nested loop drops its further ticks.
void BeginTimerTick(HWND hwnd, UINT_PTR id);
void EndTimerTick(HWND hwnd, UINT_PTR id);
void KillWindowTimers(HWND hwnd);

// Host input to messages; presenting surfaces.
void HandleHostEvent(const Backend::Event& event);
// Ends a host focus change once the batch of events it came in is through.
void FinishHostEventBatch();
void PresentDirtySurfaces();

}  // namespace WindowManager
