#include "shutdown.h"

#include <QApplication>

#include "dialogs/after_save_dialog.h"
#include "editor/editor_window.h"
#include "platform/twips.h"
#include "platform/ui.h"

namespace ornix {

bool quitProgram(EditorWindow& window) {
  if (!window.close()) return false;
  for (QWidget* other : QApplication::topLevelWidgets()) {
    if (other->isVisible() && other != &window) other->close();
  }
  return true;
}

void sayGoodbyeAndQuit(EditorWindow& window, Ui& ui, AfterSaveDialog& afterSave) {
  const QRect editor = window.frameGeometry();
  afterSave.showGoodbyeStrip(
      {editor.x() + pixels(45), editor.y() + pixels(50), editor.width() - pixels(100), pixels(270)});
  ui.processEvents();
  ui.pause(500);
  afterSave.close();
  quitProgram(window);
}

}  // namespace ornix
