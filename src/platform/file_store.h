#pragma once

#include <optional>
#include <string>

namespace ornix {

// Writes a whole file or nothing: the old file is replaced only once every byte
// of the new one is on disk. The system's reason when it could not be written.
std::optional<std::string> writeWholeFile(const std::string& path, const std::string& bytes);

// Every byte of a file; nothing when it cannot be opened or read.
std::optional<std::string> readWholeFile(const std::string& path);

}  // namespace ornix
