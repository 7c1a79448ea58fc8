// Measures any bytes as an image file. Besides crashes, hangs and reads out of
// bounds, it catches a result that depends on how the file is read in blocks,
// or that leaves the ranges a measurement can have.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "model/image_info.h"

namespace {

class CountingNotifier final : public ornix::Notifier {
 public:
  void showNote(const ornix::Note&) override { ++notes; }
  int notes = 0;
};

ornix::ImageInfo measure(std::span<const std::uint8_t> bytes, std::size_t firstBlock, int& notes) {
  ornix::MemoryByteSource source(bytes);
  ornix::ByteWindow window(source, firstBlock);
  CountingNotifier notifier;
  const ornix::ImageInfo info = ornix::measureImage(window, notifier);
  notes = notifier.notes;
  return info;
}

bool inRange(const ornix::ImageInfo& info) {
  if (!info.measured()) return info == ornix::ImageInfo{};
  return info.width >= 0 && info.width <= 32767 && info.height >= 0 && info.height <= 32767;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  int notesWhole = 0;
  int notesSmall = 0;
  const ornix::ImageInfo whole = measure(bytes, ornix::ByteWindow::defaultFirstBlock, notesWhole);
  const ornix::ImageInfo small = measure(bytes, 3, notesSmall);
  if (!(whole == small) || notesWhole != notesSmall || notesWhole > 1 || !inRange(whole)) std::abort();
  return 0;
}
