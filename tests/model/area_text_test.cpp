#include <gtest/gtest.h>

#include "model/area_text.h"

namespace ornix {
namespace {

struct ShapeCase {
  const char* name;
  ShapeTexts shape;
  std::string areaText;
  std::string coordText;
};

std::vector<ShapeCase> shapeCases() {
  const std::vector<Point32> triangle{{10, 10}, {60, 15}, {35, 70}};
  return {
      {"Rectangle", rectShape(10, 20, 110, 220),
       R"(<AREA SHAPE="rect" COORDS="10, 20, 110, 220" HREF=")", "10|20|110|220"},
      {"RectangleDraggedUpAndLeftKeepsPressPointFirst", rectShape(120, 80, 20, 10),
       R"(<AREA SHAPE="rect" COORDS="120, 80, 20, 10" HREF=")", "120|80|20|10"},
      {"NegativeNumbersKeepTheirSign", rectShape(-5, 0, 3, -32768),
       R"(<AREA SHAPE="rect" COORDS="-5, 0, 3, -32768" HREF=")", "-5|0|3|-32768"},
      {"CircleRadiusRoundsHalfToEvenInCoordsOnly", *circleShape(50, 60, 12.5f),
       R"(<AREA SHAPE="circle" COORDS="50, 60, 12" HREF=")", "50|60|12.5"},
      {"CircleRadiusRoundsUpToEven", *circleShape(5, 6, 13.5f),
       R"(<AREA SHAPE="circle" COORDS="5, 6, 14" HREF=")", "5|6|13.5"},
      {"CircleKeepsSevenDigitsOfRadius", *circleShape(100, 100, 23.40939f),
       R"(<AREA SHAPE="circle" COORDS="100, 100, 23" HREF=")", "100|100|23.40939"},
      {"CircleOfWholeRadius", *circleShape(0, 0, 12.0f),
       R"(<AREA SHAPE="circle" COORDS="0, 0, 12" HREF=")", "0|0|12"},
      {"Polygon", polyShape(triangle),
       R"(<AREA SHAPE="poly" COORDS="10, 10, 60, 15, 35, 70" HREF=")", "10|10|60|15|35|70"},
  };
}

class ShapeTextTest : public testing::TestWithParam<ShapeCase> {};

TEST_P(ShapeTextTest, WritesBothTexts) {
  EXPECT_EQ(GetParam().shape.areaText, GetParam().areaText);
  EXPECT_EQ(GetParam().shape.coordText, GetParam().coordText);
}

INSTANTIATE_TEST_SUITE_P(Shapes, ShapeTextTest, testing::ValuesIn(shapeCases()),
                         [](const auto& row) { return row.param.name; });

TEST(CircleShape, RefusesARadiusBeyondSixteenBits) {
  EXPECT_FALSE(circleShape(0, 0, 32767.6f).has_value());
  EXPECT_TRUE(circleShape(0, 0, 32767.4f).has_value());
}

TEST(AttributePart, AddsTargetAndAltOnlyWhenGiven) {
  const std::vector<std::tuple<std::string, std::string, std::string, std::string>> cases = {
      {"index.html", "", "", "index.html"},
      {"index.html", "_top", "", R"(index.html" Target="_top)"},
      {"index.html", "", "Home", R"(index.html" ALT="Home)"},
      {"a.htm", "main", "Shop", R"(a.htm" Target="main" ALT="Shop)"},
      {"", "", "", ""},
      {R"(say "hi")", "", "", R"(say "hi")"},  // nothing is escaped
  };
  for (const auto& [href, target, alt, part] : cases) {
    EXPECT_EQ(attributePart(href, target, alt), part);
  }
}

}  // namespace
}  // namespace ornix
