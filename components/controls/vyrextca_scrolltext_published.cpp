// The published properties of the scrolling text. Font and the standard
// properties come from TControl; declared here are the control's own.
#include "classregistry.h"
#include "colors.h"
#include "tstrings.h"
#include "vyrextca.h"

namespace Vyrextca {

void TVyrScrollText::Publish(TPublisher<TVyrScrollText>& P) {
  using S = TVyrScrollText;
  P.Enum("Alignment", &S::GetAlignment, &S::SetAlignment, {"taLeftJustify", "taRightJustify", "taCenter"}, taCenter);
  P.Object("Bevel", &Vyrctrl::TVyrGraphicControl::GetBevel);
  P.Color("Color", &TControl::GetColor, &TControl::SetColor, clBtnFace).Stored([](TControl* c) {
    return !c->GetParentColor();
  });
  P.Enum("Direction", &S::GetDirection, &S::SetDirection,
         {"sdBottomToTop", "sdLeftToRight", "sdRightToLeft", "sdTopToBottom"}, 0);
  P.Object("Font3D", &S::GetFont3D);
  P.Integer("Interval", &S::GetInterval, &S::SetInterval, 100);
  // Written whenever it is not the one line the constructor gives, so an
  // empty list is empty again after reading.
  P.Strings("Lines", &S::GetLines).Stored([](S* s) { return !s->HasDefaultLines(); });
  P.Bool("MakeVisible", &S::GetMakeVisible, &S::SetMakeVisible, true);
  P.Bool("Scroll", &S::GetScroll, &S::SetScroll, false);
  P.Enum("ScrollStyle", &S::GetScrollStyle, &S::SetStyle, {"ssLoop", "ssLoopReverse", "ssOnce"}, 0);
  P.Enum("ScrollMode", &S::GetScrollMode, &S::SetMode, {"smMarquee", "smTicker"}, 0);
  P.Integer("Steps", &S::GetSteps, &S::SetSteps, 100);
  P.Bool("Transparent", &S::GetOwnTransparent, &S::SetOwnTransparent, false);
  P.Event("OnStart", &S::OnStart);
  P.Event("OnScroll", &S::OnScroll);
  P.Event("OnStop", &S::OnStop);
  P.Enum("TimerMode", &S::GetTimerMode, &S::SetTimerMode, {"tmGlobalTimer", "tmHiTimer", "tmThreaded"}, 0);
  P.Enum("ThreadPriority", &S::GetThreadPriority, &S::SetThreadPriority,
         {"tpIdle", "tpLowest", "tpLower", "tpNormal", "tpHigher", "tpHighest", "tpTimeCritical"}, tpNormal);
}

}  // namespace Vyrextca
