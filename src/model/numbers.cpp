#include "numbers.h"

#include <cmath>
#include <limits>

namespace ornix {
namespace {

template <typename Int>
std::optional<Int> roundChecked(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  // nearbyint rounds with the current mode, which the program never changes
  // from round-to-nearest-even.
  const double rounded = std::nearbyint(value);
  if (rounded < std::numeric_limits<Int>::min() || rounded > std::numeric_limits<Int>::max()) {
    return std::nullopt;
  }
  return static_cast<Int>(rounded);
}

}  // namespace

std::optional<std::int16_t> roundToInt16(double value) { return roundChecked<std::int16_t>(value); }

std::optional<std::int32_t> roundToInt32(double value) { return roundChecked<std::int32_t>(value); }

}  // namespace ornix
