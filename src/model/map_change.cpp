#include "map_change.h"

#include <utility>

namespace ornix {
MapChange inverse(MapChange change) {
  std::swap(change.removed, change.inserted);
  std::swap(change.pageBefore, change.pageAfter);
  return change;
}

void apply(ImageMap& map, const MapChange& change) {
  const auto at = map.areas.begin() + static_cast<std::ptrdiff_t>(change.index);
  const auto end = map.areas.erase(at, at + static_cast<std::ptrdiff_t>(change.removed.size()));
  map.areas.insert(end, change.inserted.begin(), change.inserted.end());
  map.sourcePage = change.pageAfter;
}

}  // namespace ornix
