// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/core/digest.h"

#include <gtest/gtest.h>

namespace {
std::string hex(const std::string& bytes)
{
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}
} // namespace

TEST(Digest, MD5MatchesRFC1321Vectors)
{
    struct Row { const char* input; const char* digest; };
    const Row rows[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57edf4a22be3c955ac49da2e2107b67a"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.input);
        const std::string digest = fw::MD5(row.input);
        ASSERT_EQ(digest.size(), 16u);
        EXPECT_EQ(hex(digest), row.digest);
    }
    // Bytes after a NUL count too.
    EXPECT_NE(fw::MD5(std::string("a\0b", 3)), fw::MD5("a"));
}

TEST(Digest, Base64RoundTripsTheRFC4648Vectors)
{
    struct Row { const char* bytes; const char* text; };
    const Row rows[] = {
        {"", ""}, {"f", "Zg=="}, {"fo", "Zm8="}, {"foo", "Zm9v"},
        {"foob", "Zm9vYg=="}, {"fooba", "Zm9vYmE="}, {"foobar", "Zm9vYmFy"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(fw::EncodeBase64(row.bytes), row.text);
        EXPECT_EQ(fw::DecodeBase64(row.text), std::string(row.bytes));
    }
    std::string all;
    for (int i = 0; i < 256; ++i)
        all += char(i);
    EXPECT_EQ(fw::DecodeBase64(fw::EncodeBase64(all)), all);
    EXPECT_EQ(fw::DecodeBase64("+/+/"), std::string("\xfb\xff\xbf"));
}

TEST(Digest, Base64DecodingIsStrict)
{
    struct Row { const char* name; std::string text; };
    const Row rows[] = {
        {"missing padding", "Zg"},
        {"short padding", "Zg="},
        {"length not a multiple of 4", "Zm9vY"},
        {"padding in the middle", "Zg==Zm9v"},
        {"three padding characters", "Z==="},
        {"only padding", "===="},
        {"padding then data", "Zg=a"},
        {"leading padding", "=Zm9"},
        {"line break", "Zm9v\nYmFy"},
        {"trailing line break", "Zm9vYmF\n"},
        {"blank", "Zm9v YmF"},
        {"URL alphabet minus", "Zm-v"},
        {"URL alphabet underscore", "Zm_v"},
        {"NUL", std::string("Zm9\0", 4)},
        {"non-ASCII", "Zm\xC3\xA9"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(fw::DecodeBase64(row.text), std::nullopt);
    }
}
