// Measures any bytes as an image file. Besides crashes, hangs and reads out of
// bounds, it catches a result that depends on how the file is read in blocks,
// or that leaves the ranges a measurement can have.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "model/image_header.h"

namespace {

ornix::Measurement measure(std::span<const std::uint8_t> bytes, std::size_t firstBlock) {
  ornix::MemoryByteSource source(bytes);
  ornix::ByteWindow window(source, firstBlock);
  return ornix::measureImageBytes(window);
}

bool inRange(const ornix::ImageInfo& info) {
  if (!info.measured()) return info == ornix::ImageInfo{};
  return info.width >= 0 && info.width <= 32767 && info.height >= 0 && info.height <= 32767;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  const ornix::Measurement whole = measure(bytes, ornix::ByteWindow::defaultFirstBlock);
  const ornix::Measurement small = measure(bytes, 3);
  if (!(whole.info == small.info) || whole.refusedPng != small.refusedPng || !inRange(whole.info)) std::abort();
  if (whole.refusedPng && whole.info.measured()) std::abort();
  return 0;
}
