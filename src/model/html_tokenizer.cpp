#include "html_tokenizer.h"

#include <algorithm>
#include <array>
#include <utility>

namespace ornix {
namespace {

constexpr auto npos = std::string_view::npos;

// The bytes that end a run, as tables: the reading's time goes on these looks.
using ByteSet = std::array<bool, 256>;
constexpr ByteSet byteSet(std::string_view bytes) {
  ByteSet set{};
  for (const char c : bytes) set[static_cast<unsigned char>(c)] = true;
  return set;
}
constexpr ByteSet blanks = byteSet(" \t\n\f\r");
constexpr ByteSet tagNameStops = byteSet(" \t\n\f\r/>");
constexpr ByteSet attributeNameStops = byteSet(" \t\n\f\r/>=");
constexpr ByteSet bareValueStops = byteSet(" \t\n\f\r>");

bool in(const ByteSet& set, char c) { return set[static_cast<unsigned char>(c)]; }
bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool sameWithoutCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (asciiLower(a[i]) != asciiLower(b[i])) return false;
  }
  return true;
}

// Elements whose content a browser with scripting reads as text up to their own end tag.
constexpr std::string_view textElements[] = {"style",  "textarea", "title",    "xmp",
                                             "iframe", "noembed",  "noframes", "noscript"};

}  // namespace

bool HtmlToken::isTag(std::string_view lowerName) const {
  return (kind == HtmlTokenKind::startTag || kind == HtmlTokenKind::endTag) && sameName(name, lowerName);
}

const HtmlAttribute* HtmlToken::attribute(std::string_view lowerName) const {
  for (const HtmlAttribute& each : attributes) {
    if (sameName(each.name, lowerName)) return &each;
  }
  return nullptr;
}

const HtmlToken& HtmlTokenizer::next() {
  skipRawText();
  for (;;) {
    const std::size_t open = text.find('<', position);
    if (open == npos || open + 1 >= text.size()) {  // a "<" at the very end is text
      position = text.size();
      token.kind = HtmlTokenKind::endOfText;
      token.range = {position, position};
      token.attributes.clear();
      return token;
    }
    position = open + 1;
    if (readMarkup(open)) {
      enterRawText();
      return token;
    }
  }
}

// What a "<" opens, from the byte after it: a tag, a comment, a
// declaration, or nothing (text); false for nothing.
bool HtmlTokenizer::readMarkup(std::size_t open) {
  const char c = text[open + 1];
  if (isAsciiLetter(c)) {
    readTag(open, HtmlTokenKind::startTag);
  } else if (c == '!') {
    if (text.substr(open + 2, 2) == "--") {
      readComment(open);
    } else {
      const bool doctype = sameName(text.substr(open + 2, 7), "doctype");
      readDeclaration(open, doctype ? HtmlTokenKind::declaration : HtmlTokenKind::comment, open + 2);
    }
  } else if (c == '?') {
    readDeclaration(open, HtmlTokenKind::comment, open + 1);
  } else if (c == '/') {
    if (open + 2 >= text.size()) return false;  // "</" at the end is text
    const char first = text[open + 2];
    if (first == '>') {  // "</>" is dropped
      position = open + 3;
      return false;
    }
    if (isAsciiLetter(first)) {
      readTag(open, HtmlTokenKind::endTag);
    } else {
      readDeclaration(open, HtmlTokenKind::comment, open + 2);
    }
  } else {
    return false;  // a "<" in text, as in "a < b"
  }
  return true;
}

// A DOCTYPE or a bogus comment: up to the first ">".
void HtmlTokenizer::readDeclaration(std::size_t open, HtmlTokenKind kind, std::size_t from) {
  token.kind = kind;
  token.name = {};
  token.attributes.clear();
  token.selfClosing = false;
  const std::size_t close = text.find('>', from);
  token.cutShort = close == npos;
  position = token.cutShort ? text.size() : close + 1;
  token.range = {open, position};
}

// A comment ends at the first "-->" or "--!>" after its "<!--"; "<!-->" and
// "<!--->" are whole, empty comments.
void HtmlTokenizer::readComment(std::size_t open) {
  readDeclaration(open, HtmlTokenKind::comment, text.size());
  const std::size_t after = open + 4;
  std::size_t end = npos;
  if (text.substr(after, 1) == ">") {
    end = after + 1;
  } else if (text.substr(after, 2) == "->") {
    end = after + 2;
  } else {
    for (std::size_t dashes = text.find("--", after); dashes != npos && end == npos;
         dashes = text.find("--", dashes + 1)) {
      if (text.substr(dashes + 2, 1) == ">") end = dashes + 3;
      if (text.substr(dashes + 2, 2) == "!>") end = dashes + 4;
    }
  }
  token.cutShort = end == npos;
  position = token.cutShort ? text.size() : end;
  token.range = {open, position};
}

// A start or end tag from its "<": its name, then its attributes up to ">".
void HtmlTokenizer::readTag(std::size_t open, HtmlTokenKind kind) {
  token.kind = kind;
  token.attributes.clear();
  token.selfClosing = false;
  token.cutShort = false;
  const std::size_t nameStart = kind == HtmlTokenKind::endTag ? open + 2 : open + 1;
  position = nameStart;
  while (!atEnd() && !in(tagNameStops, text[position])) ++position;
  token.name = text.substr(nameStart, position - nameStart);
  for (;;) {
    skipBlanks();
    if (atEnd()) return cutShortAt(open);
    const char c = text[position];
    if (c == '>') {
      ++position;
      break;
    }
    if (c == '/') {
      ++position;
      if (atEnd()) return cutShortAt(open);
      if (text[position] != '>') continue;
      token.selfClosing = true;
      ++position;
      break;
    }
    if (!readAttribute()) return cutShortAt(open);
  }
  token.range = {open, position};
}

