#include "shutdown.h"

#include <QApplication>

#include "editor/frm_map.h"
#include "frm_end.h"
#include "platform/twips.h"
#include "platform/ui.h"

namespace ornix {

bool quitProgram(frmMap& window) {
  if (!window.close()) return false;
  for (QWidget* other : QApplication::topLevelWidgets()) {
    if (other->isVisible() && other != &window) other->close();
  }
  return true;
}

void chooseBye(frmMap& window, Ui& ui, frmEnd& goodbye) {
  const QRect editor = window.frameGeometry();
  goodbye.showGoodbyeStrip({editor.x() + pixels(45), editor.y() + pixels(50), editor.width() - pixels(100), pixels(270)});
  ui.processEvents();
  ui.pause(500);
  goodbye.close();
  quitProgram(window);
}

}  // namespace ornix
