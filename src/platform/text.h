#pragma once
// Windows-1252 is the core's text encoding; these convert at the edges (terminal, Qt, file paths).

#include <string>
#include <string_view>

namespace edbs {

// Every byte maps to one code point; the five bytes that Windows-1252 leaves undefined map to the
// C1 controls of the same value, as Windows does, so the conversion never loses a byte.
std::string Cp1252ToUtf8(std::string_view text);

// Code points without a Windows-1252 byte become '?'. Invalid UTF-8 bytes are taken as Latin-1.
std::string Utf8ToCp1252(std::string_view text);

// Unicode code point of one Windows-1252 byte, and back (-1 when there is none).
char32_t Cp1252ToCodePoint(unsigned char byte);
int CodePointToCp1252(char32_t cp);

// A path as the file system names it (UTF-8 bytes on Linux) turned into core text for messages,
// the load screen and the export.
std::string NativePathToText(std::string_view path);

}  // namespace edbs
