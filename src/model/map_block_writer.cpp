#include "map_block_writer.h"

#include <initializer_list>

#include "map_block_format.h"

namespace ornix {
namespace {

constexpr std::string_view imgOpening = "<img src=\"";
constexpr std::string_view areaClosing = "\">";
constexpr std::string_view mapClosing = "</MAP>";
constexpr std::string_view htmlPageTop =
    "<HTML>\r\n<HEAD>\r\n<TITLE></TITLE>\r\n</HEAD>\r\n<BODY>\r\n";
constexpr std::string_view htmlPageBottom = "\r\n</BODY>\r\n</HTML>";

std::size_t blockSize(std::string_view prefix, std::string_view tail, std::string_view opening,
                      std::span<const std::string> areaTexts) {
  std::size_t size = startComment.size() + crlf.size() + imgOpening.size() + prefix.size() +
                     tail.size() + 2 * crlf.size() + opening.size() + crlf.size() +
                     mapClosing.size() + crlf.size() + endComment.size();
  for (const std::string& area : areaTexts) size += crlf.size() + area.size() + areaClosing.size();
  return size;
}

std::string joined(std::initializer_list<std::string_view> parts) {
  std::size_t size = 0;
  for (const std::string_view part : parts) size += part.size();
  std::string text;
  text.reserve(size);
  for (const std::string_view part : parts) text += part;
  return text;
}

}  // namespace

std::string writeMapBlock(std::string_view folderPrefix, std::string_view imageTagTail,
                          std::string_view mapOpening, std::span<const std::string> areaTexts) {
  std::string block;
  block.reserve(blockSize(folderPrefix, imageTagTail, mapOpening, areaTexts));
  block.append(startComment).append(crlf).append(imgOpening).append(folderPrefix);
  block.append(imageTagTail).append(crlf).append(crlf).append(mapOpening);
  for (const std::string& area : areaTexts) block.append(crlf).append(area).append(areaClosing);
  block.append(crlf).append(mapClosing).append(crlf).append(endComment);
  return block;
}

std::string buildMapBlock(const MapDocument& document, std::string_view folderPrefix) {
  return writeMapBlock(folderPrefix, document.imageTagTail(), document.mapOpening(),
                       document.areaList());
}

std::optional<std::string> buildOutput(const MapDocument& document, OutputKind kind,
                                       std::string_view folderPrefix) {
  const std::string block = buildMapBlock(document, folderPrefix);
  switch (kind) {
    case OutputKind::clipboard:
      return block;
    case OutputKind::mapFile:
    case OutputKind::textFile:
      return joined({block, crlf});
    case OutputKind::htmlPage:
      return joined({htmlPageTop, block, htmlPageBottom, crlf});
    case OutputKind::sourcePage:
      if (!document.hasSourcePage()) return std::nullopt;
      return joined({document.sourcePage()->htmlTop(), block, document.sourcePage()->htmlBot(), crlf});
  }
  return std::nullopt;
}

}  // namespace ornix
