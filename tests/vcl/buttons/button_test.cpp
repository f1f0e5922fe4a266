#include "stdctrls_button.h"

#include <string>
#include <vector>

#include "buttons_fixture.h"
#include "focus.h"
#include "stdctrls_edit.h"

namespace {

// A dialog with an edit field, an OK button (Default) and a cancel button.
struct Dialog {
  TForm* form;
  TEdit* edit;
  TButton* ok;
  TButton* cancel;
};

class ButtonTest : public ButtonsTest {
 protected:
  Dialog MakeDialog() {
    Dialog d{};
    d.form = app.create_form<TForm>();
    d.form->SetBorderStyle(bsDialog);
    d.form->SetBounds(200, 150, 300, 160);
    d.edit = Add<TEdit>(d.form, 10, 10, 200);
    d.ok = Add<TButton>(d.form, 10, 80);
    d.ok->SetCaption("OK");
    d.ok->SetDefault(true);
    d.ok->SetModalResult(mrOk);
    d.cancel = Add<TButton>(d.form, 100, 80);
    d.cancel->SetCaption("Abbrechen");
    d.cancel->SetCancel(true);
    d.cancel->SetModalResult(mrCancel);
    return d;
  }
};

}  // namespace

TEST_F(ButtonTest, ModalDialogIsAnsweredByEnterAndEscapeThroughItsDefaultAndCancelButtons) {
  struct Case {
    const char* focus;
    int key;
    TModalResult expected;
  };
  const Case cases[] = {
      {"edit", VK_RETURN, mrOk},        // Enter anywhere: the default button
      {"edit", VK_ESCAPE, mrCancel},    // Escape: the cancel button
      {"cancel", VK_RETURN, mrCancel},  // another focused button takes Enter
      {"ok", VK_ESCAPE, mrCancel},
  };
  ShownForm();
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.focus) + " " + std::to_string(c.key));
    Dialog d = MakeDialog();
    TWinControl* focus = std::string(c.focus) == "edit" ? static_cast<TWinControl*>(d.edit)
                         : std::string(c.focus) == "ok" ? static_cast<TWinControl*>(d.ok)
                                                        : static_cast<TWinControl*>(d.cancel);
    d.form->SetActiveControl(focus);
    int okClicks = 0;
    d.ok->OnClick = [&](TObject*) { ++okClicks; };
    d.form->OnShow = [&](TObject*) { app.key(c.key); };
    EXPECT_EQ(d.form->ShowModal(), c.expected);
    EXPECT_EQ(okClicks, c.expected == mrOk ? 1 : 0);
    EXPECT_FALSE(d.form->GetVisible());
    delete d.form;
  }
}

TEST_F(ButtonTest, ButtonIsClickedByMouseReleaseInsideBySpaceAndByItsAccessKey) {
  TForm* f = ShownForm();
  auto* other = Add<TEdit>(f, 10, 100);
  auto* b = Add<TButton>(f, 10, 10, 80, 25);
  b->SetCaption("&Neu");
  int clicks = 0;
  b->OnClick = [&](TObject*) { ++clicks; };
  app.pump();

  // Pressed, dragged out and released outside: no click, and the look
  // follows the pointer.
  Press(b, 20, 10);
  EXPECT_TRUE(b->GetPushed());
  EXPECT_TRUE(b->Focused());
  MoveTo(b, 120, 10);
  EXPECT_FALSE(b->GetPushed());
  MoveTo(b, 30, 12);
  EXPECT_TRUE(b->GetPushed());
  Release(b, 30, 12);
  EXPECT_FALSE(b->GetPushed());
  EXPECT_EQ(clicks, 1);
  Press(b, 20, 10);
  MoveTo(b, 120, 10);
  Release(b, 120, 10);
  EXPECT_EQ(clicks, 1);

  // Space pushes while held and clicks on release.
  app.host().PostKeyDown(VK_SPACE);
  app.pump();
  EXPECT_TRUE(b->GetPushed());
  EXPECT_EQ(clicks, 1);
  app.host().PostKeyUp(VK_SPACE);
  app.pump();
  EXPECT_FALSE(b->GetPushed());
  EXPECT_EQ(clicks, 2);

  // The access key, in either case; another letter does nothing.
  other->SetFocus();
  EXPECT_EQ(b->Perform(CM_DIALOGCHAR, 'n', 0), 1);
  EXPECT_EQ(b->Perform(CM_DIALOGCHAR, 'x', 0), 0);
  EXPECT_EQ(clicks, 3);
  // Umlauts fold as letters do.
  auto* take = Add<TButton>(f, 100, 10, 80, 25);
  take->SetCaption("&Übernehmen");
  int takes = 0;
  take->OnClick = [&](TObject*) { ++takes; };
  EXPECT_EQ(take->Perform(CM_DIALOGCHAR, 0xFC, 0), 1);  // ü
  EXPECT_EQ(take->Perform(CM_DIALOGCHAR, 0xDC, 0), 1);  // Ü
  EXPECT_EQ(take->Perform(CM_DIALOGCHAR, 0xC3, 0), 0);  // not the first byte of its UTF-8
  EXPECT_EQ(takes, 2);
  // A disabled button takes nothing.
  b->SetEnabled(false);
  EXPECT_EQ(b->Perform(CM_DIALOGCHAR, 'N', 0), 0);
  Press(b, 20, 10);
  Release(b, 20, 10);
  EXPECT_EQ(clicks, 3);
}

