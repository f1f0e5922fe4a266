// Alignment of children: the aligned controls take their strips of the
// client area in the order top, bottom, left, right, and the client-aligned
// ones fill what is left. Within one kind the controls keep their visual
// order (the topmost top-aligned one first), so dragging one past another
// swaps them as in the class library.
#include <algorithm>

#include "wincontrol.h"

#include "scope_guard.h"

void TWinControl::EnableAlign() {
  if (alignDisabled_ > 0) --alignDisabled_;
  if (alignDisabled_ == 0 && alignPending_) Realign();
}

void TWinControl::Realign() {
  if (alignDisabled_ > 0 || GetComponentState().Contains(csLoading) || GetComponentState().Contains(csDestroying)) {
    alignPending_ = true;
    return;
  }
  if (aligning_) return;
  alignPending_ = false;
  aligning_ = true;
  TScopeGuard done([this] { aligning_ = false; });
  TRect r = GetClientRect();
  AdjustClientRect(r);
  AlignControls(nullptr, r);
}

void TWinControl::AlignControls(TControl*, TRect& Rect) {
  // Position along the docking edge that orders controls of one alignment.
  auto orderKey = [](TControl* c, TAlign a) {
    switch (a) {
      case alTop: return c->GetTop();
      case alBottom: return -(c->GetTop() + c->GetHeight());
      case alLeft: return c->GetLeft();
      case alRight: return -(c->GetLeft() + c->GetWidth());
      default: return 0;
    }
  };
  for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
    std::vector<TControl*> group;
    for (TControl* c : controls_)
      if (c->GetAlign() == align && c->GetVisible()) group.push_back(c);
    std::stable_sort(group.begin(), group.end(),
                     [&](TControl* a, TControl* b) { return orderKey(a, align) < orderKey(b, align); });
    for (TControl* c : group) {
      const int w = std::min<int>(c->GetWidth(), std::max<int>(0, Rect.Width()));
      const int h = std::min<int>(c->GetHeight(), std::max<int>(0, Rect.Height()));
      switch (align) {
        case alTop:
          c->SetBounds(Rect.left, Rect.top, Rect.Width(), h);
          Rect.top += h;
          break;
        case alBottom:
          c->SetBounds(Rect.left, Rect.bottom - h, Rect.Width(), h);
          Rect.bottom -= h;
          break;
        case alLeft:
          c->SetBounds(Rect.left, Rect.top, w, Rect.Height());
          Rect.left += w;
          break;
        case alRight:
          c->SetBounds(Rect.right - w, Rect.top, w, Rect.Height());
          Rect.right -= w;
          break;
        default:
          c->SetBounds(Rect.left, Rect.top, std::max<int>(0, Rect.Width()), std::max<int>(0, Rect.Height()));
          break;
      }
    }
  }
}

void TWinControl::AnchorControls() {
  const int dx = width_ - anchoredWidth_, dy = height_ - anchoredHeight_;
  anchoredWidth_ = width_;
  anchoredHeight_ = height_;
  if ((dx == 0 && dy == 0) || GetComponentState().Contains(csLoading)) return;
  // Along one direction: kept to the near edge, the far edge, both or the centre.
  auto follow = [](bool nearEdge, bool farEdge, int delta, int& pos, int& size) {
    if (nearEdge && farEdge)
      size += delta;
    else if (farEdge)
      pos += delta;
    else if (!nearEdge)
      pos += delta / 2;
  };
  for (TControl* c : std::vector<TControl*>(controls_)) {
    if (c->GetAlign() != alNone) continue;
    const TAnchors a = c->GetAnchors();
    int left = c->GetLeft(), top = c->GetTop(), width = c->GetWidth(), height = c->GetHeight();
    follow(a.Contains(akLeft), a.Contains(akRight), dx, left, width);
    follow(a.Contains(akTop), a.Contains(akBottom), dy, top, height);
    c->SetBounds(left, top, width, height);
  }
}
