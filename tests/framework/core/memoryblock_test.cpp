// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/core/memoryblock.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

using fw::MemoryBlock;

namespace {

using Bytes = std::vector<std::uint8_t>;

std::vector<std::uint8_t> bytesOf(const MemoryBlock& block)
{
    return {block.Bytes().begin(), block.Bytes().end()};
}

// Each accessor written at offset 1 of a zeroed 10-byte block, in both byte
// orders, then read back.
struct TypedRow {
    const char* name;
    std::function<void(MemoryBlock&)> set;
    std::function<bool(const MemoryBlock&)> readsBack;
    Bytes bigEndian;
    Bytes littleEndian;
};

TEST(MemoryBlock, TypedAccessorsTakeTheBlocksByteOrder)
{
    const TypedRow rows[] = {
        {"UInt8", [](MemoryBlock& b) { b.SetUInt8Value(1, 0xAB); },
         [](const MemoryBlock& b) { return b.UInt8Value(1) == 0xAB; }, {0xAB}, {0xAB}},
        {"Int16", [](MemoryBlock& b) { b.SetInt16Value(1, -2); },
         [](const MemoryBlock& b) { return b.Int16Value(1) == -2 && b.UInt16Value(1) == 0xFFFE; }, {0xFF, 0xFE},
         {0xFE, 0xFF}},
        {"UInt16", [](MemoryBlock& b) { b.SetUInt16Value(1, 0x1234); },
         [](const MemoryBlock& b) { return b.UInt16Value(1) == 0x1234; }, {0x12, 0x34}, {0x34, 0x12}},
        {"Int32", [](MemoryBlock& b) { b.SetInt32Value(1, -1); },
         [](const MemoryBlock& b) { return b.Int32Value(1) == -1 && b.UInt32Value(1) == 0xFFFFFFFFu; },
         {0xFF, 0xFF, 0xFF, 0xFF}, {0xFF, 0xFF, 0xFF, 0xFF}},
        {"UInt32", [](MemoryBlock& b) { b.SetUInt32Value(1, 0x08000100); },
         [](const MemoryBlock& b) { return b.UInt32Value(1) == 0x08000100 && b.Int32Value(1) == 134217984; },
         {0x08, 0x00, 0x01, 0x00}, {0x00, 0x01, 0x00, 0x08}},
        {"Double", [](MemoryBlock& b) { b.SetDoubleValue(1, 1.5); },
         [](const MemoryBlock& b) { return b.DoubleValue(1) == 1.5; }, {0x3F, 0xF8, 0, 0, 0, 0, 0, 0},
         {0, 0, 0, 0, 0, 0, 0xF8, 0x3F}},
        {"Color, red first in both orders", [](MemoryBlock& b) { b.SetColorValue(1, fw::RGB(0xFF, 0x80, 0x00)); },
         [](const MemoryBlock& b) { return b.ColorValue(1) == fw::RGB(0xFF, 0x80, 0x00); }, {0xFF, 0x80, 0x00},
         {0xFF, 0x80, 0x00}},
        {"String, bytes as they are", [](MemoryBlock& b) { b.SetStringValue(1, "28\xFF"); },
         [](const MemoryBlock& b) { return b.StringValue(1, 3) == "28\xFF"; }, {'2', '8', 0xFF}, {'2', '8', 0xFF}},
    };
    for (const TypedRow& row : rows) {
        for (const bool little : {false, true}) {
            SCOPED_TRACE(std::string(row.name) + (little ? ", little-endian" : ", big-endian"));
            MemoryBlock block(10);
            block.SetLittleEndian(little);
            row.set(block);
            Bytes expected(10, 0);
            const Bytes& written = little ? row.littleEndian : row.bigEndian;
            std::copy(written.begin(), written.end(), expected.begin() + 1);
            EXPECT_EQ(bytesOf(block), expected);
            EXPECT_TRUE(row.readsBack(block));
        }
    }
}

TEST(MemoryBlock, IsLittleEndianUntilToldOtherwise)
{
    MemoryBlock block(2);
    EXPECT_TRUE(block.LittleEndian());
    block.SetUInt16Value(0, 0x0102);
    EXPECT_EQ(bytesOf(block), (Bytes{0x02, 0x01}));
    block.SetLittleEndian(false);
    EXPECT_EQ(block.UInt16Value(0), 0x0201);
}

// Accesses that do not lie wholly inside a 4-byte block 01 02 03 04 read
// zero and write nothing, however large the offset.
TEST(MemoryBlock, AccessesPastTheEndsReadZeroAndWriteNothing)
{
    constexpr std::size_t kHuge = std::numeric_limits<std::size_t>::max();
    struct Row {
        const char* name;
        std::function<bool(const MemoryBlock&)> readsZero;
        std::function<void(MemoryBlock&)> write;
    };
    const Row rows[] = {
        {"UInt8 at the size", [](const MemoryBlock& b) { return b.UInt8Value(4) == 0; },
         [](MemoryBlock& b) { b.SetUInt8Value(4, 9); }},
        {"Int16 across the end", [](const MemoryBlock& b) { return b.Int16Value(3) == 0; },
         [](MemoryBlock& b) { b.SetInt16Value(3, 9); }},
        {"UInt16 at a huge offset", [](const MemoryBlock& b) { return b.UInt16Value(kHuge - 1) == 0; },
         [](MemoryBlock& b) { b.SetUInt16Value(kHuge - 1, 9); }},
        {"Int32 one byte in", [](const MemoryBlock& b) { return b.Int32Value(1) == 0; },
         [](MemoryBlock& b) { b.SetInt32Value(1, 9); }},
        {"UInt32 at the largest offset", [](const MemoryBlock& b) { return b.UInt32Value(kHuge) == 0; },
         [](MemoryBlock& b) { b.SetUInt32Value(kHuge, 9); }},
        {"Double longer than the block", [](const MemoryBlock& b) { return b.DoubleValue(0) == 0.0; },
         [](MemoryBlock& b) { b.SetDoubleValue(0, 9); }},
        {"Color across the end", [](const MemoryBlock& b) { return b.ColorValue(2) == fw::Color{}; },
         [](MemoryBlock& b) { b.SetColorValue(2, fw::RGB(9, 9, 9)); }},
        {"String whose length wraps", [](const MemoryBlock& b) { return b.StringValue(2, kHuge).empty(); },
         [](MemoryBlock& b) { b.SetStringValue(3, "ab"); }},
        {"String past the end", [](const MemoryBlock& b) { return b.StringValue(5, 0).empty(); },
         [](MemoryBlock& b) { b.SetStringValue(kHuge, "a"); }},
    };
    for (const Row& row : rows) {
        for (const bool little : {false, true}) {
            SCOPED_TRACE(std::string(row.name) + (little ? ", little-endian" : ", big-endian"));
            MemoryBlock block = MemoryBlock::FromString("\x01\x02\x03\x04");
            block.SetLittleEndian(little);
            EXPECT_TRUE(row.readsZero(block));
            row.write(block);
            EXPECT_EQ(block.ToString(), "\x01\x02\x03\x04");
        }
    }
    // The last bytes inside are still reached, and an empty text anywhere
    // up to the end is there.
    MemoryBlock block = MemoryBlock::FromString("\x01\x02\x03\x04");
    block.SetLittleEndian(false);
    EXPECT_EQ(block.UInt16Value(2), 0x0304);
    EXPECT_EQ(block.StringValue(4, 0), "");
    EXPECT_EQ(MemoryBlock().UInt8Value(0), 0);
}

} // namespace
