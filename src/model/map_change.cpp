#include "map_history.h"

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

void MapHistory::record(MapChange change) {
  changes.resize(done);
  changes.push_back(std::move(change));
  done = changes.size();
}

std::optional<MapChange> MapHistory::undo() {
  if (!canUndo()) return std::nullopt;
  return inverse(changes[--done]);
}

std::optional<MapChange> MapHistory::redo() {
  if (!canRedo()) return std::nullopt;
  return changes[done++];
}

void MapHistory::clear() {
  changes.clear();
  done = 0;
}

}  // namespace ornix
