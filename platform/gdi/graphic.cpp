#include "graphic.h"

#include "filer.h"
#include "streams.h"

void TGraphic::DefineProperties(TFiler* Filer) {
  Filer->DefineBinaryProperty("Data", TStreamProc(this, &TGraphic::ReadData), TStreamProc(this, &TGraphic::WriteData),
                              !GetEmpty());
}

void TGraphic::SetTransparent(bool Value) {
  if (Value == transparent_) return;
  transparent_ = Value;
  Changed(this);
}

void TGraphic::SetModified(bool Value) {
  if (Value) {
    Changed(this);
    return;
  }
  modified_ = false;
}

void TGraphic::Changed(TObject*) {
  modified_ = true;
  if (OnChange) OnChange(this);
}

void TGraphic::LoadFromFile(const AnsiString& FileName) {
  TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(&stream);
}

void TGraphic::SaveToFile(const AnsiString& FileName) {
  TFileStream stream(FileName, fmCreate);
  SaveToStream(&stream);
}
