#pragma once

#include <string>
#include <string_view>

namespace ornix {

// The character encoding of a page's bytes, by the name browsers know it by
// ("utf-8", "windows-1252", "shift_jis", "utf-16le", ...), found as browsers
// find it: a byte order mark; else the charset of a <meta charset> or of a
// Content-Type <meta http-equiv> in the first 1024 bytes; else, for a page
// that names none, UTF-8 where its bytes are UTF-8 with any above 127, as
// browsers take a file of the disk, and windows-1252 otherwise.
std::string pageCharset(std::string_view page);

// Whether a page's bytes are in UTF-16, whose tags are no bytes of the
// tokenizer's: such a page cannot be read.
bool isUtf16(std::string_view charset);

}  // namespace ornix
