#pragma once

#include <QMimeData>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "area_overlay.h"
#include "commands.h"
#include "document/map_document.h"
#include "picture_gestures.h"

namespace ornix {

class AreaListWindow;
class DropArea;
class FileMenu;
class PictureCanvas;
class PictureViewport;
class Ui;

// The editor window: the tool strip, the picture being mapped, its scroll
// bars and the drop area behind it, and the File menu that pops up on the
// right button. It shows the map of its document and follows every change
// made to it, from wherever it comes. Its commands, given by the menu, the
// keys or the strip, are those of its command table; it does the ones whose
// work lies in the window, and the workflow the others.
class EditorWindow final : public QWidget, private GestureHost {
  Q_OBJECT

 public:
  explicit EditorWindow(Ui& ui);
  ~EditorWindow() override;

  const ImageMap& map() const override { return mapDocument.map(); }
  MapDocument& document() { return mapDocument; }
  EditorCommands& commands() { return *editorCommands; }
  // The "Areas" tool window, which F3 shows and hides; made when first
  // needed, since a start without it is faster by the fonts and table it needs.
  AreaListWindow& areaList();
  void toggleAreaList();
  // The picture on screen, where a click cuts a show of areas short.
  const QWidget& pictureWidget() const;
  // A click on a dialog over the picture may end on the picture: the next
  // release there draws and selects nothing.
  void ignoreNextReleaseOnPicture();
  // Every release on the picture is the user's again.
  void acceptReleasesOnPicture();
  void focusPicture();

  // The next close ends the window at once, without the unsaved-map question
  // or the closing animation: the uninstall help ends the program so.
  void closeNextWithoutAsking() { askBeforeClosing = false; }
  // Asked when the window is about to close; true keeps it open.
  void setCloseQuestion(std::function<bool()> wantsToStay) { closeQuestion = std::move(wantsToStay); }

  void showFileMenu() override;
  std::optional<std::size_t> areaAt(QPointF position) const override { return overlay.areaAt(position); }
  // Opens the attributes dialog of an area and makes the change it asks for.
  void editArea(std::size_t index);
  void undo();
  void redo();
  void zoomIn();
  void zoomOut();
  void showActualSize();
  void layOut();

 signals:
  // The area list has just been made, hidden, from the document as it stands.
  void areaListMade(AreaListWindow* list);
  void dropReceived(const QMimeData* data);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  std::int32_t handleReach() const override;
  void editAreaAt(QPointF position, bool pressedInArea) override;
  void addDrawnArea(Area area, DrawnBy drawn) override;
  void replaceArea(MovedArea moved) override;
  void selectArea(std::size_t index) override { mapDocument.select(index); }

  void buildPicture();
  void connectCanvas();
  void doOwnCommands();
  void followDocument();
  void followState();
  void showSelection(std::optional<std::size_t> index);
  void areasChanged(const MapChange& change);
  void nudgeSelected(int dx, int dy);
  bool confirmClipboard();
  void zoomTo(double scale, QPointF anchor);
  void wheelTurned(double steps, QPointF position, Qt::KeyboardModifiers modifiers);
  void fitToPicture();
  void setOuterSizeTwips(int width, int height);
  QSize outerSizeTwips() const;

  Ui& ui;
  EditorCommands* editorCommands;
  DropArea* dropArea;
  PictureCanvas* canvas;
  FileMenu* fileMenu = nullptr;
  AreaListWindow* areaListWindow = nullptr;
  std::unique_ptr<PictureViewport> viewport;
  MapDocument mapDocument;
  AreaOverlay overlay;
  std::unique_ptr<PictureGestures> gestures;
  std::function<bool()> closeQuestion;
  bool closing = false;  // the closing animation plays: no more layout
  bool askBeforeClosing = true;
};

}  // namespace ornix
