// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/editfield.h"
#include "support/guifixture.h"
#include "support/gui.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using testenv::TestWindow;

// "a•°é😀b" + CR + "z": the emoji takes two UTF-16 units, the CR one.
const std::string kText = "a\u2022\u00b0\u00e9\U0001F600b\rz";

class StyledFieldTest : public testenv::GuiFixture {
protected:
    fw::EditField* Make(bool multiLine)
    {
        fw::EditField* field = nullptr;
        MakeWindow([&](TestWindow& w) {
            field = testenv::Add<fw::EditField>(w, "field", 10, 10, 200, multiLine ? 80 : 22);
            testenv::Set(field, {{"MultiLine", multiLine}, {"Styled", true}, {"ReadOnly", true}});
        });
        return field;
    }
};

TEST_F(StyledFieldTest, OffsetsCountCharactersInBothBackings)
{
    struct Row { std::int32_t start, length; std::string selected; std::int32_t readStart, readLength; };
    const Row rows[] = {
        {1, 3, "\u2022\u00b0\u00e9", 1, 3}, {4, 1, "\U0001F600", 4, 1}, {5, 1, "b", 5, 1},
        {4, 99, "\U0001F600b\rz", 4, 4},    {99, 1, "", 8, 0},          {-3, 1, "a", 0, 1},
    };
    for (const bool multiLine : {false, true}) {
        fw::EditField* field = Make(multiLine);
        field->SetText(kText);
        for (const Row& row : rows) {
            SCOPED_TRACE(std::to_string(row.start) + (multiLine ? " multi-line" : " single-line"));
            field->SetSelStart(row.start);
            field->SetSelLength(row.length);
            EXPECT_EQ(field->SelText(), row.selected);
            EXPECT_EQ(field->SelStart(), row.readStart);
            EXPECT_EQ(field->SelLength(), row.readLength);
        }
    }
}

TEST_F(StyledFieldTest, RunsAndSelectionStylesLandOnTheirCharacters)
{
    fw::EditField* field = Make(true);
    fw::StyleRun bold, big;
    bold.start = 4, bold.end = 6, bold.bold = true;
    big.start = 5, big.end = 99, big.size = 30, big.color = fw::RGB(1, 2, 3);
    const fw::StyleRun runs[] = {bold, big};
    field->SetTextAndStyle(kText, runs);
    EXPECT_EQ(field->Text(), kText);
    const fw::Color own = field->TextColor(), set = fw::RGB(1, 2, 3);
    const std::tuple<std::int32_t, bool, std::int32_t, fw::Color> rows[] = {
        {3, false, 13, own}, {4, true, 13, own}, {5, true, 30, set}, {7, false, 30, set}};
    for (const auto& [at, isBold, size, color] : rows) {
        field->SetSelStart(at);
        EXPECT_EQ(std::tuple(field->SelBold(), field->SelTextSize(), field->SelTextColor()),
                  std::tuple(isBold, size, color)) << at;
    }
    testenv::screenshot(&field->ParentWindow(), "styled-field");
}

} // namespace
