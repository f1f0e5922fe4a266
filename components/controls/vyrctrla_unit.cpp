// The published properties of the picture controls and the unit's
// start-up row. The standard properties come from TControl; declared here
// are the controls' own and the defaults their constructors change.
#include "classregistry.h"
#include "colors.h"
#include "vyrcont.h"
#include "vyrctrla.h"

namespace Vyrctrla {

namespace {

const std::initializer_list<const char*> kStyleNames = {"sbNone",    "sbAutosize",     "sbCenter",    "sbStretch",
                                                        "sbTile",    "sbKeepAspRatio", "sbKeepWidth", "sbKeepHeight"};

// What every picture control publishes, with the transparency default of
// its class.
template <class C>
void PublishImageBase(TPublisher<C>& P, bool TransparentDefault) {
  P.Object("Bevel", &Vyrctrl::TVyrGraphicControl::GetBevel);
  P.Color("Color", &TControl::GetColor, &TControl::SetColor, clBtnFace).Stored([](TControl* c) {
    return !c->GetParentColor();
  });
  P.Bool("QuickDraw", &TVyrBaseImage::GetQuickDraw, &TVyrBaseImage::SetQuickDraw, true);
  P.Enum("Style", &TVyrBaseImage::GetStyle, &TVyrBaseImage::SetStyle, kStyleNames, 0);
  P.Bool("Transparent", &Vyrctrl::TVyrBaseGraphicControl::GetTransparent,
         &Vyrctrl::TVyrBaseGraphicControl::SetTransparent, TransparentDefault);
}

template <class C>
void PublishListLink(TPublisher<C>& P, bool ForceTransparentDefault) {
  // A list of the global container goes as "Internal" instead.
  P.Component("ImageList", &Vyrctrl::TVyrBaseControl::GetImageList, &Vyrctrl::TVyrBaseControl::SetImageList)
      .Stored([](Vyrctrl::TVyrBaseControl* c) { return c->GetImageLink().ImageListStored(); });
  P.Integer("ListIndex", &TVyrCustomLImage::GetListIndex, &TVyrCustomLImage::SetListIndexValue, 0);
  P.Bool("ForceTransparent", &TVyrCustomLImage::GetForceTransparent, &TVyrCustomLImage::SetForceTransparent,
         ForceTransparentDefault);
  P.Bool("SilentMove", &TVyrCustomLImage::GetSilentMove, &TVyrCustomLImage::SetSilentMove, false);
}

}  // namespace

void TVyrBaseImage::Publish(TPublisher<TVyrBaseImage>&) {}
void TVyrCustomLImage::Publish(TPublisher<TVyrCustomLImage>&) {}

void TVyrLImage::Publish(TPublisher<TVyrLImage>& P) {
  PublishImageBase(P, true);
  PublishListLink(P, false);
  P.Integer("ImageIndex", &TVyrLImage::GetImageIndex, &TVyrLImage::SetImageIndexValue, 0);
}

void TVyrAniCtrl::Publish(TPublisher<TVyrAniCtrl>& P) {
  using A = TVyrAniCtrl;
  PublishImageBase(P, false);
  PublishListLink(P, true);
  P.Bool("Animate", &A::GetAnimate, &A::SetAnimate, false);
  P.Enum("AnimationStyle", &A::GetAnimationStyle, &A::SetAniStyle,
         {"asLoop", "asLoopHide", "asLoopReverse", "asRepeat", "asRepeatFirst", "asRepeatHide"}, 0);
  P.Bool("MakeVisible", &A::GetMakeVisible, &A::SetMakeVisible, true);
  P.Integer("Interval", &A::GetInterval, &A::SetInterval, 200);
  P.Integer("Repetitions", &A::GetRepetitions, &A::SetRepetitions, 1);
  P.Bool("Reverse", &A::GetReverse, &A::SetReverse, false);
  P.Integer("StartFrame", &A::GetStartFrame, &A::SetStartFrame, 0);
  P.Integer("StopFrame", &A::GetStopFrame, &A::SetStopFrame, 0);
  P.Bool("UseBitmap", &A::GetUseBitmap, &A::SetUseBitmap, true);
  P.Enum("TimerMode", &A::GetTimerMode, &A::SetTimerMode, {"tmGlobalTimer", "tmHiTimer", "tmThreaded"}, 0);
  P.Enum("ThreadPriority", &A::GetThreadPriority, &A::SetThreadPriority,
         {"tpIdle", "tpLowest", "tpLower", "tpNormal", "tpHigher", "tpHighest", "tpTimeCritical"}, tpNormal);
  P.Event("OnStart", &A::OnStart);
  P.Event("OnAnimate", &A::OnAnimate);
  P.Event("OnStop", &A::OnStop);
}

void TVyrCustomNImage::Publish(TPublisher<TVyrCustomNImage>&) {}

void TVyrNImage::Publish(TPublisher<TVyrNImage>& P) {
  PublishImageBase(P, true);
  P.Object("TransparentStyle", &TVyrCustomNImage::GetTransparentStyle);
  P.Object("Bitmap", &TVyrCustomNImage::GetOwnBitmap).Stored([](TVyrCustomNImage* c) {
    return !c->GetOwnBitmap()->GetEmpty();
  });
  P.Component("Control", &TVyrCustomNImage::GetControl, &TVyrCustomNImage::SetControl);
}

void Initialize() {
  RegisterClasses({TVyrLImage::StaticClass(), TVyrAniCtrl::StaticClass(), TVyrNImage::StaticClass()});
}

void Finalize() {}

}  // namespace Vyrctrla
