#include "byte_window.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace ornix {

FileByteSource::FileByteSource(const std::string& path) {
  std::error_code error;
  const std::filesystem::path file(path);
  if (!std::filesystem::is_regular_file(file, error)) return;
  fileSize = std::filesystem::file_size(file, error);
  if (error) return;
  // Unbuffered: the window above already reads in large blocks.
  stream.rdbuf()->pubsetbuf(nullptr, 0);
  stream.open(file, std::ios::binary);
}

std::size_t FileByteSource::readAt(std::uint64_t offset, std::span<std::uint8_t> into) {
  if (!stream.is_open() || offset >= fileSize) return 0;
  stream.clear();
  stream.seekg(static_cast<std::streamoff>(offset));
  stream.read(reinterpret_cast<char*>(into.data()), static_cast<std::streamsize>(into.size()));
  const std::streamsize got = stream.gcount();
  return got > 0 ? static_cast<std::size_t>(got) : 0;
}

std::size_t MemoryByteSource::readAt(std::uint64_t offset, std::span<std::uint8_t> into) {
  if (offset >= bytes.size()) return 0;
  const std::size_t count = std::min<std::size_t>(into.size(), bytes.size() - offset);
  std::memcpy(into.data(), bytes.data() + offset, count);
  return count;
}

ByteWindow::ByteWindow(ByteSource& source, std::size_t firstBlock)
    : source(source), nextBlock(std::max<std::size_t>(firstBlock, 1)) {}

std::optional<std::uint8_t> ByteWindow::at(std::uint64_t pos) {
  if (!holds(pos) && !load(pos)) return std::nullopt;
  return buffer[pos - base];
}

std::span<const std::uint8_t> ByteWindow::from(std::uint64_t pos) {
  if (!holds(pos) && !load(pos)) return {};
  const std::size_t offset = static_cast<std::size_t>(pos - base);
  return {buffer.get() + offset, length - offset};
}

bool ByteWindow::load(std::uint64_t pos) {
  if (pos >= source.size()) return false;
  const std::size_t block = static_cast<std::size_t>(std::min<std::uint64_t>(nextBlock, source.size() - pos));
  if (block > capacity) {
    buffer = std::make_unique_for_overwrite<std::uint8_t[]>(block);
    capacity = block;
  }
  if (nextBlock < largestBlock) nextBlock = std::min(nextBlock * 2, largestBlock);
  base = pos;
  length = source.readAt(pos, {buffer.get(), block});
  return length > 0;
}

}  // namespace ornix
