#pragma once

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace ornix {

// Random access to a run of bytes: a file, or memory in tests and fuzzing.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual std::uint64_t size() const = 0;
  // Copies up to into.size() bytes from `offset`; fewer only at the end or on a read error.
  virtual std::size_t readAt(std::uint64_t offset, std::span<std::uint8_t> into) = 0;
};

// A regular file opened for binary reading, closed when this object goes.
// Folders, devices and missing files do not open.
class FileByteSource final : public ByteSource {
 public:
  explicit FileByteSource(const std::string& path);
  bool isOpen() const { return stream.is_open(); }
  std::uint64_t size() const override { return fileSize; }
  std::size_t readAt(std::uint64_t offset, std::span<std::uint8_t> into) override;

 private:
  std::ifstream stream;
  std::uint64_t fileSize = 0;
};

class MemoryByteSource final : public ByteSource {
 public:
  explicit MemoryByteSource(std::span<const std::uint8_t> bytes) : bytes(bytes) {}
  std::uint64_t size() const override { return bytes.size(); }
  std::size_t readAt(std::uint64_t offset, std::span<std::uint8_t> into) override;

 private:
  std::span<const std::uint8_t> bytes;
};

// Reads a source in a few large blocks instead of byte by byte. The first block
// is small (a header walk rarely needs more); each further block doubles, up to
// a cap, so a scan through a large file costs a handful of reads.
class ByteWindow {
 public:
  static constexpr std::size_t defaultFirstBlock = std::size_t{64} * 1024;
  static constexpr std::size_t largestBlock = std::size_t{256} * 1024;

  explicit ByteWindow(ByteSource& source, std::size_t firstBlock = defaultFirstBlock);

  std::uint64_t size() const { return source.size(); }
  // The byte at `pos`; nothing past the end or when the read fails.
  std::optional<std::uint8_t> at(std::uint64_t pos);
  // The bytes from `pos` on that one block holds; empty past the end or on a read error.
  std::span<const std::uint8_t> from(std::uint64_t pos);

 private:
  bool holds(std::uint64_t pos) const { return pos >= base && pos - base < length; }
  bool load(std::uint64_t pos);

  ByteSource& source;
  std::unique_ptr<std::uint8_t[]> buffer;
  std::size_t capacity = 0;
  std::size_t nextBlock;
  std::uint64_t base = 0;
  std::size_t length = 0;
};

}  // namespace ornix
