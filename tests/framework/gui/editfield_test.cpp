// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/editfield.h"
#include "support/guifixture.h"
#include "support/gui.h"

#include <gtest/gtest.h>

#include <QWidget>

namespace {

class EditFieldTest : public testenv::GuiFixture {
protected:
    void SetUp() override
    {
        GuiFixture::SetUp();
        MakeWindow([this](testenv::TestWindow& w) { field = w.Add<fw::EditField>("f", 10, 10, 200, 22); });
        field->Handle()->setFocus();
    }

    fw::EditField* field = nullptr;
};

TEST_F(EditFieldTest, KeyDownGetsEveryKeyFirstAsItsCharacterCode)
{
    const std::pair<int, std::string> rows[] = {
        {Qt::Key_Left, "\x1c"}, {Qt::Key_Right, "\x1d"}, {Qt::Key_Up, "\x1e"}, {Qt::Key_Down, "\x1f"},
        {Qt::Key_Backspace, "\x08"}, {Qt::Key_Tab, "\x09"}, {Qt::Key_Return, "\x0d"},
        {Qt::Key_Escape, "\x1b"}, {Qt::Key_Delete, "\x7f"}, {Qt::Key_7, "7"}, {Qt::Key_Q, "q"},
    };
    std::vector<std::string> keys;
    field->KeyDown.InstallInstanceEventHandler([&](const std::string& key) {
        keys.push_back(key);
        return false;
    });
    for (const bool readOnly : {false, true}) {
        field->SetReadOnly(readOnly);
        for (const auto& [qtKey, text] : rows) {
            keys.clear();
            testenv::key(field, qtKey);
            EXPECT_EQ(keys, std::vector<std::string>{text}) << qtKey << (readOnly ? " read-only" : "");
        }
    }
}

TEST_F(EditFieldTest, KeyDownComesBeforeEditingAndTrueSwallowsTheKey)
{
    // Keys the handler takes, keys typed, the text at the last KeyDown, the result.
    struct Row {
        bool readOnly;
        std::string swallow;
        const char *typed, *seenLast, *result;
    };
    const Row rows[] = {
        {false, "", "abc", "ab", "abc"}, {false, "0123456789", "a1b2", "ab", "ab"},
        {false, "abc", "abc", "", ""},   {true, "", "abc", "", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        field->SetReadOnly(false);
        field->SetText("");
        field->SetReadOnly(row.readOnly);
        std::string seen;
        field->KeyDown.InstallInstanceEventHandler([&](const std::string& key) {
            seen = field->Text();
            return row.swallow.find(key) != std::string::npos;
        });
        testenv::type(field, row.typed);
        EXPECT_EQ(seen, row.seenLast);
        EXPECT_EQ(field->Text(), row.result);
    }
}

TEST_F(EditFieldTest, SelChangeOnlyOnARealChangeOfTheSelection)
{
    field->SetText("2007/03/5");
    field->SetSelStart(0);
    std::vector<std::pair<int, int>> changes;
    field->SelChange.InstallInstanceEventHandler(
        [&] { changes.emplace_back(field->SelStart(), field->SelLength()); });
    const std::pair<std::function<void()>, std::vector<std::pair<int, int>>> rows[] = {
        {[&] { field->SetSelStart(0); }, {}},
        {[&] { field->SetSelStart(5); }, {{5, 0}}},
        {[&] { field->SetSelLength(2); }, {{5, 2}}},
        {[&] { field->SetSelLength(2); }, {}},
        {[&] { field->SetSelLength(0); }, {{5, 0}}},
        {[&] { testenv::key(field, Qt::Key_Right); }, {{6, 0}}},
        {[&] { field->SetSelStart(9); }, {{9, 0}}},
        {[&] { testenv::key(field, Qt::Key_Right); }, {}},
        // Past the end is cut to the text.
        {[&] { field->SetSelStart(100); }, {}},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        changes.clear();
        rows[i].first();
        EXPECT_EQ(changes, rows[i].second) << i;
    }
}

} // namespace
