#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <vector>

#include "dialogs/help_rows.h"

class QAction;
class QActionGroup;
class QWidget;

namespace ornix {

enum class ToolKind;

// Every command of the editor, however it is given: a File menu entry, a key,
// a button of the tool strip.
enum class Command {
  open,
  saveToClipboard,
  saveMapFile,
  saveHtmlPage,
  saveTextFile,
  saveOriginalPage,
  imagesFolder,
  noFolder,
  customFolder,
  help,
  uninstallHelp,
  exit,
  undo,
  redo,
  zoomIn,
  zoomOut,
  actualSize,
  areaList,
  importMap,
  saveResponsivePage,
  saveToClipboardAskingFirst,
  closeWindow,
  nudgeLeft,
  nudgeRight,
  nudgeUp,
  nudgeDown,
  nudgeLeftByTen,
  nudgeRightByTen,
  nudgeUpByTen,
  nudgeDownByTen,
  rectangleTool,
  circleTool,
  polygonTool,
};

// What the commands' rules read: the editor's state, as it changes.
struct EditorState {
  bool picture = false;
  bool areas = false;
  bool page = false;  // the map can be saved back into the page it came from
  bool canUndo = false;
  bool canRedo = false;
  bool canZoomIn = false;
  bool canZoomOut = false;
  bool zoomed = false;  // not at 100%
};

// When a command can be given.
enum class Rule {
  always,
  withPicture,
  withAreas,
  withPictureAndPage,
  // "Save in Original Page" on the menu: with areas, when there is a page;
  // without areas it keeps the state it had, and it goes off with the page.
  originalPageEntry,
  canUndo,
  canRedo,
  canZoomIn,
  canZoomOut,
  zoomed,
};

// Where a command is given from.
enum class Place { fileMenu, imageFolderMenu, keys, toolStrip };

// One line of the table of commands: a command, given from one place. A
// command given from the menu and by keys under different rules (the saves,
// which the menu offers once there are areas and the keys once there is a
// picture) has a line for each.
struct CommandLine {
  Command command;
  const char* name;  // the action's object name
  Place place;
  const char* caption;    // as the menu shows it, its key after a tab
  const char* keys = "";  // its keys, by ";"
  Rule rule = Rule::always;
  bool lineAfter = false;  // a separator follows it on the menu
};

// A row of the help window's keys panel: a command's keys, or a gesture's.
struct KeysPanelLine {
  const char* label;
  std::vector<Command> commands;  // whose first keys the panel shows
  const char* gesture;            // the keys of a gesture that is no command
  const char* text;
  int heightTwips;
  bool lineAbove = false;
};

// The editor's commands made once, from one table, as actions: their
// captions, keys, the rules that enable them, what they do. The File menu,
// the tool strip, the window's keys and the help window's keys panel are all
// made from them.
class EditorCommands final : public QObject {
  Q_OBJECT

 public:
  // Makes every action; those with keys take them in `window`.
  explicit EditorCommands(QWidget* window);

  static const std::vector<CommandLine>& table();
  static const std::vector<KeysPanelLine>& keysPanelTable();

  // The action that gives a command from a place; nothing when it is not given there.
  QAction* action(Command command, Place place) const;
  // What a command does, wherever it is given from.
  void whenGiven(Command command, std::function<void()> handler) { handlers[command] = std::move(handler); }
  // Enables every action by its rule.
  void follow(const EditorState& state);
  // The drawing tool chosen on the tool strip.
  ToolKind chosenTool() const;
  // The keys panel's rows, each command's first keys as the table gives them.
  static std::vector<KeysPanelRow> keysPanel();
  // Does what the command does, as its action would.
  void give(Command command);
  // The enabled action whose keys these are, for a key that comes to the
  // window as a key (held back during a pause, say); nothing when none is.
  QAction* actionForKey(QKeyCombination key) const;

 signals:
  // A command is about to be done, whatever gave it.
  void aboutToGive();

 private:
  std::map<Command, std::function<void()>> handlers;
  std::vector<std::pair<const CommandLine*, QAction*>> actions;  // in the table's order
  QActionGroup* tools;
};

}  // namespace ornix