TEST_F(ButtonTest, PushedButtonIsDrawnSunkenWithTheCaptionMovedAndTheDefaultRingBlack) {
  TForm* f = ShownForm();
  auto* edit = Add<TEdit>(f, 10, 100);
  auto* b = Add<TButton>(f, 10, 10, 80, 26);
  b->SetDefault(true);
  edit->SetFocus();
  app.pump();
  // Rest: the black default ring, then the message box's raised edge: light
  // and white at the top-left, black and shadow at the bottom-right.
  EXPECT_EQ(Pixel(b, 5, 0), Rgb(clBlack));
  EXPECT_EQ(Pixel(b, 5, 1), Rgb(cl3DLight));
  EXPECT_EQ(Pixel(b, 5, 2), Rgb(clWhite));
  EXPECT_EQ(Pixel(b, 5, 24), Rgb(clBlack));
  EXPECT_EQ(Pixel(b, 5, 23), Rgb(clBtnShadow));
  b->Perform(BM_SETSTATE, 1, 0);
  app.pump();
  // Pushed: the sunken edge, shadow and black at the top-left.
  EXPECT_EQ(Pixel(b, 5, 0), Rgb(clBlack));
  EXPECT_EQ(Pixel(b, 5, 1), Rgb(clBtnShadow));
  EXPECT_EQ(Pixel(b, 5, 2), Rgb(cl3DDkShadow));
  EXPECT_EQ(Pixel(b, 5, 3), Rgb(clBtnFace));
  EXPECT_EQ(b->Perform(BM_GETSTATE, 0, 0) & BST_PUSHED, BST_PUSHED);
  b->Perform(BM_SETSTATE, 0, 0);
  EXPECT_FALSE(b->GetPushed());
}

namespace {

// A button that logs the default look it is told to take.
class TStyleLoggingButton : public TButton {
  MORVANT_CLASS(TStyleLoggingButton, TButton)
 public:
  using TButton::TButton;
  std::vector<bool> Styles;

 protected:
  void SetButtonStyle(bool ADefault) override {
    Styles.push_back(ADefault);
    TButton::SetButtonStyle(ADefault);
  }
};

}  // namespace

TEST_F(ButtonTest, SetButtonStyleFollowsWhichButtonEnterWouldClick) {
  TForm* f = ShownForm();
  auto* edit = Add<TEdit>(f, 10, 100);
  auto* def = Add<TStyleLoggingButton>(f, 10, 10);
  auto* plain = Add<TStyleLoggingButton>(f, 100, 10);
  edit->SetFocus();
  def->SetDefault(true);
  app.pump();
  EXPECT_EQ(def->Styles, std::vector<bool>({true}));
  EXPECT_EQ(GetWindowLong(def->GetHandle(), GWL_STYLE) & BS_TYPEMASK, static_cast<LONG>(BS_DEFPUSHBUTTON));

  plain->SetFocus();  // the focused button is the default now
  edit->SetFocus();   // and the Default one again once no button has it
  EXPECT_EQ(def->Styles, std::vector<bool>({true, false, true}));
  EXPECT_EQ(plain->Styles, std::vector<bool>({true, false}));
  EXPECT_EQ(GetWindowLong(plain->GetHandle(), GWL_STYLE) & BS_TYPEMASK, static_cast<LONG>(BS_PUSHBUTTON));
}

