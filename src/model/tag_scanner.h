#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

namespace ornix {

// One attribute of a tag: its name and its value as they stand between the
// quotes (or up to the next blank or ">" when unquoted), nothing decoded.
struct TagAttribute {
  std::string_view name;
  std::string_view value;
  std::size_t valueStart = 0;  // where the value begins in the scanned text
};

// Walks the tags of a map block in order, the way a browser sees them: a ">"
// or an attribute name inside a quoted value belongs to that value, comments
// and the text between tags are passed over. Only what the reader needs:
// names and values, no entities, no nesting.
class TagScanner {
 public:
  enum class Step { tag, end, unclosedValue };

  explicit TagScanner(std::string_view text) : text(text) {}

  // Moves to the next tag and reads its attributes. `end` when no tag is
  // left; `unclosedValue` when a quoted value runs to the end of the text.
  Step next();

  std::size_t tagStart() const { return start; }
  // The first attribute of this name (names compare exactly), or nothing.
  const TagAttribute* attribute(std::string_view attributeName) const;

 private:
  bool skipToTagStart();
  bool readQuoted(std::size_t& value, std::size_t& valueEnd);
  std::string_view readWord(const std::array<bool, 256>& stops);
  void skipBlanks();
  bool atEnd() const { return position >= text.size(); }

  std::string_view text;
  std::size_t position = 0;
  std::size_t start = 0;
  std::vector<TagAttribute> found;  // reused from tag to tag
};

}  // namespace ornix
