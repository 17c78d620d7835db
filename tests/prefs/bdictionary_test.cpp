// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "prefs/bdictionary.h"
#include "prefs_test_util.h"

using namespace prefstest;

namespace {

struct ValueRow {
    const char* name;
    fw::Variant value;
    std::string record; // bytes
};

const std::string kDateRecord = bytes("00 07") + "2007-03-15 00:00:00";

std::vector<ValueRow> valueRows()
{
    return {
        {"integer 28", fw::Variant(std::int32_t(28)), bytes("00 02 00 00 00 1C")},
        {"integer -2", fw::Variant(std::int32_t(-2)), bytes("00 02 FF FF FF FE")},
        {"integer minimum", fw::Variant(std::int32_t(INT32_MIN)), bytes("00 02 80 00 00 00")},
        {"boolean true", fw::Variant(true), bytes("00 0B 01")},
        {"boolean false", fw::Variant(false), bytes("00 0B 00")},
        {"text 28 in UTF-8", fw::Variant("28"), bytes("00 08 08 00 01 00 32 38")},
        {"text 28 without encoding", fw::Variant(fw::EncodedString{"28", fw::kEncodingNone}),
         bytes("00 08 FF FF FF FF 32 38")},
        {"empty text", fw::Variant(""), bytes("00 08 08 00 01 00")},
        {"text with other encoding code", fw::Variant(fw::EncodedString{"\xE9", 0x0201}),
         bytes("00 08 00 00 02 01 E9")},
        {"double 1.5", fw::Variant(1.5), bytes("00 05 3F F8 00 00 00 00 00 00")},
        {"color FF8000", fw::Variant(fw::RGB(0xFF, 0x80, 0x00)), bytes("00 10 FF 80 00")},
        {"date 2007-03-15 midnight", fw::Variant(fw::Date(2007, 3, 15)), kDateRecord},
        {"date with time of day", fw::Variant(fw::Date(1999, 12, 31, 23, 59, 58)),
         bytes("00 07") + "1999-12-31 23:59:58"},
        {"no object", fw::Variant(nullptr), bytes("00 33")},
        {"memory block", fw::Variant(block(bytes("01 02 03"))), bytes("00 47 01 02 03")},
        {"empty memory block", fw::Variant(block("")), bytes("00 47")},
        {"empty dictionary", fw::Variant(std::make_shared<fw::Dictionary>()), bytes("00 5B")},
    };
}

const std::string kDurmensHelptip = bytes("00 5B 00 00 00 12 00 00 00 1F 00 00 00 25 00 00 00 32 "
                                          "00 08 08 00 01 00 64 75 72 6D 65 6E 73 "
                                          "00 02 00 00 00 02 "
                                          "00 08 08 00 01 00 68 65 6C 70 74 69 70 "
                                          "00 0B 01");

} // namespace

TEST(BDictionaryRecords, WorkedExamplesBothWays)
{
    for (const ValueRow& row : valueRows()) {
        SCOPED_TRACE(row.name);
        const fw::MemoryBlockPtr written = BDictionary::VariantData(row.value);
        ASSERT_TRUE(written);
        EXPECT_EQ(hex(*written), hex(row.record));
        EXPECT_FALSE(written->LittleEndian());
        const auto read = BDictionary::ToVariant(block(row.record));
        ASSERT_TRUE(read);
        EXPECT_TRUE(sameValue(*read, row.value));
    }
}

