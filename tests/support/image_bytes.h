#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace ornix::test {

using Bytes = std::vector<std::uint8_t>;

inline Bytes operator+(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// A 16-bit number's two bytes, low byte first (GIF, BMP) or high byte first (JPEG).
inline Bytes littleEndian(std::uint32_t number) {
  return {static_cast<std::uint8_t>(number & 0xFF), static_cast<std::uint8_t>((number >> 8) & 0xFF)};
}
inline Bytes bigEndian(std::uint32_t number) {
  return {static_cast<std::uint8_t>((number >> 8) & 0xFF), static_cast<std::uint8_t>(number & 0xFF)};
}

// A GIF header: signature, version, little-endian screen size and the packed byte.
inline Bytes gifHeader(std::uint16_t width, std::uint16_t height, std::uint8_t packed = 0xF7) {
  return Bytes{'G', 'I', 'F', '8', '9', 'a'} + littleEndian(width) + littleEndian(height) + Bytes{packed, 0, 0};
}

// A BMP file header and information header up to the bits-per-pixel field.
inline Bytes bmpHeader(std::int32_t width, std::int32_t height, std::uint8_t bitsPerPixel = 24) {
  Bytes bytes(54, 0);
  bytes[0] = 'B';
  bytes[1] = 'M';
  bytes[14] = 40;
  for (std::size_t i = 0; i < 4; ++i) {
    bytes[18 + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(width) >> (8 * i));
    bytes[22 + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(height) >> (8 * i));
  }
  bytes[26] = 1;
  bytes[28] = bitsPerPixel;
  return bytes;
}

// A JPEG segment: FF, the marker code, a big-endian length that counts itself, the payload.
inline Bytes jpegSegment(std::uint8_t code, std::size_t payloadSize, std::uint8_t fill = 0) {
  return Bytes{0xFF, code} + bigEndian(static_cast<std::uint32_t>(payloadSize + 2)) + Bytes(payloadSize, fill);
}

// A frame header segment: precision, height, width (both big-endian), component count.
inline Bytes jpegFrame(std::uint8_t code, std::uint16_t width, std::uint16_t height, std::uint8_t components = 3) {
  Bytes bytes = Bytes{0xFF, code, 0, 17, 8} + bigEndian(height) + bigEndian(width) + Bytes{components};
  bytes.resize(19, 0);
  return bytes;
}

inline const Bytes jpegStart{0xFF, 0xD8};

// A JPEG laid out as cameras write it: APP0, a quantisation table, a Huffman
// table (0xC4, not a frame), then the baseline frame header.
inline Bytes typicalJpeg(std::uint16_t width, std::uint16_t height) {
  return jpegStart + jpegSegment(0xE0, 14) + jpegSegment(0xDB, 65) + jpegSegment(0xC4, 29) +
         jpegFrame(0xC0, width, height) + Bytes{0xFF, 0xD9};
}

// A new folder of its own, removed with everything in it when the test ends.
class TempDir {
 public:
  TempDir() {
    std::random_device random;
    do {
      path = std::filesystem::temp_directory_path() / ("ornix-test-" + std::to_string(random()));
    } while (!std::filesystem::create_directories(path));
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  std::string write(const std::string& name, const Bytes& bytes) const {
    const std::filesystem::path file = path / name;
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return file.string();
  }

  std::filesystem::path path;
};

// A path spelt with the platform's preferred separators: Qt gives Windows
// paths with "/", std::filesystem with "\".
inline std::string nativePath(const std::filesystem::path& path) {
  return std::filesystem::path(path).make_preferred().string();
}

// A whole file's bytes; empty when it cannot be read.
inline std::string contents(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace ornix::test
