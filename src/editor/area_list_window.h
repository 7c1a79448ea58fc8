#pragma once

#include <QTableView>
#include <QWidget>
#include <optional>

class QHBoxLayout;
class QLabel;
class QUndoView;

namespace ornix {

class AreaTable;
class MapDocument;
enum class MapOrigin;

// The table of areas: Enter or a double-click asks for the attributes
// dialog, Delete for the row's removal, Ctrl+Up and Ctrl+Down for a move;
// typing, F2 or a click on the selected cell edits the cell in place.
class AreaTableView final : public QTableView {
  Q_OBJECT

 public:
  explicit AreaTableView(QWidget* parent);

 signals:
  void openRequested(int row);
  void removeRequested(int row);
  void moveRequested(int row, int by);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

// The "Areas" tool window beside the editor: every area of the map as a row,
// the count of areas without an ALT text, Move Up and Move Down, and the
// history of changes, where a click on a step goes back or forward to it.
// Its rows and the picture share one selection, the document's.
class AreaListWindow final : public QWidget {
  Q_OBJECT

 public:
  AreaListWindow(MapDocument& document, QWidget* editor);

  // Shows the window where it was last, or the first time at the editor's right.
  void showBeside(const QWidget& editor);
  // Where the window stands and its size, as restorePlacement takes them.
  QByteArray placement() const { return saveGeometry(); }
  void restorePlacement(const QByteArray& placement) { placed = restoreGeometry(placement); }

 signals:
  // Enter or a double-click on a row: the attributes dialog for that area.
  void attributesRequested(std::size_t index);
  // The window was hidden or closed where it stood.
  void leftAt(const QByteArray& placement);

 protected:
  void hideEvent(QHideEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QHBoxLayout* moveButtons();
  void followSelection();
  void showHistoryStart(MapOrigin origin);
  void showSelected(std::optional<std::size_t> index);
  void moveSelected(int by);
  void moveRow(int row, int by);

  MapDocument& document;
  AreaTable* table;
  AreaTableView* view;
  QLabel* altCount;
  QUndoView* history;
  bool placed = false;  // shown or restored once: it keeps its place
};

}  // namespace ornix
