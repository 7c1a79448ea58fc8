#include "map_step.h"

#include "map_document.h"

namespace ornix {
namespace {

QString shapeName(Shape shape) {
  switch (shape) {
    case Shape::rectangle: return "rectangle";
    case Shape::circle: return "circle";
    case Shape::polygon: return "polygon";
  }
  return {};
}

QString numbered(const char* verb, std::size_t index) { return QString("%1 area %2").arg(verb).arg(index + 1); }

}  // namespace

QString stepText(const MapChange& change, StepKind kind) {
  switch (kind) {
    case StepKind::draw: return "Draw " + shapeName(change.inserted.front().shape);
    case StepKind::move: return numbered("Move", change.index);
    case StepKind::nudge: return numbered("Nudge", change.index);
    case StepKind::edit: return numbered("Edit", change.index);
    case StepKind::remove: return numbered("Delete", change.index);
    case StepKind::reorder: return QString("Swap areas %1 and %2").arg(change.index + 1).arg(change.index + 2);
    case StepKind::empty: return "Save empties the map";
  }
  return {};
}

MapStep::MapStep(MapDocument& document, MapChange change, StepKind kind)
    : QUndoCommand(stepText(change, kind)), document(document), change(std::move(change)), kind(kind) {}

void MapStep::redo() { document.apply(change); }

void MapStep::undo() { document.apply(inverse(change)); }

int MapStep::id() const { return kind == StepKind::nudge ? static_cast<int>(StepKind::nudge) : -1; }

// A nudge of the area the last nudge moved joins it: one step from where the
// area stood before the first to where it stands after the last.
bool MapStep::mergeWith(const QUndoCommand* other) {
  const auto* next = static_cast<const MapStep*>(other);
  if (next->change.index != change.index) return false;
  change.inserted = next->change.inserted;
  return true;
}

}  // namespace ornix
