// TSizeConstraints: the smallest and largest size a control may take
// (0: no limit), published as a control's "Constraints".
#pragma once

#include "events.h"
#include "persistent.h"
#include "published.h"

class TSizeConstraints : public TPersistent {
  MORVANT_PUBLISHED(TSizeConstraints, TPersistent)
 public:
  TSizeConstraints() = default;
  int GetMinWidth() const { return minWidth_; }
  int GetMinHeight() const { return minHeight_; }
  int GetMaxWidth() const { return maxWidth_; }
  int GetMaxHeight() const { return maxHeight_; }
  // A negative limit counts as none; a maximum below the minimum pulls the
  // minimum down with it and a minimum above the maximum the maximum up.
  void SetMinWidth(int Value);
  void SetMinHeight(int Value);
  void SetMaxWidth(int Value);
  void SetMaxHeight(int Value);
  // Width and Height brought within the limits.
  void Apply(int& Width, int& Height) const;
  void Assign(TPersistent* Source) override;

  TNotifyEvent OnChange;

 private:
  void Change();
  int minWidth_ = 0, minHeight_ = 0, maxWidth_ = 0, maxHeight_ = 0;
};
