#include "zoom.h"

#include <algorithm>
#include <cmath>

namespace ornix::zoom {

double in(double scale) {
  const auto next = std::upper_bound(steps.begin(), steps.end(), scale);
  return next == steps.end() ? scale : *next;
}

double out(double scale) {
  const auto next = std::lower_bound(steps.begin(), steps.end(), scale);
  return next == steps.begin() ? scale : *(next - 1);
}

int keptScroll(int value, double offset, double oldScale, double newScale) {
  return static_cast<int>(std::lround((value + offset) * newScale / oldScale - offset));
}

}  // namespace ornix::zoom
