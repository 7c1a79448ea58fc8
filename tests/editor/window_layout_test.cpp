#include <gtest/gtest.h>

#include "editor/window_layout.h"

namespace ornix::layout {
namespace {

// A picture of w x h pixels sits in a control two pixels larger, in twips.
QSize controlTwips(int width, int height) { return {(width + 2) * 15, (height + 2) * 15}; }

const QSize screen1024(1024 * 15, 768 * 15);

TEST(FitToPicture, SizesTheWindowAroundThePicture) {
  struct Case {
    const char* name;
    QSize picture;
    WindowFit expected;
    QSize screen = screen1024;
  };
  const std::vector<Case> cases = {
      {"wide picture", controlTwips(300, 200), {5415, 3630, false}},
      {"short window grows to the strip", controlTwips(150, 100), {3165, 3650, false}},
      {"wide picture wider than the screen", controlTwips(1000, 300), {15360 - 500, 11520 - 500, true}},
      {"tall picture fitting the screen height is not tested against its width",
       controlTwips(1100, 900),
       {16530 + 885, 13530 + 600, false},
       QSize(1024 * 15, 1024 * 15)},
      {"tall picture taller than the screen", controlTwips(600, 800), {15360 - 500, 11520 - 500, true}},
  };
  for (const Case& c : cases) EXPECT_EQ(fitToPicture(c.picture, c.screen), c.expected) << c.name;
}

TEST(LayOutControls, PlacesTheBarsAndShowsThemOnlyWhenThePictureOverflows) {
  const QSize client(8295, 4740);  // the window as first shown: 504 x 303 visible pixels
  const QSize outer(8415, 5160);
  struct Case {
    const char* name;
    QSize pictureControl;  // pixels
    int hMax;
    int vMax;
  };
  const std::vector<Case> cases = {
      {"start picture fits", {502, 302}, -4, -1},
      {"exactly two pixels wider scrolls nothing", {506, 302}, 0, -1},
      {"one pixel taller scrolls by one", {502, 304}, -4, 1},
      {"large picture", {1202, 902}, 696, 599},
  };
  for (const Case& c : cases) {
    const Controls placed = layOutControls(client, outer, c.pictureControl);
    EXPECT_EQ(placed.hMax, c.hMax) << c.name;
    EXPECT_EQ(placed.vMax, c.vMax) << c.name;
    EXPECT_EQ(placed.hBar, QRect(525, 4545, 7755, 195));
    EXPECT_EQ(placed.vBar, QRect(8100, 0, 195, 4545));
    EXPECT_EQ(placed.dropArea, QRect(36, 0, 8402, 5147));
  }
  EXPECT_FALSE(canLayOut({700, 4740}));  // minimised: not laid out
}

}  // namespace
}  // namespace ornix::layout
