// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/logic/datetext.h"

#include "resources/textos.h"
#include "framework/core/text.h"

namespace Module1 {

std::string DateText(const fw::Date& date)
{
    return fw::Str(date.Month()) + "/" + fw::Str(date.Day()) + "/" + fw::Right(fw::Str(date.Year()), 2);
}

std::string mes(std::int32_t month)
{
    if (month < 1 || month > 12)
        return {};
    // Fields of ten characters, not bytes: translated names need not be ASCII.
    return fw::RTrim(fw::Mid(Textos::k300(), std::int64_t(month - 1) * 10 + 1, 10));
}

} // namespace Module1
