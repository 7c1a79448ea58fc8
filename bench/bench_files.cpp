#include "bench_files.h"

#include <unistd.h>
#include <fstream>
#include <random>

#include "support/image_bytes.h"

namespace ornix::bench {
namespace {

using test::operator+;

// Random bytes in which no start-of-image marker (FF D8) can be found.
Bytes noise(std::size_t size, std::uint32_t seed) {
  std::mt19937 random(seed);
  Bytes bytes(size);
  for (auto& byte : bytes) byte = static_cast<std::uint8_t>(random());
  for (std::size_t i = 1; i < size; ++i) {
    if (bytes[i - 1] == 0xFF && bytes[i] == 0xD8) bytes[i] = 0;
  }
  return bytes;
}

Bytes segment(std::uint8_t code, std::size_t payload) { return test::jpegSegment(code, payload, 0x20); }

// A camera-like JPEG of 6000 x 4000: JFIF, the given application segments,
// tables, the frame header, then a large run of scan data.
Bytes cameraJpeg(const Bytes& applicationSegments) {
  return Bytes{0xFF, 0xD8} + segment(0xE0, 14) + applicationSegments + segment(0xDB, 130) + segment(0xC4, 416) +
         test::jpegFrame(0xC0, 6000, 4000) + segment(0xDA, 10) + noise(4 << 20, 7) + Bytes{0xFF, 0xD9};
}

Bytes gif(std::uint16_t width, std::uint16_t height) { return test::gifHeader(width, height) + noise(500 << 10, 3); }

Bytes bmp(std::uint16_t width, std::uint16_t height) {
  return test::bmpHeader(width, height) + noise(std::size_t{width} * height * 3, 5);
}

}  // namespace

BenchFiles::BenchFiles()
    : folder(std::filesystem::temp_directory_path() / ("ornix-bench-" + std::to_string(::getpid()))) {
  std::filesystem::create_directories(folder);
  // One 60 KB EXIF segment is longer than a 16-bit signed length: the walk stops
  // there unmeasured. The same 60 KB in two segments is walked through.
  write("jpeg_6000x4000_app1_60k", cameraJpeg(segment(0xE1, 60 << 10)));
  write("jpeg_6000x4000_app1_2x30k", cameraJpeg(segment(0xE1, 30 << 10) + segment(0xE2, 30 << 10)));
  write("gif_1000x800", gif(1000, 800));
  write("bmp_1000x800", bmp(1000, 800));
  write("junk_1mb_then_jpeg", noise(1 << 20, 11) + cameraJpeg(segment(0xE1, 2000)));
  write("no_marker_50mb", noise(50 << 20, 13));
}

BenchFiles::~BenchFiles() {
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
}

void BenchFiles::write(const std::string& name, const Bytes& bytes) {
  const std::filesystem::path path = folder / name;
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  written.push_back({name, path.string(), bytes.size()});
}

}  // namespace ornix::bench
