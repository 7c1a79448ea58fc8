#pragma once

#include <string>
#include <string_view>

namespace ornix {

// The parts of a path by the platform's own rules: on Windows "\", "/" and a
// drive's ":" end a folder; elsewhere only "/" does, and "\" and ":" are
// characters of a name like any other.

// The file name at the end of a path; empty when the path ends in a separator.
std::string fileNameOf(std::string_view path);

// The folder of a path with its trailing separator, as written; empty for a bare name.
std::string folderOf(std::string_view path);

}  // namespace ornix
