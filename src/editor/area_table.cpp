#include "area_table.h"

#include <QBrush>
#include <algorithm>

#include "model/attribute_entry.h"
#include "model/map_import.h"
#include "model/map_writer.h"
#include "platform/text_codec.h"

namespace ornix {
namespace {

const char* const headers[] = {"#", "Shape", "Coordinates", "HREF", "Target", "ALT", "Other attributes"};

int row(std::size_t index) { return static_cast<int>(index); }

// The tags of an imported page that no area holds, in the page's order.
std::vector<const MapElementLayout::Place*> keptTagsOf(const SplitPage* page) {
  std::vector<const MapElementLayout::Place*> kept;
  if (page == nullptr || !page->mapElement) return kept;
  for (const MapElementLayout::Place& place : page->mapElement->places) {
    if (place.keptBecause) kept.push_back(&place);
  }
  return kept;
}

int withoutAlt(const std::vector<Area>& areas) {
  return row(static_cast<std::size_t>(
      std::count_if(areas.begin(), areas.end(), [](const Area& area) { return area.attributes.alt.empty(); })));
}

}  // namespace

QString missingAltText(int count) {
  if (count == 0) return "Every area has an ALT text";
  if (count == 1) return "1 area has no ALT text";
  return QString("%1 areas have no ALT text").arg(count);
}

AreaTable::AreaTable(MapDocument& document, QObject* parent) : QAbstractTableModel(parent), document(document) {
  connect(&document, &MapDocument::changing, this, &AreaTable::beginChange);
  connect(&document, &MapDocument::changed, this, &AreaTable::endChange);
  connect(&document, &MapDocument::aboutToReset, this, &AreaTable::beginResetModel);
  connect(&document, &MapDocument::reset, this, [this] {
    findKeptTags();
    endResetModel();
    countMissingAlt();
  });
  connect(&document, &MapDocument::sourcePageHeld, this, [this] {
    beginResetModel();
    findKeptTags();
    endResetModel();
  });
  findKeptTags();
  countMissingAlt();
}

int AreaTable::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : row(document.map().areas.size() + keptTags.size());
}

void AreaTable::findKeptTags() { keptTags = keptTagsOf(document.map().sourcePage.get()); }

bool AreaTable::isAreaRow(int tableRow) const { return tableRow >= 0 && tableRow < row(document.map().areas.size()); }

int AreaTable::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : Column::columns; }

QVariant AreaTable::text(const Area& area, int column) const {
  switch (column) {
    case Column::shape: return QString::fromLatin1(shapeWord(area.shape));
    case Column::coordinates: return QString::fromStdString(coordsText(area));
    case Column::href: return valueToDisplay(area.attributes.href, document.map().charset());
    case Column::target: return valueToDisplay(area.attributes.target, document.map().charset());
    case Column::alt: return valueToDisplay(area.attributes.alt, document.map().charset());
    case Column::others: return toDisplay(otherAttributesText(area.otherAttributes), document.map().charset());
    default: return {};
  }
}

// Rows without an ALT text are marked, and say why when pointed at.
QVariant AreaTable::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  if (!isAreaRow(index.row())) return keptTagData(index.row(), index.column(), role);
  const Area& area = document.map().areas[static_cast<std::size_t>(index.row())];
  const bool noAlt = area.attributes.alt.empty();
  switch (role) {
    case Qt::DisplayRole:
      return index.column() == Column::number ? QVariant(index.row() + 1) : text(area, index.column());
    case Qt::EditRole: return text(area, index.column());
    case Qt::ToolTipRole: return noAlt ? QVariant("No ALT text") : QVariant();
    case Qt::BackgroundRole: return noAlt ? QVariant(QBrush(QColor(255, 236, 179))) : QVariant();
    case Qt::ForegroundRole: return noAlt ? QVariant(QBrush(Qt::black)) : QVariant();
    default: return {};
  }
}

