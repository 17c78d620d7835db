// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/textos.h"
#include "framework/core/localization.h"
#include "framework/core/text.h"
#include "support/scopedtable.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using Getter = std::string (*)();

// A constant's name and getter.
#define T(name) #name, &Textos::name

// Every default, pinned byte for byte without retyping it: its length in
// characters and in bytes, and a 64-bit FNV-1a hash of its bytes.
struct Constant { const char* name; Getter get; std::int64_t characters; std::size_t bytes; std::uint64_t hash; };

const Constant kAll[] = {
    {T(k002), 2, 2, 0x9b615400c61bc8bdull}, {T(k013), 25, 26, 0xf677a2fff0222b4eull},
    {T(k014), 80, 80, 0xac9d4a765877d2b5ull}, {T(k200), 11, 11, 0xe0741fab4eb8ea6full},
    {T(k201), 21, 21, 0x4efa01c42282221bull}, {T(k202), 12, 12, 0x7b4d5715f69b471bull},
    {T(k203), 13, 13, 0xd3d5372722b56764ull}, {T(k204), 14, 14, 0x6ea7d4d81c870225ull},
    {T(k205), 26, 26, 0x79cfc4810c3ed49bull}, {T(k207), 24, 24, 0x30134093da1987eeull},
    {T(k208), 28, 28, 0x4a9bdc3c997e1384ull}, {T(k220), 74, 74, 0x8c147eda79b8ed31ull},
    {T(k221), 39, 39, 0x74f0a114f36bc10full}, {T(k222), 101, 101, 0xe36aa763431d3da1ull},
    {T(k300), 118, 118, 0xfd07d41737cc366eull},
    {T(k301), 3, 3, 0x42d23450b3243ee3ull}, {T(k302), 3, 3, 0x3420e250ab913983ull},
    {T(k303), 3, 3, 0x802c2850d618407full}, {T(k304), 3, 3, 0x6746e250c84ddf6dull},
    {T(k305), 3, 3, 0x808f3c50d66cdfd6ull}, {T(k306), 3, 3, 0xe52576507e8a3c5aull},
    {T(k307), 3, 3, 0x42fb1e50b3471e95ull}, {T(k308), 6, 6, 0xa578c3520c22d822ull},
    {T(k309), 5, 5, 0xdc895bd690750c5cull}, {T(k310), 6, 6, 0x14edf5d65cf2e6e6ull},
    {T(k311), 9, 9, 0x0b961d0e56e17dd4ull}, {T(k312), 11, 11, 0xbffa791540c5c3eaull},
    {T(k313), 3, 3, 0x43092a50b3537055ull}, {T(k314), 11, 11, 0xa496640da75de898ull},
    {T(k315), 12, 12, 0xcc26a51b4fde1ad0ull}, {T(k316), 23, 23, 0x3f2267023451b2daull},
    {T(k317), 9, 9, 0x909cc4357b7c7359ull}, {T(k318), 15, 15, 0xb000dfcd196dff7bull},
    {T(k319), 14, 14, 0xec2fdb925b4404b7ull}, {T(k321), 15, 15, 0x30ac595766d1f778ull},
    {T(k322), 9, 9, 0xf9da88f04424b0f9ull}, {T(k323), 4, 4, 0x08d401f6fc3ffbc0ull},
    {T(k324), 11, 11, 0xe0741fab4eb8ea6full}, {T(k325), 5, 5, 0x44a8d135617f93f0ull},
    {T(k326), 25, 25, 0x4b7381647771d5afull}, {T(k327), 20, 20, 0xca1ca34f68da5f40ull},
    {T(k328), 19, 19, 0x9fc3dec869afc12bull}, {T(k330), 104, 104, 0xb30b3e2d84334f86ull},
    {T(k331), 334, 334, 0x836fc74bef6236d2ull}, {T(k332), 23, 23, 0xd6bef02fdf7749e7ull},
    {T(k333), 5, 5, 0x97dd931884e590a5ull}, {T(k334), 155, 155, 0x1a0569e1e1427196ull},
    {T(k335), 2, 2, 0x9b615400c61bc8bdull}, {T(k500), 4, 4, 0x08d401f6fc3ffbc0ull},
    {T(k501), 118, 118, 0x55a28c888f5a6b42ull}, {T(k502), 33, 33, 0xe756089a88c4210cull},
    {T(k700), 20, 20, 0x1a7ac48fed9d115aull}, {T(k701), 19, 19, 0xb70428e06ca5ce21ull},
    {T(k702), 6, 6, 0x4c0638cb16222ca5ull}, {T(k703), 13, 13, 0x30a1c40aa20a1025ull},
    {T(k704), 8, 8, 0x1c9f5dbe1654bd37ull}, {T(k705), 5, 5, 0x2302863d6b95d739ull},
    {T(k706), 59, 59, 0xb8a0fd327e895e2bull}, {T(k710), 23, 23, 0x9fa9da695501037eull},
    {T(k711), 26, 26, 0xa459bbbbf5bdcb22ull}, {T(k712), 61, 61, 0x6ed3d29406ae5d48ull},
    {T(k713), 54, 54, 0xbc061d292e8b4b9bull}, {T(k714), 54, 54, 0x0282af23a550af56ull},
    {T(k904), 28, 28, 0x6a12ae648e04af25ull}, {T(kAppAboutBoxDescription), 47, 47, 0xde3297a663f0b914ull},
    {T(kAppAboutBoxCredits), 3211, 3215, 0xe560c801b9638051ull},
    {T(kayuda00), 3681, 3681, 0x92a3d4d8def59586ull}, {T(kayuda01), 1312, 1312, 0x7d308f01459b429full},
    {T(kayuda02), 616, 616, 0x0db47049aa6bb40dull}, {T(kayuda04), 1927, 1927, 0x3b78ba742fd560dcull},
    {T(kayuda05), 3337, 3339, 0xcf9434cfbb642581ull}, {T(kayuda06), 732, 732, 0x010fc3a7bc44a2d7ull},
    {T(kayuda08), 298, 298, 0x70c5bad1d37bad3eull}, {T(kayuda09), 298, 298, 0x70c5bad1d37bad3eull},
    {T(kayuda10), 298, 298, 0x70c5bad1d37bad3eull},
};