// One attribute from the first byte of its name, which belongs to the name
// whatever it is, even "=" or a quote; false when the text ends inside it.
// It is read in place at the end of the tag's attributes.
bool HtmlTokenizer::readAttribute() {
  HtmlAttribute& attribute = token.attributes.emplace_back();
  const std::size_t start = position++;
  while (!atEnd() && !in(attributeNameStops, text[position])) ++position;
  attribute.name = text.substr(start, position - start);
  attribute.range = {start, position};
  attribute.valueStart = position;
  skipBlanks();
  if (atEnd() || (text[position] == '=' && !readAttributeValue(attribute))) {
    token.attributes.pop_back();
    return false;
  }
  dropIfRepeated();
  return true;
}

// A value from its "=": between quotes of either kind, bare up to a blank
// or ">", or missing before a ">" (then empty).
bool HtmlTokenizer::readAttributeValue(HtmlAttribute& attribute) {
  ++position;  // the "="
  skipBlanks();
  if (atEnd()) return false;
  attribute.hasValue = true;
  const char c = text[position];
  if (c == '"' || c == '\'') {
    const std::size_t close = text.find(c, position + 1);
    if (close == npos) return false;
    attribute.quote = c;
    attribute.valueStart = position + 1;
    attribute.value = text.substr(position + 1, close - position - 1);
    position = close + 1;
  } else {
    attribute.valueStart = position;
    while (!atEnd() && !in(bareValueStops, text[position])) ++position;
    if (atEnd()) return false;
    attribute.value = text.substr(attribute.valueStart, position - attribute.valueStart);
  }
  attribute.range.end = position;
  return true;
}

// The attribute just read is dropped when the tag already has its name, as browsers drop it.
void HtmlTokenizer::dropIfRepeated() {
  const std::string_view name = token.attributes.back().name;
  const auto last = token.attributes.end() - 1;
  if (std::any_of(token.attributes.begin(), last,
                  [name](const HtmlAttribute& each) { return sameWithoutCase(each.name, name); })) {
    token.attributes.pop_back();
  }
}

void HtmlTokenizer::cutShortAt(std::size_t open) {
  token.cutShort = true;
  position = text.size();
  token.range = {open, position};
}

void HtmlTokenizer::skipBlanks() {
  while (!atEnd() && in(blanks, text[position])) ++position;
}

// After the start tag of an element that holds text, the next reading passes over that text.
void HtmlTokenizer::enterRawText() {
  if (token.kind != HtmlTokenKind::startTag || token.cutShort) return;
  if (sameName(token.name, "script")) {
    rawText = RawText::script;
  } else if (sameName(token.name, "plaintext")) {
    rawText = RawText::rest;
  } else {
    const auto* element = std::find_if(std::begin(textElements), std::end(textElements),
                                       [this](std::string_view name) { return sameName(token.name, name); });
    if (element == std::end(textElements)) return;
    rawText = RawText::text;
    rawTextName = *element;
  }
}

void HtmlTokenizer::skipRawText() {
  const RawText kind = std::exchange(rawText, RawText::none);
  if (kind == RawText::script) return skipScript();
  if (kind == RawText::rest) position = text.size();
  if (kind != RawText::text) return;
  for (std::size_t at = text.find("</", position); at != npos; at = text.find("</", at + 2)) {
    if (endTagOf(rawTextName, at)) {
      position = at;
      return;
    }
  }
  position = text.size();
}

// A script's text ends at "</script" followed by a blank, "/" or ">" ...
// except between a "<!--" and its "-->" where a "<script" has opened an
// inner script, whose "</script" only closes that one.
void HtmlTokenizer::skipScript() {
  enum class State { data, escaped, doubleEscaped } state = State::data;
  std::size_t dashes = 0;  // the "-"s just before dashRunEnd
  std::size_t dashRunEnd = npos;
  while (!atEnd()) {
    const std::size_t at = state == State::data ? text.find('<', position) : text.find_first_of("<->", position);
    if (at == npos) break;
    const char c = text[at];
    position = at + 1;
    if (c == '-') {
      dashes = at == dashRunEnd ? dashes + 1 : 1;
      dashRunEnd = at + 1;
    } else if (c == '>') {
      if (dashes >= 2 && at == dashRunEnd) state = State::data;
    } else if (state != State::doubleEscaped && endTagOf("script", at)) {
      position = at;
      return;
    } else if (state == State::data && text.substr(at, 4) == "<!--") {
      state = State::escaped;
      position = at + 4;
      dashes = 2;
      dashRunEnd = position;
    } else if (state == State::escaped && sameName(text.substr(at + 1, 6), "script") && at + 7 < text.size() &&
               (in(blanks, text[at + 7]) || text[at + 7] == '/' || text[at + 7] == '>')) {
      state = State::doubleEscaped;
      position = at + 7;
    } else if (state == State::doubleEscaped && endTagOf("script", at)) {
      state = State::escaped;
      position = at + 8;
    }
  }
  position = text.size();
}

// Whether "</name" followed by a blank, "/" or ">" stands at `at`.
bool HtmlTokenizer::endTagOf(std::string_view name, std::size_t at) const {
  const std::size_t after = at + 2 + name.size();
  if (after >= text.size() || text.substr(at, 2) != "</" || !sameName(text.substr(at + 2, name.size()), name)) {
    return false;
  }
  const char c = text[after];
  return in(blanks, c) || c == '/' || c == '>';
}

}  // namespace ornix
