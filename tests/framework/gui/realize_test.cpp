// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/checkbox.h"
#include "framework/gui/groupbox.h"
#include "framework/gui/menubar.h"
#include "framework/gui/popupmenu.h"
#include "framework/gui/pushbutton.h"
#include "framework/gui/radiobutton.h"
#include "framework/gui/shapes.h"
#include "support/gui.h"
#include "support/guifixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using testenv::Add;

class RealizeTest : public testenv::GuiFixture {
protected:
    // Built and left hidden, as the calendar window is behind the splash.
    testenv::TestWindow* MakeHidden(std::function<void(testenv::TestWindow&)> build)
    {
        windows.push_back(std::make_unique<testenv::TestWindow>());
        windows.back()->build = std::move(build);
        windows.back()->Build();
        windows.back()->SetMenuBar(&bar);
        return windows.back().get();
    }
    void TearDown() override
    {
        windows.clear();
        GuiFixture::TearDown();
    }
    fw::MenuBar bar;
};

QString Shown(QWidget* w)
{
    if (!w)
        return "no widget";
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return b->text() + (b->isChecked() ? " on" : "") + (b->isEnabled() ? "" : " off") +
               QString(" %1px").arg(b->font().pixelSize());
    if (auto* c = qobject_cast<QComboBox*>(w))
        return QString("%1 of %2").arg(c->currentText()).arg(c->count());
    return qobject_cast<QGroupBox*>(w)->title();
}

// Each row: what a control set before its window showed shows once its
// widget is made; r0 and r1 are one radio group. Controls out of sight get
// none, and nothing is made before the window shows.
TEST_F(RealizeTest, StateSetBeforeTheWidgetExistsShowsOnceItIsMade)
{
    fw::PushButton *button = nullptr, *far = nullptr;
    fw::CheckBox* check = nullptr;
    fw::RadioButton *r0 = nullptr, *r1 = nullptr;
    fw::GroupBox* group = nullptr;
    fw::PopupMenu* popup = nullptr;
    testenv::TestWindow* w = MakeHidden([&](testenv::TestWindow& win) {
        button = Add<fw::PushButton>(win, "b", 10, 10, 90, 20);
        check = Add<fw::CheckBox>(win, "c", 10, 40, 90, 20);
        r0 = Add<fw::RadioButton>(win, "r0", 10, 70, 90, 20);
        r1 = Add<fw::RadioButton>(win, "r1", 10, 100, 90, 20);
        group = Add<fw::GroupBox>(win, "g", 110, 10, 120, 80);
        popup = Add<fw::PopupMenu>(win, "p", 110, 100, 90, 20);
        far = Add<fw::PushButton>(win, "far", 10, 900, 90, 20);
    });
    const std::pair<fw::Control*, QString> rows[] = {{button, "Ok off 18px"}, {check, "Auto on 13px"},
                                                     {r0, " 13px"},         {r1, " on 13px"},
                                                     {group, "Legend"},     {popup, "two of 3"},
                                                     {far, "no widget"}};
    for (const auto& [control, _] : rows)
        EXPECT_EQ(control->Handle(), nullptr) << control->Name();
    button->SetCaption("Ok");
    button->SetTextSize(18);
    button->SetEnabled(false);
    check->SetCaption("Auto");
    check->SetValue(true);
    r0->SetValue(true);
    r1->SetValue(true);
    group->SetCaption("Legend");
    popup->SetInitialValue("one\rtwo");
    popup->SetListIndex(1);
    popup->InsertRow(0, "zero");
    EXPECT_EQ(button->ShownTextSize(), 18);
    EXPECT_EQ(w->Handle()->findChild<QMenuBar*>(), nullptr);
    w->Show();
    EXPECT_NE(w->Handle()->findChild<QMenuBar*>(), nullptr);
    for (const auto& [control, shown] : rows)
        EXPECT_EQ(Shown(control->Handle()), shown) << control->Name();
    EXPECT_EQ(button->ShownTextSize(), 18);
    EXPECT_EQ(popup->ListIndex(), 2);
    testenv::click(r0);
    EXPECT_EQ(Shown(r0->Handle()) + "," + Shown(r1->Handle()), " on 13px, 13px");
}

// A button between two drawn rectangles that overlap it, its widget made
// as the window shows or only later: the rectangle created before it lies
// under it, the one created after it over it.
TEST_F(RealizeTest, AWidgetMadeLateTakesItsPlaceBetweenDrawnRuns)
{
    for (const bool late : {false, true}) {
        fw::PushButton* button = nullptr;
        testenv::TestWindow* w = MakeHidden([&](testenv::TestWindow& win) {
            Add<fw::Rectangle>(win, "under", 10, 10, 100, 40);
            button = Add<fw::PushButton>(win, "b", 50, 20, 100, 40);
            Add<fw::Rectangle>(win, "over", 120, 30, 100, 40);
        });
        button->SetVisible(!late);
        w->Show();
        button->SetVisible(true);
        QWidget* content = w->Content();
        EXPECT_EQ(content->childAt(60, 25), button->Handle()) << late;
        EXPECT_NE(content->childAt(130, 45), button->Handle()) << late;
        EXPECT_NE(content->childAt(130, 45), nullptr) << late;
    }
}

// Once a window has painted, a hidden one asked to makes its widgets and its
// menu bar from the event loop and stays hidden; one not asked makes none.
TEST_F(RealizeTest, AHiddenWindowAskedIsPreparedInIdleTimeAfterAPaint)
{
    ASSERT_TRUE(QTest::qWaitForWindowExposed(MakeWindow({})->Handle()));
    fw::PushButton* unasked = nullptr;
    testenv::TestWindow* other = MakeHidden([&](testenv::TestWindow& win) {
        unasked = Add<fw::PushButton>(win, "u", 10, 5, 90, 20);
    });
    std::vector<fw::PushButton*> buttons;
    testenv::TestWindow* w = MakeHidden([&](testenv::TestWindow& win) {
        for (int i = 0; i < 61; ++i)
            buttons.push_back(Add<fw::PushButton>(win, "b", 10, 5 * i, 90, 20));
    });
    w->PrepareWhenIdle();
    EXPECT_EQ(buttons.front()->Handle(), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return w->Handle()->findChild<QMenuBar*>() != nullptr; }));
    EXPECT_NE(buttons.front()->Handle(), nullptr);
    EXPECT_NE(buttons[59]->Handle(), nullptr);
    EXPECT_EQ(buttons.back()->Handle(), nullptr);
    EXPECT_FALSE(w->Handle()->isVisible());
    testenv::runFor(20);
    EXPECT_EQ(unasked->Handle(), nullptr);
    EXPECT_EQ(other->Handle()->findChild<QMenuBar*>(), nullptr);
}

} // namespace
