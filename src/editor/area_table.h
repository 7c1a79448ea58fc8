#pragma once

#include <QAbstractTableModel>

#include "document/map_document.h"

namespace ornix {

// The areas of a document as rows of a table, in map order: number, shape,
// coordinates as written, HREF, Target, ALT and the other attributes the
// area's tag carries. HREF, Target and ALT are edited in place under the
// attributes dialog's rules, each edit one undoable step. After the areas
// come the tags of an imported page that Ornix cannot draw, kept as they
// were: shown, never edited. The table follows each change of the document
// row by row.
class AreaTable final : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { number, shape, coordinates, href, target, alt, others, columns };

  explicit AreaTable(MapDocument& document, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  // How many areas have no ALT text.
  int areasWithoutAlt() const { return missingAlt; }
  // Whether a row is one of the map's areas, not a kept tag.
  bool isAreaRow(int tableRow) const;

 signals:
  void withoutAltChanged(int count);

 private:
  void beginChange(const MapChange& change);
  void endChange(const MapChange& change);
  void countMissingAlt();
  void setMissingAlt(int count);
  QVariant text(const Area& area, int column) const;
  QVariant keptTagData(int tableRow, int column, int role) const;
  void findKeptTags();

  MapDocument& document;
  int missingAlt = 0;
  bool resetting = false;  // a change that also changes the kept tags resets the table
  // The tags of the page the map was imported from kept as they were, found
  // again only when the page changes: views ask for the rows at every turn.
  std::vector<const MapElementLayout::Place*> keptTags;
};

// What the window says about areas without an ALT text: "3 areas have no
// ALT text", "1 area has no ALT text", or "Every area has an ALT text".
QString missingAltText(int count);

}  // namespace ornix
