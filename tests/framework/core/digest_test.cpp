// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/core/digest.h"

#include <gtest/gtest.h>

#include <optional>

TEST(Digest, MD5MatchesRFC1321Vectors)
{
    const std::pair<std::string, const char*> rows[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57edf4a22be3c955ac49da2e2107b67a"},
        // Bytes after a NUL count too.
        {std::string("a\0b", 3), "70350f6027bce3713f6b76473084309b"},
    };
    for (const auto& [input, digest] : rows) {
        std::string hex;
        for (unsigned char c : fw::MD5(input))
            hex += std::string{"0123456789abcdef"[c >> 4], "0123456789abcdef"[c & 15]};
        EXPECT_EQ(hex, digest) << input;
    }
}

// The RFC 4648 vectors, then texts that are no strict Base64 (nullopt).
TEST(Digest, Base64DecodingIsStrict)
{
    const std::pair<std::string, std::optional<std::string>> rows[] = {
        {"", ""}, {"Zg==", "f"}, {"Zm8=", "fo"}, {"Zm9v", "foo"}, {"Zm9vYg==", "foob"}, {"Zm9vYmE=", "fooba"},
        {"Zm9vYmFy", "foobar"}, {"+/+/", "\xfb\xff\xbf"}, {"Zg", {}}, {"Zg=", {}}, {"Zm9vY", {}}, {"Zg==Zm9v", {}},
        {"Z===", {}}, {"====", {}}, {"Zg=a", {}}, {"=Zm9", {}}, {"Zm9v\nYmFy", {}}, {"Zm9vYmF\n", {}},
        {"Zm9v YmF", {}}, {"Zm-v", {}}, {"Zm_v", {}}, {std::string("Zm9\0", 4), {}}, {"Zm\xC3\xA9", {}},
    };
    for (const auto& [text, bytes] : rows)
        EXPECT_EQ(fw::DecodeBase64(text), bytes) << text;
}
