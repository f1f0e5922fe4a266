// Streamable classes for the form-streaming tests and fuzz targets: a form
// that owns panels, panels that hold other panels (as controls hold their
// children), one property of every kind, a nested font, a wave-like object
// with a binary defined property, and a collection. Each records what it saw
// while it was read.
#pragma once

#include <string>
#include <vector>

#include "classregistry.h"
#include "colorident.h"
#include "component.h"
#include "filer.h"
#include "published.h"
#include "reader.h"
#include "streams.h"
#include "tcollection.h"
#include "tstrings.h"
#include "writer.h"

namespace stream_fixture {

inline std::vector<std::string>& Log() {
  static std::vector<std::string> log;
  return log;
}

enum TTestAlign { alNone, alTop, alBottom, alClient };
enum TTestAnchor { akLeft, akTop, akRight, akBottom };
using TTestAnchors = TSet<TTestAnchor>;
enum TTestFontStyle { fsBold, fsItalic, fsUnderline };
using TTestFontStyles = TSet<TTestFontStyle>;

class TTestFont : public TPersistent {
  MORVANT_PUBLISHED(TTestFont, TPersistent)
 public:
  AnsiString name;
  int size = 8;
  TTestFontStyles style;
};

inline void TTestFont::Publish(TPublisher<TTestFont>& P) {
  P.String("Name", &TTestFont::name, &TTestFont::name);
  P.Integer("Size", &TTestFont::size, &TTestFont::size, 8);
  P.Set("Style", &TTestFont::style, &TTestFont::style, {"fsBold", "fsItalic", "fsUnderline"}, 0);
}

// Streams its bytes as the binary "Data"; "Loop" is a legacy name it still
// reads but never writes.
class TTestWave : public TPersistent {
  MORVANT_PUBLISHED(TTestWave, TPersistent)
 public:
  std::vector<Byte> data;
  bool loop = false;

 protected:
  void DefineProperties(TFiler* Filer) override {
    Filer->DefineBinaryProperty("Data", TStreamProc(this, &TTestWave::ReadData), TStreamProc(this, &TTestWave::WriteData),
                                !data.empty());
    Filer->DefineProperty("Loop", TReaderProc(this, &TTestWave::ReadLoop), nullptr, loop);
  }

 private:
  void ReadData(TStream* s) {
    data.resize(static_cast<std::size_t>(s->GetSize()));
    if (!data.empty()) s->ReadBuffer(data.data(), static_cast<LongInt>(data.size()));
  }
  void WriteData(TStream* s) { s->WriteBuffer(data.data(), static_cast<LongInt>(data.size())); }
  void ReadLoop(TReader* r) { loop = r->ReadBoolean(); }
};

inline void TTestWave::Publish(TPublisher<TTestWave>&) {}

class TTestItem : public TCollectionItem {
  MORVANT_PUBLISHED(TTestItem, TCollectionItem)
 public:
  using TCollectionItem::TCollectionItem;
  int width = 50;
  AnsiString text;
  TNotifyEvent OnClick;
};

inline void TTestItem::Publish(TPublisher<TTestItem>& P) {
  P.Integer("Width", &TTestItem::width, &TTestItem::width, 50);
  P.String("Text", &TTestItem::text, &TTestItem::text);
  P.Event("OnClick", &TTestItem::OnClick);
}

class TTestPanel : public TComponent {
  MORVANT_COMPONENT(TTestPanel, TComponent)
 public:
  explicit TTestPanel(TComponent* AOwner) : TComponent(AOwner) {}
  ~TTestPanel() override {
    SetParentComponent(nullptr);
    for (TTestPanel* c : children) c->parent = nullptr;
  }

  AnsiString GetCaption() const { return caption; }
  void SetCaption(const AnsiString& v) { caption = v; }
  TTestPanel* GetFocusControl() const { return focusControl; }
  void SetFocusControl(TTestPanel* v) {
    focusControl = v;
    if (v) v->FreeNotification(this);
  }
  TStrings* GetItems() { return &items; }
  TCollection* GetPanels() { return &panels; }

  AnsiString caption;
  short width = 0;
  bool visible = true;
  TTestAlign align = alNone;
  TTestAnchors anchors{akLeft, akTop};
  int color = 0x8000000F;
  double ratio = 0;
  TTestFont font;
  TTestWave wave;
  // Holds its Data bytes as they are, to show what the resource compiler stored.
  TTestWave picture;
  TStringList items;
  TCollection panels{CollectionItemClassOf<TTestItem>(), this};
  TTestPanel* focusControl = nullptr;
  int legacy = 0;
  int legacyDefined = -1;
  TNotifyEvent OnClick;
  TKeyEvent OnKeyDown;

  TTestPanel* parent = nullptr;
  std::vector<TTestPanel*> children;
  // What ReadState and Loaded saw.
  bool readingSeen = false;
  bool loadingSeenInLoaded = false;
  bool readingSeenInLoaded = false;
  bool focusResolvedInLoaded = false;

