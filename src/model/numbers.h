#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace ornix {

// Rounds to the nearest whole number, halves to the even neighbour (12.5 -> 12,
// 13.5 -> 14), and refuses a value that is not finite or leaves the target range.
std::optional<std::int16_t> roundToInt16(double value);
std::optional<std::int32_t> roundToInt32(double value);

// A single-precision value as the map writes it: up to seven significant digits,
// no trailing zeros, no exponent for the values a picture can hold (12.5, 23.40939, 12).
std::string formatFloat(float value);

}  // namespace ornix
