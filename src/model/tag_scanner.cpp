#include "tag_scanner.h"

#include <array>
#include <cctype>

namespace ornix {
namespace {

constexpr auto npos = std::string_view::npos;
constexpr std::string_view blanks = " \t\r\n\f";

// The bytes that end a word, as a table: the scanner's time goes on these looks.
using ByteSet = std::array<bool, 256>;
constexpr ByteSet byteSet(std::string_view bytes) {
  ByteSet set{};
  for (const char c : bytes) set[static_cast<unsigned char>(c)] = true;
  return set;
}
constexpr ByteSet blankBytes = byteSet(blanks);
constexpr ByteSet nameStops = byteSet(" \t\r\n\f=>\"'");
constexpr ByteSet unquotedStops = byteSet(" \t\r\n\f>");

bool startsTag(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0 || c == '/'; }

}  // namespace

// Passes over text, comments and declarations up to the next "<" that opens a
// tag; false when there is none.
bool TagScanner::skipToTagStart() {
  for (;;) {
    const std::size_t open = text.find('<', position);
    if (open == npos || open + 1 >= text.size()) return false;
    if (text.substr(open, 4) == "<!--") {
      const std::size_t close = text.find("-->", open + 4);
      if (close == npos) return false;
      position = close + 3;
    } else if (text[open + 1] == '!' || text[open + 1] == '?') {
      const std::size_t close = text.find('>', open + 2);
      if (close == npos) return false;
      position = close + 1;
    } else if (startsTag(text[open + 1])) {
      start = open;
      position = open + 1;
      return true;
    } else {
      position = open + 1;  // a "<" in text, as in "a < b"
    }
  }
}

// A value between quotes of either kind, from the opening quote at `position`;
// false when it is never closed.
bool TagScanner::readQuoted(std::size_t& value, std::size_t& valueEnd) {
  const char quote = text[position];
  value = position + 1;
  valueEnd = text.find(quote, value);
  if (valueEnd == npos) return false;
  position = valueEnd + 1;
  return true;
}

std::string_view TagScanner::readWord(const std::array<bool, 256>& stops) {
  const std::size_t from = position;
  while (position < text.size() && !stops[static_cast<unsigned char>(text[position])]) ++position;
  return text.substr(from, position - from);
}

void TagScanner::skipBlanks() {
  while (position < text.size() && blankBytes[static_cast<unsigned char>(text[position])]) ++position;
}

TagScanner::Step TagScanner::next() {
  found.clear();
  if (!skipToTagStart()) return Step::end;
  readWord(nameStops);  // the tag's own name, which the reader does not need
  for (;;) {
    skipBlanks();
    if (atEnd()) return Step::end;  // a tag cut short by the end of the text
    const char c = text[position];
    if (c == '>') {
      ++position;
      return Step::tag;
    }
    std::size_t value = 0;
    std::size_t valueEnd = 0;
    if (c == '"' || c == '\'') {  // quoted text without a name
      if (!readQuoted(value, valueEnd)) return Step::unclosedValue;
      continue;
    }
    if (c == '=') {  // an "=" without a name
      ++position;
      continue;
    }
    const std::string_view attributeName = readWord(nameStops);
    if (atEnd() || text[position] != '=') {
      found.push_back({attributeName, {}, position});
      continue;
    }
    ++position;
    if (!atEnd() && (text[position] == '"' || text[position] == '\'')) {
      if (!readQuoted(value, valueEnd)) return Step::unclosedValue;
    } else {
      value = position;
      valueEnd = value + readWord(unquotedStops).size();
    }
    found.push_back({attributeName, text.substr(value, valueEnd - value), value});
  }
}

const TagAttribute* TagScanner::attribute(std::string_view attributeName) const {
  for (const TagAttribute& attribute : found) {
    if (attribute.name == attributeName) return &attribute;
  }
  return nullptr;
}

}  // namespace ornix
