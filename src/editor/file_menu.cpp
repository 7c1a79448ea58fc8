#include "file_menu.h"

#include "commands.h"

namespace ornix {

FileMenu::FileMenu(const EditorCommands& commands, QWidget* editor) : QMenu("File", editor) {
  setObjectName("fileMenu");
  QMenu* folders = nullptr;
  for (const CommandLine& line : EditorCommands::table()) {
    if (line.place == Place::imageFolderMenu && folders == nullptr) {
      folders = addMenu("Image Source Option");
      folders->setObjectName("imageFolderMenu");
    }
    if (line.place == Place::imageFolderMenu) folders->addAction(commands.action(line.command, line.place));
    if (line.place != Place::fileMenu) continue;
    if (folders != nullptr && folders->menuAction() == actions().back()) addSeparator();
    addAction(commands.action(line.command, line.place));
    if (line.lineAfter) addSeparator();
  }
}

}  // namespace ornix
