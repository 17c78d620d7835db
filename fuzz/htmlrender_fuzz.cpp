// SPDX-License-Identifier: GPL-3.0-or-later
// Help pages through the renderer's pure steps, its tag loop and its link
// lookup: each must end, the text passes must keep the text valid UTF-8, and
// every run and anchor must lie inside the text.
#include "framework/core/text.h"
#include "help/render/htmllinks.h"
#include "help/render/htmlrender.h"
#include "help/render/validutf8.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Check(bool inside)
{
    if (!inside)
        std::abort();
}

} // namespace

// Pairing a tag searches the rest of the page for its closing tag, so the
// work grows with the square of the page; the built-in pages are under 4 KB,
// and past this size a unit's time says nothing new.
constexpr std::size_t kLargestPage = 8192;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > kLargestPage)
        return 0;
    const std::string page = help::ValidUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const std::string& passed : {help::ReplaceEntities(page), help::RemoveExcessSpace(page),
                                      help::StripHTML(page), help::TitleOf(page)})
        Check(help::ValidUtf8(passed) == passed);
    std::string text = page;
    help::CutTitle(text);
    help::HTMLRuns runs;
    help::TagLoop(text, runs,
                  {[](std::string_view s) { return help::GetSizeFromParam(s, 13); },
                   [](const help::TagAttributes& attributes) {
                       for (const auto& [key, value] : attributes)
                           (void)help::ColorFromHex(value);
                   },
                   help::StripHTML});
    Check(help::ValidUtf8(text) == text);
    const auto length = static_cast<std::int32_t>(fw::Len(text));
    for (const auto* array : {&runs.bolds, &runs.italics, &runs.headers, &runs.fonts, &runs.colors, &runs.sizes,
                              &runs.links})
        for (const help::HTMLStyleSpan& run : *array)
            Check(0 <= run.start && run.start <= run.end && run.end <= length);
    for (const help::HTMLAnchor& anchor : runs.anchors)
        Check(0 <= anchor.position && anchor.position <= length);
    for (const help::HTMLStyleSpan& link : runs.links)
        for (const help::LinkAction& action : help::LinkActionsAt(runs, link.end))
            Check(!action.scrollTo || (0 <= *action.scrollTo && *action.scrollTo <= length));
    return 0;
}
