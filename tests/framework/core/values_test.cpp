// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/core/dictionary.h"
#include "framework/core/memoryblock.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

using fw::MemoryBlock;

TEST(MemoryBlock, TypedAccessorsFollowTheByteOrder)
{
    MemoryBlock block(8);
    block.SetInt32Value(0, -2);
    block.SetUInt16Value(4, 0x1234);
    EXPECT_EQ(block.Byte(0), 0xFF);
    EXPECT_EQ(block.Byte(3), 0xFE);
    EXPECT_EQ(block.Byte(4), 0x12);
    EXPECT_EQ(block.Int32Value(0), -2);
    block.SetLittleEndian(true);
    EXPECT_EQ(block.UInt16Value(4), 0x3412);
    block.SetDoubleValue(0, 1.5);
    EXPECT_EQ(block.Byte(7), 0x3F);
    EXPECT_EQ(block.DoubleValue(0), 1.5);
}

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

TEST(Dictionary, KeepsInsertionOrderAndReplacesInPlace)
{
    fw::Dictionary d;
    d.SetValue("b", 1);
    d.SetValue("a", 2);
    d.SetValue("b", 3);
    ASSERT_EQ(d.Count(), 2u);
    EXPECT_EQ(d.Key(0).AsString(), "b");
    EXPECT_EQ(d.Value("b").AsInteger(), 3);
    EXPECT_FALSE(d.HasKey(std::int32_t(2)));
    EXPECT_THROW(d.Value("c"), fw::KeyNotFoundException);
    d.Remove("b");
    EXPECT_EQ(d.Key(0).AsString(), "a");
}

TEST(Dictionary, FindsKeysByValueThroughGrowthAndRemoval)
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

TEST(Variant, TypedReadsGiveNothingForAnotherKind)
{
    const fw::Variant text("2");
    EXPECT_FALSE(text.AsInteger());
    EXPECT_FALSE(text.AsBoolean());
    EXPECT_FALSE(text.AsDate());
    EXPECT_EQ(text.AsString(), "2");
    const fw::Variant number(std::int32_t(2));
    EXPECT_FALSE(number.AsString());
    EXPECT_FALSE(number.AsDouble());
    EXPECT_EQ(number.AsInteger(), 2);
    EXPECT_FALSE(number == text);
    EXPECT_TRUE(fw::Variant() == fw::Variant(nullptr));
}
