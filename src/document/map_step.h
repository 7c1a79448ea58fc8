#pragma once

#include <QUndoCommand>

#include "model/map_change.h"

namespace ornix {

class MapDocument;

// What a step of the history did, which names it in the history list and
// decides which steps join: the nudges of one area in a row are one step.
enum class StepKind { draw, move, nudge, edit, remove, reorder, empty };

// One undoable step: a map change made to a document, and taken back.
class MapStep final : public QUndoCommand {
 public:
  MapStep(MapDocument& document, MapChange change, StepKind kind);

  void redo() override;
  void undo() override;
  int id() const override;
  bool mergeWith(const QUndoCommand* other) override;

 private:
  MapDocument& document;
  MapChange change;
  StepKind kind;
};

// The words the history list shows for a change: "Draw rectangle",
// "Move area 3", "Edit area 5", "Delete area 2", "Swap areas 2 and 3",
// "Save empties the map"; areas counted from 1, as the list shows them.
QString stepText(const MapChange& change, StepKind kind);

}  // namespace ornix
