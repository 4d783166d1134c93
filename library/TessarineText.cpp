#include "TessarineText.h"

#include <cstdint>

namespace tessarine {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Reads one code point at text[pos] and advances pos past it.
char32_t decodeOne(std::string_view text, std::size_t& pos)
{
    const auto lead = static_cast<std::uint8_t>(text[pos++]);
    if (lead < 0x80)
        return lead;
    std::size_t extra = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        cp = lead & 0x07;
        minimum = 0x10000;
    } else {
        return kReplacement;
    }
    for (std::size_t i = 0; i < extra; ++i) {
        if (pos >= text.size())
            return kReplacement;
        const auto next = static_cast<std::uint8_t>(text[pos]);
        if ((next & 0xC0) != 0x80)
            return kReplacement;
        cp = (cp << 6) | (next & 0x3F);
        ++pos;
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return kReplacement;
    return cp;
}

} // namespace

void utf8ToWide(std::string_view text, wchar_t* out, std::size_t capacity)
{
    if (capacity == 0)
        return;
    std::size_t used = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char32_t cp = decodeOne(text, pos);
        if constexpr (sizeof(wchar_t) == 2) {
            if (cp > 0xFFFF) {
                if (used + 2 > capacity - 1)
                    break;
                const char32_t v = cp - 0x10000;
                out[used++] = static_cast<wchar_t>(0xD800 + (v >> 10));
                out[used++] = static_cast<wchar_t>(0xDC00 + (v & 0x3FF));
                continue;
            }
        }
        if (used + 1 > capacity - 1)
            break;
        out[used++] = static_cast<wchar_t>(cp);
    }
    out[used] = L'\0';
}

std::string wideToUtf8(std::wstring_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        auto c = static_cast<std::uint32_t>(text[i]);
        // Pairs of surrogates (two-byte wchar_t platforms) make one character.
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size()) {
            const auto low = static_cast<std::uint32_t>(text[i + 1]);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)
            c = 0xFFFD;
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

} // namespace tessarine
