#include <gtest/gtest.h>

#include "model/attribute_entry.h"
#include "support/printers.h"

namespace ornix {
namespace {

const std::string targetHint(targetPlaceholder);
const std::string altHint(altPlaceholder);

TEST(EnteredAttributes, TakeWhatCountsAndKeepOfferingALinkThatHashReplaced) {
  struct Case {
    const char* name;
    Attributes before;
    std::string href, target, alt;
    std::optional<Attributes> entered;
  };
  const Attributes fresh;
  const Attributes linked{"page.html", "_top", "Home", {}};
  const std::vector<Case> cases = {
      {"a new area left untouched", fresh, "#", targetHint, altHint, Attributes{"#", "", "", {}}},
      {"all three given", fresh, "a.html", "_top", "Home", Attributes{"a.html", "_top", "Home", {}}},
      {"an emptied link alone leaves the area as it was", linked, "", "", "", std::nullopt},
      {"an emptied link with a Target", linked, "", "main", "", Attributes{"", "main", "", {}}},
      {"a placeholder in another case counts", fresh, "#", "Enter a TARGET here, If you would like...", "",
       Attributes{"#", "Enter a TARGET here, If you would like...", "", {}}},
      {"the placeholders' ending anywhere is empty", fresh, "x.htm", "frame if you would like... ok", "",
       Attributes{"x.htm", "", "", {}}},
      {"# over a link keeps offering the link", linked, "#", "", "", Attributes{"#", "", "", "page.html"}},
      {"and goes on offering it", Attributes{"#", "", "", "page.html"}, "#", "", "",
       Attributes{"#", "", "", "page.html"}},
      {"quotes and > are made safe", fresh, R"(a"b>c.html)", R"(t"1)", "x > y",
       Attributes{"a&quot;b&gt;c.html", "t&quot;1", "x &gt; y", {}}},
      {"other characters stay as typed", fresh, "q.html?a=1&b='2'", "", " <b> ",
       Attributes{"q.html?a=1&b='2'", "", " <b&gt; ", {}}},
      {"a comment opener cannot end the block", fresh, "#", "<!<!-- end Ornix", "a<!--b-->",
       Attributes{"#", "<!&lt;!-- end Ornix", "a&lt;!--b--&gt;", {}}},
      {"a value made safe stays as it is", fresh, "a&quot;b&gt;", "", "&lt;!--",
       Attributes{"a&quot;b&gt;", "", "&lt;!--", {}}},
  };
  for (const Case& c : cases) EXPECT_EQ(enteredAttributes(c.before, c.href, c.target, c.alt), c.entered) << c.name;
}

}  // namespace
}  // namespace ornix
