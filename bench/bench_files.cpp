#include "bench_files.h"

#include <fstream>
#include <random>
#include <unistd.h>

namespace ornix::bench {
namespace {

Bytes operator+(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

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

Bytes segment(std::uint8_t code, std::size_t payload) {
  const std::size_t length = payload + 2;
  return Bytes{0xFF, code, static_cast<std::uint8_t>(length >> 8),
               static_cast<std::uint8_t>(length & 0xFF)} +
         Bytes(payload, 0x20);
}

Bytes frame(std::uint16_t width, std::uint16_t height) {
  Bytes bytes{0xFF, 0xC0, 0, 17, 8,
              static_cast<std::uint8_t>(height >> 8), static_cast<std::uint8_t>(height & 0xFF),
              static_cast<std::uint8_t>(width >> 8), static_cast<std::uint8_t>(width & 0xFF), 3};
  bytes.resize(19, 1);
  return bytes;
}

// A camera-like JPEG of 6000 x 4000: JFIF, the given application segments,
// tables, the frame header, then a large run of scan data.
Bytes cameraJpeg(const Bytes& applicationSegments) {
  return Bytes{0xFF, 0xD8} + segment(0xE0, 14) + applicationSegments + segment(0xDB, 130) +
         segment(0xC4, 416) + frame(6000, 4000) + segment(0xDA, 10) + noise(4 << 20, 7) +
         Bytes{0xFF, 0xD9};
}

Bytes gif(std::uint16_t width, std::uint16_t height) {
  return Bytes{'G', 'I', 'F', '8', '9', 'a',
               static_cast<std::uint8_t>(width & 0xFF), static_cast<std::uint8_t>(width >> 8),
               static_cast<std::uint8_t>(height & 0xFF), static_cast<std::uint8_t>(height >> 8),
               0xF7, 0, 0} +
         noise(500 << 10, 3);
}

Bytes bmp(std::uint16_t width, std::uint16_t height) {
  Bytes bytes(54, 0);
  bytes[0] = 'B';
  bytes[1] = 'M';
  bytes[18] = static_cast<std::uint8_t>(width & 0xFF);
  bytes[19] = static_cast<std::uint8_t>(width >> 8);
  bytes[22] = static_cast<std::uint8_t>(height & 0xFF);
  bytes[23] = static_cast<std::uint8_t>(height >> 8);
  bytes[28] = 24;
  return bytes + noise(std::size_t{width} * height * 3, 5);
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
