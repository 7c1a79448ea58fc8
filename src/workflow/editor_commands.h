#pragma once

namespace ornix {

class Clipboard;
class EditorWindow;
class ProgramSettings;
class Ui;

// Connects the editor window's commands to the operations that carry them out.
void connectEditorCommands(EditorWindow& window, Ui& ui, Clipboard& clipboard, ProgramSettings& settings);

}  // namespace ornix
