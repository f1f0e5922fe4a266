// TStatusBar: the bar at the bottom of a window, either one simple panel
// (SimplePanel, SimpleText) or a row of panels; each panel is drawn as a
// lowered field. The size grip sits in the bottom-right corner.
#pragma once

#include "customcontrol.h"
#include "extctrls_bevel.h"
#include "stdctrls_types.h"
#include "tcollection.h"

class TStatusBar;

class TStatusPanel : public TCollectionItem {
  MORVANT_PUBLISHED(TStatusPanel, TCollectionItem)
 public:
  explicit TStatusPanel(TCollection* Collection);

  AnsiString GetText() const { return text_; }
  void SetText(const AnsiString& Value);
  int GetWidth() const { return width_; }
  void SetWidth(int Value);
  TAlignment GetAlignment() const { return alignment_; }
  void SetAlignment(TAlignment Value);
  TBevelCut GetBevel() const { return bevel_; }
  void SetBevel(TBevelCut Value);

 private:
  AnsiString text_;
  int width_ = 50;
  TAlignment alignment_ = taLeftJustify;
  TBevelCut bevel_ = bvLowered;
};

class TStatusPanels : public TCollection {
  MORVANT_CLASS(TStatusPanels, TCollection)
 public:
  explicit TStatusPanels(TStatusBar* StatusBar);
  TStatusPanel* Add() { return static_cast<TStatusPanel*>(TCollection::Add()); }
  TStatusPanel* GetItems(int Index) const { return static_cast<TStatusPanel*>(TCollection::GetItems(Index)); }

 protected:
  void Update(TCollectionItem* Item) override;

 private:
  TStatusBar* statusBar_;
};

class TStatusBar : public TCustomControl {
  MORVANT_COMPONENT(TStatusBar, TCustomControl)
 public:
  explicit TStatusBar(TComponent* AOwner);
  ~TStatusBar() override;

  bool GetSimplePanel() const { return simplePanel_; }
  void SetSimplePanel(bool Value);
  AnsiString GetSimpleText() const { return simpleText_; }
  void SetSimpleText(const AnsiString& Value);
  bool GetSizeGrip() const { return sizeGrip_; }
  void SetSizeGrip(bool Value);
  TStatusPanels* GetPanels() const { return panels_; }
  void SetPanels(TStatusPanels* Value) { panels_->Assign(Value); }

 protected:
  void Paint() override;
  // The grip is the corner of a frame that can be sized: a drag on it sizes
  // the form.
  void WndProc(TMessage& Message) override;

 private:
  // One field: its bevel, then its text inset from the bevel.
  void PaintField(TRect Rect, TBevelCut Bevel, TAlignment Alignment, const AnsiString& Text);
  void PaintSizeGrip();

  TStatusPanels* panels_;
  AnsiString simpleText_;
  bool simplePanel_ = false;
  bool sizeGrip_ = true;
};
