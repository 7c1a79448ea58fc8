#pragma once

#include <string>
#include <string_view>

namespace ornix {

// The last four characters of a path in lower case, which tell its kind.
std::string extensionOf(std::string_view path);

// Whether a file of this kind holds a map block to open: a page, a text or
// an ORNX map file.
bool holdsMapBlock(std::string_view extension);

// Whether a page of this kind can have a map read from it saved back into it.
bool savesBackIntoPage(std::string_view extension);

// The patterns the Open dialog offers for pages and texts, by ";".
std::string pageAndTextPatterns();

}  // namespace ornix
