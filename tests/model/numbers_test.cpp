#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/numbers.h"

namespace ornix {
namespace {

TEST(RoundToInt16, RoundsHalvesToEvenAndRefusesWhatDoesNotFit) {
  const std::vector<std::pair<double, std::optional<std::int16_t>>> cases = {
      {12.5, 12},
      {13.5, 14},
      {-12.5, -12},
      {0.5, 0},
      {1.5, 2},
      {2.4999, 2},
      {-0.4, 0},
      {32767.4, 32767},
      {32767.5, {}},
      {-32768.5, -32768},
      {-32769.0, {}},
      {std::numeric_limits<double>::quiet_NaN(), {}},
      {std::numeric_limits<double>::infinity(), {}},
  };
  for (const auto& [value, expected] : cases) EXPECT_EQ(roundToInt16(value), expected) << value;
}

TEST(RoundToInt32, RefusesWhatDoesNotFit) {
  EXPECT_EQ(roundToInt32(70000.5), 70000);
  EXPECT_EQ(roundToInt32(2147483648.0), std::nullopt);
}

TEST(FormatFloat, PrintsUpToSevenSignificantDigitsWithoutTrailingZeros) {
  const std::vector<std::pair<float, std::string>> cases = {
      {12.5f, "12.5"},   {23.40939f, "23.40939"}, {12.0f, "12"},           {7.0f, "7"},
      {0.1f, "0.1"},     {46339.99f, "46339.99"}, {1234567.0f, "1234567"}, {std::sqrt(2.0f) * 10, "14.14214"},
      {-3.25f, "-3.25"},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(formatFloat(value), text) << text;
}

}  // namespace
}  // namespace ornix
