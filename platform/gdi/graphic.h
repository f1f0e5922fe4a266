// TGraphic: the abstract picture that TPicture holds and a canvas draws
// (TBitmap, TIcon). Files go through the streams.
#pragma once

#include "ansistring.h"
#include "events.h"
#include "persistent.h"
#include "rect.h"

class TCanvas;
class TStream;

class TGraphic : public TPersistent {
  MORVANT_CLASS(TGraphic, TPersistent)
 public:
  TGraphic() = default;
  TGraphic(const TGraphic&) = delete;
  TGraphic& operator=(const TGraphic&) = delete;

  virtual int GetWidth() const = 0;
  virtual void SetWidth(int Value) = 0;
  virtual int GetHeight() const = 0;
  virtual void SetHeight(int Value) = 0;
  virtual bool GetEmpty() const = 0;
  bool GetTransparent() const { return transparent_; }
  virtual void SetTransparent(bool Value);
  bool GetModified() const { return modified_; }
  void SetModified(bool Value);

  virtual void LoadFromStream(TStream* Stream) = 0;
  virtual void SaveToStream(TStream* Stream) = 0;
  virtual void LoadFromFile(const AnsiString& FileName);
  virtual void SaveToFile(const AnsiString& FileName);

  // The bytes TPicture's "Data" holds after the class name; by default the
  // stream format itself.
  virtual void ReadData(TStream* Stream) { LoadFromStream(Stream); }
  virtual void WriteData(TStream* Stream) { SaveToStream(Stream); }

  TNotifyEvent OnChange;

 protected:
  // Streams the picture as the binary property "Data" (ReadData and
  // WriteData), so that a published TBitmap or TIcon property reads and
  // writes as "Glyph.Data"; an empty one writes none.
  void DefineProperties(TFiler* Filer) override;
  // Draws the picture into Rect of the canvas, whose DC is ready.
  virtual void Draw(TCanvas* ACanvas, const TRect& Rect) = 0;
  // Marks the picture modified and tells the listeners.
  virtual void Changed(TObject* Sender);

  bool transparent_ = false;

 private:
  bool modified_ = false;
  friend class TCanvas;
};
