#pragma once

#include <QMimeData>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "attribute_exchange.h"
#include "drawing_tools.h"
#include "model/map_block_reader.h"
#include "model/map_document.h"
#include "platform/regions.h"
#include "ui_notifier.h"

class QAction;
class QMenu;

class QScrollBar;
class QToolButton;

namespace ornix {

class DropArea;
class Hotspots;
class MapSurface;
class Ui;

// The editor window: the tool strip, the picture being mapped, its scroll bars
// and the drop area behind it, and the File menu that pops up on the right
// button. It owns the map document and shows it. Commands whose work lies
// outside the window are raised as signals.
class frmMap final : public QWidget, public MapView, public DrawingHost, public AreaRebuilder {
  Q_OBJECT

 public:
  explicit frmMap(Ui& ui);
  ~frmMap() override;

  MapDocument& document() { return doc; }
  Regions& regions() { return areaRegions; }

  // The owner flag through which the question dialogs answer: "please" is yes.
  std::string tag;
  // The texts the attributes dialog reads and answers through.
  AttributeExchange attributes;
  // Set while the window plays its closing animation: no more layout.
  bool closingWindow = false;
  // Set by the uninstall help just before it ends the program: the window
  // closes at once, without the unsaved-map question or the animation.
  bool skipSavePrompt = false;

  bool loadPicture(const std::string& path) override;
  void fitWindowToImage() override;
  void enableMake(bool enabled) override;
  void releaseRegion(std::int32_t handle) override;

  // Every save ends the link to the page the map came from.
  void disableOriginalPageSave();
  // Gives the keyboard focus to the picture.
  void focusPicture();
  // Ends a rubber band or an unfinished polygon, taking it off the picture.
  void endDrawing();
  // Asked when the window is about to close; true keeps it open.
  void setCloseQuestion(std::function<bool()> wantsToStay) { closeQuestion = std::move(wantsToStay); }

  void Form_Resize();
  // The window's keys: F1 help, F2 and F4 open, F5-F9 the saves, Esc closes.
  void Form_KeyDown(int key);
  void showFileMenu() override;
  // The first area under a point of the picture, as a click finds it.
  std::optional<std::size_t> areaAt(QPointF position) const;
  // A click on an area opens its attributes; the outcome edits, deletes or keeps it.
  void selectAreaAt(QPointF position) override;
  void areasChanged() override;

  // Reading a map: each area read from a file is made and shown here.
  void letEventsRun() override;
  void setBusy(bool busy) override;
  std::int32_t rebuildArea(const ReadShape& shape) override;

 signals:
  void openRequested();
  void saveToClipboardRequested();
  void saveToFileRequested(int entry);  // 0 map file, 1 HTML, 2 text, 3 source page
  void imageSourceRequested(int entry);
  void helpRequested();
  void uninstallHelpRequested();
  void exitRequested();
  void dropReceived(const QMimeData* data);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void buildToolStrip();
  QToolButton* addToolButton(const char* name, const char* picture, int topTwips,
                             int heightTwips, QSize pictureSize, const char* tip);
  void buildSurface();
  void buildFileMenu();
  QAction* addMenuEntry(QMenu* menu, const char* name, const QString& caption);
  void chooseTool(Tool tool);
  void applyFileMenuRule();
  void mnuFile_Click();
  bool confirmClipboard();
  void editArea(std::size_t index);
  void Image1_MouseUp(Qt::MouseButton button, QPointF position);
  void VScroll1_Change(int value);
  void HScroll1_Change(int value);
  void setOuterSizeTwips(int width, int height);
  QSize outerSizeTwips() const;

  Ui& ui;
  UiNotifier notifier;
  Regions areaRegions;
  MapDocument doc;

  QWidget* Picture1 = nullptr;
  QToolButton* cmdMake = nullptr;
  MapSurface* mapee = nullptr;
  QScrollBar* HScroll1 = nullptr;
  QScrollBar* VScroll1 = nullptr;
  DropArea* Image1 = nullptr;
  QMenu* mnuFile = nullptr;
  QAction* mnuFileSave1 = nullptr;
  std::array<QAction*, 4> mnuFileSave2File{};
  std::unique_ptr<Hotspots> hotspots;
  std::unique_ptr<DrawingTools> tools;
  std::function<bool()> closeQuestion;
};

}  // namespace ornix
