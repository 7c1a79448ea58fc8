#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "image_map.h"

namespace ornix {

// One change to a map: at `index`, the areas `removed` gave way to the areas
// `inserted`; and the page the map can be saved back into went from
// `pageBefore` to `pageAfter`. Drawing an area inserts one, deleting removes
// one, editing, moving or reshaping replaces one, a swap replaces two with
// the same two the other way round, and a save removes them all and drops
// the page.
struct MapChange {
  std::size_t index = 0;
  std::vector<Area> removed;
  std::vector<Area> inserted;
  std::shared_ptr<const SplitPage> pageBefore;
  std::shared_ptr<const SplitPage> pageAfter;
};

// The change that takes `change` back.
MapChange inverse(MapChange change);

// Makes a change to a map's areas and page.
void apply(ImageMap& map, const MapChange& change);

}  // namespace ornix
