#include "picture.h"

#include "filer.h"

#include <map>
#include <memory>
#include <mutex>

#include "bitmap_class.h"
#include "exceptions.h"
#include "icon_class.h"
#include "streams.h"

namespace {

struct GraphicRegistry {
  std::mutex Lock;
  std::map<std::string, TGraphicCreator> Classes;
};

GraphicRegistry& Registry() {
  static GraphicRegistry* registry = [] {
    auto* r = new GraphicRegistry;
    r->Classes["TBitmap"] = []() -> TGraphic* { return new TBitmap; };
    r->Classes["TIcon"] = []() -> TGraphic* { return new TIcon; };
    return r;
  }();
  return *registry;
}

std::unique_ptr<TGraphic> NewGraphic(const AnsiString& className) {
  TGraphicCreator create = FindGraphicClass(className);
  if (!create) throw EInvalidGraphic("Unbekannte Grafikklasse " + className);
  return std::unique_ptr<TGraphic>(create());
}

AnsiString Extension(const AnsiString& fileName) {
  const std::string& s = fileName.str();
  const std::size_t dot = s.find_last_of('.');
  const std::size_t slash = s.find_last_of("/\\");
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return AnsiString();
  return AnsiString(s.substr(dot)).LowerCase();
}

}  // namespace

void RegisterGraphicClass(const AnsiString& ClassName, TGraphicCreator Creator) {
  GraphicRegistry& r = Registry();
  std::lock_guard<std::mutex> guard(r.Lock);
  r.Classes[ClassName.str()] = Creator;
}

TGraphicCreator FindGraphicClass(const AnsiString& ClassName) {
  GraphicRegistry& r = Registry();
  std::lock_guard<std::mutex> guard(r.Lock);
  auto it = r.Classes.find(ClassName.str());
  return it == r.Classes.end() ? nullptr : it->second;
}

TPicture::~TPicture() { delete graphic_; }

void TPicture::Replace(TGraphic* Value) {
  delete graphic_;
  graphic_ = Value;
  if (graphic_) graphic_->OnChange = TNotifyEvent(this, &TPicture::GraphicChanged);
  GraphicChanged(this);
}

void TPicture::GraphicChanged(TObject*) {
  if (OnChange) OnChange(this);
}

void TPicture::SetGraphic(TGraphic* Value) {
  if (!Value) {
    Replace(nullptr);
    return;
  }
  std::unique_ptr<TGraphic> copy = NewGraphic(Value->ClassName());
  copy->Assign(Value);
  Replace(copy.release());
}

void TPicture::Assign(TPersistent* Source) {
  if (!Source) {
    Replace(nullptr);
  } else if (auto* picture = dynamic_cast_object<TPicture>(Source)) {
    if (picture != this) SetGraphic(picture->graphic_);
  } else if (auto* graphic = dynamic_cast_object<TGraphic>(Source)) {
    SetGraphic(graphic);
  } else {
    inherited::Assign(Source);
  }
}

void TPicture::AssignTo(TPersistent* Dest) {
  if (graphic_ && Dest && Dest->InheritsFrom(graphic_->ClassType())) {
    Dest->Assign(graphic_);
    return;
  }
  inherited::AssignTo(Dest);
}

template <class T>
T* TPicture::Ensure() {
  if (auto* current = dynamic_cast_object<T>(graphic_)) return current;
  Replace(new T);
  return static_cast<T*>(graphic_);
}

TBitmap* TPicture::GetBitmap() { return Ensure<TBitmap>(); }
void TPicture::SetBitmap(TBitmap* Value) { SetGraphic(Value); }
TIcon* TPicture::GetIcon() { return Ensure<TIcon>(); }

int TPicture::GetWidth() const { return graphic_ ? graphic_->GetWidth() : 0; }
int TPicture::GetHeight() const { return graphic_ ? graphic_->GetHeight() : 0; }

void TPicture::LoadFromFile(const AnsiString& FileName) {
  const AnsiString ext = Extension(FileName);
  std::unique_ptr<TGraphic> graphic;
  if (ext == ".bmp" || ext == ".png") {
    graphic = std::make_unique<TBitmap>();
  } else if (ext == ".ico") {
    graphic = std::make_unique<TIcon>();
  } else {
    throw EInvalidGraphic("Unbekannte Bilddatei-Erweiterung (" + ext + ")");
  }
  graphic->LoadFromFile(FileName);
  Replace(graphic.release());
}

void TPicture::SaveToFile(const AnsiString& FileName) {
  if (graphic_) graphic_->SaveToFile(FileName);
}

void TPicture::ReadData(TStream* Stream) {
  Byte length = 0;
  Stream->ReadBuffer(&length, 1);
  if (length == 0) {
    Replace(nullptr);
    return;
  }
  std::string name(length, '\0');
  Stream->ReadBuffer(name.data(), length);
  std::unique_ptr<TGraphic> graphic = NewGraphic(AnsiString(name));
  graphic->ReadData(Stream);
  Replace(graphic.release());
}

void TPicture::WriteData(TStream* Stream) {
  const AnsiString name = graphic_ ? graphic_->ClassName() : AnsiString();
  const Byte length = static_cast<Byte>(name.Length());
  Stream->WriteBuffer(&length, 1);
  if (!graphic_) return;
  Stream->WriteBuffer(name.c_str(), length);
  graphic_->WriteData(Stream);
}

void TPicture::DefineProperties(TFiler* Filer) {
  // A picture with nothing in it writes no Data; reading one back leaves the
  // picture empty, as it was designed.
  Filer->DefineBinaryProperty("Data", TStreamProc(this, &TPicture::ReadData), TStreamProc(this, &TPicture::WriteData),
                              graphic_ != nullptr);
}
