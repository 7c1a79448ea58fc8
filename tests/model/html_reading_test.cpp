// Reading HTML as a browser does: the tokens of a page with the bytes each
// spans, and the character references inside attribute values.
#include <gtest/gtest.h>

#include <random>

#include "model/attribute_entry.h"
#include "model/character_references.h"
#include "model/html_tokenizer.h"

namespace ornix {
namespace {

// The tokens of a text, each as "kind name attributes @begin-end", joined by
// " | ": quotes shown as read, "/" for a self-closing tag, "cut" for a token
// the end of the text cut short.
std::string tokensOf(std::string_view html) {
  static const char* const kinds[] = {"start", "end", "comment", "declaration"};
  HtmlTokenizer tokenizer(html);
  std::string tokens;
  for (const HtmlToken* token = &tokenizer.next(); token->kind != HtmlTokenKind::endOfText; token = &tokenizer.next()) {
    if (!tokens.empty()) tokens += " | ";
    tokens += kinds[static_cast<int>(token->kind)];
    if (!token->name.empty()) tokens.append(" ").append(token->name);
    for (const HtmlAttribute& attribute : token->attributes) {
      tokens.append(" ").append(attribute.name);
      const std::string_view quote = attribute.quote == 0 ? "" : std::string_view(&attribute.quote, 1);
      if (attribute.hasValue) tokens.append("=").append(quote).append(attribute.value).append(quote);
      EXPECT_EQ(html.substr(attribute.valueStart, attribute.value.size()), attribute.value);
    }
    if (token->selfClosing) tokens += " /";
    tokens += " @" + std::to_string(token->range.begin) + "-" + std::to_string(token->range.end);
    if (token->cutShort) tokens += " cut";
  }
  return tokens;
}

TEST(HtmlTokenizer, ReadsTagsCommentsAndTextAsTheHtmlStandardDoes) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"<p class=a>x</P >", "start p class=a @0-11 | end P @12-17"},
      {R"(<a href="x"y=1 z='2'/>)", R"(start a href="x" y=1 z='2' / @0-22)"},
      {R"(<a =b c"d=e HREF=1 href=2 nohref>)", R"(start a =b c"d=e HREF=1 nohref @0-33)"},
      {R"(<area href="ab"cd.htm" alt="after">)", R"(start area href="ab" cd.htm" alt="after" @0-35)"},
      {"<img\nsrc = 'a b.gif'\twidth= >", "start img src='a b.gif' width= @0-29"},
      {"<!--a-->b<!--c--!>d<!-->e<!--->f<!---->",
       "comment @0-8 | comment @9-18 | comment @19-24 | comment @25-31 | comment @32-39"},
      {"<!-- a -- b -> c --><i>", "comment @0-20 | start i @20-23"},
      {"<!doctype html><?php x ?><!x><![CDATA[y]]></ 3>",
       "declaration @0-15 | comment @15-25 | comment @25-29 | comment @29-42 | comment @42-47"},
      {"a < b <3 </> c <", ""},
      {R"(<area href="x)", "start area @0-13 cut"},
      {"<area shape=rect coords=1,2", "start area shape=rect @0-27 cut"},
      {"<!-- never closed --", "comment @0-20 cut"},
      {R"(<script>if (a<b) w("<map>")</script><map>)", "start script @0-8 | end script @27-36 | start map @36-41"},
      {"<SCRIPT>a</scripty></script ><b>", "start SCRIPT @0-8 | end script @19-29 | start b @29-32"},
      {"<script><!--<script>w('</script>')--></script><b>", "start script @0-8 | end script @37-46 | start b @46-49"},
      {"<script><!-- x --></script><b>", "start script @0-8 | end script @18-27 | start b @27-30"},
      {"<style><map></style><textarea><map></TEXTAREA><title><map></title><noscript><map></noscript>",
       "start style @0-7 | end style @12-20 | start textarea @20-30 | end TEXTAREA @35-46 | start title @46-53 | "
       "end title @58-66 | start noscript @66-76 | end noscript @81-92"},
      {"<xmp></xmpl><map></xmp>", "start xmp @0-5 | end xmp @17-23"},
      {"<plaintext><map></plaintext>", "start plaintext @0-11"},
      {"<script>never ended <map>", "start script @0-8"},
  };
  for (const auto& [html, tokens] : cases) EXPECT_EQ(tokensOf(html), tokens) << html;
}

// Code points as UTF-8, so that decoded values compare as text.
std::string utf8(char32_t c) {
  std::string out;
  if (c < 0x80) return out += static_cast<char>(c), out;
  if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
  }
  return out += static_cast<char>(0x80 | (c & 0x3F)), out;
}

std::string decoded(std::string_view value) {
  std::string text;
  decodeReferences(
      value, [&text](std::string_view bytes) { text += bytes; }, [&text](char32_t c) { text += utf8(c); });
  return text;
}

TEST(CharacterReferences, AreDecodedInValuesAsBrowsersDecodeThem) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"a &amp; b", "a & b"},
      {"&quot;&#39;&#x27;&#X27;&apos;", "\"''''"},
      {"&lt;!-- &gt;", "<!-- >"},
      {"&eacute;&Eacute", "\u00e9\u00c9"},                 // an old name needs no ";" at the end
      {"?a=1&copy=2&copyx&b=3", "?a=1&copy=2&copyx&b=3"},  // nor before a letter, a digit or "="
      {"&copy 2", "\u00a9 2"},
      {"&notin;&notit;&amp", "\u2209&notit;&"},
      {"&#128;&#x9f;&#x81;", "\u20ac\u0178\u0081"},  // C1 numbers are windows-1252's characters
      {"&#0;&#xD800;&#x110000;&#99999999999;", "\ufffd\ufffd\ufffd\ufffd"},
      {"&#;&#x;&;& &", "&#;&#x;&;& &"},
      {"&NotEqualTilde;&#128512;", "\u2242\u0338\U0001F600"},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(decoded(value), text) << value;
}

// Whatever is typed, made safe and decoded again, is what was typed; and a
// value with nothing to make safe is written as typed.
TEST(CharacterReferences, AValueMadeSafeDecodesToWhatWasTyped) {
  const std::vector<std::string> pieces = {"&", "amp", ";",   "#", "x", "27",       "copy", "=",     "\"",
                                           ">", "<",   "!--", "a", " ", "\xC3\xA9", "quot", "&amp;", "<!--"};
  std::mt19937 random(20261209);
  for (int i = 0; i < 20000; ++i) {
    std::string typed;
    for (int n = std::uniform_int_distribution<int>(0, 8)(random); n > 0; --n) {
      typed += pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(random)];
    }
    const std::string safe = escapeAttributeValue(typed);
    ASSERT_EQ(decoded(safe), typed) << safe;
    ASSERT_EQ(safe.find('"'), std::string::npos) << safe;
  }
  for (const char* plain : {"page.html?ALT=1&Target=2", "AT&T", "a & b", "caf\xC3\xA9"}) {
    EXPECT_EQ(escapeAttributeValue(plain), plain);
  }
}

}  // namespace
}  // namespace ornix
