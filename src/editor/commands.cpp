#include "commands.h"

#include <QAction>
#include <QActionGroup>
#include <QWidget>
#include <algorithm>

#include "picture_gestures.h"

namespace ornix {

namespace {

using enum Command;
using enum Place;

const std::vector<CommandLine> commandLines = {
    {open, "openEntry", fileMenu, "Open\tF4", "F4;F2", Rule::always, true},
    {saveToClipboard, "clipboardEntry", fileMenu, "Save To ClipBoard\tF5", "", Rule::withAreas},
    {saveMapFile, "saveMapFileEntry", fileMenu, "Save As an ORNX\tF6", "", Rule::withAreas},
    {saveHtmlPage, "saveHtmlEntry", fileMenu, "Save As HTML\tF7", "", Rule::withAreas},
    {saveTextFile, "saveTextEntry", fileMenu, "Save As Text\tF8", "", Rule::withAreas},
    {saveOriginalPage, "saveOriginalPageEntry", fileMenu, "Save in Original Page\tF9", "", Rule::originalPageEntry,
     true},
    {imagesFolder, "imagesFolderEntry", imageFolderMenu, "Set default subfolder to \"images/\""},
    {noFolder, "noFolderEntry", imageFolderMenu, "Eliminate use of subfolder"},
    {customFolder, "customFolderEntry", imageFolderMenu, "Enter custom folder location"},
    {help, "helpEntry", fileMenu, "Help\tF1", "F1"},
    {uninstallHelp, "uninstallEntry", fileMenu, "Uninstall help", "", Rule::always, true},
    {exit, "exitEntry", fileMenu, "Exit                             Esc", "", Rule::always, true},
    {undo, "undoEntry", fileMenu, "Undo\tCtrl+Z", "Ctrl+Z", Rule::canUndo},
    {redo, "redoEntry", fileMenu, "Redo\tCtrl+Y", "Ctrl+Y;Ctrl+Shift+Z", Rule::canRedo},
    {zoomIn, "zoomInEntry", fileMenu, "Zoom In\tCtrl+=", "Ctrl+=;Ctrl++", Rule::canZoomIn},
    {zoomOut, "zoomOutEntry", fileMenu, "Zoom Out\tCtrl+-", "Ctrl+-", Rule::canZoomOut},
    {actualSize, "actualSizeEntry", fileMenu, "Actual Size\tCtrl+0", "Ctrl+0", Rule::zoomed},
    {areaList, "areaListEntry", fileMenu, "Area List\tF3", "F3"},
    {importMap, "importEntry", fileMenu, "Import Map...\tCtrl+I", "Ctrl+I", Rule::always, true},
    {saveResponsivePage, "saveResponsivePageEntry", fileMenu, "Save As Responsive HTML...\tShift+F7", "",
     Rule::withAreas},
    // The keys of the saves need a picture only: they save an empty map too.
    {saveToClipboardAskingFirst, "clipboardKey", keys, nullptr, "F5", Rule::withPicture},
    {saveMapFile, "saveMapFileKey", keys, nullptr, "F6", Rule::withPicture},
    {saveHtmlPage, "saveHtmlKey", keys, nullptr, "F7", Rule::withPicture},
    {saveResponsivePage, "saveResponsivePageKey", keys, nullptr, "Shift+F7", Rule::withPicture},
    {saveTextFile, "saveTextKey", keys, nullptr, "F8", Rule::withPicture},
    {saveOriginalPage, "saveOriginalPageKey", keys, nullptr, "F9", Rule::withPictureAndPage},
    {closeWindow, "closeKey", keys, nullptr, "Esc"},
    {nudgeLeft, "nudgeLeftKey", keys, nullptr, "Left"},
    {nudgeRight, "nudgeRightKey", keys, nullptr, "Right"},
    {nudgeUp, "nudgeUpKey", keys, nullptr, "Up"},
    {nudgeDown, "nudgeDownKey", keys, nullptr, "Down"},
    {nudgeLeftByTen, "nudgeLeftByTenKey", keys, nullptr, "Shift+Left"},
    {nudgeRightByTen, "nudgeRightByTenKey", keys, nullptr, "Shift+Right"},
    {nudgeUpByTen, "nudgeUpByTenKey", keys, nullptr, "Shift+Up"},
    {nudgeDownByTen, "nudgeDownByTenKey", keys, nullptr, "Shift+Down"},
    {rectangleTool, "rectangleTool", toolStrip, nullptr},
    {circleTool, "circleTool", toolStrip, nullptr},
    {polygonTool, "polygonTool", toolStrip, nullptr},
};

const std::vector<KeysPanelLine> keysPanelLines = {
    {"Undo",
     {undo},
     "",
     "Undoes the last change: an area drawn, edited, deleted, moved or reshaped, or the map "
     "emptied by a save. Also at the end of the File menu.",
     1900},
    {"Redo", {redo}, "", "Does again what Undo took back. Ctrl+Shift+Z does the same.", 1900},
    {"Zoom",
     {zoomIn, zoomOut},
     "",
     "Shows the picture larger or smaller, from 25% to 800%. Ctrl and the mouse wheel zoom about the pointer.",
     1900},
    {"Actual Size", {actualSize}, "", "Shows the picture at its own size, 100%, again.", 800},
    {"Move, shape",
     {},
     "Ctrl+drag",
     "Hold Ctrl and drag: from inside an area it moves; from a corner, a vertex or a circle's rim it is "
     "reshaped.",
     1900,
     true},
    {"Nudge",
     {},
     "arrows",
     "The arrow keys nudge the selected area (chosen in the Areas window, F3, or last drawn, moved or "
     "reshaped) by one pixel; with Shift, by ten.",
     1900},
    {"Areas window",
     {areaList},
     "",
     "Shows or hides the Areas window: every area, to edit in place or move with Ctrl+Up and Ctrl+Down, and "
     "the changes made so far.",
     1900},
    {"Show the rest",
     {},
     "Space",
     "While the areas of an opened map appear one by one, Space or a click shows the rest at once.",
     1900},
    {"Responsive",
     {saveResponsivePage},
     "",
     "Saves the map in a page of its own that fits any screen: the picture shrinks to the page's width and its "
     "areas with it. At the end of the File menu.",
     1900},
    {"Import Map",
     {importMap},
     "",
     "Imports an image map from any web page, written by hand or by another tool, to edit; saved back into its "
     "page, only the changed tags are written anew. On the File menu, after Area List.",
     1900},
};

bool allows(Rule rule, const EditorState& state, bool enabledBefore) {
  switch (rule) {
    case Rule::always: return true;
    case Rule::withPicture: return state.picture;
    case Rule::withAreas: return state.areas;
    case Rule::withPictureAndPage: return state.picture && state.page;
    case Rule::originalPageEntry: return state.page && (state.areas || enabledBefore);
    case Rule::canUndo: return state.canUndo;
    case Rule::canRedo: return state.canRedo;
    case Rule::canZoomIn: return state.canZoomIn;
    case Rule::canZoomOut: return state.canZoomOut;
    case Rule::zoomed: return state.zoomed;
  }
  return false;
}

QList<QKeySequence> keysOf(const char* keys) {
  QList<QKeySequence> sequences;
  for (const QString& key : QString::fromLatin1(keys).split(';', Qt::SkipEmptyParts)) sequences << QKeySequence(key);
  return sequences;
}

}  // namespace

const std::vector<CommandLine>& EditorCommands::table() { return commandLines; }

const std::vector<KeysPanelLine>& EditorCommands::keysPanelTable() { return keysPanelLines; }

EditorCommands::EditorCommands(QWidget* window) : QObject(window), tools(new QActionGroup(this)) {
  for (const CommandLine& line : table()) {
    auto* action = new QAction(this);
    action->setObjectName(line.name);
    if (line.caption != nullptr) action->setText(line.caption);
    action->setShortcuts(keysOf(line.keys));
    action->setEnabled(line.rule == Rule::always);
    if (line.place == Place::toolStrip) {
      action->setCheckable(true);
      tools->addAction(action);
    }
    if (!action->shortcuts().isEmpty()) window->addAction(action);
    connect(action, &QAction::triggered, this, [this, command = line.command] { give(command); });
    actions.emplace_back(&line, action);
  }
  action(Command::rectangleTool, Place::toolStrip)->setChecked(true);
}

QAction* EditorCommands::action(Command command, Place place) const {
  for (const auto& [line, action] : actions) {
    if (line->command == command && line->place == place) return action;
  }
  return nullptr;
}

void EditorCommands::give(Command command) {
  emit aboutToGive();
  if (const auto handler = handlers.find(command); handler != handlers.end()) handler->second();
}

void EditorCommands::follow(const EditorState& state) {
  for (const auto& [line, action] : actions) action->setEnabled(allows(line->rule, state, action->isEnabled()));
}

// Shift is part of a key's character ("+" is Shift and "="): a shortcut
// written with the character matches with or without it, unless the key with
// Shift is a command's own.
QAction* EditorCommands::actionForKey(QKeyCombination key) const {
  const auto owner = [this](QKeyCombination combination) -> QAction* {
    for (const auto& [line, action] : actions) {
      for (const QKeySequence& keys : action->shortcuts()) {
        if (keys.count() == 1 && keys[0] == combination) return action;
      }
    }
    return nullptr;
  };
  QAction* action = owner(key);
  if (action == nullptr && key.keyboardModifiers().testFlag(Qt::ShiftModifier)) {
    action = owner(QKeyCombination(key.keyboardModifiers() & ~Qt::ShiftModifier, key.key()));
  }
  return action != nullptr && action->isEnabled() ? action : nullptr;
}

ToolKind EditorCommands::chosenTool() const {
  const QAction* chosen = tools->checkedAction();
  if (chosen == action(Command::circleTool, Place::toolStrip)) return ToolKind::circle;
  if (chosen == action(Command::polygonTool, Place::toolStrip)) return ToolKind::polygon;
  return ToolKind::rectangle;
}

std::vector<KeysPanelRow> EditorCommands::keysPanel() {
  std::vector<KeysPanelRow> rows;
  for (const KeysPanelLine& line : keysPanelTable()) {
    QStringList keys;
    for (const Command command : line.commands) {
      const auto given = std::find_if(table().begin(), table().end(), [command](const CommandLine& each) {
        return each.command == command && !keysOf(each.keys).isEmpty();
      });
      if (given != table().end()) keys << keysOf(given->keys).front().toString();
    }
    const QString shown = line.commands.empty() ? QString::fromLatin1(line.gesture) : keys.join(' ');
    rows.push_back({QString::fromLatin1(line.label), shown, line.text, line.heightTwips, line.lineAbove});
  }
  return rows;
}

}  // namespace ornix
