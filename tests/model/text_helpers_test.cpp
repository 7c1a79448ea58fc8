#include <gtest/gtest.h>

#include "model/text_helpers.h"

namespace ornix {
namespace {

struct FieldCase {
  const char* name;
  std::string text;
  std::int16_t n;
  bool comma;
  std::string expected;
};

class FieldOfTest : public testing::TestWithParam<FieldCase> {};

TEST_P(FieldOfTest, ReturnsTheField) {
  const FieldCase& c = GetParam();
  EXPECT_EQ(fieldOf(c.text, c.n, c.comma), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, FieldOfTest,
    testing::Values(FieldCase{"SecondOfThreeBars", "10|20|30", 2, false, "20"},
                    FieldCase{"FirstByComma", "10,20", 1, true, "10"},
                    FieldCase{"LastField", "10|20|30", 3, false, "30"},
                    FieldCase{"PastTheLastWrapsToFirst", "10|20|30", 4, false, "10"},
                    FieldCase{"TwoPastTheLastWrapsToSecond", "10|20|30", 5, false, "20"},
                    FieldCase{"WrapsMoreThanOnce", "1|2", 6, false, "2"},
                    FieldCase{"EmptyFieldBetweenSeparators", "1||3", 2, false, ""},
                    FieldCase{"EmptyFieldAfterTrailingSeparator", "1|2|", 3, false, ""},
                    FieldCase{"TextWithoutSeparatorIsEveryField", "42", 3, false, "42"},
                    FieldCase{"ZeroMeansFirst", "7|8", 0, false, "7"},
                    FieldCase{"CommaModeKeepsBars", "1|2,3", 1, true, "1|2"},
                    FieldCase{"CommaFieldKeepsBlanks", "10, 20, 30", 2, true, " 20"},
                    FieldCase{"EmptyText", "", 2, false, ""}),
    [](const auto& row) { return row.param.name; });

TEST(CountBars, CountsEverySeparatorWhateverTheSize) {
  EXPECT_EQ(countBars("1|2|3|4"), 3u);
  EXPECT_EQ(countBars("12"), 0u);
  EXPECT_EQ(countBars(""), 0u);
  // A polygon of 255 vertices has 509 bars: beyond an 8-bit count.
  std::string polygon = "0";
  for (int i = 1; i < 510; ++i) polygon += "|" + std::to_string(i);
  EXPECT_EQ(countBars(polygon), 509u);
}

TEST(FileNameOf, TakesTheTextAfterTheLastSeparator) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {R"(C:\maps\site/img/a.gif)", "a.gif"},  // the last forward slash wins
      {R"(C:\maps\b.jpg)", "b.jpg"},
      {"/home/web/photo.jpeg", "photo.jpeg"},
      {R"(img/one\two.gif)", R"(one\two.gif)"},  // a "/" anywhere outranks every "\"
      {"a.gif", "a.gif"},
      {"pictures/", ""},
      {"", ""},
  };
  for (const auto& [path, name] : cases) EXPECT_EQ(fileNameOf(path), name) << path;
}

}  // namespace
}  // namespace ornix
