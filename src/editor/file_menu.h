#pragma once

#include <QMenu>
#include <array>

#include "model/image_folder.h"
#include "model/map_writer.h"

namespace ornix {

// The File menu, which pops up on the right button. Each entry shows its key
// after a tab; the keys themselves are the editor window's, so that each
// runs its command once.
class FileMenu final : public QMenu {
  Q_OBJECT

 public:
  explicit FileMenu(QWidget* editor);

  // What the editing entries can do at the moment.
  struct Editing {
    bool canUndo = false;
    bool canRedo = false;
    bool canZoomIn = false;
    bool canZoomOut = false;
    bool zoomed = false;
  };

  // Applied just before the menu pops up; between popups the entries keep
  // their state. The saves, the responsive page's too, need an area; "Save in Original Page" also a page,
  // and without areas it keeps the state it had. The editing entries are on
  // exactly when they can act.
  void enableFor(bool hasAreas, bool hasSourcePage, const Editing& editing);
  // Every save ends the link to the page the map came from.
  void disableOriginalPageSave();

 signals:
  void openChosen();
  void clipboardChosen();
  void saveChosen(OutputKind kind);
  void imageFolderChosen(ImageFolderChoice choice);
  void helpChosen();
  void uninstallChosen();
  void exitChosen();
  void undoChosen();
  void redoChosen();
  void zoomInChosen();
  void zoomOutChosen();
  void actualSizeChosen();
  void areaListChosen();
  void importChosen();

 private:
  QAction* addEntry(QMenu* menu, const char* name, const QString& caption);
  void addSaveEntries();
  void addImageFolderEntries();
  void addEditingEntries();

  QAction* clipboardEntry = nullptr;
  QAction* responsivePageEntry = nullptr;     // added below the editing entries, with the saves' state
  std::array<QAction*, 4> fileSaveEntries{};  // map file, HTML page, text file, original page
  std::array<QAction*, 5> editingEntries{};   // undo, redo, zoom in, zoom out, actual size
};

}  // namespace ornix
