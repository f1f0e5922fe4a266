#include "curves_form.h"

TCurvesDemoForm* CurvesDemoForm = nullptr;

void TCurvesDemoForm::Publish(TPublisher<TCurvesDemoForm>& P) {
  P.Field("ArcLabel", &TCurvesDemoForm::ArcLabel);
  P.Field("StairsLabel", &TCurvesDemoForm::StairsLabel);
  P.Field("WaveLabel", &TCurvesDemoForm::WaveLabel);
  P.Field("CurveLine", &TCurvesDemoForm::CurveLine);
  P.Field("EdgeLine", &TCurvesDemoForm::EdgeLine);
}