TEST(BDictionaryRecords, WorkedDictionariesBothWays)
{
    struct Row {
        const char* name;
        fw::DictionaryPtr dictionary;
        std::string record;
    };
    const Row rows[] = {
        {"durciclo 28 (32 bytes)", dict({{"durciclo", "28"}}), kDurciclo},
        {"durmens 2 and helptip true (53 bytes)",
         dict({{"durmens", std::int32_t(2)}, {"helptip", true}}), kDurmensHelptip},
        {"empty dictionary", dict({}), bytes("00 5B")},
        {"no dictionary", nullptr, bytes("00 33")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const fw::MemoryBlockPtr written = BDictionary::Convert(row.dictionary);
        ASSERT_TRUE(written);
        EXPECT_EQ(hex(*written), hex(row.record));
        const fw::DictionaryPtr read = BDictionary::Convert(block(row.record));
        if (!row.dictionary) {
            EXPECT_FALSE(read);
            continue;
        }
        ASSERT_TRUE(read);
        EXPECT_TRUE(sameDictionary(*read, *row.dictionary));
    }
    EXPECT_EQ(kDurciclo.size(), 32u);
    EXPECT_EQ(kDurmensHelptip.size(), 53u);
}

TEST(BDictionaryRecords, PlainReadersAtFixedOffsets)
{
    EXPECT_EQ(BDictionary::ToInteger(*block(bytes("00 02 00 00 00 1C"))), 28);
    EXPECT_EQ(BDictionary::ToDouble(*block(bytes("00 05 3F F8 00 00 00 00 00 00"))), 1.5);
    EXPECT_EQ(BDictionary::ToBoolean(*block(bytes("00 0B 02"))), true);
    EXPECT_EQ(BDictionary::ToColor(*block(bytes("00 10 01 02 03"))), fw::RGB(1, 2, 3));
    EXPECT_EQ(BDictionary::ToDatetime(*block(kDateRecord)), fw::Date(2007, 3, 15));
    EXPECT_EQ(BDictionary::ToString(*block(bytes("00 08 FF FF FF FF 61"))),
              (fw::EncodedString{"a", fw::kEncodingNone}));
    EXPECT_TRUE(BDictionary::ToNil(*block(bytes("00 33"))).IsNull());
    // Bytes after the payload are ignored.
    EXPECT_EQ(BDictionary::ToInteger(*block(bytes("00 02 00 00 00 1C FF"))), 28);
}

TEST(BDictionaryRecords, MemoryBlockAndFolderItemRecords)
{
    const fw::MemoryBlockPtr empty = BDictionary::ToMemoryBlock(*block(bytes("00 47")));
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->Size(), 0u);

    EXPECT_FALSE(BDictionary::ToFolderItem(*block(bytes("01 7D"))));
    EXPECT_EQ(hex(*BDictionary::FolderItemData(nullptr)), "01 7D");

    auto item = std::make_shared<fw::FolderItem>("/tmp/some folder/file");
    const fw::MemoryBlockPtr record = BDictionary::VariantData(fw::Variant(item));
    ASSERT_TRUE(record);
    EXPECT_EQ(record->UInt16Value(0), 381);
    const auto read = BDictionary::ToVariant(record);
    ASSERT_TRUE(read);
    const auto back = read->As<fw::FolderItem>();
    ASSERT_TRUE(back);
    EXPECT_EQ(back->Path(), item->Path());
}

