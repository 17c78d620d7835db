// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "prefs/bdictionary.h"
#include "prefs/bprefs.h"
#include "prefs_test_util.h"

using namespace prefstest;

namespace {

std::string pattern(std::size_t length, unsigned seed)
{
    std::string s(length, '\0');
    for (char& c : s) {
        seed = seed * 1103515245u + 12345u;
        c = char(seed >> 16);
    }
    return s;
}

} // namespace

TEST(PrefsCipher, KnownBlockWithKeyBytes00To42)
{
    std::string key;
    for (char c = 0; c < 0x43; ++c)
        key += c;
    const fw::MemoryBlockPtr data = block(kDurciclo);
    EXPECT_EQ(BDictionary::Encrypt(data, key), data) << "enciphered in place";
    EXPECT_EQ(hex(*data), "00 5C FE 03 FC 0F FA 07 F8 21 F6 13 FC 0D F3 0F "
                          "54 86 60 76 55 78 56 86 E8 21 EE 1B E5 1D 14 57");
    BDictionary::Decrypt(data, key);
    EXPECT_EQ(hex(*data), hex(kDurciclo));
    EXPECT_FALSE(BDictionary::Encrypt(nullptr, "key") || BDictionary::Decrypt(nullptr, "key"));
}

TEST(PrefsCipher, ByteRules)
{
    struct Row { const char* name; std::string key, plain, enciphered; };
    const Row rows[] = {
        {"key byte 0 changes nothing", std::string(64, '\0'), bytes("00 7F FF"), bytes("00 7F FF")},
        {"even key byte below zero wraps to the top", std::string(64, '\x04'), bytes("01 04 FF"), bytes("FD 00 FB")},
        {"odd key byte past 255 wraps to the bottom", std::string(64, '\x03'), bytes("FE 00 FC"), bytes("01 03 FF")},
        {"key repeats after its last byte", std::string(63, '\0') + "\x01", std::string(130, '\x10'),
         std::string(63, '\x10') + "\x11" + std::string(63, '\x10') + "\x11" + std::string(2, '\x10')},
        {"one byte uses key byte 0 only", "\x02" + pattern(70, 1), bytes("05"), bytes("03")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const fw::MemoryBlockPtr data = block(row.plain);
        BDictionary::Encrypt(data, row.key);
        EXPECT_EQ(hex(*data), hex(row.enciphered));
        BDictionary::Decrypt(data, row.key);
        EXPECT_EQ(hex(*data), hex(row.plain));
    }
}

// Worked out independently of this code; texts of 64 bytes or more are used as they are.
TEST(PrefsCipher, KeyBytesOfKeyTexts)
{
    struct Row { const char* name; std::string key, keyBytes; };
    const Row rows[] = {
        {"empty, padded", "",
         bytes("8409f40f98bc4543ee9249dc6a1349ab01b2a1ad8c701f5d9bc2cbd9490c25e4"
               "ea7c71ea8782a4591155931277a19dff229745786208dd4f3e72cf238083567c")},
        {"11 bytes, padded", "abcdefghijk",
         bytes("a9b7174aa3c574d9f77b132514763520977bbb99f116ffa8c9be4f3903f748b7"
               "9d203be4ce603928efc6a6a33c44ceed40193abc1445d9169c2ad4ab0505680f")},
        {"12 bytes, not padded", "abcdefghijkl",
         bytes("076ada319b353f6b148a2b0c6e5dc51b8ac702f25ee0fa0ac759cdeafd513204"
               "f8983bd4489bb08ea73736d67acb1b7d573f558799c1097842ce90cd52e56962")},
        {"63 bytes, stretched", std::string(63, 'x'),
         bytes("f2fbb515024fc1346d39bad96f98ebc381b12fd9c889323015b47e7384418303"
               "540ce8d150875195414e647863b0180751ed1b878de0fe87df9e864d89729e39")},
        {"67 bytes", pattern(67, 3), pattern(67, 3)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(hex(*BDictionary::EncryptionKey(row.key)), hex(row.keyBytes));
    }
}

// Every preferences file ever written is enciphered with this key: if this
// test fails, existing files can no longer be read.
TEST(PrefsCipher, GeneratedKeyIsFrozen)
{
    const std::string key = BPrefs::GenerateKey();
    EXPECT_EQ(hex(key), hex(bytes("cc31afeac718f2d5ea352ea0503d5466fa6fa1bdb892a606cf70381b381eefb8"
                                  "b9582bbe3d3103e6a41a685f4648150bf2a6a8dc75362f96c6566bd31e40e792"
                                  "957aac")));
    EXPECT_EQ(BPrefs::GenerateKey(), key);
}
