#include "image_header.h"

#include <cstring>

namespace ornix {
namespace {

// A little-endian 16-bit number at `pos`, as makeWord takes it.
std::optional<std::int16_t> wordAt(ByteWindow& bytes, std::uint64_t lowPos, std::uint64_t highPos) {
  const std::optional<std::uint8_t> low = bytes.at(lowPos);
  const std::optional<std::uint8_t> high = bytes.at(highPos);
  if (!low || !high) return std::nullopt;
  return makeWord(*low, *high);
}

// Width and height at the given little-endian offsets, and the depth byte as given.
ImageInfo readHeader(ByteWindow& bytes, ImageKind kind, std::uint64_t widthAt, std::uint64_t heightAt,
                     std::optional<std::uint8_t> depth) {
  const std::optional<std::int16_t> width = wordAt(bytes, widthAt, widthAt + 1);
  const std::optional<std::int16_t> height = wordAt(bytes, heightAt, heightAt + 1);
  if (!width || !height || !depth) return {};
  return {kind, *width, *height, *depth};
}

bool isFrameMarker(std::uint8_t code) { return code >= 0xC0 && code <= 0xC3; }

// Whether one of the 64 bytes from `at` is 0xFF followed by 0xD8 (so the byte
// after them is read too). One loop of fixed length, which the compiler turns
// into comparisons of 16 bytes at a time.
bool holdsStartPair(const std::uint8_t* at) {
  std::uint8_t pairs = 0;
  for (std::size_t i = 0; i < 64; ++i) pairs |= static_cast<std::uint8_t>((at[i] == 0xFF) & (at[i + 1] == 0xD8));
  return pairs != 0;
}

// The first 0xFF from `from` (before `end`) on that may begin a start marker:
// one followed by 0xD8, or one too near the end to tell. Runs of 64 bytes
// without such a pair are passed in one step each, so noise full of 0xFF
// bytes is searched about as fast as bytes without them.
const std::uint8_t* nextStartCandidate(const std::uint8_t* from, const std::uint8_t* end) {
  while (end - from > 64 && !holdsStartPair(from)) from += 64;
  // The pair is among the next 64 bytes, or fewer than 65 are left. `from` is
  // before `end`, and so is each 0xFF passed over, with a byte after it.
  for (const std::uint8_t* at = from;; ++at) {
    at = static_cast<const std::uint8_t*>(std::memchr(at, 0xFF, static_cast<std::size_t>(end - at)));
    if (at == nullptr) return nullptr;
    if (end - at < 2 || at[1] == 0xD8) return at;
  }
}

// The frame header whose marker code stands at `p`: height before width, big-endian.
ImageInfo readFrameHeader(ByteWindow& bytes, std::uint64_t p) {
  const std::optional<std::int16_t> height = wordAt(bytes, p + 5, p + 4);
  const std::optional<std::int16_t> width = wordAt(bytes, p + 7, p + 6);
  const std::optional<std::uint8_t> components = bytes.at(p + 8);
  if (!height || !width || !components || *components > 31) return {};
  return {ImageKind::jpeg, *width, *height, static_cast<std::uint8_t>(*components * 8)};
}

}  // namespace

std::optional<std::int16_t> makeWord(std::uint8_t low, std::uint8_t high) {
  if (high >= 0x80) return std::nullopt;
  return static_cast<std::int16_t>(high * 256 + low);
}

ImageInfo readGif(ByteWindow& bytes) {
  const std::optional<std::uint8_t> packed = bytes.at(10);
  std::optional<std::uint8_t> depth;
  if (packed) depth = static_cast<std::uint8_t>((*packed & 7) + 1);
  return readHeader(bytes, ImageKind::gif, 6, 8, depth);
}

ImageInfo readBmp(ByteWindow& bytes) { return readHeader(bytes, ImageKind::bmp, 18, 22, bytes.at(28)); }

// Searches each block the window holds as it stands; only a marker that runs
// over a block's end is checked through the window, which may then read on.
std::int64_t findJpgStart(ByteWindow& bytes) {
  std::uint64_t pos = 0;
  for (;;) {
    const std::span<const std::uint8_t> block = bytes.from(pos);
    if (block.empty()) return -1;
    const std::uint8_t* const begin = block.data();
    const std::uint8_t* const end = begin + block.size();
    const std::uint8_t* at = nextStartCandidate(begin, end);
    for (; at != nullptr && end - at >= 3; at = nextStartCandidate(at + 1, end)) {
      if (at[1] == 0xD8 && at[2] == 0xFF)
        return static_cast<std::int64_t>(pos + static_cast<std::uint64_t>(at - begin));
    }
    if (at == nullptr) {
      pos += block.size();
      continue;
    }
    const std::uint64_t s = pos + static_cast<std::uint64_t>(at - begin);
    if (bytes.at(s + 1) == 0xD8 && bytes.at(s + 2) == 0xFF) return static_cast<std::int64_t>(s);
    pos = s + 1;
  }
}

ImageInfo readJpg(ByteWindow& bytes, std::uint64_t start) {
  std::uint64_t p = start + 2;
  while (p < bytes.size()) {
    const std::optional<std::uint8_t> code = bytes.at(p);
    if (!code) return {};
    if (*code == 0xFF) {
      p += 1;  // a marker prefix or a fill byte
    } else if (isFrameMarker(*code)) {
      return readFrameHeader(bytes, p);
    } else {
      // Any other code opens a segment whose length counts its own two bytes;
      // p + length + 1 is the 0xFF of the next marker.
      const std::optional<std::int16_t> length = wordAt(bytes, p + 2, p + 1);
      if (!length) return {};
      p += static_cast<std::uint64_t>(*length) + 1;
    }
  }
  return {};
}

Notice pngRefusal() { return {"SORRY...", "PNG images are not yet supported by Ornix", NoticeIcon::none}; }

Measurement measureImageBytes(ByteWindow& bytes) {
  const std::optional<std::uint8_t> b0 = bytes.at(0);
  const std::optional<std::uint8_t> b1 = bytes.at(1);
  const std::optional<std::uint8_t> b2 = bytes.at(2);
  if (b0 == 0x89 && b1 == 'P' && b2 == 'N') return {{}, true};
  ImageInfo result;
  if (b0 == 'G' && b1 == 'I' && b2 == 'F') {
    if (const ImageInfo gif = readGif(bytes); gif.measured()) result = gif;
  }
  if (b0 == 'B' && b1 == 'M') {
    if (const ImageInfo bmp = readBmp(bytes); bmp.measured()) result = bmp;
  }
  if (!result.measured()) {
    const std::int64_t start = findJpgStart(bytes);
    if (start >= 0) result = readJpg(bytes, static_cast<std::uint64_t>(start));
  }
  return {result, false};
}

Measurement measureImage(const std::string& path) {
  FileByteSource file(path);
  if (!file.isOpen()) return {};
  ByteWindow bytes(file);
  return measureImageBytes(bytes);
}

}  // namespace ornix
