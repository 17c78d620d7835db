// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace fw {

// The running program's version, from the build.
struct AppVersionParts {
    std::int32_t MajorVersion;
    std::int32_t MinorVersion;
    std::int32_t BugVersion;
    std::int32_t StageCode; // 0 development, 1 alpha, 2 beta, 3 final
    std::int32_t NonReleaseVersion;
};

const AppVersionParts& AppVersion();
// "1.0.0", as shown to the user.
std::string ShortVersion();

} // namespace fw
