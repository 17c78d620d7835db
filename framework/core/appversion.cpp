// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/core/appversion.h"

namespace fw {

const AppVersionParts& AppVersion()
{
    static const AppVersionParts parts{CYC_VERSION_MAJOR, CYC_VERSION_MINOR, CYC_VERSION_BUG, 3, 0};
    return parts;
}

std::string ShortVersion()
{
    const AppVersionParts& v = AppVersion();
    return std::to_string(v.MajorVersion) + "." + std::to_string(v.MinorVersion) + "." + std::to_string(v.BugVersion);
}

} // namespace fw
