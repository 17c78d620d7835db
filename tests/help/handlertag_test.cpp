// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/handlertag.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// A failure inside hideControl called from an Open handler names both, the
// inner one first, after the original message.
TEST(HandlerTag, NestedHandlersAppendTheirTagsInnermostFirst)
{
    try {
        help::Tagged("AquaAboutBox.Description.Open", [] {
            help::Tagged("AquaAboutBox.HideControl", [] { throw std::out_of_range("boom"); });
        });
        FAIL() << "nothing was thrown";
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "boom\rAquaAboutBox.HideControl\rAquaAboutBox.Description.Open");
    }
    EXPECT_EQ(help::Tagged("StaticURL.MouseDown", [] { return true; }), true);
}

} // namespace
