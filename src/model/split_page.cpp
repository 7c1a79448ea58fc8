#include "split_page.h"

#include "map_format.h"

namespace ornix {
namespace {

constexpr std::string_view imageTag = "<img src=\"";

Notice problem(std::string text) { return {"Ornix Note:", std::move(text), NoticeIcon::exclamation}; }

}  // namespace

std::variant<SplitPage, Notice> splitPage(std::string_view page, const std::string& path) {
  const std::size_t start = page.find(startMarker);
  if (start == std::string_view::npos) {
    return problem("There is no Ornix File in \r\n" + path + "\r\n\r\n    ...or it has been corrupted.");
  }
  const std::size_t end = page.find(endMarker, start);
  if (end == std::string_view::npos) {
    return problem("ORNX has been altered,\r\nand cannot be edited in its present state.");
  }
  const std::size_t blockEnd = end + endComment.size();
  if (blockEnd > page.size()) return problem("ORNX end comment is cut short,\r\nso nothing was loaded.");
  return SplitPage{std::string(page.substr(0, start)), std::string(page.substr(start, blockEnd - start)),
                   std::string(page.substr(blockEnd))};
}

std::string imageSource(std::string_view block) {
  const std::size_t tag = block.find(imageTag);
  if (tag == std::string_view::npos) return {};
  const std::size_t from = tag + imageTag.size();
  const std::size_t quote = block.find('"', from);
  return std::string(block.substr(from, quote == std::string_view::npos ? std::string_view::npos : quote - from));
}

}  // namespace ornix
