#pragma once

#include <string>

namespace ornix {

enum class NoteIcon { none, exclamation, stop };

// A terse note in the system message box: a title, a text and one OK button.
struct Note {
  std::string title;
  std::string text;
  NoteIcon icon = NoteIcon::none;

  friend bool operator==(const Note&, const Note&) = default;
};

// How the model shows a note without knowing the window system; the platform
// layer implements it with the system message box.
class Notifier {
 public:
  virtual ~Notifier() = default;
  virtual void showNote(const Note& note) = 0;
};

}  // namespace ornix
