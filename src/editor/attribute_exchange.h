#pragma once

#include <string>
#include <string_view>

namespace ornix {

// The four texts through which the attributes dialog and its caller talk: the
// caller fills the three inputs, the dialog leaves the outcome and the values.
struct AttributeExchange {
  std::string curHREF;
  std::string curTarget;
  std::string curAlt;
  std::string hrefResult;  // attribute text, "" for Cancel, or the delete marker
};

inline constexpr std::string_view deleteMarker = "z_DELETE_z";

// Enter in the attributes dialog, with the three texts as typed. A Target or
// ALT counts unless it is empty or holds "if you would like..." (the
// placeholders' ending). Each `"` is stored as &quot; and each `>` as &gt;, so
// the written tag stays well formed and reads back into the same values; "#"
// typed over another HREF leaves curHREF as it was.
void acceptAttributes(AttributeExchange& exchange, std::string_view href, std::string_view target,
                      std::string_view alt);

}  // namespace ornix
