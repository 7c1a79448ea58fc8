#pragma once

#include <string>
#include <string_view>

namespace ornix {

// The marker comments around every map block. The writer puts them in; the
// reader finds the block by them and refuses a block without the signature.
inline constexpr std::string_view startComment =
    "<!-- Ornix start, DO NOT EDIT until after \"end Ornix\" comment, (except tag entries) "
    "if you wish to later import mapping into Ornix. -->";
inline constexpr std::string_view signatureComment =
    "<!-- Image map made with Ornix, Copyright Quillmere, https://quillmere.example/ornix/ -->";
inline constexpr std::string_view endComment = "<!-- end Ornix, safe to edit AFTER this line. -->";

// How the start and end comments begin, which is all a page is searched for.
inline constexpr std::string_view startMarker = "<!-- Ornix start";
inline constexpr std::string_view endMarker = "<!-- end Ornix";

// The reader splits a page this many characters after the "<" of the end comment.
static_assert(endComment.size() == 49);

// Lines of every text Ornix writes, and of its messages, end so.
inline const std::string crlf = "\r\n";

}  // namespace ornix
