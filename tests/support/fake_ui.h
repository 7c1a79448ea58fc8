#pragma once

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui.h"

namespace ornix::test {

// Answers the program's questions from queues and records everything shown.
// Pauses cost nothing; their lengths are kept.
class FakeUi final : public Ui {
 public:
  using DialogScript = std::function<void(QDialog&)>;
  using MenuScript = std::function<void(QMenu&)>;

  Answer messageBox(const Message& message) override {
    messages.push_back(message);
    if (answers.empty() && message.buttons == MessageButtons::ok) return Answer::ok;
    return next(answers, message.text).value_or(Answer::ok);
  }

  std::optional<std::string> inputBox(const std::string& title, const std::string& prompt) override {
    messages.push_back({title, prompt, MessageIcon::none, MessageButtons::okCancel});
    return next(inputs, prompt).value_or(std::nullopt);
  }

  std::optional<std::string> fileDialog(const FileDialogRequest& request) override {
    fileRequests.push_back(request);
    return next(chosenFiles, request.title).value_or(std::nullopt);
  }

  // Shows the dialog without a nested event loop and lets the next script
  // answer it, as a user would, by pressing its buttons or keys.
  void showModal(QDialog& dialog) override {
    dialogsShown.push_back(dialog.accessibleName().toStdString());
    dialog.show();
    QApplication::processEvents();
    if (const std::optional<DialogScript> script = next(dialogScripts, dialogsShown.back())) (*script)(dialog);
    if (dialog.isVisible()) {
      ADD_FAILURE() << "dialog " << dialogsShown.back() << " was left open";
      dialog.reject();
    }
  }

  // Records which entries were enabled as the menu opened, then lets the next
  // script pick an entry, if there is one.
  void popupMenu(QMenu& menu, QPoint) override {
    emit menu.aboutToShow();
    std::map<std::string, bool> enabled;
    for (const QAction* action : menu.actions()) {
      if (!action->isSeparator()) enabled[action->text().toStdString()] = action->isEnabled();
    }
    menusShown.push_back(std::move(enabled));
    if (!menuScripts.empty()) next(menuScripts, "")->operator()(menu);
  }

  // Answers the next dialog by pressing the named button.
  void answerWith(const char* button);

  void pause(int milliseconds) override { pauses.push_back(milliseconds); }
  // Never skipped: every pause of a show is recorded.
  bool pauseUnlessSkipped(int milliseconds, const QWidget&) override {
    pauses.push_back(milliseconds);
    return false;
  }
  void processEvents() override {}
  void setBusy(bool busy) override { busyStates.push_back(busy); }

  std::deque<Answer> answers;
  std::deque<std::optional<std::string>> inputs;
  std::deque<std::optional<std::string>> chosenFiles;
  std::deque<DialogScript> dialogScripts;
  std::deque<MenuScript> menuScripts;

  std::vector<Message> messages;
  std::vector<FileDialogRequest> fileRequests;
  std::vector<std::string> dialogsShown;
  std::vector<std::map<std::string, bool>> menusShown;
  std::vector<int> pauses;
  std::vector<bool> busyStates;

 private:
  // The next scripted answer; a failure when the test gave none for `what`.
  template <typename T>
  static std::optional<T> next(std::deque<T>& queue, const std::string& what) {
    if (queue.empty()) {
      ADD_FAILURE() << "no answer scripted for " << what;
      return std::nullopt;
    }
    T answer = std::move(queue.front());
    queue.pop_front();
    return answer;
  }
};

// Clicks the named button of a dialog.
inline void clickButton(QDialog& dialog, const char* name) {
  auto* button = dialog.findChild<QAbstractButton*>(name);
  ASSERT_NE(button, nullptr) << name;
  button->click();
}

inline void FakeUi::answerWith(const char* button) {
  dialogScripts.push_back([button](QDialog& dialog) { clickButton(dialog, button); });
}

}  // namespace ornix::test
