// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/core/dictionary.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

TEST(Dictionary, FindsKeysInInsertionOrderThroughGrowth)
{
    fw::Dictionary d;
    constexpr std::int32_t n = 5000;
    for (std::int32_t i = 0; i < n; ++i) {
        d.SetValue(i, i);
        d.SetValue(std::to_string(i), -i);
    }
    ASSERT_EQ(d.Count(), std::size_t(2 * n));
    EXPECT_EQ(d.Key(1).AsString(), "0");
    for (std::int32_t i = 0; i < n; ++i) {
        ASSERT_EQ(d.Value(i).AsInteger(), i);
        ASSERT_EQ(d.Value(std::to_string(i)).AsInteger(), -i);
    }
    EXPECT_FALSE(d.HasKey(std::int32_t(n)));
    EXPECT_FALSE(d.HasKey(std::int64_t(1)));
    EXPECT_THROW(d.Value("none"), fw::KeyNotFoundException);
    // A new value keeps its key's place.
    d.SetValue(std::int32_t(1), 9);
    EXPECT_EQ(d.Key(2).AsInteger(), 1);
    EXPECT_EQ(d.Value(std::int32_t(1)).AsInteger(), 9);

    // Keys that compare equal are one key, however they were made; NaN
    // equals nothing, itself included.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::pair<fw::Variant, fw::Variant> pairs[] = {
        {0.0, -0.0}, {fw::EncodedString{"k", fw::kEncodingNone}, "k"}, {fw::Variant(), nullptr}, {nan, nan}};
    for (const auto& [stored, asked] : pairs) {
        fw::Dictionary e;
        e.SetValue(stored, 1);
        e.SetValue(asked, 2);
        EXPECT_EQ(e.Count(), stored == stored ? 1u : 2u);
        EXPECT_EQ(e.HasKey(asked), stored == stored);
    }
}
