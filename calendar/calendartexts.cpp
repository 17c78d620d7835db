// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/calendartexts.h"

#include "framework/core/localization.h"

namespace Textos {

std::string k340()
{
    return fw::GetLocalizedString("Textos.k340",
                                  "The average cycle length must be a whole number of days from 15 to 40.");
}

std::string k341()
{
    return fw::GetLocalizedString("Textos.k341",
                                  "The luteal phase length must be a whole number of days from 8 to 20.");
}

std::string k342()
{
    return fw::GetLocalizedString("Textos.k342", "The luteal phase must be shorter than the average cycle.");
}

} // namespace Textos
