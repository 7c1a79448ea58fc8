// Attribute values as the editing shows them and takes them back.
#include <gtest/gtest.h>

#include <random>

#include "platform/text_codec.h"

namespace ornix {
namespace {

TEST(ValueDisplay, ShowsReferencesDecodedAndKeepsAValueLeftAsShown) {
  const std::vector<std::pair<std::string, QString>> cases = {
      {"Ring &quot;one&quot;", "Ring \"one\""},
      {"AT&amp;T &eacute;t&#233; &#x1F600;", QString("AT&T \u00e9t\u00e9 ") + QString::fromUcs4(U"\U0001F600")},
      {"?a=1&copy=2", "?a=1&copy=2"},
  };
  for (const auto& [value, shown] : cases) {
    EXPECT_EQ(valueToDisplay(value), shown) << value;
    EXPECT_EQ(valueFromDisplay(shown, value), value) << value;
  }
  EXPECT_EQ(valueFromDisplay("Ring \"two\"", "Ring &quot;one&quot;"), "Ring &quot;two&quot;");
  EXPECT_EQ(valueFromDisplay("&copy; AT&T", "x"), "&amp;copy; AT&T");
  // A page in windows-1252 has the euro sign, not the Chinese one: that one
  // is written as a reference, which shows again as typed.
  const QString typed = QString("\u20ac \u4e2d");
  EXPECT_EQ(valueFromDisplay(typed, "x", "windows-1252"), "\x80 &#20013;");
  EXPECT_EQ(valueToDisplay("\x80 &#20013;", "windows-1252"), typed);
}

// Whatever the user types is shown again exactly as typed, in any script.
TEST(ValueDisplay, ATypedValueShowsAgainAsTyped) {
  const std::vector<QString> pieces = {"&",    "amp;", "#39;",   "\"",     ">",      "<!--",
                                       "a",    " ",    "\u00e9", "\u20ac", "\u4e2d", QString::fromUcs4(U"\U0001F600"),
                                       "copy", "=",    "&quot;"};
  std::mt19937 random(20261209);
  for (int i = 0; i < 5000; ++i) {
    QString typed;
    for (int n = std::uniform_int_distribution<int>(1, 6)(random); n > 0; --n) {
      typed += pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(random)];
    }
    const std::string value = valueFromDisplay(typed, "x");
    ASSERT_EQ(valueToDisplay(value), typed) << value;
    ASSERT_EQ(value.find('"'), std::string::npos) << value;
  }
}

}  // namespace
}  // namespace ornix
