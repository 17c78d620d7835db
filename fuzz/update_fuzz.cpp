// SPDX-License-Identifier: GPL-3.0-or-later
// What the program reads from the update site: the version line, the version
// comparison and the file-name reduction. A name that comes out is always
// one plain name of at most 255 bytes that a second reduction leaves as it
// is, whatever came in.
#include "update/downloadname.h"
#include "update/versionline.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void CheckName(std::string_view name)
{
    const bool control = name.find_first_of(std::string_view("\0\r\n\x7f", 4)) != std::string_view::npos;
    if (name.empty() || name.size() > update::kMaxNameBytes || name.find('/') != std::string_view::npos
        || name.find('\\') != std::string_view::npos || name.find("..") != std::string_view::npos
        || name.front() == '.' || control)
        std::abort();
    for (char c : name)
        if (static_cast<unsigned char>(c) < 0x20)
            std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    if (const auto line = update::ParseVersionLine(input)) {
        CheckName(line->fileName);
        if (line->sitePath.find_first_of("\r\n") != std::string::npos)
            std::abort();
        if (!update::CompareVersions(line->version, "1.0.0"))
            std::abort();
    }
    if (const auto name = update::ReduceFileName(input)) {
        CheckName(*name);
        // Nothing left to reduce: valid UTF-8 with nothing invisible.
        if (update::ReduceFileName(*name) != name)
            std::abort();
        for (int n : {2, 10, 999})
            CheckName(update::NumberedName(*name, n));
    }

    // The comparison is an order: swapping the sides turns its sign.
    const std::size_t half = size / 2;
    const auto ab = update::CompareVersions(input.substr(0, half), input.substr(half));
    const auto ba = update::CompareVersions(input.substr(half), input.substr(0, half));
    if (ab.has_value() != ba.has_value() || (ab && *ab != -*ba))
        std::abort();
    return 0;
}
