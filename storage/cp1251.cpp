#include "storage/cp1251.h"

#include <array>
#include <cstdint>

namespace quorbals {

namespace {

constexpr char32_t kUnassigned = 0xFFFD;

// Bytes 0x80..0xBF. The bytes 0xC0..0xFF need no table: they are
// U+0410..U+044F in order.
constexpr std::array<char32_t, 64> kUpperTable = {
    0x0402,      0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC,      0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    kUnassigned, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0,      0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401,      0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0,      0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451,      0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

void AppendUtf8(std::string& out, char32_t ch) {
    if (ch < 0x80) {
        out += static_cast<char>(ch);
    } else if (ch < 0x800) {
        out += static_cast<char>(0xC0 | (ch >> 6));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else if (ch < 0x10000) {
        out += static_cast<char>(0xE0 | (ch >> 12));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (ch >> 18));
        out += static_cast<char>(0x80 | ((ch >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    }
}

// Decodes one UTF-8 character at `pos` and moves past it. A malformed
// sequence (stray continuation, truncation, overlong form, surrogate, value
// beyond U+10FFFF) yields kUnassigned and skips one byte.
char32_t NextUtf8(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    int length = 0;
    char32_t ch = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        ch = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        ch = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        ch = lead & 0x07;
    } else {
        ++pos;
        return kUnassigned;
    }
    if (pos + length > text.size()) {
        ++pos;
        return kUnassigned;
    }
    for (int k = 1; k < length; ++k) {
        const auto b = static_cast<unsigned char>(text[pos + k]);
        if ((b & 0xC0) != 0x80) {
            ++pos;
            return kUnassigned;
        }
        ch = (ch << 6) | (b & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (ch < kSmallest[length] || ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF)) {
        ++pos;
        return kUnassigned;
    }
    pos += length;
    return ch;
}

}  // namespace

char32_t Cp1251ToUnicode(unsigned char byte) {
    if (byte < 0x80) {
        return byte;
    }
    if (byte >= 0xC0) {
        return 0x0410 + (byte - 0xC0);
    }
    return kUpperTable[byte - 0x80];
}

unsigned char UnicodeToCp1251(char32_t ch) {
    if (ch < 0x80) {
        return static_cast<unsigned char>(ch);
    }
    if (ch >= 0x0410 && ch <= 0x044F) {
        return static_cast<unsigned char>(0xC0 + (ch - 0x0410));
    }
    if (ch != kUnassigned) {
        for (std::size_t i = 0; i < kUpperTable.size(); ++i) {
            if (kUpperTable[i] == ch) {
                return static_cast<unsigned char>(0x80 + i);
            }
        }
    }
    return '?';
}

std::string DecodeCp1251(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char b : bytes) {
        AppendUtf8(out, Cp1251ToUnicode(static_cast<unsigned char>(b)));
    }
    return out;
}

std::string EncodeCp1251(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        out += static_cast<char>(UnicodeToCp1251(NextUtf8(utf8, pos)));
    }
    return out;
}

}  // namespace quorbals