// A kept tag's row, in grey: its parts as written, and why it was kept.
QVariant AreaTable::keptTagData(int tableRow, int column, int role) const {
  const MapElementLayout::Place& place =
      *keptTags.at(static_cast<std::size_t>(tableRow - row(document.map().areas.size())));
  if (role == Qt::ForegroundRole) return QBrush(Qt::gray);
  if (role == Qt::ToolTipRole) {
    return "Kept as it was (" + QString::fromStdString(*place.keptBecause) +
           "): it stays in its place when the map is saved back into its page";
  }
  if (role != Qt::DisplayRole) return {};
  const KeptTagColumns parts = keptTagColumns(place.tag);
  const std::string_view charset = document.map().charset();
  switch (column) {
    case Column::number: return "kept";
    case Column::shape: return toDisplay(parts.shape, charset);
    case Column::coordinates: return toDisplay(parts.coords, charset);
    case Column::href: return valueToDisplay(parts.attributes.href, charset);
    case Column::target: return valueToDisplay(parts.attributes.target, charset);
    case Column::alt: return valueToDisplay(parts.attributes.alt, charset);
    case Column::others: return toDisplay(otherAttributesText(parts.others), charset);
    default: return {};
  }
}

QVariant AreaTable::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= Column::columns) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  return headers[section];
}

Qt::ItemFlags AreaTable::flags(const QModelIndex& index) const {
  const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
  if (!isAreaRow(index.row())) return Qt::ItemIsEnabled;
  const bool editable = index.column() >= Column::href && index.column() <= Column::alt;
  return editable ? flags | Qt::ItemIsEditable : flags;
}

// An edit as the attributes dialog's Enter makes it, from what its three
// boxes would show with one of them typed over.
bool AreaTable::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !index.isValid() || !isAreaRow(index.row())) return false;
  if (index.column() < Column::href || index.column() > Column::alt) return false;
  const auto at = static_cast<std::size_t>(index.row());
  const Area& area = document.map().areas.at(at);
  ShownAttributes texts = shownAttributes(area.attributes);
  std::string& typed = index.column() == Column::href     ? texts.href
                       : index.column() == Column::target ? texts.target
                                                          : texts.alt;
  typed = valueFromDisplay(value.toString(), typed, document.map().charset());
  return document.enterAttributes(at, texts.href, texts.target, texts.alt);
}

void AreaTable::beginChange(const MapChange& change) {
  resetting = change.pageBefore != change.pageAfter;
  if (resetting) return beginResetModel();
  const int first = row(change.index);
  if (change.removed.size() == change.inserted.size()) return;
  if (change.inserted.empty()) {
    beginRemoveRows({}, first, first + row(change.removed.size()) - 1);
  } else if (change.removed.empty()) {
    beginInsertRows({}, first, first + row(change.inserted.size()) - 1);
  } else {
    beginResetModel();
  }
}

void AreaTable::endChange(const MapChange& change) {
  if (resetting) {
    resetting = false;
    findKeptTags();
    endResetModel();
    return countMissingAlt();
  }
  if (change.removed.size() == change.inserted.size()) {
    if (!change.inserted.empty()) {
      const int last = row(change.index + change.inserted.size()) - 1;
      emit dataChanged(index(row(change.index), 0), index(last, Column::columns - 1));
    }
  } else if (change.inserted.empty()) {
    endRemoveRows();
  } else if (change.removed.empty()) {
    endInsertRows();
  } else {
    endResetModel();
  }
  // The numbers of the rows after a removal or an insertion change too.
  const int areaRows = row(document.map().areas.size());
  if (change.removed.size() != change.inserted.size() && row(change.index) < areaRows) {
    emit dataChanged(index(row(change.index), Column::number), index(areaRows - 1, Column::number));
  }
  setMissingAlt(missingAlt + withoutAlt(change.inserted) - withoutAlt(change.removed));
}

void AreaTable::countMissingAlt() { setMissingAlt(withoutAlt(document.map().areas)); }

void AreaTable::setMissingAlt(int count) {
  if (count == missingAlt) return;
  missingAlt = count;
  emit withoutAltChanged(count);
}

}  // namespace ornix
