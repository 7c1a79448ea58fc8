#pragma once

#include <QAbstractTableModel>

#include "document/map_document.h"

namespace ornix {

// The areas of a document as rows of a table, in map order: number, shape,
// coordinates as written, HREF, Target and ALT. The last three are edited in
// place under the attributes dialog's rules, each edit one undoable step.
// The table follows each change of the document row by row.
class AreaTable final : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { number, shape, coordinates, href, target, alt, columns };

  explicit AreaTable(MapDocument& document, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  // How many areas have no ALT text.
  int areasWithoutAlt() const { return missingAlt; }

 signals:
  void withoutAltChanged(int count);

 private:
  void beginChange(const MapChange& change);
  void endChange(const MapChange& change);
  void countMissingAlt();
  void setMissingAlt(int count);
  QVariant text(const Area& area, int column) const;

  MapDocument& document;
  int missingAlt = 0;
};

// What the window says about areas without an ALT text: "3 areas have no
// ALT text", "1 area has no ALT text", or "Every area has an ALT text".
QString missingAltText(int count);

}  // namespace ornix
