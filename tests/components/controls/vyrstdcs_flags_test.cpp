#include <gtest/gtest.h>

#include "vyrstdcs.h"

using namespace Vyrstdcs;

TEST(LabelFlags, WhatTheLabelsHandToTheTextRoutine) {
  using A = TVyrAlignment;
  struct Case {
    const char* what;
    A alignment;
    TVyrLabelOptions options;
    bool showAccel;
    int lineFlags;
    int flags;
  } cases[] = {
      {"one line at the bottom right", A::agBottomRight, {}, true, VyrLabelLineFlags(false, false, 0), 0x7A},
      {"no prefix, end ellipsis", A::agBottomRight, {TVyrLabelOption::loEndEllipsis}, false,
       VyrLabelLineFlags(false, false, 0), 0x887A},
      {"autosized top left", A::agTopLeft, {}, true, VyrLabelLineFlags(true, false, 0), 0x50},
      {"simple label centred on one line", A::agCenter, {}, true, 0x20, 0x75},
      {"path ellipsis and edit control", A::agTopLeft,
       {TVyrLabelOption::loPathEllipsis, TVyrLabelOption::loEditControl}, true, 0, 0x6050},
  };
  for (const Case& c : cases) EXPECT_EQ(VyrLabelTextFlags(c.alignment, c.options, c.showAccel, c.lineFlags), c.flags) << c.what;
}

TEST(LabelFlags, LinesAndPlacementOfAFixedSizeLabel) {
  using A = TVyrAlignment;
  EXPECT_EQ(VyrLabelLineFlags(false, true, 0), 0) << "several lines";
  EXPECT_EQ(VyrLabelLineFlags(false, true, 45), 0x20) << "turned text is one line";
  EXPECT_EQ(VyrLabelLineFlags(true, false, 45), 0) << "autosized";
  struct Case {
    bool multiLine;
    int angle;
    A alignment;
    bool aligns;
  } cases[] = {{true, 0, A::agTopRight, false}, {true, 0, A::agCenterLeft, true}, {false, 0, A::agBottomRight, false},
               {false, 45, A::agTopLeft, false}, {false, 45, A::agTopCenter, true}};
  for (const Case& c : cases)
    EXPECT_EQ(VyrLabelAlignsRect(false, c.multiLine, c.angle, c.alignment), c.aligns)
        << c.multiLine << " " << c.angle << " " << static_cast<int>(c.alignment);
}

TEST(DockGeometry, TheLabelSticksToEachSide) {
  const TRect control = Bounds(100, 50, 80, 21);
  using P = TVyrDockPosition;
  struct Case {
    P position;
    bool adjust;
    TRect label;
  } cases[] = {
      {P::dpLeft, false, Bounds(59, 50, 40, 13)},   {P::dpLeft, true, Bounds(59, 50, 40, 21)},
      {P::dpRight, false, Bounds(181, 50, 40, 13)}, {P::dpBottom, false, Bounds(100, 72, 40, 13)},
      {P::dpBottom, true, Bounds(100, 72, 80, 13)}, {P::dpTop, false, Bounds(100, 36, 40, 13)},
  };
  for (const Case& c : cases) {
    const TRect label = VyrDockLabelBounds(control, 40, 13, c.position, 1, c.adjust);
    EXPECT_EQ(label, c.label) << static_cast<int>(c.position) << c.adjust;
    // Moving the control back from the label it placed lands where it was.
    EXPECT_EQ(VyrDockControlBounds(label, 80, 21, c.position, 1, false), control) << static_cast<int>(c.position);
  }
}
