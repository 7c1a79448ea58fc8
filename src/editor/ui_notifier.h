#pragma once

#include "model/notifier.h"
#include "platform/ui.h"

namespace ornix {

// The model's notes, shown in the system message box.
class UiNotifier final : public Notifier {
 public:
  explicit UiNotifier(Ui& ui) : ui(ui) {}

  void showNote(const Note& note) override {
    ui.messageBox({note.title, note.text, iconFor(note.icon), MessageButtons::ok});
  }

 private:
  static MessageIcon iconFor(NoteIcon icon) {
    switch (icon) {
      case NoteIcon::exclamation: return MessageIcon::exclamation;
      case NoteIcon::stop: return MessageIcon::stop;
      case NoteIcon::none: break;
    }
    return MessageIcon::none;
  }

  Ui& ui;
};

}  // namespace ornix
