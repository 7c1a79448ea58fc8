#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "byte_window.h"
#include "notice.h"

namespace ornix {

enum class ImageKind : std::uint8_t { gif = 2, jpeg = 3, bmp = 4, none = 255 };

// One measurement of an image file. A fresh record, and every failure, is
// kind none with zeros.
struct ImageInfo {
  ImageKind kind = ImageKind::none;
  std::int32_t width = 0;   // 0..32767
  std::int32_t height = 0;  // 0..32767
  std::uint8_t depth = 0;   // bits per pixel as the header gives it

  bool measured() const { return kind != ImageKind::none; }
  friend bool operator==(const ImageInfo&, const ImageInfo&) = default;
};

// A measurement, or the refusal of a PNG, which the caller explains with
// pngRefusal(): the map writer needs a picture whose header it can measure.
struct Measurement {
  ImageInfo info;
  bool refusedPng = false;
};

// Measures the image file at `path` from its header without decoding it:
// GIF and BMP from their file headers, JPEG from its first frame header, found
// wherever its start-of-image marker stands in the file. Anything unreadable
// comes back unmeasured.
Measurement measureImage(const std::string& path);

// The same measurement over bytes already open.
Measurement measureImageBytes(ByteWindow& bytes);

Notice pngRefusal();

ImageInfo readGif(ByteWindow& bytes);
ImageInfo readBmp(ByteWindow& bytes);
// The first offset of FF D8 FF (start of image and the next marker's prefix), or -1.
std::int64_t findJpgStart(ByteWindow& bytes);
ImageInfo readJpg(ByteWindow& bytes, std::uint64_t start);

// high * 256 + low as a signed 16-bit value; nothing when high is 0x80 or more.
std::optional<std::int16_t> makeWord(std::uint8_t low, std::uint8_t high);

}  // namespace ornix
