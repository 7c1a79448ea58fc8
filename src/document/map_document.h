#pragma once

#include <QImage>
#include <QObject>
#include <QUndoStack>
#include <optional>

#include "map_step.h"
#include "model/image_map.h"

namespace ornix {

// Milliseconds the editor waits after each area drawn with a drag or read
// from a file, so that the areas of a map appear one after another.
inline constexpr int pauseAfterArea = 200;

// How the map being edited began, which the history names as its first step.
enum class MapOrigin { opened, imported };

// The map being edited, its history and its selected area: what the editor
// window, the area list and the operations on files share. Every change goes
// through here, as an undoable step or as part of the map being opened, and
// is announced before and after it is made, so that each view follows the
// change itself rather than the whole map.
class MapDocument final : public QObject {
  Q_OBJECT

 public:
  explicit MapDocument(QObject* parent = nullptr);

  const ImageMap& map() const { return current; }
  QUndoStack& history() { return steps; }

  // A new picture, its pixels, and an empty map; the page the last map came
  // from and the history stay (a save shows its picture again, and can be undone).
  void showPicture(const Picture& picture, QImage pixels);
  // The pixels of the picture shown, untouched by any area.
  const QImage& pixels() const { return picturePixels; }
  // The page a map was read from, while it can be saved back into; or none.
  void holdSourcePage(std::shared_ptr<const SplitPage> page);
  // An area read from a file joins the map as part of the map opened.
  void addReadArea(Area area);
  // Another file is open, or a map imported: what was done before cannot be
  // undone any more.
  void forgetHistory(MapOrigin origin = MapOrigin::opened);
  MapOrigin origin() const { return begunAs; }

  // Changes the map as one undoable step.
  void change(MapChange change, StepKind kind);
  // Steps of the ordinary kinds, made from the areas as they stand; an area
  // drawn is selected.
  void draw(Area area);
  void replace(std::size_t index, Area area, StepKind kind);
  // Gives an area the attributes entered for it, as the attributes dialog's
  // Enter does, as an edit; false when what was entered leaves it as it was.
  bool enterAttributes(std::size_t index, std::string_view href, std::string_view target, std::string_view alt);
  void remove(std::size_t index);
  // Swaps an area with the one after it.
  void swapWithNext(std::size_t index);
  // Every area comes off as one step; with the page too when `dropPage`.
  void empty(bool dropPage);

  // The area selected in the list or on the picture, if any.
  std::optional<std::size_t> selected() const { return selection; }
  void select(std::optional<std::size_t> index);

  // Makes a change without recording it: the history's steps call this.
  void apply(const MapChange& change);

 signals:
  // A change is about to be made, and has been made.
  void changing(const MapChange& change);
  void changed(const MapChange& change);
  // The map is about to be replaced as a whole (a new picture), and was.
  void aboutToReset();
  void reset();
  void selectionChanged(std::optional<std::size_t> index);
  void historyBegun(MapOrigin origin);
  // A page is held, or none, outside any change of the map.
  void sourcePageHeld();

 private:
  void followSelection(const MapChange& change);

  ImageMap current;
  QImage picturePixels;
  QUndoStack steps;
  std::optional<std::size_t> selection;
  MapOrigin begunAs = MapOrigin::opened;
};

}  // namespace ornix
