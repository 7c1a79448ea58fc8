#include "map_document.h"

#include "model/attribute_entry.h"

namespace ornix {

MapDocument::MapDocument(QObject* parent) : QObject(parent) {}

void MapDocument::showPicture(const Picture& picture, QImage pixels) {
  emit aboutToReset();
  current = {picture, {}, current.sourcePage};
  picturePixels = std::move(pixels);
  select(std::nullopt);
  emit reset();
}

void MapDocument::forgetHistory(MapOrigin origin) {
  steps.clear();
  begunAs = origin;
  emit historyBegun(origin);
}

void MapDocument::holdSourcePage(std::shared_ptr<const SplitPage> page) {
  current.sourcePage = std::move(page);
  emit sourcePageHeld();
}

void MapDocument::addReadArea(Area area) {
  const MapChange change{current.areas.size(), {}, {std::move(area)}, current.sourcePage, current.sourcePage};
  apply(change);
}

void MapDocument::change(MapChange change, StepKind kind) { steps.push(new MapStep(*this, std::move(change), kind)); }

void MapDocument::draw(Area area) {
  const std::size_t index = current.areas.size();
  change({index, {}, {std::move(area)}, current.sourcePage, current.sourcePage}, StepKind::draw);
  select(index);
}

void MapDocument::replace(std::size_t index, Area area, StepKind kind) {
  if (area == current.areas.at(index)) return;
  change({index, {current.areas[index]}, {std::move(area)}, current.sourcePage, current.sourcePage}, kind);
}

bool MapDocument::enterAttributes(std::size_t index, std::string_view href, std::string_view target,
                                  std::string_view alt) {
  const Area& area = current.areas.at(index);
  std::optional<Attributes> entered = enteredAttributes(area.attributes, href, target, alt);
  if (!entered) return false;
  Area edited = area;
  edited.attributes = std::move(*entered);
  replace(index, std::move(edited), StepKind::edit);
  return true;
}

void MapDocument::remove(std::size_t index) {
  change({index, {current.areas.at(index)}, {}, current.sourcePage, current.sourcePage}, StepKind::remove);
}

void MapDocument::swapWithNext(std::size_t index) {
  if (index + 1 >= current.areas.size()) return;
  const Area& first = current.areas[index];
  const Area& second = current.areas[index + 1];
  const std::optional<std::size_t> chosen = selection;
  change({index, {first, second}, {second, first}, current.sourcePage, current.sourcePage}, StepKind::reorder);
  if (chosen == index) select(index + 1);
  if (chosen == index + 1) select(index);
}

void MapDocument::empty(bool dropPage) {
  const std::shared_ptr<const SplitPage> page = dropPage ? nullptr : current.sourcePage;
  if (current.areas.empty() && page == current.sourcePage) return;
  change({0, current.areas, {}, current.sourcePage, page}, StepKind::empty);
}

void MapDocument::select(std::optional<std::size_t> index) {
  if (index && *index >= current.areas.size()) index.reset();
  if (index == selection) return;
  selection = index;
  emit selectionChanged(selection);
}

void MapDocument::apply(const MapChange& change) {
  emit changing(change);
  ornix::apply(current, change);
  followSelection(change);
  emit changed(change);
}

// The selected area keeps its selection when areas before it come or go; a
// change that takes it away, or puts others in its place, ends the selection.
void MapDocument::followSelection(const MapChange& change) {
  if (!selection || *selection < change.index) return;
  const std::optional<std::size_t> before = selection;
  const std::size_t end = change.index + change.removed.size();
  if (*selection >= end) {
    selection = *selection + change.inserted.size() - change.removed.size();
  } else if (change.removed.size() != change.inserted.size()) {
    selection.reset();
  }
  if (selection != before) emit selectionChanged(selection);
}

}  // namespace ornix
