#include "area.h"

#include <cstdlib>
#include <tuple>

#include "numbers.h"

namespace ornix {

bool largeEnough(const Area& area) {
  switch (area.shape) {
    case Shape::rectangle: {
      if (area.points.size() < 2) return false;
      const std::int64_t width = std::abs(std::int64_t{area.points[1].x} - area.points[0].x);
      const std::int64_t height = std::abs(std::int64_t{area.points[1].y} - area.points[0].y);
      return width * height >= smallestRectangle;
    }
    case Shape::circle: return area.radius >= smallestRadius;
    case Shape::polygon: return area.points.size() >= 3;
  }
  return false;
}

bool readsAsImported(const Area& area) {
  if (!area.importedTag) return false;
  const Area& asRead = area.importedTag->asRead;
  const auto linkAndTexts = [](const Attributes& a) { return std::tie(a.href, a.target, a.alt); };
  return area.shape == asRead.shape && area.points == asRead.points && area.radius == asRead.radius &&
         linkAndTexts(area.attributes) == linkAndTexts(asRead.attributes) &&
         area.otherAttributes == asRead.otherAttributes;
}

std::optional<std::int16_t> roundedRadius(float radius) { return roundToInt16(radius); }

}  // namespace ornix
