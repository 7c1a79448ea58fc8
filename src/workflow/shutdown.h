#pragma once

namespace ornix {

class AfterSaveDialog;
class EditorWindow;
class Ui;

// Closes every window, the editor first; when the editor stays open (the user
// wants the chance to save) nothing else closes and false comes back. The
// program ends when its last window has gone.
bool quitProgram(EditorWindow& window);

// The way out after a save: the after-save window becomes the "See You"
// strip for half a second, then the program quits.
void sayGoodbyeAndQuit(EditorWindow& window, Ui& ui, AfterSaveDialog& afterSave);

}  // namespace ornix
