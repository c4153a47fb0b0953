#pragma once
// A date and time with a status, as the records keep them: a null value means "not given"
// (a start time that was left empty), an invalid one comes from a failed parse.
#include <cstdint>

#include "CString.h"

// Flags of ParseDateTime.
constexpr DWORD VAR_TIMEVALUEONLY = 0x00000001;
constexpr DWORD VAR_DATEVALUEONLY = 0x00000002;

class COleDateTime {
public:
    enum DateTimeStatus { error = -1, valid = 0, invalid = 1, null = 2 };

    COleDateTime() = default;  // valid, 1899-12-30 00:00:00 (day zero)
    COleDateTime(int year, int month, int day, int hour, int minute, int second);

    static COleDateTime GetCurrentTime();

    // Each returns 0 and sets the status valid, or 1 and sets it invalid when a part is out
    // of range (years 100 to 9999).
    int SetDateTime(int year, int month, int day, int hour, int minute, int second);
    int SetDate(int year, int month, int day);  // time 00:00:00
    int SetTime(int hour, int minute, int second);  // on day zero

    DateTimeStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeStatus status) { m_status = status; }

    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const;  // 1 = Sunday
    int GetDayOfYear() const;  // 1 = 1 January

    // strftime-like: %Y %y %m %d %H %M %S %j %c (date and time as "%d.%m.%Y %H:%M:%S") %%,
    // also %#d style (no leading zero).
    // A null value formats as "", an invalid one as "Invalid DateTime".
    CString Format(const char* format = "%Y-%m-%d %H:%M:%S") const;

    // Reads "YYYY-MM-DD", "DD.MM.YYYY" or "DD/MM/YYYY" dates and "HH:MM[:SS]" times, alone or
    // together. With VAR_DATEVALUEONLY the time is dropped, with VAR_TIMEVALUEONLY the date.
    // Returns false and leaves the value invalid when the text is none of these.
    bool ParseDateTime(const char* text, DWORD flags = 0);

    // Seconds since day zero; with the status, the whole value.
    std::int64_t SecondsSinceDayZero() const { return m_seconds; }

    friend bool operator==(const COleDateTime& a, const COleDateTime& b) {
        return a.m_status == b.m_status && a.m_seconds == b.m_seconds;
    }
    friend bool operator<(const COleDateTime& a, const COleDateTime& b) { return a.m_seconds < b.m_seconds; }
    friend bool operator>(const COleDateTime& a, const COleDateTime& b) { return b < a; }

private:
    std::int64_t m_seconds = 0;
    DateTimeStatus m_status = valid;
};
