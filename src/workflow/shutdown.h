#pragma once

namespace ornix {

class Ui;
class frmEnd;
class frmMap;

// Closes every window, the editor first; when the editor stays open (the user
// wants the chance to save) nothing else closes and false comes back. The
// program ends when its last window has gone.
bool quitProgram(frmMap& window);

// The way out after a save: the after-save window becomes the "See You"
// strip for half a second, then the program quits.
void chooseBye(frmMap& window, Ui& ui, frmEnd& goodbye);

}  // namespace ornix
