// Windows-1252 to and from UTF-8. Bytes 0xA0 to 0xFF are U+00A0 to U+00FF;
// 0x80 to 0x9F are the table below (0 where the code page defines nothing).
#include "platform/CodePage1252.h"

#include <cstdint>

#include "platform/WindowsPath.h"

namespace qv::platform {
namespace {

const std::uint16_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,       // 0x88
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,  // 0x98
};

bool IsAscii(const std::string& text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

void AppendUtf8(std::uint32_t code, std::string& out) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

/// The byte of a character, or -1 when the code page lacks it.
int ByteOf(std::uint32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<int>(code);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] != 0 && kHigh[i] == code) return 0x80 + i;
    return -1;
}

/// Decodes one character of one to three bytes (no 1252 character needs
/// more); false for anything else, overlong forms and surrogates included.
bool Decode(const std::string& text, std::size_t& i, std::uint32_t& code) {
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = 0;
    if (lead < 0x80) {
        code = lead;
        length = 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        code = lead & 0x1F;
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        code = lead & 0x0F;
        length = 3;
    } else {
        return false;
    }
    if (i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return false;
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    if (length == 3 && (code < 0x800 || (code >= 0xD800 && code <= 0xDFFF))) return false;
    i += length;
    return true;
}

}  // namespace

bool Cp1252ToUtf8(const std::string& text, std::string& out, unsigned char* undefinedByte) {
    if (IsAscii(text)) {
        out = text;
        return true;
    }
    std::string result;
    result.reserve(text.size() + text.size() / 2);
    for (char c : text) {
        const unsigned char b = static_cast<unsigned char>(c);
        const bool high = b >= 0x80 && b < 0xA0;
        const std::uint32_t code = high ? kHigh[b - 0x80] : b;
        if (high && code == 0) {
            if (undefinedByte) *undefinedByte = b;
            return false;
        }
        AppendUtf8(code, result);
    }
    out = std::move(result);
    return true;
}

bool Utf8ToCp1252(const std::string& text, std::string& out) {
    if (IsAscii(text)) {
        out = text;
        return true;
    }
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        std::uint32_t code = 0;
        if (!Decode(text, i, code)) return false;
        const int b = ByteOf(code);
        if (b < 0) return false;
        result += static_cast<char>(b);
    }
    out = std::move(result);
    return true;
}

bool HostNameToSuite(const std::string& hostName, std::string& suiteName) {
    return !HasControlCharacter(hostName) && Utf8ToCp1252(hostName, suiteName);
}

}  // namespace qv::platform
