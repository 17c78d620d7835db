// SPDX-License-Identifier: GPL-3.0-or-later
// Help pages through the renderer, its style passes and its link lookup: it
// must end, and every run, anchor and style must lie inside the text.
#include "framework/core/text.h"
#include "help/render/htmlrender.h"
#include "help/render/htmlstyles.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
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
    const std::string_view page(reinterpret_cast<const char*>(data), size);
    const help::HTMLPage rendered = help::Render(page, 13);
    const auto length = static_cast<std::int32_t>(fw::Len(rendered.text));
    for (const auto* runs : {&rendered.bolds, &rendered.italics, &rendered.headers, &rendered.fonts,
                             &rendered.colors, &rendered.sizes, &rendered.links})
        for (const help::HTMLStyleSpan& run : *runs)
            Check(0 <= run.start && run.start <= run.end && run.end <= length);
    for (const help::HTMLAnchor& anchor : rendered.anchors)
        Check(0 <= anchor.position && anchor.position <= length);
    std::int32_t previousEnd = 0;
    for (const fw::StyleRun& run : help::DoStyles(rendered)) {
        Check(previousEnd <= run.start && run.start < run.end && run.end <= length);
        previousEnd = run.end;
    }
    for (const help::HTMLStyleSpan& link : rendered.links)
        for (const help::LinkAction& action : help::LinkActionsAt(rendered, link.end))
            Check(!action.scrollTo || (0 <= *action.scrollTo && *action.scrollTo <= length));
    return 0;
}