std::uint64_t Fnv1a(const std::string& text)
{
    std::uint64_t h = 1469598103934665603ull;
    for (const unsigned char c : text) {
        h ^= c;
        h *= 1099511628211ull;
    }
    return h;
}

// True when a CR stands between two characters of running text: the help
// renderer deletes CRs, so the two words would be joined.
bool JoinsWords(const std::string& page)
{
    const auto open = [](char c, char closer) { return c != ' ' && c != '\t' && c != '\r' && c != closer; };
    for (std::size_t i = 1; i + 1 < page.size(); ++i)
        if (page[i] == '\r' && open(page[i - 1], '>') && open(page[i + 1], '<'))
            return true;
    return false;
}

} // namespace

TEST(Textos, DefaultsAreByteExact)
{
    for (const Constant& c : kAll) {
        SCOPED_TRACE(c.name);
        const std::string text = c.get();
        EXPECT_EQ(fw::Len(text), c.characters);
        EXPECT_EQ(text.size(), c.bytes);
        EXPECT_EQ(Fnv1a(text), c.hash);
    }
}

// A regression: a CR inside running text of a help page joined two words.
TEST(Textos, HelpPagesJoinNoWords)
{
    for (const Getter page : {&Textos::kayuda00, &Textos::kayuda01, &Textos::kayuda02, &Textos::kayuda04,
                              &Textos::kayuda05, &Textos::kayuda06})
        EXPECT_FALSE(JoinsWords(page()));
}

TEST(Textos, EveryKeyIsTextosFollowedByTheName)
{
    std::vector<std::pair<std::string, std::string>> entries;
    for (const Constant& c : kAll)
        entries.emplace_back(std::string("Textos.") + c.name, std::string("«") + c.name + "»");
    const testenv::ScopedTable table("xx", entries);
    for (const Constant& c : kAll)
        EXPECT_EQ(c.get(), std::string("«") + c.name + "»");
}
