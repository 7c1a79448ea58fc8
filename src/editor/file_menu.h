#pragma once

#include <QMenu>

namespace ornix {

class EditorCommands;

// The File menu, which pops up on the right button: the commands the table
// places on it, in its order, with the Image Source Option's three choices
// in a menu of their own. Each entry shows its key after a tab.
class FileMenu final : public QMenu {
 public:
  FileMenu(const EditorCommands& commands, QWidget* editor);
};

}  // namespace ornix
