// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/core/propertyblock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

using fw::Color;
using fw::PropertyKind;
using fw::PropertyRecord;
using fw::PropertyValue;

namespace {

using Bytes = std::vector<std::uint8_t>;

const fw::PropertyTable& Table(std::string_view cls)
{
    const fw::PropertyTable* t = fw::PropertyTableFor(cls);
    if (!t)
        throw std::logic_error("no table " + std::string(cls));
    return *t;
}

Bytes Text(std::string_view s)
{
    return Bytes(s.begin(), s.end());
}

Bytes Cat(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const Bytes& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

// The calendar window's Timer1: Mode 0, Period 1000.
const Bytes kTimer1 = {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x03, 0xE8};

// The calendar window's Line1, record by record; a Line stores Top before Left.
const Bytes kLine1 = Cat({
    {0x00, 0x00, 0x00, 0x00, 0x00, 0x05}, Text("Line1"),
    {0x00, 0x01, 0x80, 0x00, 0x00, 0x00},
    {0x00, 0x14, 0x00, 0x00, 0x00, 0x3D},
    {0x00, 0x13, 0x00, 0x00, 0x00, 0x45},
    {0x00, 0x15, 0x00, 0x00, 0x00, 0x00},
    {0x00, 0x16, 0x00, 0x00, 0x00, 0xD7},
    {0x00, 0x20, 0x00, 0x00, 0x00, 0x45},
    {0x00, 0x21, 0x00, 0x00, 0x00, 0x45},
    {0x00, 0x22, 0x00, 0x00, 0x00, 0x3D},
    {0x00, 0x23, 0x00, 0x00, 0x01, 0x14},
    {0x00, 0x02, 0x00, 0x00, 0x00, 0x00},
    {0x00, 0x12, 0x01},
    {0x00, 0x24, 0x00, 0x00, 0x00, 0x01},
    {0x00, 0x25, 0x81, 0x81, 0x81},
    {0x00, 0x1F, 0x00, 0x00, 0x00, 0x06}, Text("boxcal"),
});

// Offsets at which a record of the block ends.
std::set<std::size_t> RecordEnds(const Bytes& block, const fw::PropertyTable& table)
{
    std::set<std::size_t> ends{0};
    std::size_t end = 0;
    for (const PropertyRecord& r : fw::DecodeBlock(block, table).records)
        ends.insert(end += fw::EncodeBlock(std::span(&r, 1), table).size());
    return ends;
}

class Recorder : public fw::PropertyTarget {
public:
    explicit Recorder(std::string cls) : m_class(std::move(cls)) {}
    std::string_view ClassName() const override { return m_class; }
    std::vector<std::pair<std::string, PropertyValue>> applied;

protected:
    void ApplyRow(const fw::PropertyInfo& row, const PropertyValue& value) override
    {
        applied.emplace_back(std::string(row.name), value);
    }

private:
    std::string m_class;
};

} // namespace

// The layout compiler's tests make these bytes from their rows; here they
// decode and encode back unchanged.
TEST(PropertyBlock, GoldenBlocksBothWays)
{
    ASSERT_EQ(kLine1.size(), 97u);
    const std::vector<PropertyRecord> timer = {{0x00, 0}, {0x01, 1000}};
    EXPECT_EQ(fw::DecodeBlock(kTimer1, Table("Timer")).records, timer);
    for (const auto& [cls, block] : {std::pair{"Timer", kTimer1}, std::pair{"Line", kLine1}}) {
        const auto decoded = fw::DecodeBlock(block, Table(cls));
        EXPECT_FALSE(decoded.error);
        EXPECT_EQ(fw::EncodeBlock(decoded.records, Table(cls)), block);
    }
}

// What the golden blocks do not hold: extremes, empty and long texts, other tables.
TEST(PropertyBlock, RecordsOfEveryKindRoundTrip)
{
    struct Row { const char* cls; std::vector<PropertyRecord> records; std::size_t size; };
    const Row rows[] = {
        {"PushButton", {}, 0},
        {"StaticText", {{0x15, INT_MAX}, {0x16, -1}, {0x20, std::string("a\0b\rc", 5)}}, 23},
        {"EditField", {{0x0e, std::string()}, {0x47, std::string()}}, 12},
        {"RadioButton", {{0x0e, std::string(300, 'a')}, {0x21, false}}, 309},
        {"Window", {{0x00, false}, {0x06, std::string("Cyclane")}, {0x16, Color{0xEE, 0xE7, 0xD1}}}, 21},
        {"HTTPSocket", {{0x00, 80}, {0x06, std::string("example.org")}, {0x1f, true}}, 26},
        {"Oval", {{0x22, Color{}}, {0x00, std::string("ovalo")}, {0x01, 1}}, 22},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.cls);
        const Bytes bytes = fw::EncodeBlock(row.records, Table(row.cls));
        EXPECT_EQ(bytes.size(), row.size);
        EXPECT_EQ(fw::DecodeBlock(bytes, Table(row.cls)).records, row.records);
    }
}

