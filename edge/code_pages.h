// Conversions between the Windows code pages the programs speak (1251 for
// files and arguments, 866 for the console) and the UTF-8 of a POSIX host.
#pragma once

#include <string>
#include <string_view>

namespace edge {

// Windows-1251 bytes to UTF-8. Every byte has a form, so this cannot fail;
// the one byte 1251 leaves undefined (0x98) becomes U+0098.
std::string Cp1251ToUtf8(std::string_view text);

// UTF-8 to Windows-1251. A character with no 1251 form becomes '?'. False,
// with `*out` untouched, when `text` is not valid UTF-8.
bool Utf8ToCp1251(std::string_view text, std::string* out);

// Code page 866 bytes to UTF-8, as a code page 866 console shows them.
std::string Cp866ToUtf8(std::string_view text);

}  // namespace edge
