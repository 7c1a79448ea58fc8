#include "area_table.h"

#include <QBrush>
#include <algorithm>

#include "model/attribute_entry.h"
#include "model/map_writer.h"
#include "platform/text_codec.h"

namespace ornix {
namespace {

const char* const headers[] = {"#", "Shape", "Coordinates", "HREF", "Target", "ALT"};

QString shapeWord(Shape shape) {
  switch (shape) {
    case Shape::rectangle: return "rect";
    case Shape::circle: return "circle";
    case Shape::polygon: return "poly";
  }
  return {};
}

int row(std::size_t index) { return static_cast<int>(index); }

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
    endResetModel();
    countMissingAlt();
  });
  countMissingAlt();
}

int AreaTable::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : row(document.map().areas.size());
}

int AreaTable::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : Column::columns; }

QVariant AreaTable::text(const Area& area, int column) const {
  switch (column) {
    case Column::shape: return shapeWord(area.shape);
    case Column::coordinates: return QString::fromStdString(coordsText(area));
    case Column::href: return valueToDisplay(area.attributes.href);
    case Column::target: return valueToDisplay(area.attributes.target);
    case Column::alt: return valueToDisplay(area.attributes.alt);
    default: return {};
  }
}

// Rows without an ALT text are marked, and say why when pointed at.
QVariant AreaTable::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
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

QVariant AreaTable::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= Column::columns) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  return headers[section];
}

Qt::ItemFlags AreaTable::flags(const QModelIndex& index) const {
  const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
  return index.column() >= Column::href ? flags | Qt::ItemIsEditable : flags;
}

// An edit as the attributes dialog's Enter makes it, from what its three
// boxes would show with one of them typed over.
bool AreaTable::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !index.isValid() || index.column() < Column::href) return false;
  const auto at = static_cast<std::size_t>(index.row());
  const Area& area = document.map().areas.at(at);
  ShownAttributes texts = shownAttributes(area.attributes);
  std::string& typed = index.column() == Column::href     ? texts.href
                       : index.column() == Column::target ? texts.target
                                                          : texts.alt;
  typed = valueFromDisplay(value.toString(), typed);
  const std::optional<Attributes> entered = enteredAttributes(area.attributes, texts.href, texts.target, texts.alt);
  if (!entered) return false;
  Area edited = area;
  edited.attributes = *entered;
  document.replace(at, std::move(edited), StepKind::edit);
  return true;
}

void AreaTable::beginChange(const MapChange& change) {
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
  if (change.removed.size() != change.inserted.size() && row(change.index) < rowCount()) {
    emit dataChanged(index(row(change.index), Column::number), index(rowCount() - 1, Column::number));
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
