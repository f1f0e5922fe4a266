#include "about_form.h"

TForm2* Form2 = nullptr;

void TForm2::Publish(TPublisher<TForm2>& P) {
  P.Field("VyrLabel1", &TForm2::VyrLabel1);
  P.Field("VyrLabel2", &TForm2::VyrLabel2);
  P.Field("VyrLabel3", &TForm2::VyrLabel3);
  P.Field("Button1", &TForm2::Button1);
  P.Field("VyrFormShape1", &TForm2::VyrFormShape1);
}

TForm2::TForm2(TComponent* AOwner) : TForm(AOwner) {}
