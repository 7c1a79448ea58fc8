#include "character_references.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace ornix {
namespace {

struct NamedReference {
  std::string_view name;
  char32_t first;
  char32_t second;
};

constexpr NamedReference namedReferences[] = {
#include "named_character_references.inc"
};

constexpr char32_t replacementCharacter = 0xFFFD;
constexpr char32_t lastCodePoint = 0x10FFFF;

// What browsers make of the numbers 0x80 to 0x9F, the C1 controls: the
// characters windows-1252 puts there; 0 where it puts none.
constexpr std::array<char32_t, 32> windows1252High = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                                      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isAlphanumeric(char c) { return isDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

int digitValue(char c, bool hex) {
  if (isDigit(c)) return c - '0';
  if (!hex) return -1;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

char32_t characterOfNumber(char32_t number) {
  if (number == 0 || number > lastCodePoint || (number >= 0xD800 && number <= 0xDFFF)) return replacementCharacter;
  if (number >= 0x80 && number <= 0x9F && windows1252High[number - 0x80] != 0) return windows1252High[number - 0x80];
  return number;
}

// "&#" then decimal digits, or "&#x" then hexadecimal ones, then an optional ";".
std::optional<CharacterReference> numericReference(std::string_view text, std::size_t at) {
  std::size_t position = at + 2;
  const bool hex = position < text.size() && (text[position] == 'x' || text[position] == 'X');
  if (hex) ++position;
  const std::size_t digitsStart = position;
  char32_t number = 0;
  for (int digit = 0; position < text.size() && (digit = digitValue(text[position], hex)) >= 0; ++position) {
    number = std::min<char32_t>(number * (hex ? 16 : 10) + static_cast<char32_t>(digit), lastCodePoint + 1);
  }
  if (position == digitsStart) return std::nullopt;
  if (position < text.size() && text[position] == ';') ++position;
  return CharacterReference{position - at, characterOfNumber(number), 0};
}

const NamedReference* namedReference(std::string_view name) {
  const auto* found =
      std::lower_bound(std::begin(namedReferences), std::end(namedReferences), name,
                       [](const NamedReference& entry, std::string_view key) { return entry.name < key; });
  return found != std::end(namedReferences) && found->name == name ? found : nullptr;
}

// Inside a value only the whole run of letters and digits after the "&" can
// name a reference: with its ";", or an old name without one when no "="
// follows.
std::optional<CharacterReference> namedReferenceAt(std::string_view text, std::size_t at) {
  std::size_t end = at + 1;
  while (end < text.size() && isAlphanumeric(text[end])) ++end;
  if (end == at + 1) return std::nullopt;
  const bool semicolon = end < text.size() && text[end] == ';';
  const std::string_view name = text.substr(at + 1, end - at - (semicolon ? 0 : 1));
  if (!semicolon && end < text.size() && text[end] == '=') return std::nullopt;
  const NamedReference* reference = namedReference(name);
  if (reference == nullptr) return std::nullopt;
  return CharacterReference{name.size() + 1, reference->first, reference->second};
}

}  // namespace

std::optional<CharacterReference> referenceInValueAt(std::string_view text, std::size_t at) {
  if (at + 1 >= text.size() || text[at] != '&') return std::nullopt;
  return text[at + 1] == '#' ? numericReference(text, at) : namedReferenceAt(text, at);
}

}  // namespace ornix
