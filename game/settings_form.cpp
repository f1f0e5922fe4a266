#include "settings_form.h"

TForm4* Form4 = nullptr;

void TForm4::Publish(TPublisher<TForm4>& P) {
  P.Field("VyrLabel1", &TForm4::VyrLabel1);
  P.Field("VyrLabel2", &TForm4::VyrLabel2);
  P.Field("VyrLabel3", &TForm4::VyrLabel3);
  P.Field("VyrLabel4", &TForm4::VyrLabel4);
  P.Field("VyrLabel5", &TForm4::VyrLabel5);
  P.Field("VyrLabel6", &TForm4::VyrLabel6);
  P.Field("VyrTrackBar1", &TForm4::VyrTrackBar1);
  P.Field("VyrTrackBar2", &TForm4::VyrTrackBar2);
  P.Field("VyrCheckBox1", &TForm4::VyrCheckBox1);
  P.Field("VyrCheckBox2", &TForm4::VyrCheckBox2);
  P.Field("VyrCheckBox3", &TForm4::VyrCheckBox3);
  P.Field("VyrCheckBox4", &TForm4::VyrCheckBox4);
  P.Field("VyrCheckBox5", &TForm4::VyrCheckBox5);
  P.Field("Button1", &TForm4::Button1);
  P.Field("Button2", &TForm4::Button2);
  P.Field("VyrFormFill1", &TForm4::VyrFormFill1);
}

TForm4::TForm4(TComponent* AOwner) : TForm(AOwner) {}
