#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tessarine {

// Decodes UTF-8 into out as wide characters, at most capacity - 1 of them, and terminates it.
// Malformed bytes become U+FFFD; a character that does not fit whole is left out.
void utf8ToWide(std::string_view text, wchar_t* out, std::size_t capacity);

// Encodes wide characters as UTF-8; values that are not characters become U+FFFD.
std::string wideToUtf8(std::wstring_view text);

} // namespace tessarine
