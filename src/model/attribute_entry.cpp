#include "attribute_entry.h"

#include "character_references.h"

namespace ornix {
namespace {

constexpr std::string_view placeholderEnding = "if you would like...";

bool counts(std::string_view value) {
  return !value.empty() && value.find(placeholderEnding) == std::string_view::npos;
}

}  // namespace

std::string escapeAttributeValue(std::string_view value) {
  std::string escaped;
  escaped.reserve(value.size());
  for (std::size_t i = 0; i < value.size(); ++i) {
    const char c = value[i];
    if (c == '"') {
      escaped += "&quot;";
    } else if (c == '>') {
      escaped += "&gt;";
    } else if (c == '<' && value.substr(i, 4) == "<!--") {
      escaped += "&lt;";
    } else if (c == '&' && referenceInValueAt(value, i)) {
      escaped += "&amp;";
    } else {
      escaped += c;
    }
  }
  return escaped;
}

ShownAttributes shownAttributes(const Attributes& attributes) {
  const auto shownOr = [](const std::string& value, std::string_view empty) {
    return value.empty() ? std::string(empty) : value;
  };
  return {shownOr(offeredHref(attributes), defaultHref), shownOr(attributes.target, targetPlaceholder),
          shownOr(attributes.alt, altPlaceholder)};
}

std::optional<Attributes> enteredAttributes(const Attributes& before, std::string_view href, std::string_view target,
                                            std::string_view alt) {
  Attributes entered;
  entered.href = href;
  if (counts(target)) entered.target = target;
  if (counts(alt)) entered.alt = alt;
  if (entered.href.empty() && entered.target.empty() && entered.alt.empty()) return std::nullopt;
  // "#" is written as typed, but the link the area had is still offered.
  const std::string& offered = offeredHref(before);
  if (entered.href == defaultHref && !offered.empty() && offered != defaultHref) entered.offeredHref = offered;
  return entered;
}

}  // namespace ornix
