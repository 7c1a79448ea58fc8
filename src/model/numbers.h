#pragma once

#include <cstdint>
#include <optional>

namespace ornix {

// Rounds to the nearest whole number, halves to the even neighbour (12.5 -> 12,
// 13.5 -> 14), and refuses a value that is not finite or leaves the target range.
std::optional<std::int16_t> roundToInt16(double value);
std::optional<std::int32_t> roundToInt32(double value);

}  // namespace ornix
