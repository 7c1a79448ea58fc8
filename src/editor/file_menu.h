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

  // Applied just before the menu pops up; between popups the entries keep
  // their state. The saves need an area; "Save in Original Page" also a page,
  // and without areas it keeps the state it had.
  void enableFor(bool hasAreas, bool hasSourcePage);
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

 private:
  QAction* addEntry(QMenu* menu, const char* name, const QString& caption);
  void addSaveEntries();
  void addImageFolderEntries();

  QAction* clipboardEntry = nullptr;
  std::array<QAction*, 4> fileSaveEntries{};  // map file, HTML page, text file, original page
};

}  // namespace ornix
