#include "page_charset.h"

#include <array>

#include "ascii_case.h"
#include "html_tokenizer.h"

namespace ornix {
namespace {

constexpr std::size_t prescanLength = 1024;

std::string lowerTrimmed(std::string_view label) {
  const std::size_t first = label.find_first_not_of(" \t\n\r\f");
  if (first == std::string_view::npos) return {};
  label = label.substr(first, label.find_last_not_of(" \t\n\r\f") - first + 1);
  return asciiLowered(label);
}

// A label as browsers read it: the names the HTML standard folds into
// another encoding, and a page's own claim to UTF-16, which its tags in
// single bytes belie, taken as UTF-8.
std::string encodingOfLabel(std::string_view label) {
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 16> aliases = {{
      {"utf8", "utf-8"},
      {"unicode-1-1-utf-8", "utf-8"},
      {"utf-16", "utf-8"},
      {"utf-16le", "utf-8"},
      {"utf-16be", "utf-8"},
      {"iso-8859-1", "windows-1252"},
      {"iso8859-1", "windows-1252"},
      {"latin1", "windows-1252"},
      {"l1", "windows-1252"},
      {"ascii", "windows-1252"},
      {"us-ascii", "windows-1252"},
      {"cp1252", "windows-1252"},
      {"x-cp1252", "windows-1252"},
      {"sjis", "shift_jis"},
      {"x-sjis", "shift_jis"},
      {"ms_kanji", "shift_jis"},
  }};
  std::string lower = lowerTrimmed(label);
  for (const auto& [alias, encoding] : aliases) {
    if (lower == alias) return std::string(encoding);
  }
  return lower;
}

// The charset named in a Content-Type value: after "charset", blanks and
// "=", up to a blank or ";", quoted or not.
std::string charsetInContentType(std::string_view content) {
  const std::string lower = lowerTrimmed(content);
  const std::size_t name = lower.find("charset");
  if (name == std::string::npos) return {};
  std::size_t at = lower.find_first_not_of(" \t\n\r\f", name + 7);
  if (at == std::string::npos || lower[at] != '=') return {};
  at = lower.find_first_not_of(" \t\n\r\f", at + 1);
  if (at == std::string::npos) return {};
  if (lower[at] == '"' || lower[at] == '\'') {
    const std::size_t close = lower.find(lower[at], at + 1);
    return close == std::string::npos ? std::string() : lower.substr(at + 1, close - at - 1);
  }
  return lower.substr(at, lower.find_first_of(" \t\n\r\f;", at) - at);
}

std::string declaredCharset(std::string_view head) {
  HtmlTokenizer tokenizer(head);
  for (const HtmlToken* token = &tokenizer.next(); token->kind != HtmlTokenKind::endOfText; token = &tokenizer.next()) {
    if (token->kind != HtmlTokenKind::startTag || !token->isTag("meta")) continue;
    if (const HtmlAttribute* charset = token->attribute("charset")) return std::string(charset->value);
    const HtmlAttribute* equiv = token->attribute("http-equiv");
    const HtmlAttribute* content = token->attribute("content");
    if (equiv != nullptr && content != nullptr && sameName(equiv->value, "content-type")) {
      if (std::string named = charsetInContentType(content->value); !named.empty()) return named;
    }
  }
  return {};
}

// Whether the bytes are UTF-8 and hold any byte above 127.
bool isUtf8AboveAscii(std::string_view bytes) {
  bool above = false;
  for (std::size_t at = 0; at < bytes.size();) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    const std::size_t length = lead < 0x80                   ? 1
                               : lead >= 0xC2 && lead < 0xE0 ? 2
                               : lead >= 0xE0 && lead < 0xF0 ? 3
                               : lead >= 0xF0 && lead < 0xF5 ? 4
                                                             : 0;
    if (length == 0 || at + length > bytes.size()) return false;
    for (std::size_t i = 1; i < length; ++i) {
      if ((static_cast<unsigned char>(bytes[at + i]) & 0xC0) != 0x80) return false;
    }
    above = above || length > 1;
    at += length;
  }
  return above;
}

}  // namespace

std::string pageCharset(std::string_view page) {
  if (page.starts_with("\xEF\xBB\xBF")) return "utf-8";
  if (page.starts_with("\xFF\xFE")) return "utf-16le";
  if (page.starts_with("\xFE\xFF")) return "utf-16be";
  if (const std::string declared = declaredCharset(page.substr(0, prescanLength)); !declared.empty()) {
    return encodingOfLabel(declared);
  }
  return isUtf8AboveAscii(page) ? "utf-8" : "windows-1252";
}

bool isUtf16(std::string_view charset) { return charset.starts_with("utf-16"); }

}  // namespace ornix
