#pragma once

#include <string>

namespace ornix {

enum class NoticeIcon { none, information, exclamation, stop };

// A terse notice for the system message box, with one OK button: what the
// model has to tell the user, as data for the caller to show.
struct Notice {
  std::string title;
  std::string text;
  NoticeIcon icon = NoticeIcon::none;

  friend bool operator==(const Notice&, const Notice&) = default;
};

}  // namespace ornix