  void GetChildren(TGetChildProc Proc, TComponent*) override {
    for (TTestPanel* c : children) Proc(c);
  }
  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override { return parent; }
  void SetParentComponent(TComponent* Value) override {
    if (parent) std::erase(parent->children, this);
    parent = dynamic_cast_object<TTestPanel>(Value);
    if (parent) parent->children.push_back(this);
  }

 protected:
  void ReadState(TReader* Reader) override {
    readingSeen = GetComponentState().Contains(csReading) && GetComponentState().Contains(csLoading);
    inherited::ReadState(Reader);
  }
  void Loaded() override {
    loadingSeenInLoaded = GetComponentState().Contains(csLoading);
    readingSeenInLoaded = GetComponentState().Contains(csReading);
    focusResolvedInLoaded = focusControl != nullptr;
    Log().push_back("Loaded " + GetName().str());
    inherited::Loaded();
  }
  void Notification(TComponent* AComponent, TOperation Operation) override {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == focusControl) focusControl = nullptr;
  }
  // "Legacy" reads into its own field: the defined entry wins over the
  // published property of the same name.
  void DefineProperties(TFiler* Filer) override {
    inherited::DefineProperties(Filer);
    Filer->DefineProperty("Legacy", TReaderProc(this, &TTestPanel::ReadLegacy), nullptr, false);
  }

 private:
  void ReadLegacy(TReader* r) { legacyDefined = r->ReadInteger(); }
};

inline void TTestPanel::Publish(TPublisher<TTestPanel>& P) {
  using T = TTestPanel;
  P.String("Caption", &T::GetCaption, &T::SetCaption);
  P.Integer("Width", &T::width, &T::width);
  P.Bool("Visible", &T::visible, &T::visible, true);
  P.Enum("Align", &T::align, &T::align, {"alNone", "alTop", "alBottom", "alClient"}, alNone);
  P.Set("Anchors", &T::anchors, &T::anchors, {"akLeft", "akTop", "akRight", "akBottom"}, 3);
  P.Color("Color", &T::color, &T::color, static_cast<int>(0x8000000F));
  P.Float("Ratio", &T::ratio, &T::ratio);
  P.Object("Font", [](T* t) { return &t->font; });
  P.Object("Wave", [](T* t) { return &t->wave; });
  P.Object("Picture", [](T* t) { return &t->picture; });
  P.Strings("Items", &T::GetItems);
  P.Collection("Panels", &T::GetPanels);
  P.Component("FocusControl", &T::GetFocusControl, &T::SetFocusControl);
  P.Integer("Legacy", &T::legacy, &T::legacy, 0);
  P.Event("OnClick", &T::OnClick);
  P.Event("OnKeyDown", &T::OnKeyDown);
}

// The root: its panels are owned by it and written as its children unless
// they sit inside another panel.
class TTestForm : public TComponent {
  MORVANT_COMPONENT(TTestForm, TComponent)
 public:
  explicit TTestForm(TComponent* AOwner) : TComponent(AOwner) {}

  AnsiString caption;
  TNotifyEvent OnCreate;
  TTestPanel* Panel1 = nullptr;  // published: kept by name
  std::vector<std::string> inserted;
  int clicks = 0;

  void FormCreate(TObject*) { Log().push_back("FormCreate"); }
  void PanelClick(TObject*) { ++clicks; }
  void FormKeyDown(TObject*, Word& Key, TShiftState) { Key = 0; }

  void GetChildren(TGetChildProc Proc, TComponent*) override {
    for (int i = 0; i < GetComponentCount(); ++i) {
      auto* panel = dynamic_cast_object<TTestPanel>(GetComponents(i));
      if (panel && !panel->parent) Proc(panel);
    }
  }

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    inherited::Notification(AComponent, Operation);
    if (Operation == opInsert) inserted.push_back(AComponent->GetName().IsEmpty() ? "unnamed" : "named");
  }
  void Loaded() override {
    Log().push_back("Loaded " + GetName().str());
    inherited::Loaded();
  }
};

inline void TTestForm::Publish(TPublisher<TTestForm>& P) {
  P.String("Caption", &TTestForm::caption, &TTestForm::caption);
  P.Event("OnCreate", &TTestForm::OnCreate);
  P.Method("FormCreate", &TTestForm::FormCreate);
  P.Method("PanelClick", &TTestForm::PanelClick);
  P.Method("FormKeyDown", &TTestForm::FormKeyDown);
  P.Field("Panel1", &TTestForm::Panel1);
}

// Two colour names are enough to see names and numbers both streamed.
inline bool TestColorToIdent(LongInt color, AnsiString& ident) {
  if (color == 0xFF) ident = "clRed";
  else if (color == static_cast<LongInt>(0x8000000F)) ident = "clBtnFace";
  else return false;
  return true;
}
inline bool TestIdentToColor(const AnsiString& ident, LongInt& color) {
  if (SameText(ident, "clRed")) color = 0xFF;
  else if (SameText(ident, "clBtnFace")) color = static_cast<LongInt>(0x8000000F);
  else return false;
  return true;
}

inline void RegisterTestClasses() {
  RegisterClasses({TTestForm::StaticClass(), TTestPanel::StaticClass()});
  RegisterColorIdents(&TestColorToIdent, &TestIdentToColor);
}

}  // namespace stream_fixture
