#pragma once

#include <array>

namespace ornix::zoom {

// The scales the picture can be shown at: 25% to 800%.
inline constexpr std::array<double, 6> steps = {0.25, 0.5, 1.0, 2.0, 4.0, 8.0};

// The next step in or out from `scale`; `scale` itself at either end.
double in(double scale);
double out(double scale);

// The scroll value that keeps a picture point where it is in the view, once
// the scale changes: `offset` is its distance from the view's left or top
// edge (0 for the view's corner), `value` the scroll value before.
int keptScroll(int value, double offset, double oldScale, double newScale);

}  // namespace ornix::zoom
