#pragma once

#include <ostream>

#include "model/map_writer.h"

namespace ornix {

// Areas and attributes in failure messages, as the map writes them.
inline void PrintTo(const Attributes& attributes, std::ostream* out) {
  *out << "HREF=\"" << attributes.href << "\" Target=\"" << attributes.target << "\" ALT=\"" << attributes.alt << '"';
  if (attributes.offeredHref) *out << " offering \"" << *attributes.offeredHref << '"';
}

inline void PrintTo(const Area& area, std::ostream* out) {
  *out << areaTag(area);
  if (area.shape == Shape::circle) *out << " radius " << area.radius;
  if (area.attributes.offeredHref) *out << " offering \"" << *area.attributes.offeredHref << '"';
}

}  // namespace ornix