namespace {

// An owner-drawn button as the component library makes one.
class TOwnerDrawnButton : public TButton {
  MORVANT_CLASS(TOwnerDrawnButton, TButton)
 public:
  using TButton::TButton;
  std::vector<UINT> States;
  std::vector<TRect> Rects;
  int Measured = 0;
  int Commands = 0;

 protected:
  void CreateParams(TCreateParams& Params) override {
    TButton::CreateParams(Params);
    Params.Style |= BS_OWNERDRAW;
  }
  void WndProc(TMessage& Message) override {
    switch (Message.Msg) {
      case CN_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam);
        States.push_back(item->itemState);
        Rects.push_back(TRect(item->rcItem.left, item->rcItem.top, item->rcItem.right, item->rcItem.bottom));
        HBRUSH brush = CreateSolidBrush(RGB(0, 128, 0));
        FillRect(item->hDC, &item->rcItem, brush);
        DeleteObject(brush);
        Message.Result = 1;
        return;
      }
      case CN_MEASUREITEM: {
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam);
        ++Measured;
        EXPECT_EQ(item->CtlType, ODT_BUTTON);
        EXPECT_EQ(item->itemWidth, static_cast<UINT>(GetWidth()));
        Message.Result = 1;
        return;
      }
      case CN_COMMAND: ++Commands; break;
      default: break;
    }
    TButton::WndProc(Message);
  }
};

}  // namespace

TEST_F(ButtonTest, OwnerDrawnButtonGetsItsDrawItemRecordWithPushedAndFocusStates) {
  TForm* f = ShownForm();
  auto* edit = Add<TEdit>(f, 10, 100);
  auto* b = Add<TOwnerDrawnButton>(f, 10, 10, 60, 24);
  int clicks = 0;
  b->OnClick = [&](TObject*) { ++clicks; };
  edit->SetFocus();
  app.pump();
  EXPECT_EQ(b->Measured, 1);
  ASSERT_FALSE(b->States.empty());
  EXPECT_EQ(b->States.back() & (ODS_SELECTED | ODS_FOCUS), 0u);
  EXPECT_EQ(b->Rects.back(), TRect(0, 0, 60, 24));
  EXPECT_EQ(Pixel(b, 30, 12), RGB(0, 128, 0));

  Press(b, 10, 10);
  EXPECT_EQ(b->States.back() & (ODS_SELECTED | ODS_FOCUS), ODS_SELECTED | ODS_FOCUS);
  Release(b, 10, 10);
  EXPECT_EQ(b->States.back() & (ODS_SELECTED | ODS_FOCUS), static_cast<UINT>(ODS_FOCUS));
  EXPECT_EQ(b->Commands, 1);
  EXPECT_EQ(clicks, 1);

  b->Perform(BM_SETSTATE, 1, 0);
  app.pump();
  EXPECT_EQ(b->States.back() & ODS_SELECTED, static_cast<UINT>(ODS_SELECTED));
  b->SetEnabled(false);
  app.pump();
  EXPECT_EQ(b->States.back() & ODS_DISABLED, static_cast<UINT>(ODS_DISABLED));
}

TEST_F(ButtonTest, AccessKeyFromTheKeyboardClicksWithAltAlwaysAndPlainOnlyOutsideAnEdit) {
  struct Case {
    const char* focus;
    bool alt;
    int clicks;
    const char* typed;
  };
  const Case cases[] = {
      {"edit", true, 1, ""},   // Alt+N from the edit field
      {"edit", false, 0, "n"}, // a plain letter is the field's
      {"ok", false, 1, ""},    // but a button takes no letters: the access key
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.focus) + (c.alt ? " with Alt" : ""));
    TForm* f = ShownForm();
    auto* edit = Add<TEdit>(f, 10, 10);
    auto* ok = Add<TButton>(f, 10, 50);
    auto* fresh = Add<TButton>(f, 100, 50);
    fresh->SetCaption("&Neu");
    int clicks = 0;
    fresh->OnClick = [&](TObject*) { ++clicks; };
    (std::string(c.focus) == "edit" ? static_cast<TWinControl*>(edit) : ok)->SetFocus();
    app.pump();
    if (c.alt) {
      app.host().PostKeyDown(VK_MENU, Backend::modAlt);
      app.host().PostKey('N', Backend::modAlt, "n");
      app.host().PostKeyUp(VK_MENU);
    } else {
      app.key('N', 0, "n");
    }
    app.pump();
    EXPECT_EQ(clicks, c.clicks);
    EXPECT_EQ(edit->GetText(), c.typed);
    delete f;
  }
}
