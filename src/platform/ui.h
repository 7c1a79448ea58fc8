#pragma once

#include <QPoint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/notice.h"

class QDialog;
class QMenu;
class QWidget;

namespace ornix {

enum class MessageIcon { none, information, exclamation, stop, question };
enum class MessageButtons { ok, okCancel, yesNo, yesNoCancel };
enum class Answer { ok, cancel, yes, no };

// A terse note or question in the system message box. Texts are the program's
// bytes; several lines are joined with CR LF.
struct Message {
  std::string title;
  std::string text;
  MessageIcon icon = MessageIcon::none;
  MessageButtons buttons = MessageButtons::ok;

  friend bool operator==(const Message&, const Message&) = default;
};

// A notice of the model's, as a message box with one OK button.
Message noticeMessage(const Notice& notice);
// An "Ornix Note:" with the exclamation mark and one OK button: why a file
// gave nothing, or less than it should.
inline Message ornixNote(std::string text) {
  return {"Ornix Note:", std::move(text), MessageIcon::exclamation, MessageButtons::ok};
}

// One choice of a file dialog's type list: "Image" with "*.jpg;*.gif".
struct FileFilter {
  std::string name;
  std::string patterns;  // separated by ";"

  friend bool operator==(const FileFilter&, const FileFilter&) = default;
};

// The system's open or save dialog as the program asks for it.
struct FileDialogRequest {
  bool open = true;
  std::string title;
  std::vector<FileFilter> filters;
  std::string startFolder;
  std::string defaultSuffix;  // added to a name typed without one, as "jpg"

  friend bool operator==(const FileDialogRequest&, const FileDialogRequest&) = default;
};

// Every window-system service the program asks for that waits on the user or
// on time. The program talks only to this; tests hand it a scripted stand-in.
class Ui {
 public:
  virtual ~Ui() = default;

  virtual Answer messageBox(const Message& message) = 0;
  // The system input box; nothing when cancelled.
  virtual std::optional<std::string> inputBox(const std::string& title, const std::string& prompt) = 0;
  // The chosen path; nothing when cancelled. Saving asks before replacing a file.
  virtual std::optional<std::string> fileDialog(const FileDialogRequest& request) = 0;
  // Shows one of the program's own dialogs modally; returns once it has closed.
  virtual void showModal(QDialog& dialog) = 0;
  // Shows a popup menu at a screen position; returns once it has closed.
  virtual void popupMenu(QMenu& menu, QPoint screenPos) = 0;
  // Waits, keeping the windows painted but holding back the user's input.
  virtual void pause(int milliseconds) = 0;
  // A pause in a show that the user may cut short: a left press on
  // `skipTarget` or the Space key ends it at once, and true is returned. The
  // press and its release go no further; any other input waits until the
  // pause ends, as in pause().
  virtual bool pauseUnlessSkipped(int milliseconds, const QWidget& skipTarget) = 0;
  // Lets the window events that are waiting run.
  virtual void processEvents() = 0;
  // The busy (hourglass) pointer on or off.
  virtual void setBusy(bool busy) = 0;
};

class QtUi final : public Ui {
 public:
  Answer messageBox(const Message& message) override;
  std::optional<std::string> inputBox(const std::string& title, const std::string& prompt) override;
  std::optional<std::string> fileDialog(const FileDialogRequest& request) override;
  void showModal(QDialog& dialog) override;
  void popupMenu(QMenu& menu, QPoint screenPos) override;
  void pause(int milliseconds) override;
  bool pauseUnlessSkipped(int milliseconds, const QWidget& skipTarget) override;
  void processEvents() override;
  void setBusy(bool busy) override;
};

}  // namespace ornix
