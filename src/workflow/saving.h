#pragma once

#include <functional>

#include "map_workspace.h"
#include "model/map_writer.h"

namespace ornix {

class AfterSaveDialog;
class Clipboard;
class ProgramSettings;
class Ui;

// The five ways a map leaves the program: the clipboard, an ORNX map file, an
// HTML page, a text file, or back into the page it came from. Every save that
// succeeds empties the map on the same picture and asks "Another" or "Quit";
// `quit` ends the program from the dialog that asked.
class Saving {
 public:
  using QuitAction = std::function<void(AfterSaveDialog&)>;
  Saving(const MapWorkspace& workspace, Ui& ui, Clipboard& clipboard, ProgramSettings& settings, QuitAction quit);

  void saveToClipboard();
  // A save that cannot be written says which file and why, and leaves the
  // map, its page and the window as they were.
  void saveToFile(OutputKind kind);

 private:
  const ImageMap& map() const;
  bool refusedWithoutPicture();
  bool refusedWithoutPage(OutputKind kind);
  void restartMap();
  void commonEnding();

  MapWorkspace workspace;
  Ui& ui;
  Clipboard& clipboard;
  ProgramSettings& settings;
  QuitAction quit;
};

}  // namespace ornix
