#include "MD5.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "platform/Cp1251.h"

namespace {

constexpr std::uint32_t RotateLeft(std::uint32_t x, int n) { return (x << n) | (x >> (32 - n)); }

constexpr std::uint32_t F(std::uint32_t x, std::uint32_t y, std::uint32_t z) { return (x & y) | (~x & z); }
constexpr std::uint32_t G(std::uint32_t x, std::uint32_t y, std::uint32_t z) { return (x & z) | (y & ~z); }
constexpr std::uint32_t H(std::uint32_t x, std::uint32_t y, std::uint32_t z) { return x ^ y ^ z; }
constexpr std::uint32_t I(std::uint32_t x, std::uint32_t y, std::uint32_t z) { return y ^ (x | ~z); }

// Per-step shift amounts and sine-derived constants of the four rounds.
constexpr int kShift[64] = {7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22,
                            5, 9,  14, 20, 5, 9,  14, 20, 5, 9,  14, 20, 5, 9,  14, 20,
                            4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23,
                            6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21};
constexpr std::uint32_t kSine[64] = {
    0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501,
    0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821,
    0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8,
    0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a,
    0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70,
    0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665,
    0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
    0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391};

}  // namespace

void CMD5::Init() {
    std::memset(m_buffer, 0, sizeof m_buffer);
    m_count[0] = m_count[1] = 0;
    m_state[0] = 0x67452301;
    m_state[1] = 0xefcdab89;
    m_state[2] = 0x98badcfe;
    m_state[3] = 0x10325476;
}

void CMD5::Transform(const unsigned char block[64]) {
    std::uint32_t x[16];
    for (int i = 0; i < 16; ++i)
        x[i] = static_cast<std::uint32_t>(block[i * 4]) | (static_cast<std::uint32_t>(block[i * 4 + 1]) << 8) |
               (static_cast<std::uint32_t>(block[i * 4 + 2]) << 16) | (static_cast<std::uint32_t>(block[i * 4 + 3]) << 24);
    std::uint32_t a = m_state[0], b = m_state[1], c = m_state[2], d = m_state[3];
    for (int step = 0; step < 64; ++step) {
        std::uint32_t f = 0;
        int word = 0;
        switch (step / 16) {
            case 0: f = F(b, c, d); word = step; break;
            case 1: f = G(b, c, d); word = (5 * step + 1) % 16; break;
            case 2: f = H(b, c, d); word = (3 * step + 5) % 16; break;
            default: f = I(b, c, d); word = (7 * step) % 16; break;
        }
        const std::uint32_t next = b + RotateLeft(a + f + kSine[step] + x[word], kShift[step]);
        a = d;
        d = c;
        c = b;
        b = next;
    }
    m_state[0] += a;
    m_state[1] += b;
    m_state[2] += c;
    m_state[3] += d;
}

void CMD5::Update(const unsigned char* data, unsigned int length) {
    unsigned int index = (m_count[0] >> 3) & 0x3F;
    if ((m_count[0] += length << 3) < (length << 3)) ++m_count[1];
    m_count[1] += length >> 29;
    const unsigned int partLength = 64 - index;
    unsigned int i = 0;
    if (length >= partLength) {
        std::memcpy(&m_buffer[index], data, partLength);
        Transform(m_buffer);
        for (i = partLength; i + 63 < length; i += 64) Transform(&data[i]);
        index = 0;
    }
    if (length > i) std::memcpy(&m_buffer[index], &data[i], length - i);
}

CString CMD5::Final() {
    unsigned char bits[8];
    for (int i = 0; i < 8; ++i) bits[i] = static_cast<unsigned char>(m_count[i / 4] >> ((i % 4) * 8));
    const unsigned int index = (m_count[0] >> 3) & 0x3F;
    const unsigned int padLength = index < 56 ? 56 - index : 120 - index;
    unsigned char padding[64] = {0x80};
    Update(padding, padLength);
    Update(bits, 8);
    std::string hex;
    char byteText[3];
    for (int i = 0; i < 16; ++i) {
        std::snprintf(byteText, sizeof byteText, "%02x", static_cast<unsigned>((m_state[i / 4] >> ((i % 4) * 8)) & 0xFF));
        hex += byteText;
    }
    Init();
    return CString(hex);
}

CString CMD5::DigestString(const unsigned char* data, unsigned int length) {
    Init();
    if (length > 0) Update(data, length);
    return Final();
}

CString PasswordDigest(const CString& typedPassword) {
    const std::string bytes = cp1251::FromUtf8(typedPassword.str());
    CMD5 md5;
    return md5.DigestString(reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<unsigned int>(bytes.size()));
}
