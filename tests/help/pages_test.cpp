// SPDX-License-Identifier: GPL-3.0-or-later
// Every built-in page against tests/help/pages.golden: its text, as a reader
// sees it, and its runs, each inside the text. After a deliberate change of a
// page or of the renderer, CYC_REGENERATE_GOLDEN=1 writes the file anew;
// review its diff.
#include "framework/core/text.h"
#include "help/render/htmlrender.h"
#include "resources/textos.h"
#include "summary.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

struct BuiltIn { const char* key; std::string (*page)(); };
constexpr BuiltIn kPages[] = {
    {"kayuda00", Textos::kayuda00}, {"kayuda01", Textos::kayuda01}, {"kayuda02", Textos::kayuda02},
    {"kayuda04", Textos::kayuda04}, {"kayuda05", Textos::kayuda05}, {"kayuda06", Textos::kayuda06},
    {"kayuda08", Textos::kayuda08},
};

std::string Golden()
{
    std::string out;
    for (const BuiltIn& b : kPages) {
        const help::HTMLPage page = help::Render(b.page(), 13);
        const auto length = static_cast<std::int32_t>(fw::Len(page.text));
        for (const auto* runs : {&page.bolds, &page.italics, &page.fonts, &page.colors})
            for (const help::HTMLStyleSpan& run : *runs)
                EXPECT_TRUE(0 <= run.start && run.start <= run.end && run.end <= length) << b.key;
        out += "== " + std::string(b.key) + ": " + std::to_string(fw::Len(page.text)) + " characters, "
               + std::to_string(page.bolds.size()) + " bold, " + std::to_string(page.italics.size()) + " italic, "
               + std::to_string(page.fonts.size()) + " face, " + std::to_string(page.colors.size())
               + " colour runs\n";
        out += helptest::Runs(page) + "\n";
        // One line of the file per line of the page, tabs shown.
        std::string text = fw::ReplaceAll(fw::ReplaceAll(page.text, "\t", "\\t"), "\r", "|\n");
        out += text + "|\n";
    }
    return out;
}

TEST(HelpPages, RenderAsTheGoldenFileSays)
{
    const std::string actual = Golden();
    if (std::getenv("CYC_REGENERATE_GOLDEN")) {
        std::ofstream(CYC_HELP_GOLDEN, std::ios::binary) << actual;
        GTEST_SKIP() << "wrote " << CYC_HELP_GOLDEN;
    }
    std::ifstream in(CYC_HELP_GOLDEN, std::ios::binary);
    ASSERT_TRUE(in) << CYC_HELP_GOLDEN;
    std::ostringstream expected;
    expected << in.rdbuf();
    EXPECT_EQ(actual, expected.str());
}

} // namespace
