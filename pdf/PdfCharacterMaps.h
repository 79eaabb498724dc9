#pragma once

#include <QByteArray>

// Qt's PDF writer tells readers which character each glyph stands for by taking the
// first code point, in code order, that the font maps to the glyph. Chinese, Japanese
// and Korean faces give a radical and the ideograph it is (U+2F20 and U+58EB) one
// glyph, so text copied or searched in the file read radicals: "富士山" became "富⼠⼭".
namespace PdfCharacterMaps {

// How Qt's writer starts every character map.
inline constexpr char mapStart[] = "/CIDInit /ProcSet findresource begin\n";

// The character map with every glyph that stood for a radical standing for the
// ideograph instead, in exactly as many bytes (both are four hexadecimal digits).
QByteArray withIdeographs(const QByteArray& map);

} // namespace PdfCharacterMaps
