#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "editor/outline_pixels.h"

namespace ornix {
namespace {

bool unique(std::vector<QPoint> pixels) {
  const auto before = [](QPoint a, QPoint b) { return std::pair(a.y(), a.x()) < std::pair(b.y(), b.x()); };
  std::sort(pixels.begin(), pixels.end(), before);
  return std::adjacent_find(pixels.begin(), pixels.end()) == pixels.end();
}

// Every pixel touches another one of the figure: the outline has no gap.
bool connected(const std::vector<QPoint>& pixels) {
  return std::all_of(pixels.begin(), pixels.end(), [&](QPoint pixel) {
    return pixels.size() == 1 || std::any_of(pixels.begin(), pixels.end(), [&](QPoint other) {
             const QPoint step = other - pixel;
             return other != pixel && std::abs(step.x()) <= 1 && std::abs(step.y()) <= 1;
           });
  });
}

// A pixel drawn twice in one figure would cancel itself out of the outline.
TEST(OutlinePixels, EachFigureHoldsEachOfItsPixelsOnceWithoutGaps) {
  for (const double radius : {0.4, 1.0, 2.5, 7.0, 12.5, 23.40939, 250.0}) {
    const std::vector<QPoint> circle = circlePixels({50, 60}, radius);
    EXPECT_TRUE(unique(circle) && connected(circle)) << radius;
    for (const QPoint pixel : circle) {
      EXPECT_LE(std::abs(std::hypot(pixel.x() - 50, pixel.y() - 60) - radius), 1.0) << radius;
    }
  }
  const std::vector<std::pair<QPoint, QPoint>> ends = {{{0, 0}, {30, 7}}, {{5, 40}, {9, 2}}, {{3, 3}, {3, 3}}};
  for (const auto& [from, to] : ends) {
    EXPECT_EQ(linePixels(from, to), linePixels(to, from));  // the same pixels whichever way round
    EXPECT_TRUE(unique(linePixels(from, to)) && connected(linePixels(from, to)));
  }
  EXPECT_TRUE(unique(boxPixels({120, 80}, {20, 10})) && connected(boxPixels({120, 80}, {20, 10})));
  EXPECT_EQ(boxPixels({120, 80}, {20, 10}).size(), 2u * (101 + 71) - 4);
  EXPECT_EQ(dotPixels({5, 5}).size(), 21u);
}

}  // namespace
}  // namespace ornix
