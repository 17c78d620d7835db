// SPDX-License-Identifier: GPL-3.0-or-later
// Blocks that the writer never makes: each must read as no dictionary, an
// empty one or the entries that can be read, without reading outside the
// block or recursing without end.
#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "prefs/bdictionary.h"
#include "prefs_test_util.h"

using namespace prefstest;

namespace {

std::string be32(std::int32_t v)
{
    const auto u = std::uint32_t(v);
    return {char(u >> 24), char(u >> 16), char(u >> 8), char(u)};
}

std::string S(std::string_view text) { return bytes("00 08 08 00 01 00") + std::string(text); }
std::string I(std::int32_t v) { return bytes("00 02") + be32(v); }
const std::string kTrue = bytes("00 0B 01");

// The offsets the writer would give these records.
std::vector<std::int32_t> offsetsOf(const std::vector<std::string>& records)
{
    std::vector<std::int32_t> offsets;
    auto at = std::int32_t(2 + 4 * records.size());
    for (const std::string& r : records) {
        offsets.push_back(at);
        at += std::int32_t(r.size());
    }
    return offsets;
}

std::string record(const std::vector<std::int32_t>& offsets, const std::vector<std::string>& records)
{
    std::string out = bytes("00 5B");
    for (std::int32_t o : offsets)
        out += be32(o);
    for (const std::string& r : records)
        out += r;
    return out;
}

std::string record(const std::vector<std::string>& records) { return record(offsetsOf(records), records); }

// Records of a→1 and b→2, with one offset changed.
std::string twoEntriesWith(std::size_t index, std::int32_t offset)
{
    const std::vector<std::string> records{S("a"), I(1), S("b"), I(2)};
    auto offsets = offsetsOf(records);
    offsets[index] = offset;
    return record(offsets, records);
}

// A dictionary nested `levels` deep under the key "k", each level's table
// pointing `reads` times at the same nested record: read naively that is
// reads^levels records.
std::string reread(int levels, int reads)
{
    if (levels == 0)
        return bytes("00 5B");
    const std::string inner = reread(levels - 1, reads);
    const auto first = std::int32_t(2 + 8 * reads);
    const std::int32_t value = first + 7;
    const auto end = std::int32_t(value + inner.size());
    std::vector<std::int32_t> offsets{first, value};
    for (int i = 1; i < reads; ++i) {
        offsets.push_back(end);
        offsets.push_back(value);
    }
    return record(offsets, {S("k"), inner});
}

constexpr int kCap = BDictionary::kMaxDepth;

// expected null: no dictionary.
struct Row { const char* name; std::string block; fw::DictionaryPtr expected; };

std::vector<Row> rows()
{
    const auto empty = [] { return dict({}); };
    const auto a1 = [] { return dict({{"a", std::int32_t(1)}}); };
    const auto b2 = [] { return dict({{"b", std::int32_t(2)}}); };
    return {
        {"well-formed", twoEntriesWith(0, 18), dict({{"a", std::int32_t(1)}, {"b", std::int32_t(2)}})},
        {"empty block", "", nullptr},
        {"one byte", bytes("5B"), nullptr},
        {"two bytes: empty dictionary", bytes("00 5B"), empty()},
        {"two bytes: nil record", bytes("00 33"), nullptr},
        {"three bytes: tag at 1", bytes("00 00 5B"), empty()},
        {"no dictionary tag anywhere", bytes("01 02 03 04 05 06 07 08"), nullptr},
        {"other bytes before the record", bytes("FF FF 12") + kDurciclo, dict({{"durciclo", "28"}})},
        {"tag with non-zero upper half is skipped", bytes("00 5B 00 01") + kDurciclo, dict({{"durciclo", "28"}})},
        // Its offset 0x00010000 lies inside the block, yet it is no record.
        {"tag with non-zero upper half skipped in a 64 KiB block",
         bytes("00 5B 00 01") + std::string(65536, '\0') + kDurciclo, dict({{"durciclo", "28"}})},
        {"tag only at the last four bytes", bytes("01 02 00 5B 00 00"), empty()},
        {"value offset past the end", twoEntriesWith(3, 1000), a1()},
        {"key offset past the end", twoEntriesWith(2, 1000), empty()},
        {"offsets decrease", twoEntriesWith(2, 40), a1()},
        {"value offset back to the record's own start", twoEntriesWith(3, 0), a1()},
        {"offset into the offset table", twoEntriesWith(1, 2), b2()},
        {"negative value offset", twoEntriesWith(1, -5), b2()},
        {"largest offset", twoEntriesWith(1, std::numeric_limits<std::int32_t>::max()), b2()},
        {"first key offset below 2", twoEntriesWith(0, 1), empty()},
        {"first key offset beyond the record", twoEntriesWith(0, 0xFF00), empty()},
        {"first key offset negative", twoEntriesWith(0, -16), nullptr},
        {"cut inside the offset table", kDurciclo.substr(0, 8), empty()},
        {"cut inside the value's text", kDurciclo.substr(0, 31), dict({{"durciclo", "2"}})},
        {"empty slice for a key", record({18, 18, 31, 38}, {S("a"), I(1), S("b"), I(2)}), b2()},
        {"records too short for their tag",
         record({S("a"), bytes("00 02 00 00"), S("b"), bytes("00 05 3F F8 00"), S("c"), bytes("00 0B"),
                 S("d"), bytes("00 10 FF 80"), S("e"), bytes("00 08 08 00"), S("f"),
                 bytes("00 07") + "2007-03-15", S("g"), kTrue}),
         dict({{"g", true}})},
        {"bytes after an integer and a date are ignored",
         record({S("a"), I(1) + bytes("FF"), S("b"), bytes("00 07") + "2007-03-15 10:20:30" + "xyz"}),
         dict({{"a", std::int32_t(1)}, {"b", fw::Date(2007, 3, 15, 10, 20, 30)}})},
        {"date texts that are no date",
         record({S("a"), bytes("00 07") + "2007-02-30 00:00:00", S("c"),
                 bytes("00 07") + "2007-03-15 24:00:00", S("d"), bytes("00 07") + "2007/03/15 00:00:00",
                 S("b"), I(2)}),
         b2()},
        {"one-byte record as key", record({bytes("00"), I(1)}), empty()},
        {"boolean byte 2 reads true", record({S("a"), bytes("00 0B 02")}), dict({{"a", true}})},
        {"key without a value", record({S("a"), I(1), S("b")}), a1()},
        {"equal keys keep the later value", record({S("a"), I(1), S("a"), I(7)}), dict({{"a", std::int32_t(7)}})},
        {"text key without encoding equals the UTF-8 key",
         record({S("a"), I(1), bytes("00 08 FF FF FF FF") + "a", I(3)}), dict({{"a", std::int32_t(3)}})},
        {"NaN key is dropped", record({bytes("00 05 7F F8 00 00 00 00 00 00"), I(1), S("b"), I(2)}), b2()},
        {"table length not a multiple of 4",
         bytes("00 5B") + be32(12) + be32(19) + bytes("EE EE") + S("a") + I(1), a1()},
        {"nested dictionaries with bad offsets or cut short",
         record({S("a"), bytes("00 5B") + be32(10) + be32(99), S("b"), bytes("00 5B 00 00")}),
         dict({{"a", fw::Variant(dict({}))}, {"b", fw::Variant(dict({}))}})},
        {"nested to the cap", reread(kCap, 1), levels(kCap)},
        {"one level past the cap", reread(kCap + 1, 1), levels(kCap)},
        {"200 levels", reread(200, 1), levels(kCap)},
        {"40 levels, each read 4 times by its parent's table", reread(40, 4), levels(kCap)},
    };
}

} // namespace

TEST(BDictionaryCorrupt, EveryRowReadsSafely)
{
    for (const Row& row : rows()) {
        SCOPED_TRACE(row.name);
        const fw::MemoryBlockPtr input = block(row.block);
        const fw::DictionaryPtr read = BDictionary::Convert(input);
        EXPECT_EQ(hex(*input), hex(row.block)) << "the reader changed its block";
        EXPECT_TRUE(read && row.expected ? sameDictionary(*read, *row.expected) : !read && !row.expected);
    }
}

TEST(BDictionaryCorrupt, RecordsShorterThanTheirKindAreDropped)
{
    // Integer, double, date, text, boolean and colour tags alone; no tag.
    for (const char* record : {"00 02", "00 05", "00 07", "00 08", "00 0B", "00 10", "", "00"}) {
        SCOPED_TRACE(record);
        EXPECT_FALSE(readRecord(bytes(record)));
    }
}
