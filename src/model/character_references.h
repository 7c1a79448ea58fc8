#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace ornix {

// A character reference as a browser reads it at an "&": the bytes it
// takes and the one or two code points it stands for.
struct CharacterReference {
  std::size_t length = 0;
  char32_t first = 0;
  char32_t second = 0;  // 0 when it stands for one character
};

// The reference that starts at the "&" at `at`, read as a browser reads one
// inside an attribute value: numeric ("&#39;", "&#x27;", the ";" optional)
// or named ("&amp;", "&eacute;", and the old names without ";" unless a
// letter, a digit or "=" follows). Nothing when the "&" is just a character.
std::optional<CharacterReference> referenceInValueAt(std::string_view text, std::size_t at);

// Goes through an attribute value in order: `bytes` gets each run of it that
// is no reference, `character` each code point a reference stands for.
template <typename Bytes, typename Character>
void decodeReferences(std::string_view value, Bytes&& bytes, Character&& character) {
  std::size_t from = 0;
  for (std::size_t at = value.find('&'); at != std::string_view::npos; at = value.find('&', at + 1)) {
    const std::optional<CharacterReference> reference = referenceInValueAt(value, at);
    if (!reference) continue;
    if (at > from) bytes(value.substr(from, at - from));
    character(reference->first);
    if (reference->second != 0) character(reference->second);
    from = at + reference->length;
    at = from - 1;
  }
  if (from < value.size()) bytes(value.substr(from));
}

}  // namespace ornix
