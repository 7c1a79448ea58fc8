#include "file_menu.h"

namespace ornix {

FileMenu::FileMenu(QWidget* editor) : QMenu("File", editor) {
  setObjectName("fileMenu");
  connect(addEntry(this, "openEntry", "Open\tF4"), &QAction::triggered, this, &FileMenu::openChosen);
  addSeparator();
  addSaveEntries();
  addSeparator();
  addImageFolderEntries();
  addSeparator();
  connect(addEntry(this, "helpEntry", "Help\tF1"), &QAction::triggered, this, &FileMenu::helpChosen);
  connect(addEntry(this, "uninstallEntry", "Uninstall help"), &QAction::triggered, this, &FileMenu::uninstallChosen);
  addSeparator();
  const QString exitCaption = "Exit" + QString(29, ' ') + "Esc";
  connect(addEntry(this, "exitEntry", exitCaption), &QAction::triggered, this, &FileMenu::exitChosen);
  addSeparator();
  addEditingEntries();
}

QAction* FileMenu::addEntry(QMenu* menu, const char* name, const QString& caption) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  return action;
}

void FileMenu::addSaveEntries() {
  clipboardEntry = addEntry(this, "clipboardEntry", "Save To ClipBoard\tF5");
  connect(clipboardEntry, &QAction::triggered, this, &FileMenu::clipboardChosen);
  const std::array<std::tuple<const char*, const char*, OutputKind>, 4> saves = {{
      {"saveMapFileEntry", "Save As an ORNX\tF6", OutputKind::mapFile},
      {"saveHtmlEntry", "Save As HTML\tF7", OutputKind::htmlPage},
      {"saveTextEntry", "Save As Text\tF8", OutputKind::textFile},
      {"saveOriginalPageEntry", "Save in Original Page\tF9", OutputKind::sourcePage},
  }};
  for (std::size_t entry = 0; entry < saves.size(); ++entry) {
    const auto& [name, caption, kind] = saves[entry];
    fileSaveEntries[entry] = addEntry(this, name, caption);
    connect(fileSaveEntries[entry], &QAction::triggered, this, [this, kind = kind] { emit saveChosen(kind); });
  }
  disableOriginalPageSave();
}

void FileMenu::addImageFolderEntries() {
  QMenu* folders = addMenu("Image Source Option");
  folders->setObjectName("imageFolderMenu");
  const std::array<std::tuple<const char*, const char*, ImageFolderChoice>, 3> choices = {{
      {"imagesFolderEntry", "Set default subfolder to \"images/\"", ImageFolderChoice::images},
      {"noFolderEntry", "Eliminate use of subfolder", ImageFolderChoice::none},
      {"customFolderEntry", "Enter custom folder location", ImageFolderChoice::custom},
  }};
  for (const auto& [name, caption, choice] : choices) {
    connect(addEntry(folders, name, caption), &QAction::triggered, this,
            [this, choice = choice] { emit imageFolderChosen(choice); });
  }
}

void FileMenu::addEditingEntries() {
  const std::array<std::tuple<const char*, const char*, void (FileMenu::*)()>, 5> entries = {{
      {"undoEntry", "Undo\tCtrl+Z", &FileMenu::undoChosen},
      {"redoEntry", "Redo\tCtrl+Y", &FileMenu::redoChosen},
      {"zoomInEntry", "Zoom In\tCtrl+=", &FileMenu::zoomInChosen},
      {"zoomOutEntry", "Zoom Out\tCtrl+-", &FileMenu::zoomOutChosen},
      {"actualSizeEntry", "Actual Size\tCtrl+0", &FileMenu::actualSizeChosen},
  }};
  for (std::size_t entry = 0; entry < entries.size(); ++entry) {
    const auto& [name, caption, chosen] = entries[entry];
    editingEntries[entry] = addEntry(this, name, caption);
    connect(editingEntries[entry], &QAction::triggered, this, chosen);
  }
  connect(addEntry(this, "areaListEntry", "Area List\tF3"), &QAction::triggered, this, &FileMenu::areaListChosen);
  connect(addEntry(this, "importEntry", "Import Map...\tCtrl+I"), &QAction::triggered, this, &FileMenu::importChosen);
  addSeparator();
  responsivePageEntry = addEntry(this, "saveResponsivePageEntry", "Save As Responsive HTML...\tShift+F7");
  connect(responsivePageEntry, &QAction::triggered, this, [this] { emit saveChosen(OutputKind::responsivePage); });
}

void FileMenu::enableFor(bool hasAreas, bool hasSourcePage, const Editing& editing) {
  clipboardEntry->setEnabled(hasAreas);
  for (std::size_t entry = 0; entry < 3; ++entry) fileSaveEntries[entry]->setEnabled(hasAreas);
  responsivePageEntry->setEnabled(hasAreas);
  if (hasAreas) fileSaveEntries[3]->setEnabled(hasSourcePage);
  const std::array<bool, 5> can = {editing.canUndo, editing.canRedo, editing.canZoomIn, editing.canZoomOut,
                                   editing.zoomed};
  for (std::size_t entry = 0; entry < can.size(); ++entry) editingEntries[entry]->setEnabled(can[entry]);
}

void FileMenu::disableOriginalPageSave() { fileSaveEntries[3]->setEnabled(false); }

}  // namespace ornix
