// TPicture: holds one graphic of any registered class (TBitmap, TIcon) and
// streams it as form resources store pictures: "Data" is the graphic's class
// name as a short string (a length byte and the letters) followed by the
// graphic's own bytes (for a TBitmap a 32-bit length and the BMP file).
#pragma once

#include "ansistring.h"
#include "events.h"
#include "graphic.h"
#include "persistent.h"

class TBitmap;
class TIcon;
class TStream;

using TGraphicCreator = TGraphic* (*)();
// The classes a picture can hold, by class name; TBitmap and TIcon are
// known from the start.
void RegisterGraphicClass(const AnsiString& ClassName, TGraphicCreator Creator);
TGraphicCreator FindGraphicClass(const AnsiString& ClassName);

class TPicture : public TPersistent {
  MORVANT_CLASS(TPicture, TPersistent)
 public:
  TPicture() = default;
  ~TPicture() override;
  TPicture(const TPicture&) = delete;
  TPicture& operator=(const TPicture&) = delete;

  // A picture, a graphic (copied) or nullptr (empties the picture).
  void Assign(TPersistent* Source) override;

  TGraphic* GetGraphic() const { return graphic_; }
  // Holds a copy of Value.
  void SetGraphic(TGraphic* Value);
  // The graphic as a bitmap (an icon, as icons) -- a picture holding
  // something else is emptied for a new one first.
  TBitmap* GetBitmap();
  void SetBitmap(TBitmap* Value);
  TIcon* GetIcon();
  int GetWidth() const;
  int GetHeight() const;

  // ".bmp" and ".png" load as TBitmap, ".ico" as TIcon; other names raise
  // EInvalidGraphic.
  void LoadFromFile(const AnsiString& FileName);
  void SaveToFile(const AnsiString& FileName);

  // The "Data" property. A bad class name or bad graphic bytes raise and
  // leave the picture as it was.
  void ReadData(TStream* Stream);
  void WriteData(TStream* Stream);

  TNotifyEvent OnChange;

 protected:
  void AssignTo(TPersistent* Dest) override;
  // Streams the graphic as the binary property "Data" of form resources.
  void DefineProperties(TFiler* Filer) override;

 private:
  void Replace(TGraphic* Value);
  void GraphicChanged(TObject* Sender);
  template <class T>
  T* Ensure();

  TGraphic* graphic_ = nullptr;
};
