#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "model/responsive_page.h"

namespace ornix {

// The program keeps every text as bytes in the system's 8-bit code page and
// turns them into QString only to show them. Bytes that are not valid in that
// code page (a Latin-1 page opened on a UTF-8 system) are shown as Latin-1.
QString toDisplay(std::string_view bytes);

// The bytes of a text the user has seen and may have edited. Shown from
// `original` and left as it was, it gives back exactly `original`.
std::string fromDisplay(const QString& text, std::string_view original);

// An attribute value of a map as the editing shows it: its character
// references decoded ("Ring &quot;one&quot;" shows as Ring "one").
QString valueToDisplay(std::string_view value);

// The value to write for a text the user has seen as `original` was shown
// and may have edited: `original` itself when the text is as shown; else the
// text made safe between double quotes, each character the code page lacks
// written as a numeric reference, so that it shows again exactly as typed.
std::string valueFromDisplay(const QString& text, std::string_view original);

// The code page the program's texts are in, as a page's head names it, and
// the language of the system ("" when it has none). It lives as long as the program.
const PageLocale& systemPageLocale();

}  // namespace ornix
