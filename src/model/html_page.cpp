#include "html_page.h"

namespace ornix {
namespace {

constexpr std::string_view startMarker = "<!-- Ornix start";
constexpr std::string_view endMarker = "<!-- end Ornix";
constexpr std::size_t endCommentLength = 49;  // the whole end comment the writer produces
constexpr std::string_view imageTag = "<img src=\"";

}  // namespace

ChtmlPage::Split ChtmlPage::parsePage(std::string page, std::string pagePath) {
  setPageFileName(std::move(pagePath));
  const std::size_t start = page.find(startMarker);
  if (start == std::string::npos) return Split::noStart;
  top = page.substr(0, start);
  const std::size_t end = page.find(endMarker, start);
  if (end == std::string::npos) return Split::noEnd;
  // The block ends 49 characters after the end comment's "<", however that comment reads.
  const std::size_t blockEnd = end + endCommentLength;
  if (blockEnd > page.size()) return Split::cutShort;
  map = page.substr(start, blockEnd - start);
  bot = page.substr(blockEnd);
  return Split::ok;
}

std::string ChtmlPage::imageSrc() const {
  const std::size_t tag = map.find(imageTag);
  if (tag == std::string::npos) return {};
  const std::size_t from = tag + imageTag.size();
  const std::size_t quote = map.find('"', from);
  return map.substr(from, quote == std::string::npos ? std::string::npos : quote - from);
}

}  // namespace ornix
