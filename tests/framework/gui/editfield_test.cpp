// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/editfield.h"
#include "support/guifixture.h"
#include "support/gui.h"

#include <gtest/gtest.h>

namespace {

using GuiTest = testenv::GuiFixture;
using testenv::TestWindow;

class EditFieldTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiFixture::SetUp();
        MakeWindow([this](TestWindow& w) { field = testenv::Add<fw::EditField>(w, "field", 10, 10, 200, 22); });
        field->SetFocus();
    }

    fw::EditField* field = nullptr;
};

TEST_F(EditFieldTest, KeyDownGetsEveryKeyFirstAsItsCharacterCode)
{
    struct Row { const char* name; int key; std::string text; };
    const Row rows[] = {
        {"left arrow", Qt::Key_Left, "\x1c"},
        {"right arrow", Qt::Key_Right, "\x1d"},
        {"up arrow", Qt::Key_Up, "\x1e"},
        {"down arrow", Qt::Key_Down, "\x1f"},
        {"backspace", Qt::Key_Backspace, "\x08"},
        {"tab", Qt::Key_Tab, "\x09"},
        {"return", Qt::Key_Return, "\x0d"},
        {"escape", Qt::Key_Escape, "\x1b"},
        {"delete", Qt::Key_Delete, "\x7f"},
        {"digit", Qt::Key_7, "7"},
        {"letter", Qt::Key_Q, "q"},
    };
    for (const bool readOnly : {false, true}) {
        field->SetReadOnly(readOnly);
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(row.name) + (readOnly ? " (read-only)" : ""));
            std::vector<std::string> keys;
            field->KeyDown.Bind([&](const std::string& key) {
                keys.push_back(key);
                return false;
            });
            testenv::key(field, row.key);
            EXPECT_EQ(keys, std::vector<std::string>{row.text});
        }
    }
}

TEST_F(EditFieldTest, KeyDownComesBeforeEditingAndTrueSwallowsTheKey)
{
    struct Row {
        const char* name;
        bool readOnly;
        const char* swallow; // keys the handler takes
        const char* typed;
        const char* textSeenByHandler; // the text at the last KeyDown
        const char* result;
    };
    const Row rows[] = {
        {"nothing taken", false, "", "abc", "ab", "abc"},
        {"digits taken", false, "0123456789", "a1b2", "ab", "ab"},
        {"everything taken", false, "abc", "abc", "", ""},
        {"read-only changes nothing", true, "", "abc", "", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        field->SetReadOnly(false);
        field->SetText("");
        field->SetReadOnly(row.readOnly);
        std::string seen;
        int calls = 0;
        const std::string swallow = row.swallow;
        field->KeyDown.Bind([&](const std::string& key) {
            ++calls;
            seen = field->Text();
            return swallow.find(key) != std::string::npos;
        });
        testenv::type(field, row.typed);
        EXPECT_EQ(calls, static_cast<int>(std::string(row.typed).size()));
        EXPECT_EQ(seen, row.textSeenByHandler);
        EXPECT_EQ(field->Text(), row.result);
    }
}

TEST_F(EditFieldTest, TakenArrowKeysDoNotMoveTheCaret)
{
    field->SetText("2007/03/5");
    field->SetSelStart(5);
    field->KeyDown.Bind([](const std::string& key) { return key == "\x1c"; });
    testenv::key(field, Qt::Key_Left);
    EXPECT_EQ(field->SelStart(), 5);
    testenv::key(field, Qt::Key_Right);
    EXPECT_EQ(field->SelStart(), 6);
}

TEST_F(EditFieldTest, SelChangeOnlyOnARealChangeOfTheSelection)
{
    field->SetText("2007/03/5");
    field->SetSelStart(0);
    std::vector<std::pair<int, int>> changes;
    field->SelChange.Bind([&] { changes.emplace_back(field->SelStart(), field->SelLength()); });

    struct Row { const char* name; std::function<void()> act; std::vector<std::pair<int, int>> changes; };
    const Row rows[] = {
        {"caret set where it is", [&] { field->SetSelStart(0); }, {}},
        {"caret moved by code", [&] { field->SetSelStart(5); }, {{5, 0}}},
        {"selection widened by code", [&] { field->SetSelLength(2); }, {{5, 2}}},
        {"same selection again", [&] { field->SetSelLength(2); }, {}},
        {"selection dropped", [&] { field->SetSelLength(0); }, {{5, 0}}},
        {"right arrow by the user", [&] { testenv::key(field, Qt::Key_Right); }, {{6, 0}}},
        {"right arrow at the end changes nothing",
         [&] {
             field->SetSelStart(9);
             changes.clear();
             testenv::key(field, Qt::Key_Right);
         },
         {}},
        {"selection past the end is cut to the text", [&] { field->SetSelStart(100); }, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        changes.clear();
        row.act();
        EXPECT_EQ(changes, row.changes);
    }
}

TEST_F(EditFieldTest, SelectionPropertiesWorkAlsoReadOnlyAndLimitTextStopsTyping)
{
    field->SetReadOnly(true);
    field->SetText("2007/March/5");
    field->SetSelStart(5);
    field->SetSelLength(5);
    EXPECT_EQ(field->SelText(), "March");
    field->SetSelText("June");
    EXPECT_EQ(field->Text(), "2007/June/5");
    EXPECT_EQ(field->SelStart(), 9);
    EXPECT_EQ(field->SelLength(), 0);

    field->SetReadOnly(false);
    field->SetText("");
    field->SetLimitText(2);
    testenv::type(field, "12345");
    EXPECT_EQ(field->Text(), "12");
}

} // namespace
