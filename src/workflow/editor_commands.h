#pragma once

namespace ornix {

class Clipboard;
class Ui;
class cRegistry;
class frmMap;

// Connects the editor window's commands to the operations that carry them out.
void connectEditorCommands(frmMap& window, Ui& ui, Clipboard& clipboard, cRegistry& registry);

}  // namespace ornix
