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

}  // namespace
}  // namespace ornix
