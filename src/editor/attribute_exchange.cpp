#include "attribute_exchange.h"

#include "model/area_text.h"

namespace ornix {
namespace {

constexpr std::string_view placeholderEnding = "if you would like...";

bool counts(std::string_view value) {
  return !value.empty() && value.find(placeholderEnding) == std::string_view::npos;
}

}  // namespace

void acceptAttributes(AttributeExchange& exchange, std::string_view href, std::string_view target,
                      std::string_view alt) {
  const std::string typedHref = escapeAttributeValue(href);
  exchange.hrefResult = typedHref;
  if (typedHref != defaultHref) exchange.curHREF = typedHref;
  exchange.curTarget = counts(target) ? escapeAttributeValue(target) : std::string();
  exchange.curAlt = counts(alt) ? escapeAttributeValue(alt) : std::string();
  if (!exchange.curTarget.empty()) exchange.hrefResult += "\" Target=\"" + exchange.curTarget;
  if (!exchange.curAlt.empty()) exchange.hrefResult += "\" ALT=\"" + exchange.curAlt;
}

}  // namespace ornix
