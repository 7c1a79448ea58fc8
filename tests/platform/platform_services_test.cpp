#include <gtest/gtest.h>

#include "platform/regions.h"
#include "platform/text_codec.h"
#include "support/image_bytes.h"

namespace ornix {
namespace {

TEST(TextCodec, GivesBackTheOriginalBytesOfAnUneditedText) {
  const std::vector<std::string> originals = {"plain.html", "caf\xC3\xA9", "caf\xE9", "Stra\337e", ""};
  for (const std::string& bytes : originals) {
    EXPECT_EQ(fromDisplay(toDisplay(bytes), bytes), bytes);
  }
  EXPECT_EQ(toDisplay("caf\xE9"), QString::fromLatin1("caf\xE9"));
  EXPECT_EQ(fromDisplay("new", "caf\xE9"), "new");
}

TEST(Regions, HitTestsRectanglesEllipsesAndPolygons) {
  const QRegion rect = rectangleRegion({120, 80}, {20, 10});  // corners in reverse
  const QRegion ellipse = ellipseRegion({0, 0}, {100, 50});
  const QRegion star =
      polygonRegion(QPolygon({QPoint(50, 0), QPoint(80, 100), QPoint(0, 35), QPoint(100, 35), QPoint(20, 100)}));
  const std::vector<std::tuple<const QRegion*, QPoint, bool>> cases = {
      {&rect, {20, 10}, true},  {&rect, {119, 79}, true},   {&rect, {120, 50}, false}, {&rect, {50, 80}, false},
      {&rect, {19, 50}, false}, {&ellipse, {50, 25}, true}, {&ellipse, {2, 2}, false}, {&ellipse, {99, 25}, true},
      {&star, {50, 20}, true},  {&star, {50, 50}, false},  // the star's middle is crossed twice: even-odd leaves it out
      {&star, {95, 90}, false},
  };
  for (const auto& [region, point, inside] : cases) {
    EXPECT_EQ(region->contains(point), inside) << point.x() << "," << point.y();
  }
}

}  // namespace
}  // namespace ornix
