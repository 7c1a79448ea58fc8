#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "model/responsive_page.h"

namespace ornix {

// The program keeps every text as bytes in the system's 8-bit code page, or
// those of a page in the page's own `charset` (its name as browsers know it;
// empty for the system's), and turns them into QString only to show them.
// Bytes not valid in their code page (a Latin-1 page opened on a UTF-8
// system), or in a code page this system lacks, are shown as Latin-1.
QString toDisplay(std::string_view bytes, std::string_view charset = {});

// The bytes of a text the user has seen and may have edited. Shown from
// `original` and left as it was, it gives back exactly `original`.
std::string fromDisplay(const QString& text, std::string_view original);

// An attribute value of a map as the editing shows it: its character
// references decoded ("Ring &quot;one&quot;" shows as Ring "one").
QString valueToDisplay(std::string_view value, std::string_view charset = {});

// The value to write for a text the user has seen as `original` was shown
// and may have edited: `original` itself when the text is as shown; else the
// text made safe between double quotes, each character the code page lacks
// written as a numeric reference, so that it shows again exactly as typed.
std::string valueFromDisplay(const QString& text, std::string_view original, std::string_view charset = {});

// The code page the program's texts are in, as a page's head names it, and
// the language of the system ("" when it has none). It lives as long as the program.
const PageLocale& systemPageLocale();

}  // namespace ornix