TEST(PropertyBlock, EveryTruncationIsAnErrorOrEndsAtARecord)
{
    const std::vector<PropertyRecord> tagged = {{0x00, std::string("rbnino")}, {0x0e, std::string(260, 'x')},
                                                {0x21, false}, {0x1f, std::string("GroupBox3")}};
    const std::pair<const char*, Bytes> rows[] = {
        {"Timer", kTimer1}, {"Line", kLine1}, {"RadioButton", fw::EncodeBlock(tagged, Table("RadioButton"))}};
    for (const auto& [cls, block] : rows) {
        SCOPED_TRACE(cls);
        const auto& table = Table(cls);
        const auto ends = RecordEnds(block, table);
        ASSERT_EQ(*ends.rbegin(), block.size());
        for (std::size_t n = 0; n < block.size(); ++n) {
            SCOPED_TRACE(n);
            // An exact-size copy, so that the sanitizer build sees any read past its end.
            const Bytes cut(block.begin(), block.begin() + std::ptrdiff_t(n));
            const auto decoded = fw::DecodeBlock(cut, table);
            if (ends.count(n)) {
                EXPECT_FALSE(decoded.error);
                EXPECT_EQ(decoded.records.size(), std::size_t(std::distance(ends.begin(), ends.find(n))));
            } else {
                EXPECT_NE(decoded.error.value_or("").find("partial record"), std::string::npos);
            }
        }
    }
}

TEST(PropertyBlock, MalformedBlocksAreRejected)
{
    struct Row { const char* name; const char* cls; Bytes block; const char* message; };
    const Row rows[] = {
        {"id past the table", "Timer", {0x00, 0x02, 0x01}, "unknown property id 0x0002"},
        {"run-time position", "PushButton", {0x00, 0x03, 0, 0, 0, 0}, "unknown property id 0x0003"},
        {"a Line stores no HelpTag", "Line", {0x00, 0x0e, 0, 0, 0, 0}, "unknown property id 0x000E"},
        {"window Backdrop", "Window", {0x00, 0x13, 0, 0, 0, 0}, "unknown property id 0x0013"},
        {"CheckBox Caption", "CheckBox", {0x00, 0x20, 0, 0, 0, 0}, "unknown property id 0x0020"},
        {"duplicate id", "Timer", Cat({kTimer1, {0x00, 0x01, 0, 0, 0, 1}}), "duplicate property Period"},
        {"duplicate id out of order", "Oval",
         {0x00, 0x21, 0, 0, 0, 1, 0x00, 0x20, 1, 2, 3, 0x00, 0x21, 0, 0, 0, 2},
         "duplicate property BorderWidth"},
        {"Boolean byte 2", "PushButton", {0x00, 0x21, 0x02}, "Boolean Default holds 2"},
        {"text past the end", "StaticText", {0x00, 0x20, 0x00, 0x00, 0x00, 0x05, 'a', 'b'}, "partial record"},
        {"text length near 2^32", "StaticText", {0x00, 0x20, 0xFF, 0xFF, 0xFF, 0xFF, 'a'}, "partial record"},
        {"lone id byte", "Timer", {0x00}, "partial record"},
    };
    for (const Row& row : rows) {
        const auto decoded = fw::DecodeBlock(row.block, Table(row.cls));
        EXPECT_NE(decoded.error.value_or("").find(row.message), std::string::npos) << row.name;
    }
}

