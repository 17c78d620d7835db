// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>
#include <span>

#include "framework/core/folderitem.h"
#include "prefs/bdictionary.h"
#include "prefs_test_util.h"

using namespace prefstest;

const std::string kDurmensHelptip = bytes("00 5B 00 00 00 12 00 00 00 1F 00 00 00 25 00 00 00 32 "
                                          "00 08 08 00 01 00 64 75 72 6D 65 6E 73 "
                                          "00 02 00 00 00 02 "
                                          "00 08 08 00 01 00 68 65 6C 70 74 69 70 "
                                          "00 0B 01");

TEST(BDictionaryRecords, WorkedExamplesBothWays)
{
    struct Row { const char* name; fw::Variant value; std::string record; };
    const Row rows[] = {
        {"integer 28", std::int32_t(28), bytes("00 02 00 00 00 1C")},
        {"integer -2", std::int32_t(-2), bytes("00 02 FF FF FF FE")},
        {"integer minimum", std::int32_t(INT32_MIN), bytes("00 02 80 00 00 00")},
        {"boolean true", true, bytes("00 0B 01")}, {"boolean false", false, bytes("00 0B 00")},
        {"text 28 in UTF-8", "28", bytes("00 08 08 00 01 00 32 38")},
        {"text 28 without encoding", fw::EncodedString{"28", fw::kEncodingNone}, bytes("00 08 FF FF FF FF 32 38")},
        {"empty text", "", bytes("00 08 08 00 01 00")},
        {"text with other encoding code", fw::EncodedString{"\xE9", 0x0201}, bytes("00 08 00 00 02 01 E9")},
        {"double 1.5", 1.5, bytes("00 05 3F F8 00 00 00 00 00 00")},
        {"color FF8000", fw::RGB(0xFF, 0x80, 0x00), bytes("00 10 FF 80 00")},
        {"date 2007-03-15 midnight", fw::Date(2007, 3, 15), bytes("00 07") + "2007-03-15 00:00:00"},
        {"date with time of day", fw::Date(1999, 12, 31, 23, 59, 58), bytes("00 07") + "1999-12-31 23:59:58"},
        {"no object", nullptr, bytes("00 33")}, {"empty memory block", block(""), bytes("00 47")},
        {"memory block", block(bytes("01 02 03")), bytes("00 47 01 02 03")},
        {"empty dictionary", std::make_shared<fw::Dictionary>(), bytes("00 5B")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const fw::MemoryBlockPtr written = valueRecord(row.value);
        ASSERT_TRUE(written);
        EXPECT_EQ(hex(*written), hex(row.record));
        const auto read = readRecord(row.record);
        ASSERT_TRUE(read);
        EXPECT_TRUE(sameValue(*read, row.value));
    }
}

TEST(BDictionaryRecords, WorkedDictionariesBothWays)
{
    struct Row { const char* name; fw::DictionaryPtr dictionary; std::string record; };
    const Row rows[] = {
        {"durciclo 28 (32 bytes)", dict({{"durciclo", "28"}}), kDurciclo},
        {"durmens 2 and helptip true (53 bytes)", dict({{"durmens", std::int32_t(2)}, {"helptip", true}}),
         kDurmensHelptip},
        {"empty dictionary", dict({}), bytes("00 5B")}, {"no dictionary", nullptr, bytes("00 33")},
        {"nested: offsets count from its own tag", dict({{"inner", fw::Variant(dict({{"durciclo", "28"}}))}}),
         bytes("00 5B 00 00 00 0A 00 00 00 15 00 08 08 00 01 00 69 6E 6E 65 72") + kDurciclo},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const fw::MemoryBlockPtr written = BDictionary::Convert(row.dictionary);
        ASSERT_TRUE(written);
        EXPECT_EQ(hex(*written), hex(row.record));
        const fw::DictionaryPtr read = BDictionary::Convert(block(row.record));
        EXPECT_EQ(bool(read), bool(row.dictionary));
        if (read && row.dictionary) {
            EXPECT_TRUE(sameDictionary(*read, *row.dictionary));
        }
    }
}

TEST(BDictionaryRecords, FolderItemRecords)
{
    EXPECT_TRUE(readRecord(bytes("01 7D")).value_or(1).IsNull());

    auto item = std::make_shared<fw::FolderItem>("/tmp/some folder/file");
    const fw::MemoryBlockPtr record = valueRecord(fw::Variant(item));
    ASSERT_TRUE(record);
    EXPECT_EQ(hex(*record).substr(0, 5), "01 7D");
    const auto read = readRecord(record->ToString());
    ASSERT_TRUE(read && read->As<fw::FolderItem>());
    EXPECT_EQ(read->As<fw::FolderItem>()->Path(), item->Path());
    // A path that is not absolute, or holds a NUL, reads as no item.
    for (const std::string& info : {std::string("relative/path"), std::string("/a\0b", 4)})
        EXPECT_TRUE(readRecord(bytes("01 7D") + info).value_or(1).IsNull()) << info;
}

TEST(BDictionaryRecords, UnknownTagsKeepTheWholeRecord)
{
    for (const std::string& record : {bytes("00 09 AA BB"), bytes("12 34"), bytes("00 03 00 00 00 00 00 00 00 01")}) {
        SCOPED_TRACE(hex(record));
        const auto read = readRecord(record);
        ASSERT_TRUE(read && read->As<fw::MemoryBlock>());
        EXPECT_EQ(hex(*read->As<fw::MemoryBlock>()), hex(record));
        const fw::MemoryBlockPtr again = valueRecord(*read);
        ASSERT_TRUE(again);
        EXPECT_EQ(hex(*again), hex(bytes("00 47") + record));
    }
}

TEST(BDictionaryRecords, ValuesWithoutARecordMakeNoBlock)
{
    struct Object : fw::Object {};
    struct Row { const char* name; fw::DictionaryPtr dictionary; };
    const Row rows[] = {
        {"64-bit integer value", dict({{"k", std::int64_t(5)}})},
        {"object of another class", dict({{"k", fw::Variant(std::make_shared<Object>())}})},
        {"bad value two levels down",
         dict({{"ok", true}, {"d", fw::Variant(dict({{"e", fw::Variant(dict({{"x", std::int64_t(1)}}))}}))}})},
        {"one level past the nesting cap", levels(BDictionary::kMaxDepth + 1)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_FALSE(BDictionary::Convert(row.dictionary));
    }
    EXPECT_FALSE(valueRecord(fw::Variant(std::int64_t(1))));

    auto self = std::make_shared<fw::Dictionary>();
    self->SetValue("me", fw::Variant(self));
    EXPECT_FALSE(BDictionary::Convert(self));
    self->SetValue("me", nullptr); // breaks the cycle so the dictionary is freed
}

// Each kind's writer against its byte layout, and its reader on that record,
// whichever byte order the record's block is marked with.
TEST(BDictionaryRecords, EachKindHasOneWriterAndOneReader)
{
    using namespace BDictionary;
    struct Row { const char* name; fw::MemoryBlockPtr written; std::string record;
                 std::function<bool(const fw::MemoryBlock&)> readsBack; };
    const auto item = std::make_shared<fw::FolderItem>("/tmp/a b");
    const Row rows[] = {
        {"integer 28", IntegerData(28), bytes("00 02 00 00 00 1C"),
         [](const fw::MemoryBlock& r) { return ToInteger(r) == 28; }},
        {"integer -2", IntegerData(-2), bytes("00 02 FF FF FF FE"),
         [](const fw::MemoryBlock& r) { return ToInteger(r) == -2; }},
        {"double 1.5", DoubleData(1.5), bytes("00 05 3F F8 00 00 00 00 00 00"),
         [](const fw::MemoryBlock& r) { return ToDouble(r) == 1.5; }},
        {"date", DatetimeData(fw::Date(2007, 3, 15)), bytes("00 07") + "2007-03-15 00:00:00",
         [](const fw::MemoryBlock& r) { return ToDatetime(r) == fw::Date(2007, 3, 15); }},
        {"text 28 in UTF-8", StringData({"28", fw::kEncodingUTF8}), bytes("00 08 08 00 01 00 32 38"),
         [](const fw::MemoryBlock& r) { return ToString(r) == fw::EncodedString{"28", fw::kEncodingUTF8}; }},
        {"text without encoding", StringData({"28", fw::kEncodingNone}), bytes("00 08 FF FF FF FF 32 38"),
         [](const fw::MemoryBlock& r) { return ToString(r) == fw::EncodedString{"28", fw::kEncodingNone}; }},
        {"boolean true", BooleanData(true), bytes("00 0B 01"),
         [](const fw::MemoryBlock& r) { return ToBoolean(r) == true; }},
        {"boolean false", BooleanData(false), bytes("00 0B 00"),
         [](const fw::MemoryBlock& r) { return ToBoolean(r) == false; }},
        {"color", ColorData(fw::RGB(0xFF, 0x80, 0x00)), bytes("00 10 FF 80 00"),
         [](const fw::MemoryBlock& r) { return ToColor(r) == fw::RGB(0xFF, 0x80, 0x00); }},
        {"nil", NilData(std::int32_t(5)), bytes("00 33"), [](const fw::MemoryBlock& r) { return !ToNil(r); }},
        {"memory block", MemoryBlockData(fw::MemoryBlock::FromString("\x01\x02")), bytes("00 47 01 02"),
         [](const fw::MemoryBlock& r) { return ToMemoryBlock(r)->ToString() == "\x01\x02"; }},
        {"no folder item", FolderItemData(nullptr), bytes("01 7D"),
         [](const fw::MemoryBlock& r) { return !ToFolderItem(r); }},
        {"folder item", FolderItemData(item), bytes("01 7D") + "/tmp/a b",
         [](const fw::MemoryBlock& r) { return ToFolderItem(r) && ToFolderItem(r)->Path() == "/tmp/a b"; }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(row.written);
        EXPECT_EQ(hex(*row.written), hex(row.record));
        EXPECT_FALSE(row.written->LittleEndian());
        for (const bool little : {false, true}) {
            fw::MemoryBlock record = fw::MemoryBlock::FromString(row.record);
            record.SetLittleEndian(little);
            EXPECT_TRUE(row.readsBack(record)) << (little ? "marked little-endian" : "marked big-endian");
            EXPECT_EQ(record.LittleEndian(), little) << "the reader left the mark alone";
        }
    }
}

TEST(BDictionaryRecords, ReadersGiveNothingForRecordsTooShortForTheirKind)
{
    using namespace BDictionary;
    const fw::MemoryBlock tagOnly = fw::MemoryBlock::FromString(bytes("00 02"));
    EXPECT_FALSE(ToInteger(fw::MemoryBlock::FromString(bytes("00 02 00 00 01"))));
    EXPECT_FALSE(ToDouble(fw::MemoryBlock::FromString(bytes("00 05 3F F8 00 00 00 00 00"))));
    EXPECT_FALSE(ToDatetime(fw::MemoryBlock::FromString(bytes("00 07") + "2007-03-15 00:00:0")));
    EXPECT_FALSE(ToDatetime(fw::MemoryBlock::FromString(bytes("00 07") + "2007-02-30 00:00:00")));
    EXPECT_FALSE(ToString(fw::MemoryBlock::FromString(bytes("00 08 08 00 01"))));
    EXPECT_FALSE(ToBoolean(tagOnly));
    EXPECT_FALSE(ToColor(fw::MemoryBlock::FromString(bytes("00 10 FF 80"))));
    EXPECT_FALSE(ToMemoryBlock(fw::MemoryBlock::FromString(bytes("00"))));
    EXPECT_EQ(ToMemoryBlock(tagOnly)->Size(), 0u);
    EXPECT_FALSE(ToVariant(block(bytes("00"))));
    EXPECT_TRUE(ToVariant(nullptr).value_or(1).IsNull());
}

// The store's dictionary through the per-kind operations gives the bytes
// Convert gives, and back.
TEST(BDictionaryRecords, VariantDataAndToVariantMatchConvert)
{
    using namespace BDictionary;
    const fw::DictionaryPtr store = dict({{"durciclo", "28"}, {"fechamens1", fw::Date(2007, 3, 15, 10, 20, 30)},
                                          {"rbevitar", false}, {"durmens", std::int32_t(2)},
                                          {"inner", fw::Variant(dict({{"luteo", "14"}}))}});
    const fw::MemoryBlockPtr converted = Convert(store);
    const fw::MemoryBlockPtr record = VariantData(fw::Variant(store));
    ASSERT_TRUE(converted && record);
    EXPECT_EQ(hex(*record), hex(*converted));
    EXPECT_EQ(hex(*DictionaryData(*store)), hex(*converted));
    const auto read = ToVariant(record);
    ASSERT_TRUE(read && read->As<fw::Dictionary>());
    EXPECT_TRUE(sameDictionary(*read->As<fw::Dictionary>(), *store));
    EXPECT_TRUE(sameDictionary(*ToDictionary(*converted), *store));
}

TEST(BDictionaryRecords, JoinMemoryBlocksKeepsOrderAndTheFirstBlocksByteOrder)
{
    auto first = block("ab");
    first->SetLittleEndian(false);
    const fw::MemoryBlockPtr blocks[] = {first, block(""), block("cde")};
    const fw::MemoryBlockPtr joined = BDictionary::JoinMemoryBlocks(blocks);
    EXPECT_EQ(joined->ToString(), "abcde");
    EXPECT_FALSE(joined->LittleEndian());
    EXPECT_TRUE(BDictionary::JoinMemoryBlocks(std::span(blocks).subspan(1))->LittleEndian());
}
