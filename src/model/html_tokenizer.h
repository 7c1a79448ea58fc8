#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "ascii_case.h"

namespace ornix {

// A stretch of the text read, as byte offsets from its start: [begin, end).
struct ByteRange {
  std::size_t begin = 0;
  std::size_t end = 0;

  std::size_t size() const { return end - begin; }
  friend bool operator==(const ByteRange&, const ByteRange&) = default;
};

// One attribute of a tag as a browser reads it: its name as written (names
// compare without regard to case) and its value as it stands between its
// quotes, or bare. No character reference is decoded here.
struct HtmlAttribute {
  std::string_view name;
  std::string_view value;
  ByteRange range;             // the name's first byte through the value's closing quote
  std::size_t valueStart = 0;  // where the value's bytes begin
  char quote = 0;              // '"' or '\'' around the value; 0 for a bare value or none
  bool hasValue = false;       // false for a name standing alone, as `nohref`
};

enum class HtmlTokenKind { startTag, endTag, comment, declaration, endOfText };

// A tag, a comment or a declaration (DOCTYPE, "<?...>" and other bogus
// comments), with the bytes it spans.
struct HtmlToken {
  HtmlTokenKind kind = HtmlTokenKind::endOfText;
  std::string_view name;                  // a tag's name as written
  std::vector<HtmlAttribute> attributes;  // a start tag's, in order; a repeated name is left out, as browsers do
  ByteRange range;                        // "<" through ">", or to the end of the text
  bool selfClosing = false;
  // The text ended inside the token. Browsers drop such a tag and end such a
  // comment there; the attributes read before the end are given all the same.
  bool cutShort = false;

  bool isTag(std::string_view lowerName) const;
  // The attribute of that name, in any case; nothing when the tag has none.
  const HtmlAttribute* attribute(std::string_view lowerName) const;
};

// Reads a page's tags and comments in order as the HTML standard's
// tokenizer does: comments end at "-->" or "--!>" ("<!-->" and "<!--->" are
// empty comments); a quote ends a quoted value wherever it stands and what
// follows it up to the next blank starts another attribute; a "<" that opens
// no tag is text. The text inside script, style, textarea, title, xmp,
// iframe, noembed, noframes, noscript and plaintext is passed over as a
// browser with scripting passes over it, never read as tags, with script's
// "<!--" escapes. Parse errors never stop the reading.
class HtmlTokenizer {
 public:
  explicit HtmlTokenizer(std::string_view text) : text(text) {}

  // The next token; `endOfText` once the text is read. The token lives until
  // the next call.
  const HtmlToken& next();

 private:
  enum class RawText { none, text, script, rest };

  bool atEnd() const { return position >= text.size(); }
  bool readMarkup(std::size_t open);
  void readDeclaration(std::size_t open, HtmlTokenKind kind, std::size_t from);
  void readComment(std::size_t open);
  void readTag(std::size_t open, HtmlTokenKind kind);
  bool readAttribute();
  bool readAttributeValue(HtmlAttribute& attribute);
  void dropIfRepeated();
  void cutShortAt(std::size_t open);
  void enterRawText();
  void skipRawText();
  void skipScript();
  bool endTagOf(std::string_view name, std::size_t at) const;
  void skipBlanks();

  std::string_view text;
  std::size_t position = 0;
  HtmlToken token;
  RawText rawText = RawText::none;
  std::string_view rawTextName;  // the element whose end tag ends the raw text
};

}  // namespace ornix
