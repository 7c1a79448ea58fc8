#pragma once

#include <QRect>
#include <cmath>

namespace ornix {

// Window geometry is given in twips, 15 to a logical pixel.
inline constexpr int twipsPerPixel = 15;

// Pixels for a length in twips, halves to the even neighbour.
inline int pixels(double twips) { return static_cast<int>(std::nearbyint(twips / twipsPerPixel)); }

inline QRect twipsRect(int left, int top, int width, int height) {
  return {pixels(left), pixels(top), pixels(width), pixels(height)};
}

}  // namespace ornix
