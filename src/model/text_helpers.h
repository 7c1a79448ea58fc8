#pragma once

#include <string>
#include <string_view>

namespace ornix {

// The file name at the end of a path: after the last "/" if there is one,
// else after the last "\", else the whole path.
std::string fileNameOf(std::string_view path);

}  // namespace ornix
