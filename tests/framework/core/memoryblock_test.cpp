// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/core/memoryblock.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>

using fw::MemoryBlock;

namespace {

// Every accessor after a leading zero, the double ending the block, in both
// byte orders: the bytes each writes and what each reads back.
TEST(MemoryBlock, TypedAccessorsTakeTheBlocksByteOrder)
{
    EXPECT_TRUE(MemoryBlock().LittleEndian());
    // UInt8, Int16, UInt16, Int32, UInt32, Color (red first in both orders),
    // String (bytes as they are), Double.
    const std::string bigEndian("\0\xAB\xFF\xFE\x12\x34\xFF\xFF\xFF\xFE\x08\x00\x01\x00\xFF\x80\x00"
                                "28\xFF\x3F\xF8\0\0\0\0\0\0",
                                28);
    const std::string littleEndian("\0\xAB\xFE\xFF\x34\x12\xFE\xFF\xFF\xFF\x00\x01\x00\x08\xFF\x80\x00"
                                   "28\xFF\0\0\0\0\0\0\xF8\x3F",
                                   28);
    for (const bool little : {false, true}) {
        SCOPED_TRACE(little ? "little-endian" : "big-endian");
        MemoryBlock block(28);
        block.SetLittleEndian(little);
        block.SetUInt8Value(1, 0xAB);
        block.SetInt16Value(2, -2);
        block.SetUInt16Value(4, 0x1234);
        block.SetInt32Value(6, -2);
        block.SetUInt32Value(10, 0x08000100);
        block.SetColorValue(14, fw::RGB(0xFF, 0x80, 0x00));
        block.SetStringValue(17, "28\xFF");
        block.SetDoubleValue(20, 1.5);
        EXPECT_EQ(block.ToString(), little ? littleEndian : bigEndian);
        EXPECT_EQ(block.UInt8Value(1), 0xAB);
        EXPECT_EQ(block.Int16Value(2), -2);
        EXPECT_EQ(block.UInt16Value(2), 0xFFFE);
        EXPECT_EQ(block.UInt16Value(4), 0x1234);
        EXPECT_EQ(block.Int32Value(6), -2);
        EXPECT_EQ(block.UInt32Value(10), 0x08000100u);
        EXPECT_EQ(block.ColorValue(14), fw::RGB(0xFF, 0x80, 0x00));
        EXPECT_EQ(block.StringValue(17, 3), "28\xFF");
        EXPECT_EQ(block.DoubleValue(20), 1.5);
    }
}

// Accesses that do not lie wholly inside the block 01 02 03 04 read zero and
// write nothing, however large the offset.
TEST(MemoryBlock, AccessesPastTheEndsReadZeroAndWriteNothing)
{
    constexpr std::size_t kHuge = std::numeric_limits<std::size_t>::max();
    struct Row { const char* name; std::function<bool(const MemoryBlock&)> readsZero;
                 std::function<void(MemoryBlock&)> write; };
    const Row rows[] = {
        {"UInt8 at the size", [](auto& b) { return b.UInt8Value(4) == 0; }, [](auto& b) { b.SetUInt8Value(4, 9); }},
        {"Int32 across the end", [](auto& b) { return b.Int32Value(1) == 0; }, [](auto& b) { b.SetInt32Value(1, 9); }},
        {"UInt16 at an offset that wraps", [](auto& b) { return b.UInt16Value(kHuge - 1) == 0; },
         [](auto& b) { b.SetUInt16Value(kHuge - 1, 9); }},
        {"Double longer than the block", [](auto& b) { return b.DoubleValue(0) == 0.0; },
         [](auto& b) { b.SetDoubleValue(0, 9); }},
        {"Color across the end", [](auto& b) { return b.ColorValue(2) == fw::Color{}; },
         [](auto& b) { b.SetColorValue(2, fw::RGB(9, 9, 9)); }},
        {"String whose length wraps", [](auto& b) { return b.StringValue(2, kHuge).empty(); },
         [](auto& b) { b.SetStringValue(3, "ab"); }},
        {"String past the end", [](auto& b) { return b.StringValue(5, 0).empty(); },
         [](auto& b) { b.SetStringValue(kHuge, "a"); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        MemoryBlock block = MemoryBlock::FromString("\x01\x02\x03\x04");
        EXPECT_TRUE(row.readsZero(block));
        row.write(block);
        EXPECT_EQ(block.ToString(), "\x01\x02\x03\x04");
    }
    EXPECT_EQ(MemoryBlock().UInt8Value(0), 0);
}

} // namespace
