#include "CString.h"

#include "Utf8.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 1;  // a stray byte counts as one character
}

char32_t ToUpper(char32_t c) {
    if (c >= 'a' && c <= 'z') return c - 32;
    if (c >= 0x0430 && c <= 0x044F) return c - 0x20;  // а..я
    if (c >= 0x0450 && c <= 0x045F) return c - 0x50;  // ѐ..џ
    if (c == 0x0491) return 0x0490;
    return c;
}

char32_t ToLower(char32_t c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c >= 0x0410 && c <= 0x042F) return c + 0x20;
    if (c >= 0x0400 && c <= 0x040F) return c + 0x50;
    if (c == 0x0490) return 0x0491;
    return c;
}

bool InSet(char32_t c, const std::u32string& set) { return set.find(c) != std::u32string::npos; }

bool IsSpace(char32_t c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

std::u32string ToCodePoints(std::string_view s) {
    std::u32string out;
    out.reserve(s.size());
    for (size_t pos = 0; pos < s.size();) {
        const auto lead = static_cast<unsigned char>(s[pos]);
        size_t len = SequenceLength(lead);
        if (pos + len > s.size()) len = 1;
        char32_t cp = lead;
        if (len > 1) {
            cp = lead & (0xFF >> (len + 1));
            for (size_t i = 1; i < len; ++i) cp = (cp << 6) | (static_cast<unsigned char>(s[pos + i]) & 0x3F);
        }
        out += cp;
        pos += len;
    }
    return out;
}

std::string FromCodePoints(std::u32string_view cps) {
    std::string out;
    out.reserve(cps.size() * 2);
    for (const char32_t cp : cps) AppendUtf8(out, cp);
    return out;
}

CString::CString(char32_t ch, int repeat) {
    if (repeat > 0) m_text = FromCodePoints(std::u32string(static_cast<size_t>(repeat), ch));
}

size_t CString::ByteOffset(int charIndex) const {
    size_t pos = 0;
    for (int i = 0; i < charIndex && pos < m_text.size(); ++i)
        pos += SequenceLength(static_cast<unsigned char>(m_text[pos]));
    return std::min(pos, m_text.size());
}

int CString::GetLength() const {
    int count = 0;
    for (size_t pos = 0; pos < m_text.size(); ++count) pos += SequenceLength(static_cast<unsigned char>(m_text[pos]));
    return count;
}

char32_t CString::GetAt(int index) const {
    if (index < 0) return 0;
    const size_t from = ByteOffset(index);
    if (from >= m_text.size()) return 0;
    const auto cps = ToCodePoints(std::string_view(m_text).substr(from, SequenceLength(static_cast<unsigned char>(m_text[from]))));
    return cps.empty() ? 0 : cps[0];
}

void CString::SetAt(int index, char32_t ch) {
    auto cps = ToCodePoints(m_text);
    if (index < 0 || index >= static_cast<int>(cps.size())) return;
    cps[static_cast<size_t>(index)] = ch;
    m_text = FromCodePoints(cps);
}

CString CString::Left(int count) const {
    if (count <= 0) return {};
    return CString(m_text.substr(0, ByteOffset(count)));
}

CString CString::Right(int count) const {
    const int length = GetLength();
    if (count <= 0) return {};
    if (count >= length) return *this;
    return CString(m_text.substr(ByteOffset(length - count)));
}

CString CString::Mid(int first) const { return Mid(first, GetLength()); }

CString CString::Mid(int first, int count) const {
    if (first < 0) first = 0;
    if (count <= 0) return {};
    const size_t from = ByteOffset(first);
    size_t to = from;
    for (int i = 0; i < count && to < m_text.size(); ++i) to += SequenceLength(static_cast<unsigned char>(m_text[to]));
    return CString(m_text.substr(from, std::min(to, m_text.size()) - from));
}

CString CString::SpanIncluding(const char* charSet) const {
    const auto set = ToCodePoints(charSet ? charSet : "");
    const auto cps = ToCodePoints(m_text);
    size_t n = 0;
    while (n < cps.size() && InSet(cps[n], set)) ++n;
    return CString(FromCodePoints(std::u32string_view(cps).substr(0, n)));
}

CString CString::SpanExcluding(const char* charSet) const {
    const auto set = ToCodePoints(charSet ? charSet : "");
    const auto cps = ToCodePoints(m_text);
    size_t n = 0;
    while (n < cps.size() && !InSet(cps[n], set)) ++n;
    return CString(FromCodePoints(std::u32string_view(cps).substr(0, n)));
}

CString CString::Tokenize(const char* delimiters, int& start) const {
    const auto set = ToCodePoints(delimiters ? delimiters : "");
    const auto cps = ToCodePoints(m_text);
    if (start < 0) start = 0;
    size_t pos = static_cast<size_t>(start);
    while (pos < cps.size() && InSet(cps[pos], set)) ++pos;
    if (pos >= cps.size()) {
        start = -1;
        return {};
    }
    size_t end = pos;
    while (end < cps.size() && !InSet(cps[end], set)) ++end;
    start = static_cast<int>(end < cps.size() ? end + 1 : end);
    return CString(FromCodePoints(std::u32string_view(cps).substr(pos, end - pos)));
}

int CString::Find(char32_t ch, int start) const {
    const auto cps = ToCodePoints(m_text);
    if (start < 0) start = 0;
    for (size_t i = static_cast<size_t>(start); i < cps.size(); ++i)
        if (cps[i] == ch) return static_cast<int>(i);
    return -1;
}

int CString::Find(const char* sub, int start) const {
    if (!sub) return -1;
    if (start < 0) start = 0;
    const size_t from = ByteOffset(start);
    if (start > 0 && from >= m_text.size() && *sub) return -1;
    const size_t at = m_text.find(sub, from);
    if (at == std::string::npos) return -1;
    return CString(m_text.substr(0, at)).GetLength();
}

int CString::ReverseFind(char32_t ch) const {
    const auto cps = ToCodePoints(m_text);
    for (size_t i = cps.size(); i-- > 0;)
        if (cps[i] == ch) return static_cast<int>(i);
    return -1;
}

int CString::FindOneOf(const char* charSet) const {
    const auto set = ToCodePoints(charSet ? charSet : "");
    const auto cps = ToCodePoints(m_text);
    for (size_t i = 0; i < cps.size(); ++i)
        if (InSet(cps[i], set)) return static_cast<int>(i);
    return -1;
}

int CString::Replace(char32_t oldCh, char32_t newCh) {
    auto cps = ToCodePoints(m_text);
    int count = 0;
    for (auto& c : cps)
        if (c == oldCh) { c = newCh; ++count; }
    if (count) m_text = FromCodePoints(cps);
    return count;
}

int CString::Replace(const char* oldText, const char* newText) {
    if (!oldText || !*oldText) return 0;
    const std::string from(oldText), to(newText ? newText : "");
    int count = 0;
    std::string result;
    size_t pos = 0;
    for (size_t at; (at = m_text.find(from, pos)) != std::string::npos; pos = at + from.size(), ++count)
        result.append(m_text, pos, at - pos).append(to);
    if (count) m_text = result + m_text.substr(pos);
    return count;
}

int CString::Remove(char32_t ch) {
    auto cps = ToCodePoints(m_text);
    const auto before = cps.size();
    std::erase(cps, ch);
    const int removed = static_cast<int>(before - cps.size());
    if (removed) m_text = FromCodePoints(cps);
    return removed;
}

int CString::Insert(int index, const char* text) {
    if (index < 0) index = 0;
    m_text.insert(ByteOffset(index), text ? text : "");
    return GetLength();
}

int CString::Insert(int index, char32_t ch) { return Insert(index, FromCodePoints(std::u32string(1, ch)).c_str()); }

int CString::Delete(int index, int count) {
    if (index < 0) index = 0;
    if (count > 0) {
        const size_t from = ByteOffset(index);
        const size_t to = ByteOffset(index + count);
        m_text.erase(from, to - from);
    }
    return GetLength();
}

CString& CString::TrimLeft() {
    const auto cps = ToCodePoints(m_text);
    size_t n = 0;
    while (n < cps.size() && IsSpace(cps[n])) ++n;
    if (n) m_text = FromCodePoints(std::u32string_view(cps).substr(n));
    return *this;
}

CString& CString::TrimRight() {
    const auto cps = ToCodePoints(m_text);
    size_t n = cps.size();
    while (n > 0 && IsSpace(cps[n - 1])) --n;
    if (n != cps.size()) m_text = FromCodePoints(std::u32string_view(cps).substr(0, n));
    return *this;
}

CString& CString::TrimLeft(const char* charSet) {
    const auto set = ToCodePoints(charSet ? charSet : "");
    const auto cps = ToCodePoints(m_text);
    size_t n = 0;
    while (n < cps.size() && InSet(cps[n], set)) ++n;
    if (n) m_text = FromCodePoints(std::u32string_view(cps).substr(n));
    return *this;
}

CString& CString::TrimRight(const char* charSet) {
    const auto set = ToCodePoints(charSet ? charSet : "");
    const auto cps = ToCodePoints(m_text);
    size_t n = cps.size();
    while (n > 0 && InSet(cps[n - 1], set)) --n;
    if (n != cps.size()) m_text = FromCodePoints(std::u32string_view(cps).substr(0, n));
    return *this;
}

CString& CString::TrimLeft(char32_t ch) { return TrimLeft(FromCodePoints(std::u32string(1, ch)).c_str()); }
CString& CString::TrimRight(char32_t ch) { return TrimRight(FromCodePoints(std::u32string(1, ch)).c_str()); }
CString& CString::Trim() { return TrimRight().TrimLeft(); }
CString& CString::Trim(char32_t ch) { return TrimRight(ch).TrimLeft(ch); }
CString& CString::Trim(const char* charSet) { return TrimRight(charSet).TrimLeft(charSet); }

CString& CString::MakeUpper() {
    auto cps = ToCodePoints(m_text);
    for (auto& c : cps) c = ToUpper(c);
    m_text = FromCodePoints(cps);
    return *this;
}

CString& CString::MakeLower() {
    auto cps = ToCodePoints(m_text);
    for (auto& c : cps) c = ToLower(c);
    m_text = FromCodePoints(cps);
    return *this;
}

CString& CString::MakeReverse() {
    auto cps = ToCodePoints(m_text);
    std::reverse(cps.begin(), cps.end());
    m_text = FromCodePoints(cps);
    return *this;
}

int CString::Compare(const char* other) const {
    const int r = m_text.compare(other ? other : "");
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

int CString::CompareNoCase(const char* other) const {
    CString a(*this), b(other);
    return a.MakeLower().Compare(b.MakeLower());
}

CString& CString::operator+=(char32_t ch) {
    m_text += FromCodePoints(std::u32string(1, ch));
    return *this;
}

namespace text_format {
namespace {

std::string Pad(std::string text, int width, bool left, char fill = ' ') {
    const int length = CString(text).GetLength();
    if (width > length) {
        const std::string padding(static_cast<size_t>(width - length), fill);
        text = left ? text + padding : padding + text;
    }
    return text;
}

}  // namespace

std::string Format(const char* format, const Arg* args, size_t count) {
    std::string out;
    if (!format) return out;
    size_t next = 0;
    const auto take = [&]() -> Arg {
        if (next < count) return args[next++];
        Arg missing;
        missing.kind = Arg::Kind::Text;
        return missing;
    };
    for (const char* p = format; *p; ++p) {
        if (*p != '%') {
            out += *p;
            continue;
        }
        const char* specStart = p++;
        if (*p == '%') {
            out += '%';
            continue;
        }
        std::string flags;
        while (*p && std::strchr("-+ #0", *p)) flags += *p++;
        int width = -1;
        if (*p == '*') {
            width = static_cast<int>(take().i);
            if (width < 0) { flags += '-'; width = -width; }
            ++p;
        } else if (*p >= '0' && *p <= '9') {
            width = 0;
            while (*p >= '0' && *p <= '9') width = width * 10 + (*p++ - '0');
        }
        int precision = -1;
        if (*p == '.') {
            ++p;
            precision = 0;
            if (*p == '*') {
                precision = static_cast<int>(take().i);
                ++p;
            } else {
                while (*p >= '0' && *p <= '9') precision = precision * 10 + (*p++ - '0');
            }
        }
        while (*p && std::strchr("hlLqjztI", *p)) {
            if (*p == 'I' && p[1] == '6' && p[2] == '4') p += 2;
            ++p;
        }
        const char conv = *p;
        if (!conv) {
            out.append(specStart);
            break;
        }
        const bool left = flags.find('-') != std::string::npos;
        std::string spec = "%" + flags;
        if (width >= 0) spec += std::to_string(width);
        if (precision >= 0) spec += "." + std::to_string(precision);
        char buffer[512];
        const Arg arg = take();
        switch (conv) {
            case 's': {
                std::string text;
                if (arg.kind == Arg::Kind::Text) text = arg.s ? arg.s : "(null)";
                else if (arg.kind == Arg::Kind::Double) text = std::to_string(arg.d);
                else if (arg.kind == Arg::Kind::Unsigned) text = std::to_string(arg.u);
                else if (arg.kind == Arg::Kind::Signed) text = std::to_string(arg.i);
                if (precision >= 0) text = CString(text).Left(precision).str();
                out += Pad(text, width, left);
                break;
            }
            case 'c': {
                const char32_t ch = arg.kind == Arg::Kind::Text ? 0 : static_cast<char32_t>(arg.i);
                out += Pad(ch ? FromCodePoints(std::u32string(1, ch)) : std::string(), width, left);
                break;
            }
            case 'd': case 'i': case 'u': case 'x': case 'X': case 'o': {
                spec += "ll";
                spec += conv;
                const long long value = arg.kind == Arg::Kind::Double ? static_cast<long long>(arg.d)
                                      : arg.kind == Arg::Kind::Text ? 0 : arg.i;
                if (conv == 'd' || conv == 'i') {
                    // %d of a 32-bit int wraps as the program's 32-bit values do.
                    const long long shown = arg.kind == Arg::Kind::Unsigned && arg.u > 0x7FFFFFFFull && arg.u <= 0xFFFFFFFFull
                                                ? static_cast<long long>(static_cast<std::int32_t>(arg.u)) : value;
                    std::snprintf(buffer, sizeof buffer, spec.c_str(), shown);
                } else {
                    unsigned long long u = arg.kind == Arg::Kind::Unsigned ? arg.u : static_cast<unsigned long long>(value);
                    if (arg.kind == Arg::Kind::Signed && value < 0 && value >= INT32_MIN) u = static_cast<std::uint32_t>(value);
                    std::snprintf(buffer, sizeof buffer, spec.c_str(), u);
                }
                out += buffer;
                break;
            }
            case 'f': case 'F': case 'e': case 'E': case 'g': case 'G': {
                spec += conv;
                const double value = arg.kind == Arg::Kind::Double ? arg.d
                                   : arg.kind == Arg::Kind::Unsigned ? static_cast<double>(arg.u)
                                   : arg.kind == Arg::Kind::Signed ? static_cast<double>(arg.i) : 0.0;
                std::snprintf(buffer, sizeof buffer, spec.c_str(), value);
                out += buffer;
                break;
            }
            case 'p':
                std::snprintf(buffer, sizeof buffer, "%p", arg.p);
                out += buffer;
                break;
            default:
                out.append(specStart, p + 1);
                break;
        }
    }
    return out;
}

}  // namespace text_format
