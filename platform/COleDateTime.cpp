#include "COleDateTime.h"

#include <cctype>
#include <cstdio>
#include <ctime>
#include <string>

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

// Days from 1970-01-01 of a proleptic Gregorian date.
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, int& year, int& month, int& day) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (month <= 2));
}

const std::int64_t kDayZero = DaysFromCivil(1899, 12, 30);

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : days[m - 1];
}

bool ValidDate(int y, int m, int d) { return y >= 100 && y <= 9999 && m >= 1 && m <= 12 && d >= 1 && d <= DaysInMonth(y, m); }
bool ValidTime(int h, int mi, int s) { return h >= 0 && h <= 23 && mi >= 0 && mi <= 59 && s >= 0 && s <= 59; }

// Reads an unsigned number of 1 to maxDigits digits.
bool ReadNumber(const char*& p, int maxDigits, int& value) {
    int digits = 0;
    value = 0;
    while (std::isdigit(static_cast<unsigned char>(*p)) && digits < maxDigits) {
        value = value * 10 + (*p++ - '0');
        ++digits;
    }
    return digits > 0;
}

void SkipBlanks(const char*& p) {
    while (*p == ' ' || *p == '\t') ++p;
}

bool ReadDate(const char*& p, int& y, int& m, int& d) {
    const char* start = p;
    int a = 0, b = 0, c = 0;
    if (!ReadNumber(p, 4, a)) return false;
    const char sep = *p;
    if (sep != '-' && sep != '.' && sep != '/') { p = start; return false; }
    ++p;
    if (!ReadNumber(p, 2, b) || *p != sep) { p = start; return false; }
    ++p;
    if (!ReadNumber(p, 4, c)) { p = start; return false; }
    if (p - start >= 8 && sep == '-') { y = a; m = b; d = c; }  // ISO
    else { d = a; m = b; y = c; }                               // day first, as in Bulgaria
    if (*p == '.') ++p;  // "15.06.2009." is written too
    SkipBlanks(p);
    if (std::string_view(p).starts_with("г.")) p += std::string_view("г.").size();
    return true;
}

bool ReadTime(const char*& p, int& h, int& mi, int& s) {
    const char* start = p;
    if (!ReadNumber(p, 2, h) || *p != ':') { p = start; return false; }
    ++p;
    if (!ReadNumber(p, 2, mi)) { p = start; return false; }
    s = 0;
    if (*p == ':') {
        ++p;
        if (!ReadNumber(p, 2, s)) { p = start; return false; }
    }
    return true;
}

}  // namespace

COleDateTime::COleDateTime(int year, int month, int day, int hour, int minute, int second) {
    SetDateTime(year, month, day, hour, minute, second);
}

COleDateTime COleDateTime::GetCurrentTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

int COleDateTime::SetDateTime(int year, int month, int day, int hour, int minute, int second) {
    if (!ValidDate(year, month, day) || !ValidTime(hour, minute, second)) {
        m_status = invalid;
        return 1;
    }
    m_seconds = (DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) - kDayZero) * kSecondsPerDay +
                hour * 3600 + minute * 60 + second;
    m_status = valid;
    return 0;
}

int COleDateTime::SetDate(int year, int month, int day) { return SetDateTime(year, month, day, 0, 0, 0); }

int COleDateTime::SetTime(int hour, int minute, int second) { return SetDateTime(1899, 12, 30, hour, minute, second); }

namespace {
struct Parts { int year, month, day, hour, minute, second; };
Parts Split(std::int64_t seconds) {
    std::int64_t days = seconds / kSecondsPerDay;
    std::int64_t rest = seconds % kSecondsPerDay;
    if (rest < 0) { rest += kSecondsPerDay; --days; }
    Parts parts{};
    CivilFromDays(days + kDayZero, parts.year, parts.month, parts.day);
    parts.hour = static_cast<int>(rest / 3600);
    parts.minute = static_cast<int>(rest / 60 % 60);
    parts.second = static_cast<int>(rest % 60);
    return parts;
}
}  // namespace

