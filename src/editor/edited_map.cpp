#include "edited_map.h"

namespace ornix {

void EditedMap::showPicture(const Picture& picture) {
  overlay.forgetAll();
  current = {picture, {}, current.sourcePage};
}

void EditedMap::addReadArea(Area area) {
  overlay.append(area);
  current.areas.push_back(std::move(area));
}

void EditedMap::change(MapChange change, bool outlineDrawn) {
  show(change, outlineDrawn);
  apply(current, change);
  history.record(std::move(change));
}

bool EditedMap::undo() { return replay(history.undo()); }

bool EditedMap::redo() { return replay(history.redo()); }

bool EditedMap::replay(const std::optional<MapChange>& change) {
  if (!change) return false;
  show(*change, false);
  apply(current, *change);
  return true;
}

// The removed areas come off from the last one back, so that taking a whole
// map off moves no other area; then the inserted ones go on in order.
void EditedMap::show(const MapChange& change, bool outlineDrawn) {
  for (std::size_t k = change.removed.size(); k > 0; --k) overlay.remove(change.index + k - 1, change.removed[k - 1]);
  for (std::size_t k = 0; k < change.inserted.size(); ++k) {
    overlay.insert(change.index + k, change.inserted[k], outlineDrawn);
  }
}

}  // namespace ornix
