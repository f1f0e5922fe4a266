// The third form: captions along curves (a half circle with raised
// shadows, stairs in perspective, a wave filled with a gradient) and two
// technical lines with signs and shadows.
#pragma once

#include "forms.h"
#include "vyrextca.h"

class TCurvesDemoForm : public TForm {
  MORVANT_COMPONENT(TCurvesDemoForm, TForm)
 public:
  explicit TCurvesDemoForm(TComponent* AOwner) : TForm(AOwner) {}

  Vyrextca::TVyrGraphicLabel* ArcLabel = nullptr;
  Vyrextca::TVyrGraphicLabel* StairsLabel = nullptr;
  Vyrextca::TVyrGraphicLabel* WaveLabel = nullptr;
  Vyrextca::TVyrTechnicalLine* CurveLine = nullptr;
  Vyrextca::TVyrTechnicalLine* EdgeLine = nullptr;
};

extern TCurvesDemoForm* CurvesDemoForm;
