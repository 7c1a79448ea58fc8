#include "area_list_window.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QUndoView>
#include <QVBoxLayout>

#include "area_table.h"
#include "document/map_document.h"

namespace ornix {
namespace {

constexpr QSize firstSize(680, 460);

}  // namespace

AreaTableView::AreaTableView(QWidget* parent) : QTableView(parent) {
  setObjectName("areaTable");
  setAccessibleName("Areas of the map");
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed |
                  QAbstractItemView::SelectedClicked);
  setTabKeyNavigation(false);  // Tab goes on to the buttons and the history
  verticalHeader()->hide();
  horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  horizontalHeader()->setStretchLastSection(true);
  setWordWrap(false);
  connect(this, &QAbstractItemView::doubleClicked, this,
          [this](const QModelIndex& at) { emit openRequested(at.row()); });
}

void AreaTableView::keyPressEvent(QKeyEvent* event) {
  const int row = currentIndex().isValid() ? currentIndex().row() : -1;
  const bool control = event->modifiers().testFlag(Qt::ControlModifier);
  if (row >= 0 && state() != QAbstractItemView::EditingState) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return emit openRequested(row);
    if (event->key() == Qt::Key_Delete) return emit removeRequested(row);
    if (control && event->key() == Qt::Key_Up) return emit moveRequested(row, -1);
    if (control && event->key() == Qt::Key_Down) return emit moveRequested(row, 1);
  }
  QTableView::keyPressEvent(event);
}

AreaListWindow::AreaListWindow(MapDocument& document, QWidget* editor)
    : QWidget(editor, Qt::Tool),
      document(document),
      table(new AreaTable(document, this)),
      view(new AreaTableView(this)),
      altCount(new QLabel(missingAltText(table->areasWithoutAlt()), this)),
      history(new QUndoView(&document.history(), this)) {
  setObjectName("areaListWindow");
  setWindowTitle("Areas");
  setAccessibleName(windowTitle());
  view->setModel(table);
  altCount->setObjectName("altCount");
  altCount->setAccessibleName("ALT check");
  history->setObjectName("history");
  history->setAccessibleName("History of changes");
  showHistoryStart(document.origin());
  auto* splitter = new QSplitter(Qt::Vertical, this);
  auto* top = new QWidget(splitter);
  auto* column = new QVBoxLayout(top);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(view);
  column->addWidget(altCount);
  column->addLayout(moveButtons());
  splitter->addWidget(top);
  splitter->addWidget(history);
  splitter->setStretchFactor(0, 3);
  (new QVBoxLayout(this))->addWidget(splitter);
  resize(firstSize);
  connect(table, &AreaTable::withoutAltChanged, altCount,
          [this](int count) { altCount->setText(missingAltText(count)); });
  connect(view, &AreaTableView::openRequested, this, [this](int row) {
    if (table->isAreaRow(row)) emit attributesRequested(static_cast<std::size_t>(row));
  });
  connect(view, &AreaTableView::removeRequested, this, [this](int row) {
    if (table->isAreaRow(row)) this->document.remove(static_cast<std::size_t>(row));
  });
  connect(view, &AreaTableView::moveRequested, this, &AreaListWindow::moveRow);
  connect(&document, &MapDocument::historyBegun, this, &AreaListWindow::showHistoryStart);
  followSelection();
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

// A tool window shares its editor's shortcuts; here every key is the
// window's own, as the arrows, F2 and Return of the list.
bool AreaListWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::ShortcutOverride) return QWidget::eventFilter(watched, event);
  event->accept();
  return true;
}

void AreaListWindow::showHistoryStart(MapOrigin origin) {
  history->setEmptyLabel(origin == MapOrigin::imported ? "Map imported" : "Map opened");
}

// Move Up and Move Down, side by side.
QHBoxLayout* AreaListWindow::moveButtons() {
  auto* row = new QHBoxLayout;
  auto* upButton = new QPushButton("Move &Up", this);
  auto* downButton = new QPushButton("Move &Down", this);
  upButton->setObjectName("moveUpButton");
  downButton->setObjectName("moveDownButton");
  upButton->setToolTip("Earlier in the map: a browser follows the first area under the pointer (Ctrl+Up)");
  downButton->setToolTip("Later in the map (Ctrl+Down)");
  row->addWidget(upButton);
  row->addWidget(downButton);
  row->addStretch();
  connect(upButton, &QPushButton::clicked, this, [this] { moveSelected(-1); });
  connect(downButton, &QPushButton::clicked, this, [this] { moveSelected(1); });
  return row;
}

// A row chosen selects its area on the picture; an area selected anywhere
// selects its row and shows it.
void AreaListWindow::followSelection() {
  connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& current) {
    if (table->isAreaRow(current.row())) document.select(static_cast<std::size_t>(current.row()));
  });
  connect(&document, &MapDocument::selectionChanged, this, &AreaListWindow::showSelected);
  showSelected(document.selected());
}

void AreaListWindow::showSelected(std::optional<std::size_t> index) {
  if (!index) {
    view->clearSelection();
    return;
  }
  const QModelIndex row =
      table->index(static_cast<int>(*index), view->currentIndex().isValid() ? view->currentIndex().column() : 0);
  if (view->currentIndex().row() != row.row()) view->setCurrentIndex(row);
  view->selectRow(row.row());
  view->scrollTo(row);
}

void AreaListWindow::moveSelected(int by) {
  if (const std::optional<std::size_t> selected = document.selected()) moveRow(static_cast<int>(*selected), by);
}

void AreaListWindow::moveRow(int row, int by) {
  const int first = by < 0 ? row - 1 : row;
  if (first < 0 || !table->isAreaRow(row)) return;
  document.select(static_cast<std::size_t>(row));
  document.swapWithNext(static_cast<std::size_t>(first));
}

void AreaListWindow::showBeside(const QWidget& editor) {
  if (!placed) move(editor.frameGeometry().topRight() + QPoint(8, 0));
  placed = true;
  show();
  raise();
  activateWindow();
}

void AreaListWindow::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  emit leftAt(placement());
}

}  // namespace ornix
