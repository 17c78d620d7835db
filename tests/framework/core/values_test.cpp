// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/core/dictionary.h"
#include "framework/core/memoryblock.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

using fw::MemoryBlock;

TEST(MemoryBlock, EveryAccessOutsideTheBlockThrows)
{
    // At the end, straddling it, a huge offset, an offset whose sum wraps.
    MemoryBlock block(6);
    EXPECT_THROW(block.Byte(6), fw::OutOfBoundsException);
    EXPECT_THROW(block.SetUInt16Value(5, 1), fw::OutOfBoundsException);
    EXPECT_THROW(block.Int32Value(3), fw::OutOfBoundsException);
    EXPECT_THROW(block.DoubleValue(1), fw::OutOfBoundsException);
    EXPECT_THROW(block.Byte(std::size_t(-1)), fw::OutOfBoundsException);
    EXPECT_THROW(block.Int32Value(std::size_t(-2)), fw::OutOfBoundsException);
    EXPECT_THROW(block.Mid(4, 3), fw::OutOfBoundsException);
    EXPECT_THROW(block.StringValue(7, 0), fw::OutOfBoundsException);
    EXPECT_EQ(block.Mid(6, 0).Size(), 0u);
}

TEST(Dictionary, FindsKeysInInsertionOrderThroughGrowthAndRemoval)
{
    fw::Dictionary d;
    constexpr std::int32_t n = 5000;
    for (std::int32_t i = 0; i < n; ++i) {
        d.SetValue(i, i);
        d.SetValue(std::to_string(i), -i);
    }
    d.Remove(std::int32_t(0));
    ASSERT_EQ(d.Count(), std::size_t(2 * n - 1));
    EXPECT_EQ(d.Key(0).AsString(), "0");
    for (std::int32_t i = 1; i < n; ++i) {
        ASSERT_EQ(d.Value(i).AsInteger(), i);
        ASSERT_EQ(d.Value(std::to_string(i)).AsInteger(), -i);
    }
    EXPECT_FALSE(d.HasKey(std::int32_t(0)));
    EXPECT_FALSE(d.HasKey(std::int64_t(1)));
    EXPECT_THROW(d.Value("none"), fw::KeyNotFoundException);
    // A new value keeps its key's place.
    d.SetValue(std::int32_t(1), 9);
    EXPECT_EQ(d.Key(1).AsInteger(), 1);
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
