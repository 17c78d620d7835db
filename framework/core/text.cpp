// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/core/text.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h>

namespace fw {

namespace {
constexpr std::int64_t kNoEnd = std::numeric_limits<std::int64_t>::max();

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

// Bytes of the character at `at`: a well-formed UTF-8 sequence counts as one
// character, and so does every byte that does not start one.
std::size_t charBytes(std::string_view s, std::size_t at)
{
    const auto b = std::uint8_t(s[at]);
    const std::size_t n = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
    if (n == 0 || at + n > s.size())
        return 1;
    for (std::size_t i = 1; i < n; ++i)
        if ((std::uint8_t(s[at + i]) & 0xC0) != 0x80)
            return 1;
    return n;
}

// Byte offset after the first `chars` characters, at most the text's size.
std::size_t byteOffset(std::string_view s, std::int64_t chars)
{
    std::size_t at = 0;
    for (std::int64_t i = 0; i < chars && at < s.size(); ++i)
        at += charBytes(s, at);
    return at;
}

std::string_view trimmedLeft(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size() && isBlank(s[i]))
        ++i;
    return s.substr(i);
}

std::string_view trimmedRight(std::string_view s)
{
    std::size_t n = s.size();
    while (n > 0 && isBlank(s[n - 1]))
        --n;
    return s.substr(0, n);
}
} // namespace

double Val(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    const std::size_t begin = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    for (; i < text.size() && isDigit(text[i]); ++i)
        ++digits;
    if (i < text.size() && text[i] == '.')
        for (++i; i < text.size() && isDigit(text[i]); ++i)
            ++digits;
    if (digits == 0)
        return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j]))
                ++j;
            i = j;
        }
    }
    // strtod in the "C" locale: the decimal point is always ".", and overflow
    // and underflow give infinity and zero. The text is already validated.
    static const locale_t cLocale = ::newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    const std::string number(text.substr(begin, i - begin));
    return ::strtod_l(number.c_str(), nullptr, cLocale);
}

std::string Str(double value)
{
    if (value == 0)
        return "0"; // also for -0
    char buffer[400];
    std::to_chars_result r{};
    // Whole numbers get all their digits; other values the shortest text that
    // reads back, in plain notation unless it is tiny.
    if (std::isfinite(value) && (std::trunc(value) == value || std::fabs(value) >= 1e-6))
        r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    else
        r = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, r.ptr);
}

std::string Str(std::int64_t value)
{
    return std::to_string(value);
}

std::int32_t ToInt32(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= 2147483647.0)
        return std::numeric_limits<std::int32_t>::max();
    if (value <= -2147483648.0)
        return std::numeric_limits<std::int32_t>::min();
    return std::int32_t(value); // truncates toward zero, in range here
}

std::int64_t Len(std::string_view text)
{
    std::int64_t n = 0;
    for (std::size_t at = 0; at < text.size(); at += charBytes(text, at))
        ++n;
    return n;
}

std::string Mid(std::string_view text, std::int64_t start, std::int64_t length)
{
    // The characters [start, start + length) that lie within [1, Len].
    if (length == 0)
        return {};
    const std::int64_t end = length < 0 || start > kNoEnd - length ? kNoEnd : start + length;
    const std::int64_t first = std::max<std::int64_t>(start, 1);
    if (end <= first)
        return {};
    const std::size_t b = byteOffset(text, first - 1);
    const std::size_t e = end == kNoEnd ? text.size() : byteOffset(text, end - 1);
    return std::string(text.substr(b, e - b));
}

std::string Right(std::string_view text, std::int64_t count)
{
    if (count <= 0)
        return {};
    const std::int64_t n = Len(text);
    return count >= n ? std::string(text) : std::string(text.substr(byteOffset(text, n - count)));
}

std::string RTrim(std::string_view text) { return std::string(trimmedRight(text)); }
std::string Trim(std::string_view text) { return std::string(trimmedRight(trimmedLeft(text))); }

std::vector<std::string> Split(std::string_view text, std::string_view sep)
{
    std::vector<std::string> fields;
    if (text.empty())
        return fields;
    if (sep.empty())
        return {std::string(text)};
    for (std::size_t from = 0;;) {
        const std::size_t at = text.find(sep, from);
        fields.emplace_back(text.substr(from, at == std::string_view::npos ? std::string_view::npos : at - from));
        if (at == std::string_view::npos)
            return fields;
        from = at + sep.size();
    }
}

} // namespace fw