TEST(BDictionaryRecords, UnknownTagsKeepTheWholeRecord)
{
    struct Row {
        const char* name;
        std::string record;
    };
    const Row rows[] = {
        {"object tag 9", bytes("00 09 AA BB")},
        {"tag 1234", bytes("12 34")},
        {"tag 3 (long)", bytes("00 03 00 00 00 00 00 00 00 01")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto read = BDictionary::ToVariant(block(row.record));
        ASSERT_TRUE(read);
        const auto held = read->As<fw::MemoryBlock>();
        ASSERT_TRUE(held);
        EXPECT_EQ(hex(*held), hex(row.record));
        const fw::MemoryBlockPtr again = BDictionary::VariantData(*read);
        ASSERT_TRUE(again);
        EXPECT_EQ(hex(*again), hex(bytes("00 47") + row.record));
    }
    const auto none = BDictionary::ToVariant(nullptr);
    ASSERT_TRUE(none);
    EXPECT_TRUE(none->IsNull());
}

TEST(BDictionaryRecords, NestedDictionaryCountsOffsetsFromItsOwnTag)
{
    const fw::DictionaryPtr inner = dict({{"durciclo", "28"}});
    const fw::DictionaryPtr outer = dict({{"a", std::int32_t(1)}, {"inner", fw::Variant(inner)}});
    const fw::MemoryBlockPtr record = BDictionary::DictionaryData(*outer);
    ASSERT_TRUE(record);
    // The inner record is the last one, written whole at its place.
    ASSERT_GE(record->Size(), kDurciclo.size());
    EXPECT_EQ(hex(record->ToString().substr(record->Size() - kDurciclo.size())), hex(kDurciclo));
    EXPECT_EQ(std::size_t(record->Int32Value(14)), record->Size() - kDurciclo.size());

    const fw::DictionaryPtr read = BDictionary::Convert(record);
    ASSERT_TRUE(read);
    EXPECT_TRUE(sameDictionary(*read, *outer));
}

TEST(BDictionaryRecords, ValuesWithoutARecordMakeNoBlock)
{
    struct Object : fw::Object {};
    struct Row {
        const char* name;
        fw::DictionaryPtr dictionary;
    };
    const Row rows[] = {
        {"64-bit integer value", dict({{"k", std::int64_t(5)}})},
        {"empty variant value", dict({{"k", fw::Variant()}})},
        {"object of another class", dict({{"k", fw::Variant(std::make_shared<Object>())}})},
        {"64-bit integer as key", dict({{std::int64_t(1), true}})},
        {"bad value two levels down",
         dict({{"ok", true}, {"d", fw::Variant(dict({{"e", fw::Variant(dict({{"x", std::int64_t(1)}}))}}))}})},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_FALSE(BDictionary::Convert(row.dictionary));
    }
    EXPECT_FALSE(BDictionary::VariantData(fw::Variant(std::int64_t(1))));
}

TEST(BDictionaryRecords, DictionaryHoldingItselfMakesNoBlock)
{
    auto self = std::make_shared<fw::Dictionary>();
    self->SetValue("me", fw::Variant(self));
    EXPECT_FALSE(BDictionary::Convert(self));
    self->Clear(); // breaks the cycle so the dictionary is freed
}

namespace {
fw::DictionaryPtr chain(int depth)
{
    auto top = std::make_shared<fw::Dictionary>();
    fw::DictionaryPtr at = top;
    for (int i = 0; i < depth; ++i) {
        auto next = std::make_shared<fw::Dictionary>();
        at->SetValue("k", fw::Variant(next));
        at = next;
    }
    at->SetValue("leaf", true);
    return top;
}

int depthOf(const fw::DictionaryPtr& d)
{
    int depth = 0;
    fw::DictionaryPtr at = d;
    while (const auto next = at->Lookup("k")) {
        at = next->As<fw::Dictionary>();
        if (!at)
            break;
        ++depth;
    }
    return depth;
}
} // namespace

TEST(BDictionaryRecords, NestingIsCappedBothWays)
{
    const fw::MemoryBlockPtr deepest = BDictionary::Convert(chain(BDictionary::kMaxDepth));
    ASSERT_TRUE(deepest);
    const fw::DictionaryPtr read = BDictionary::Convert(deepest);
    ASSERT_TRUE(read);
    EXPECT_EQ(depthOf(read), BDictionary::kMaxDepth);
    EXPECT_TRUE(sameDictionary(*read, *chain(BDictionary::kMaxDepth)));

    EXPECT_FALSE(BDictionary::Convert(chain(BDictionary::kMaxDepth + 1)));
}

TEST(BDictionaryRecords, JoinKeepsOrderAndFirstByteOrder)
{
    auto a = block(bytes("01 02"));
    a->SetLittleEndian(true);
    const std::vector<fw::MemoryBlockPtr> blocks{a, block(""), block(bytes("03")), block(bytes("04 05"))};
    const fw::MemoryBlockPtr joined = BDictionary::JoinMemoryBlocks(blocks);
    EXPECT_EQ(hex(*joined), "01 02 03 04 05");
    EXPECT_TRUE(joined->LittleEndian());
}

TEST(BDictionaryRecords, ReadersLeaveTheirBlockUnchanged)
{
    const fw::MemoryBlockPtr record = block(kDurmensHelptip);
    ASSERT_TRUE(BDictionary::Convert(record));
    EXPECT_EQ(hex(*record), hex(kDurmensHelptip));
}