TEST(PropertyBlock, RegisteredTablesDeriveFromTheirBase)
{
    constexpr fw::PropertyInfo kOwn[] = {{0x4d, "Editable", PropertyKind::Boolean}};
    constexpr fw::PropertyInfo kOther[] = {{0x4e, "Editable", PropertyKind::Boolean}};
    const fw::PropertyTable* timer = fw::PropertyTableFor("Timer");
    const auto& base = Table("EditField").properties;
    fw::RegisterPropertyTable("RegisteredField", "EditField", kOwn);
    fw::RegisterPropertyTable("RegisteredField", "EditField", kOwn);
    const auto& derived = Table("RegisteredField").properties;
    // The base's records, the own ones, then InitialParent last as in every control.
    ASSERT_EQ(derived.size(), base.size() + 1);
    EXPECT_TRUE(std::equal(base.begin(), base.end() - 1, derived.begin(),
                           [](const auto& a, const auto& b) { return a.id == b.id && a.apply == b.apply; }));
    EXPECT_EQ(derived.end()[-2].name, "Editable");
    EXPECT_EQ(derived.back().name, "InitialParent");
    EXPECT_EQ(fw::PropertyTableFor("Timer"), timer) << "a registration moved the tables";
    EXPECT_THROW(fw::RegisterPropertyTable("RegisteredField", "EditField", kOther), std::logic_error);
    EXPECT_THROW(fw::RegisterPropertyTable("Orphan", "Timer", {}), std::logic_error);
    EXPECT_EQ(fw::PropertyTableFor("Orphan"), nullptr);

    // Tables register at start-up in no set order: a table waits for its base.
    fw::RegisterPropertyTable("LateField", "LateBase", kOwn);
    EXPECT_EQ(fw::PropertyTableFor("LateField"), nullptr);
    fw::RegisterPropertyTable("LateBase", "Canvas", {});
    ASSERT_NE(fw::PropertyTableFor("LateField"), nullptr);
    EXPECT_EQ(Table("LateField").properties.size(), Table("Canvas").properties.size() + 1);
    EXPECT_EQ(Table("LateField").Find("Editable")->id, 0x4d);
}

TEST(PropertyBlock, SetPropertiesAssignsInStoredOrderOrChangesNothing)
{
    Recorder line("Line");
    fw::SetProperties(line, kLine1);
    ASSERT_EQ(line.applied.size(), 15u);
    EXPECT_EQ(line.applied[2], std::make_pair(std::string("Top"), PropertyValue(61)));
    EXPECT_EQ(line.applied[3], std::make_pair(std::string("Left"), PropertyValue(69)));

    struct Row { const char* cls; Bytes block; const char* message; };
    const Row rows[] = {
        {"Line", Bytes(kLine1.begin(), kLine1.end() - 3), "bad property block for Line"},
        {"Timer", kLine1, "unknown property id 0x4C69"},
        {"Cansex", kTimer1, "no property table for class Cansex"},
    };
    for (const Row& row : rows) {
        Recorder target(row.cls);
        try {
            fw::SetProperties(target, row.block);
            ADD_FAILURE() << "no exception";
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find(row.message), std::string::npos) << e.what();
        }
        EXPECT_TRUE(target.applied.empty());
    }
}
