#pragma once

#include <string>
#include <string_view>

namespace ornix {

// Case as HTML folds it in names, labels and file extensions: the letters A
// to Z only, whatever the code page of the bytes around them.

constexpr char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

inline std::string asciiLowered(std::string_view text) {
  std::string lowered(text);
  for (char& c : lowered) c = asciiLower(c);
  return lowered;
}

// Whether two names are the same without regard to ASCII case; the second is in lower case.
inline bool sameName(std::string_view name, std::string_view lowerName) {
  if (name.size() != lowerName.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const char want = lowerName[i];
    // A letter is the same in either case: one bit apart.
    const char c = want >= 'a' && want <= 'z' ? static_cast<char>(name[i] | 0x20) : name[i];
    if (c != want) return false;
  }
  return true;
}

}  // namespace ornix
