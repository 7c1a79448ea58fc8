#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

#include "image_map.h"

namespace ornix {

// One change to a map: at `index`, the areas `removed` gave way to the areas
// `inserted`; and the page the map can be saved back into went from
// `pageBefore` to `pageAfter`. Drawing an area inserts one, deleting removes
// one, editing, moving or reshaping replaces one, and a save removes them all
// and drops the page.
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

// The changes made to a map since it was opened, to be undone and redone in
// order. A new change drops what was undone; the history has no limit.
class MapHistory {
 public:
  void record(MapChange change);
  bool canUndo() const { return done > 0; }
  bool canRedo() const { return done < changes.size(); }
  // The change that undoes the last one, or redoes the last one undone;
  // nothing when there is none.
  std::optional<MapChange> undo();
  std::optional<MapChange> redo();
  void clear();

 private:
  std::vector<MapChange> changes;
  std::size_t done = 0;
};

}  // namespace ornix
