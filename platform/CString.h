#pragma once
// Text of the program: UTF-8 inside, while lengths, positions and limits count characters
// (not bytes), because every rule of the program that counts ("at most 3 characters",
// padding to 35) counts what the user sees.
#include <compare>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "Types.h"

class CString;

namespace text_format {

// One argument of a printf-style format, taken over without varargs so that a CString
// may be passed for "%s" as the program's code does.
struct Arg {
    enum class Kind { Signed, Unsigned, Double, Text, Pointer } kind = Kind::Signed;
    long long i = 0;
    unsigned long long u = 0;
    double d = 0;
    const char* s = nullptr;
    const void* p = nullptr;
};

inline Arg MakeArg(const CString& v);
inline Arg MakeArg(const std::string& v) { Arg a; a.kind = Arg::Kind::Text; a.s = v.c_str(); return a; }
inline Arg MakeArg(const char* v) { Arg a; a.kind = Arg::Kind::Text; a.s = v; return a; }
inline Arg MakeArg(char* v) { return MakeArg(static_cast<const char*>(v)); }
inline Arg MakeArg(const void* v) { Arg a; a.kind = Arg::Kind::Pointer; a.p = v; return a; }
template <typename T>
    requires std::is_integral_v<T> || std::is_enum_v<T>
Arg MakeArg(T v) {
    Arg a;
    if constexpr (std::is_enum_v<T>) {
        a.i = static_cast<long long>(v);
    } else if constexpr (std::is_signed_v<T>) {
        a.i = v;
    } else {
        a.kind = Arg::Kind::Unsigned;
        a.u = v;
        a.i = static_cast<long long>(v);
    }
    return a;
}
template <typename T>
    requires std::is_floating_point_v<T>
Arg MakeArg(T v) { Arg a; a.kind = Arg::Kind::Double; a.d = v; return a; }

// printf-style formatting: flags, width, precision, "*", the conversions d i u x X o c s f e E g G p %.
// Widths and precisions of "%s" count characters. A conversion given an argument of the
// wrong kind prints what it can (never reads past the arguments).
std::string Format(const char* format, const Arg* args, size_t count);

}  // namespace text_format

class CString {
public:
    CString() = default;
    CString(const char* text) : m_text(text ? text : "") {}  // NOLINT: implicit as in the program's code
    CString(const std::string& text) : m_text(text) {}       // NOLINT
    CString(std::string&& text) : m_text(std::move(text)) {}  // NOLINT
    CString(std::string_view text) : m_text(text) {}         // NOLINT
    CString(const char* text, int byteCount) : m_text(text ? std::string(text, byteCount) : std::string()) {}
    explicit CString(char32_t ch, int repeat = 1);

    // The UTF-8 bytes.
    operator const char*() const { return m_text.c_str(); }  // NOLINT
    const char* GetString() const { return m_text.c_str(); }
    const std::string& str() const { return m_text; }
    int ByteLength() const { return static_cast<int>(m_text.size()); }

    int GetLength() const;  // characters
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }

    char32_t GetAt(int index) const;  // 0 when out of range
    char32_t operator[](int index) const { return GetAt(index); }
    void SetAt(int index, char32_t ch);

    CString Left(int count) const;
    CString Right(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString SpanIncluding(const char* charSet) const;
    CString SpanExcluding(const char* charSet) const;
    CString Tokenize(const char* delimiters, int& start) const;

    int Find(char32_t ch, int start = 0) const;
    int Find(const char* sub, int start = 0) const;
    int ReverseFind(char32_t ch) const;
    int FindOneOf(const char* charSet) const;

    int Replace(char32_t oldCh, char32_t newCh);
    int Replace(const char* oldText, const char* newText);
    int Remove(char32_t ch);
    int Insert(int index, const char* text);
    int Insert(int index, char32_t ch);
    int Delete(int index, int count = 1);

    CString& Trim();
    CString& Trim(char32_t ch);
    CString& Trim(const char* charSet);
    CString& TrimLeft();
    CString& TrimLeft(char32_t ch);
    CString& TrimLeft(const char* charSet);
    CString& TrimRight();
    CString& TrimRight(char32_t ch);
    CString& TrimRight(const char* charSet);

    CString& MakeUpper();  // Latin and Cyrillic letters
    CString& MakeLower();
    CString& MakeReverse();

    int Compare(const char* other) const;  // byte order of UTF-8, i.e. code point order
    int CompareNoCase(const char* other) const;

    template <typename... Args>
    void Format(const char* format, const Args&... args) {
        const text_format::Arg list[] = {text_format::MakeArg(args)..., text_format::Arg{}};
        m_text = text_format::Format(format, list, sizeof...(Args));
    }
    template <typename... Args>
    void AppendFormat(const char* format, const Args&... args) {
        const text_format::Arg list[] = {text_format::MakeArg(args)..., text_format::Arg{}};
        m_text += text_format::Format(format, list, sizeof...(Args));
    }

    CString& operator=(const char* text) { m_text = text ? text : ""; return *this; }
    CString& operator+=(const CString& other) { m_text += other.m_text; return *this; }
    CString& operator+=(const char* text) { if (text) m_text += text; return *this; }
    CString& operator+=(char ch) { m_text += ch; return *this; }
    CString& operator+=(char32_t ch);

    friend CString operator+(const CString& a, const CString& b) { return CString(a.m_text + b.m_text); }
    friend CString operator+(const CString& a, const char* b) { return CString(a.m_text + (b ? b : "")); }
    friend CString operator+(const char* a, const CString& b) { return CString((a ? a : "") + b.m_text); }
    friend CString operator+(const CString& a, char b) { return CString(a.m_text + b); }

    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
    friend bool operator==(const CString& a, const char* b) { return a.m_text == (b ? b : ""); }
    friend std::strong_ordering operator<=>(const CString& a, const CString& b) { return a.m_text <=> b.m_text; }
    friend std::strong_ordering operator<=>(const CString& a, const char* b) { return a.m_text <=> std::string_view(b ? b : ""); }

private:
    size_t ByteOffset(int charIndex) const;  // clamps to the end
    std::string m_text;
};

namespace text_format {
inline Arg MakeArg(const CString& v) { Arg a; a.kind = Arg::Kind::Text; a.s = v.GetString(); return a; }
}  // namespace text_format

// The code points of a UTF-8 text, for code that walks characters.
std::u32string ToCodePoints(std::string_view utf8);
std::string FromCodePoints(std::u32string_view codePoints);
