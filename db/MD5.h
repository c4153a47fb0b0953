#pragma once
// MD5 (RFC 1321), with which user passwords are stored and compared.
#include <cstdint>

#include "platform/CString.h"

class CMD5 {
public:
    CMD5() { Init(); }
    virtual ~CMD5() = default;

    // The digest of length bytes as 32 lowercase hexadecimal digits.
    CString DigestString(const unsigned char* data, unsigned int length);

    void Init();
    void Update(const unsigned char* data, unsigned int length);
    CString Final();

private:
    void Transform(const unsigned char block[64]);

    unsigned char m_buffer[64]{};
    std::uint32_t m_count[2]{};  // bit count, low word first
    std::uint32_t m_state[4]{};
};

// The stored form of a password: the digest of the text's code page 1251 bytes, exactly as
// typed (no trimming), so that users registered by the older program still log in.
CString PasswordDigest(const CString& typedPassword);
