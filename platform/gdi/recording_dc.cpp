#include "recording_dc.h"

#include "bitmap.h"
#include "dc_internal.h"

#include <string>

struct LogRecorder {
  bool active = true;
  std::vector<AnsiString> lines;
};

namespace {

void Append(DeviceContext* dc, const char* name, const AnsiString& args) {
  dc->recorder->lines.push_back(AnsiString(name) + "(" + args + ")");
}

bool ShouldLog(DeviceContext* dc) { return dc && dc->recordDepth == 0 && dc->recorder && dc->recorder->active; }

}  // namespace

namespace {

void LogArguments(DeviceContext* dc, const char* name, std::initializer_list<long long> args) {
  AnsiString joined;
  bool first = true;
  for (long long v : args) {
    if (!first) joined += ",";
    joined += AnsiString(v);
    first = false;
  }
  Append(dc, name, joined);
}

}  // namespace

RecordedCall::RecordedCall(HDC h, const char* name, std::initializer_list<long long> args) : handle_(h) {
  DeviceContext* dc = ResolveDC(h);
  if (!dc) return;
  if (ShouldLog(dc)) LogArguments(dc, name, args);
  ++dc->recordDepth;
}

void RecordedCall::Log(DeviceContext* dc, const char* name, std::initializer_list<long long> args) {
  if (ShouldLog(dc)) LogArguments(dc, name, args);
}

RecordedCall::RecordedCall(HDC h, const char* name, const AnsiString& args) : handle_(h) {
  DeviceContext* dc = ResolveDC(h);
  if (!dc) return;
  if (ShouldLog(dc)) Append(dc, name, args);
  ++dc->recordDepth;
}

void RecordedCall::LeaveHandle() {
  // The DC may have been deleted inside the call: look it up again.
  if (DeviceContext* dc = ResolveDC(handle_)) --dc->recordDepth;
}

AnsiString RecordedPoints(const POINT* points, long long count) {
  if (!points || count <= 0) return AnsiString(count);
  std::string joined;
  for (long long i = 0; i < count; ++i) {
    if (i) joined += ',';
    joined += std::to_string(points[i].x) + ',' + std::to_string(points[i].y);
  }
  return AnsiString(std::move(joined));
}

BOOL StartRecording(HDC h) {
  DeviceContext* dc = ResolveDC(h);
  if (!dc) return FALSE;
  if (!dc->recorder) dc->recorder = std::make_shared<LogRecorder>();
  dc->recorder->active = true;
  return TRUE;
}

BOOL StopRecording(HDC h) {
  DeviceContext* dc = ResolveDC(h);
  if (!dc || !dc->recorder) return FALSE;
  dc->recorder->active = false;
  return TRUE;
}

std::vector<AnsiString> RecordedCalls(HDC h) {
  DeviceContext* dc = ResolveDC(h);
  if (!dc || !dc->recorder) return {};
  return dc->recorder->lines;
}

void ClearRecordedCalls(HDC h) {
  DeviceContext* dc = ResolveDC(h);
  if (dc && dc->recorder) dc->recorder->lines.clear();
}

RecordingDC::RecordingDC(int width, int height) {
  dc_ = CreateCompatibleDC(nullptr);
  bitmap_ = CreateBitmap(width, height, 1, 32, nullptr);
  previous_ = SelectObject(dc_, bitmap_);
  StartRecording(dc_);
}

RecordingDC::~RecordingDC() {
  SelectObject(dc_, previous_);
  DeleteDC(dc_);
  DeleteObject(bitmap_);
}
