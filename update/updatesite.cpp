// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/updatesite.h"
#include "update/updatesite_seam.h"

#include <utility>

#ifndef CYC_UPDATE_BASE_URL
#error "the build sets CYC_UPDATE_BASE_URL from the UpdateBaseURL setting"
#endif

namespace update {

namespace {
std::string& Current()
{
    static std::string url = CYC_UPDATE_BASE_URL;
    return url;
}
} // namespace

std::string UpdateBaseURL()
{
    std::string url = Current();
    while (!url.empty() && url.back() == '/')
        url.pop_back();
    return url;
}

void SetUpdateBaseURL(std::string url)
{
    Current() = std::move(url);
}

} // namespace update
