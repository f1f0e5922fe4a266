// The boxes draw each item by a CN_DRAWITEM request to themselves, leave
// what lies below their items to a see-through box, and count the combo's
// edit part as the box for the pointer.
#include <vector>

#include "controlmessages.h"
#include "stdctrls_combobox.h"
#include "stdctrls_fixture.h"
#include "stdctrls_listbox.h"
#include "window_pos.h"

namespace {

// What a box tells of itself: the draw requests and the pointer.
struct Record {
  std::vector<DRAWITEMSTRUCT> Requests;
  int Enters = 0, Leaves = 0;
};

#define RECORDING_BOX(Name, Box)                                               \
  class Name : public Box, public Record {                                     \
    MORVANT_CLASS(Name, Box)                                                   \
   public:                                                                     \
    explicit Name(TComponent* AOwner) : Box(AOwner) {}                         \
    void SetOpaque(bool Opaque) {                                              \
      TControlStyle s = GetControlStyle();                                     \
      if (Opaque)                                                              \
        s.Include(csOpaque);                                                   \
      else                                                                     \
        s.Exclude(csOpaque);                                                   \
      SetControlStyle(s);                                                      \
    }                                                                          \
                                                                               \
   protected:                                                                  \
    void CNDrawItem(TMessage& Message) override {                              \
      Requests.push_back(*reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam)); \
      Box::CNDrawItem(Message);                                                \
    }                                                                          \
    void CMMouseEnter(TMessage& Message) override {                            \
      ++Enters;                                                                \
      Box::CMMouseEnter(Message);                                              \
    }                                                                          \
    void CMMouseLeave(TMessage& Message) override {                            \
      ++Leaves;                                                                \
      Box::CMMouseLeave(Message);                                              \
    }                                                                          \
  };
RECORDING_BOX(RecordingList, TCustomListBox)
RECORDING_BOX(RecordingCombo, TCustomComboBox)

}  // namespace

class OwnerDrawRequestTest : public StdCtrlsTest {};

TEST_F(OwnerDrawRequestTest, AListBoxAsksForEveryRowWithItsIndexStateAndRectangle) {
  TForm* form = ShownForm(300, 300);
  auto* list = TObject::Create<RecordingList>(form);
  list->SetParent(form);
  list->SetBounds(10, 10, 120, 97);
  for (const char* s : {"Eins", "Zwei", "Drei"}) list->GetItems()->Add(s);
  list->SetItemIndex(1);
  list->SetFocus();
  app.pump();
  list->Requests.clear();
  list->Repaint();
  ASSERT_EQ(list->Requests.size(), 3u);
  const int width = list->GetClientWidth();
  for (int i = 0; i < 3; ++i) {
    const DRAWITEMSTRUCT& r = list->Requests[static_cast<std::size_t>(i)];
    EXPECT_EQ(r.CtlType, ODT_LISTBOX);
    EXPECT_EQ(r.itemID, static_cast<UINT>(i));
    EXPECT_EQ(r.itemAction, ODA_DRAWENTIRE);
    EXPECT_EQ(r.itemState, i == 1 ? ODS_SELECTED | ODS_FOCUS : 0u) << i;
    EXPECT_EQ(TRect(r.rcItem), TRect(0, 13 * i, width, 13 * i + 13)) << i;
    EXPECT_EQ(r.hwndItem, list->GetHandle());
  }
  list->SetEnabled(false);
  list->Requests.clear();
  list->Repaint();
  ASSERT_FALSE(list->Requests.empty());
  EXPECT_TRUE(list->Requests[0].itemState & ODS_DISABLED);
}

TEST_F(OwnerDrawRequestTest, AComboFieldWithoutAChoiceIsItemMinusOneInTheEditState) {
  TForm* form = ShownForm(300, 300);
  auto* box = TObject::Create<RecordingCombo>(form);
  box->SetParent(form);
  box->SetBounds(10, 10, 150, 21);
  box->SetStyle(csDropDownList);
  box->GetItems()->Add("Eins");
  app.pump();
  box->Requests.clear();
  box->Repaint();
  ASSERT_EQ(box->Requests.size(), 1u);
  EXPECT_EQ(box->Requests[0].CtlType, ODT_COMBOBOX);
  EXPECT_EQ(box->Requests[0].itemID, static_cast<UINT>(-1));
  EXPECT_TRUE(box->Requests[0].itemState & ODS_COMBOBOXEDIT);
  box->SetItemIndex(0);
  box->Requests.clear();
  box->Repaint();
  ASSERT_EQ(box->Requests.size(), 1u);
  EXPECT_EQ(box->Requests[0].itemID, 0u);
}

