// A recording device context for tests of the modules above: it draws like
// any memory DC and also logs each drawing call with its arguments, one
// line per call in the form "Rectangle(1,2,30,40)"; the point lists of
// the poly calls as x,y pairs ("Polygon(89,2,129,22,89,42)", PolyPolygon
// its counts first: "PolyPolygon(3,3;0,0,...)"). Calls a drawing function
// makes on its own DC inside are not logged again.
#pragma once

#include <vector>

#include "ansistring.h"
#include "gdi_handles.h"

// Start or stop logging on any DC (a window's DC, a canvas's DC).
BOOL StartRecording(HDC dc);
BOOL StopRecording(HDC dc);
// The lines logged so far (empty for a DC that never recorded).
std::vector<AnsiString> RecordedCalls(HDC dc);
void ClearRecordedCalls(HDC dc);

// A memory DC with a 32-bit bitmap of the given size, recording from the
// start; owns both.
class RecordingDC {
 public:
  RecordingDC(int width, int height);
  ~RecordingDC();
  RecordingDC(const RecordingDC&) = delete;
  RecordingDC& operator=(const RecordingDC&) = delete;

  HDC Handle() const { return dc_; }
  std::vector<AnsiString> Calls() const { return RecordedCalls(dc_); }
  void Clear() { ClearRecordedCalls(dc_); }

 private:
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};
