#pragma once

#include <QPointF>
#include <optional>

#include "area_overlay.h"
#include "model/map_history.h"

namespace ornix {

class PictureCanvas;

// The map being edited and its look on the picture. Every change goes
// through here: its areas come off and onto the picture by exclusive-or, and
// it is recorded, so that undoing and redoing it bring back every pixel and
// every byte of the written map as they were.
class EditedMap {
 public:
  explicit EditedMap(PictureCanvas& canvas) : overlay(canvas) {}

  const ImageMap& map() const { return current; }
  // A new picture: an empty map on it; the page the last map came from stays.
  void showPicture(const Picture& picture);
  // The page a map was read from, while it can be saved back into; or none.
  void holdSourcePage(std::shared_ptr<const SplitPage> page) { current.sourcePage = std::move(page); }
  // An area read from a file: shown, and part of the map as it was opened.
  void addReadArea(Area area);

  // Makes a change and records it. An area just drawn has its outline on the
  // picture already.
  void change(MapChange change, bool outlineDrawn = false);
  bool canUndo() const { return history.canUndo(); }
  bool canRedo() const { return history.canRedo(); }
  bool undo();
  bool redo();
  // Another file is open: what was done before cannot be undone any more.
  void forgetHistory() { history.clear(); }

  std::optional<std::size_t> areaAt(QPointF position) const { return overlay.areaAt(position); }

 private:
  // Undoes or redoes a change the history gave back; false when there was none.
  bool replay(const std::optional<MapChange>& change);
  void show(const MapChange& change, bool outlineDrawn);

  ImageMap current;
  AreaOverlay overlay;
  MapHistory history;
};

}  // namespace ornix