int COleDateTime::GetYear() const { return m_status == valid ? Split(m_seconds).year : -1; }
int COleDateTime::GetMonth() const { return m_status == valid ? Split(m_seconds).month : -1; }
int COleDateTime::GetDay() const { return m_status == valid ? Split(m_seconds).day : -1; }
int COleDateTime::GetHour() const { return m_status == valid ? Split(m_seconds).hour : -1; }
int COleDateTime::GetMinute() const { return m_status == valid ? Split(m_seconds).minute : -1; }
int COleDateTime::GetSecond() const { return m_status == valid ? Split(m_seconds).second : -1; }

int COleDateTime::GetDayOfWeek() const {
    if (m_status != valid) return -1;
    const Parts p = Split(m_seconds);
    const std::int64_t days = DaysFromCivil(p.year, static_cast<unsigned>(p.month), static_cast<unsigned>(p.day));
    return static_cast<int>(((days % 7) + 11) % 7) + 1;  // 1970-01-01 was a Thursday
}

int COleDateTime::GetDayOfYear() const {
    if (m_status != valid) return -1;
    const Parts p = Split(m_seconds);
    return static_cast<int>(DaysFromCivil(p.year, static_cast<unsigned>(p.month), static_cast<unsigned>(p.day)) -
                            DaysFromCivil(p.year, 1, 1)) + 1;
}

CString COleDateTime::Format(const char* format) const {
    if (m_status == null) return {};
    if (m_status != valid) return "Invalid DateTime";
    const Parts p = Split(m_seconds);
    std::string out;
    char buffer[16];
    for (const char* f = format ? format : ""; *f; ++f) {
        if (*f != '%' || !f[1]) {
            out += *f;
            continue;
        }
        ++f;
        bool noPad = false;
        if (*f == '#' && f[1]) { noPad = true; ++f; }
        const char* two = noPad ? "%d" : "%02d";
        switch (*f) {
            case 'Y': std::snprintf(buffer, sizeof buffer, "%04d", p.year); out += buffer; break;
            case 'y': std::snprintf(buffer, sizeof buffer, two, p.year % 100); out += buffer; break;
            case 'm': std::snprintf(buffer, sizeof buffer, two, p.month); out += buffer; break;
            case 'd': std::snprintf(buffer, sizeof buffer, two, p.day); out += buffer; break;
            case 'H': std::snprintf(buffer, sizeof buffer, two, p.hour); out += buffer; break;
            case 'M': std::snprintf(buffer, sizeof buffer, two, p.minute); out += buffer; break;
            case 'S': std::snprintf(buffer, sizeof buffer, two, p.second); out += buffer; break;
            case 'j': std::snprintf(buffer, sizeof buffer, noPad ? "%d" : "%03d", GetDayOfYear()); out += buffer; break;
            case 'c': out += Format("%d.%m.%Y %H:%M:%S").GetString(); break;  // the Bulgarian date and time
            case '%': out += '%'; break;
            default: out += '%'; out += *f; break;
        }
    }
    return CString(out);
}

bool COleDateTime::ParseDateTime(const char* text, DWORD flags) {
    const char* p = text ? text : "";
    SkipBlanks(p);
    int y = 1899, mo = 12, d = 30, h = 0, mi = 0, s = 0;
    const bool hasDate = ReadDate(p, y, mo, d);
    SkipBlanks(p);
    const bool hasTime = ReadTime(p, h, mi, s);
    SkipBlanks(p);
    if ((!hasDate && !hasTime) || *p != '\0') {
        m_status = invalid;
        return false;
    }
    if (flags & VAR_DATEVALUEONLY) h = mi = s = 0;
    if (flags & VAR_TIMEVALUEONLY) { y = 1899; mo = 12; d = 30; }
    return SetDateTime(y, mo, d, h, mi, s) == 0;
}
