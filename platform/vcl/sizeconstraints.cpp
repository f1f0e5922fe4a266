#include "sizeconstraints.h"

#include <algorithm>

void TSizeConstraints::Publish(TPublisher<TSizeConstraints>& P) {
  P.Integer("MaxHeight", &TSizeConstraints::GetMaxHeight, &TSizeConstraints::SetMaxHeight, 0);
  P.Integer("MaxWidth", &TSizeConstraints::GetMaxWidth, &TSizeConstraints::SetMaxWidth, 0);
  P.Integer("MinHeight", &TSizeConstraints::GetMinHeight, &TSizeConstraints::SetMinHeight, 0);
  P.Integer("MinWidth", &TSizeConstraints::GetMinWidth, &TSizeConstraints::SetMinWidth, 0);
}

namespace {
// Sets one limit of a min/max pair, keeping min <= max where max is set.
bool SetLimit(int& limit, int& other, int value, bool isMax) {
  value = std::max(value, 0);
  if (limit == value) return false;
  limit = value;
  if (value > 0 && other > 0 && (isMax ? other > value : value > other)) other = value;
  return true;
}
}  // namespace

void TSizeConstraints::SetMinWidth(int Value) {
  if (SetLimit(minWidth_, maxWidth_, Value, false)) Change();
}
void TSizeConstraints::SetMinHeight(int Value) {
  if (SetLimit(minHeight_, maxHeight_, Value, false)) Change();
}
void TSizeConstraints::SetMaxWidth(int Value) {
  if (SetLimit(maxWidth_, minWidth_, Value, true)) Change();
}
void TSizeConstraints::SetMaxHeight(int Value) {
  if (SetLimit(maxHeight_, minHeight_, Value, true)) Change();
}

void TSizeConstraints::Apply(int& Width, int& Height) const {
  if (maxWidth_ > 0) Width = std::min(Width, maxWidth_);
  if (maxHeight_ > 0) Height = std::min(Height, maxHeight_);
  Width = std::max(Width, minWidth_);
  Height = std::max(Height, minHeight_);
}

void TSizeConstraints::Assign(TPersistent* Source) {
  auto* other = dynamic_cast_object<TSizeConstraints>(Source);
  if (!other) return TPersistent::Assign(Source);
  minWidth_ = other->minWidth_;
  minHeight_ = other->minHeight_;
  maxWidth_ = other->maxWidth_;
  maxHeight_ = other->maxHeight_;
  Change();
}

void TSizeConstraints::Change() {
  if (OnChange) OnChange(this);
}
