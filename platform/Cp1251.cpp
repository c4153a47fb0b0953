#include "Cp1251.h"

#include "Utf8.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <unordered_map>

namespace cp1251 {
namespace {

// Unicode code points of bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F in order.
constexpr std::array<char32_t, 64> kHigh = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

char32_t ByteToCodePoint(unsigned char byte) {
    if (byte < 0x80) return byte;
    if (byte >= 0xC0) return 0x0410 + (byte - 0xC0);
    return kHigh[byte - 0x80];
}

const std::unordered_map<char32_t, unsigned char>& ReverseTable() {
    static const auto table = [] {
        std::unordered_map<char32_t, unsigned char> map;
        for (int b = 0x80; b <= 0xFF; ++b) {
            const char32_t cp = ByteToCodePoint(static_cast<unsigned char>(b));
            if (cp != 0xFFFD) map.emplace(cp, static_cast<unsigned char>(b));
        }
        return map;
    }();
    return table;
}

// Decodes one UTF-8 sequence at pos; a malformed byte decodes as U+FFFD and advances by one.
char32_t NextCodePoint(std::string_view s, size_t& pos) {
    const auto lead = static_cast<unsigned char>(s[pos]);
    int extra = 0;
    char32_t cp = 0;
    if (lead < 0x80) { ++pos; return lead; }
    if ((lead & 0xE0) == 0xC0) { extra = 1; cp = lead & 0x1F; }
    else if ((lead & 0xF0) == 0xE0) { extra = 2; cp = lead & 0x0F; }
    else if ((lead & 0xF8) == 0xF0) { extra = 3; cp = lead & 0x07; }
    else { ++pos; return 0xFFFD; }
    if (pos + extra >= s.size()) { ++pos; return 0xFFFD; }  // truncated sequence
    for (int i = 1; i <= extra; ++i) {
        const auto c = static_cast<unsigned char>(s[pos + i]);
        if ((c & 0xC0) != 0x80) { ++pos; return 0xFFFD; }
        cp = (cp << 6) | (c & 0x3F);
    }
    pos += extra + 1;
    return cp;
}

// Returns the 1251 byte of a code point, or -1 when it has none.
int CodePointToByte(char32_t cp) {
    if (cp < 0x80) return static_cast<int>(cp);
    if (cp >= 0x0410 && cp <= 0x044F) return static_cast<int>(0xC0 + (cp - 0x0410));
    const auto& table = ReverseTable();
    const auto it = table.find(cp);
    return it == table.end() ? -1 : it->second;
}

}  // namespace

std::string FromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t pos = 0; pos < utf8.size();) {
        const int byte = CodePointToByte(NextCodePoint(utf8, pos));
        out += byte < 0 ? '?' : static_cast<char>(byte);
    }
    return out;
}

std::string ToUtf8(std::string_view bytes) {
    // The UTF-8 form of every byte, made once: text read from the database passes here
    // field by field, row by row.
    struct Encoded {
        char bytes[3];
        unsigned char length;
    };
    static const std::array<Encoded, 256> kTable = [] {
        std::array<Encoded, 256> table{};
        for (int b = 0; b < 256; ++b) {
            std::string utf8;
            AppendUtf8(utf8, ByteToCodePoint(static_cast<unsigned char>(b)));
            utf8.copy(table[b].bytes, utf8.size());
            table[b].length = static_cast<unsigned char>(utf8.size());
        }
        return table;
    }();
    // ASCII, most of what the database holds, is the same in both encodings.
    const auto firstHigh = std::find_if(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) != 0; });
    std::string out;
    if (firstHigh == bytes.end()) {
        out.assign(bytes);
        return out;
    }
    size_t length = static_cast<size_t>(firstHigh - bytes.begin());
    for (auto it = firstHigh; it != bytes.end(); ++it) length += kTable[static_cast<unsigned char>(*it)].length;
    // Every byte writes all three places of its entry and moves on by its length; the two
    // places of room at the end are cut off again.
    out.resize(length + 2);
    char* next = std::copy(bytes.begin(), firstHigh, out.data());
    for (auto it = firstHigh; it != bytes.end(); ++it) {
        const Encoded& encoded = kTable[static_cast<unsigned char>(*it)];
        std::memcpy(next, encoded.bytes, 3);
        next += encoded.length;
    }
    out.resize(length);
    return out;
}

bool IsRepresentable(std::string_view utf8) {
    for (size_t pos = 0; pos < utf8.size();)
        if (CodePointToByte(NextCodePoint(utf8, pos)) < 0) return false;
    return true;
}

}  // namespace cp1251
