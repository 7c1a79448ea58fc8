#pragma once

#include <QMimeData>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "area_overlay.h"
#include "model/image_folder.h"
#include "model/image_map.h"
#include "model/map_writer.h"
#include "picture_gestures.h"

class QScrollBar;

namespace ornix {

class DropArea;
class FileMenu;
class PictureCanvas;
class ToolStrip;
class Ui;

// The editor window: the tool strip, the picture being mapped, its scroll
// bars and the drop area behind it, and the File menu that pops up on the
// right button. It holds the map and shows it; commands whose work lies
// outside the window are raised as signals.
class EditorWindow final : public QWidget, private GestureHost {
  Q_OBJECT

 public:
  explicit EditorWindow(Ui& ui);
  ~EditorWindow() override;

  const ImageMap& map() const { return currentMap; }
  // The picture's path, where the file dialogs start: the user's home folder
  // before any picture is loaded.
  std::string imagePath() const;

  // A new picture with an empty map; the page the last map came from stays.
  void showPicture(const Picture& picture, const QImage& image);
  // The page a map was read from, while it can be saved back into; or none.
  void holdSourcePage(std::shared_ptr<const SplitPage> page);
  // Every save ends the link to the page the map came from.
  void dropSourcePage();
  // An area read from a file joins the map: region, highlight and outline.
  void addReadArea(Area area);
  // Every area comes off the map and the picture.
  void clearAreas();
  // Ends a rubber band or an unfinished polygon, taking it off the picture.
  void endDrawing();
  // The next release on the picture is swallowed, or no longer.
  void ignoreNextRelease(bool ignore);
  void focusPicture();

  // Set by the uninstall help just before it ends the program: the window
  // closes at once, without the unsaved-map question or the animation.
  bool closeWithoutAsking = false;
  // Asked when the window is about to close; true keeps it open.
  void setCloseQuestion(std::function<bool()> wantsToStay) { closeQuestion = std::move(wantsToStay); }

  // F1 help, F2 and F4 open, F5 to F9 the saves, Esc closes.
  void handleKey(int key);
  void showFileMenu() override;
  std::optional<std::size_t> areaAt(QPointF position) const override { return overlay->areaAt(position); }
  void layOut();

 signals:
  void openRequested();
  void saveToClipboardRequested();
  void saveToFileRequested(OutputKind kind);
  void imageFolderRequested(ImageFolderChoice choice);
  void helpRequested();
  void uninstallHelpRequested();
  void exitRequested();
  void dropReceived(const QMimeData* data);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool hasPicture() const override { return currentMap.picture.has_value(); }
  bool hasAreas() const override { return !currentMap.areas.empty(); }
  void editAreaAt(QPointF position, bool pressedInArea) override;
  void addDrawnArea(Area area, bool pauseAfter) override;

  void buildPicture();
  void buildScrollBars();
  void connectFileMenu();
  void connectToolStrip();
  void chooseTool(ToolKind kind);
  void editArea(std::size_t index);
  void removeArea(std::size_t index);
  void areasChanged();
  bool confirmClipboard();
  void fitToPicture();
  void setOuterSizeTwips(int width, int height);
  QSize outerSizeTwips() const;

  Ui& ui;
  ImageMap currentMap;
  PictureCanvas* canvas = nullptr;
  DropArea* dropArea = nullptr;
  ToolStrip* toolStrip = nullptr;
  QScrollBar* horizontalScroll = nullptr;
  QScrollBar* verticalScroll = nullptr;
  FileMenu* fileMenu = nullptr;
  std::unique_ptr<AreaOverlay> overlay;
  std::unique_ptr<PictureGestures> gestures;
  std::function<bool()> closeQuestion;
  bool closing = false;  // the closing animation plays: no more layout
};

}  // namespace ornix
