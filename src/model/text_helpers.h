#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace ornix {

// The n-th field, counted from 1, of a text split by "," (comma true) or by "|".
// Asking past the last field wraps round: of k fields, field k + 1 is field 1.
// A field number below 1 gives field 1.
std::string fieldOf(std::string_view text, std::int16_t n, bool comma);

// The number of "|" in a coordinate text: k numbers have k - 1 bars. Counted
// wide, so polygons of any size are measured.
std::size_t countBars(std::string_view text);

// The file name at the end of a path: after the last "/" if there is one,
// else after the last "\", else the whole path.
std::string fileNameOf(std::string_view path);

}  // namespace ornix
