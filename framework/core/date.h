// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace fw {

// A civil local date and time. Every day is exactly 86400 seconds, whatever
// the time zone's daylight saving does, so day counts never shift. Out-of-range
// fields carry into the next unit at once (month 13 is January of the next
// year, day 0 the last day of the previous month). The year stays within 1 to 9999.
class Date {
public:
    // The current local date and time.
    Date();
    Date(std::int32_t year, std::int32_t month, std::int32_t day,
         std::int32_t hour = 0, std::int32_t minute = 0, std::int32_t second = 0);

    std::int32_t Year() const;
    std::int32_t Month() const;
    std::int32_t Day() const;
    std::int32_t Hour() const;
    std::int32_t Minute() const;
    std::int32_t Second() const;
    // Each setter keeps the other fields and carries at once: month 13 is
    // January of the next year, day 31 of February 2007 is 3 March 2007.
    void SetYear(std::int32_t year);
    void SetMonth(std::int32_t month);
    void SetDay(std::int32_t day);
    void SetHour(std::int32_t hour);
    void SetMinute(std::int32_t minute);
    void SetSecond(std::int32_t second);
    // 1 for Sunday to 7 for Saturday.
    std::int32_t DayOfWeek() const;

    // Seconds since 1904-01-01 00:00:00, every day 86400 seconds.
    double TotalSeconds() const;
    void SetTotalSeconds(double seconds);

    // "YYYY-MM-DD HH:MM:SS". The setter is strict: anything but 19 characters
    // of that form naming a real date and time is refused (false) and the
    // date stays as it was.
    std::string SQLDateTime() const;
    bool SetSQLDateTime(std::string_view text);
    // "YYYY-MM-DD".
    std::string SQLDate() const;

    friend bool operator==(const Date& a, const Date& b) { return a.m_seconds == b.m_seconds; }
    friend auto operator<=>(const Date& a, const Date& b) { return a.m_seconds <=> b.m_seconds; }

    // Local civil seconds since 1904-01-01 of a moment given as seconds since
    // 1970-01-01 UTC, in the current time zone (TZ). The system clock uses it.
    static std::int64_t LocalCivilSeconds(std::int64_t unixSeconds);

private:
    void setFields(std::int64_t year, std::int64_t month, std::int64_t day,
                   std::int64_t hour, std::int64_t minute, std::int64_t second);
    void setSeconds(std::int64_t seconds);

    std::int64_t m_seconds = 0; // civil seconds since 1904-01-01 00:00:00
};

// A Date held by reference, as values and the stores of values hold them.
using DatePtr = std::shared_ptr<Date>;

} // namespace fw