TEST_F(OwnerDrawRequestTest, WithoutOpaqueTheRowsBelowTheLastItemAreLeftAlone) {
  TForm* form = ShownForm(300, 300);
  auto* list = TObject::Create<RecordingList>(form);
  list->SetParent(form);
  list->SetBounds(10, 10, 120, 97);
  list->GetItems()->Add("Eins");
  app.pump();
  const TRect below(0, 20, list->GetClientWidth(), 60);
  // Opaque (the default): the list's colour below the item.
  HDC dc = GetDC(list->GetHandle());
  const RECT all = below;
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  FillRect(dc, &all, red);
  ReleaseDC(list->GetHandle(), dc);
  list->Repaint();
  EXPECT_EQ(CountPixels(list, below, clWindow), below.Width() * below.Height());
  list->SetOpaque(false);
  dc = GetDC(list->GetHandle());
  FillRect(dc, &all, red);
  ReleaseDC(list->GetHandle(), dc);
  DeleteObject(red);
  list->Repaint();
  EXPECT_EQ(CountPixels(list, below, static_cast<TColor>(0x0000FF)), below.Width() * below.Height());
  EXPECT_EQ(Pixel(list, 50, 6), Rgb(clWindow));
}

TEST_F(OwnerDrawRequestTest, TheEditPartCountsAsItsComboForThePointer) {
  TForm* form = ShownForm(300, 300);
  auto* box = TObject::Create<RecordingCombo>(form);
  box->SetParent(form);
  box->SetBounds(10, 10, 150, 21);
  app.pump();
  auto moveTo = [&](int x, int y) {
    const TPoint p = box->ClientToScreen(TPoint(x, y));
    app.host().PostMouseMove(p.x, p.y);
    app.pump();
  };
  moveTo(box->GetClientWidth() - 5, 8);  // the button
  EXPECT_EQ(box->Enters, 1);
  moveTo(20, 8);  // the edit part
  moveTo(40, 9);
  moveTo(box->GetClientWidth() - 5, 8);  // back onto the button
  EXPECT_EQ(box->Enters, 1);
  EXPECT_EQ(box->Leaves, 0);
  moveTo(20, 8);
  moveTo(20, 100);  // off the box, from the edit part
  EXPECT_EQ(box->Leaves, 1);
  moveTo(30, 8);  // straight onto the edit part
  EXPECT_EQ(box->Enters, 2);
  moveTo(box->GetClientWidth() - 5, 100);
  EXPECT_EQ(box->Leaves, 2);
}

namespace {

// A variable-height list whose rows are as high as it is told.
class TallRows : public TCustomListBox {
  MORVANT_CLASS(TallRows, TCustomListBox)
 public:
  explicit TallRows(TComponent* AOwner) : TCustomListBox(AOwner) { SetStyle(lbOwnerDrawVariable); }
  int RowHeight = 13;
  using TCustomListBox::RecreateWnd;

 protected:
  void MeasureItem(int, int& Height) override { Height = RowHeight; }
};

}  // namespace

TEST_F(OwnerDrawRequestTest, AVariableListMeasuresItsItemsAgainWithANewWindow) {
  TForm* form = ShownForm(300, 300);
  auto* list = TObject::Create<TallRows>(form);
  list->SetParent(form);
  list->SetBounds(10, 10, 120, 97);
  for (const char* s : {"Eins", "Zwei"}) list->GetItems()->Add(s);
  app.pump();
  EXPECT_EQ(list->ItemRect(1).top, 13);
  list->RowHeight = 30;
  list->RecreateWnd();
  app.pump();
  EXPECT_EQ(list->ItemRect(1).top, 30);
  EXPECT_EQ(list->ItemRect(1).bottom, 60);
}
