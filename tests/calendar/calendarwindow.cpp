// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendarwindow.h"

#include "prefs/bprefs.h"

#include <QTest>
#include <QWidget>

namespace calendartest {

void CalendarWindowTest::SetUp()
{
    BPrefs::ResetForTesting();
    app = std::make_unique<fw::Application>();
    window = std::make_unique<RecordingMain>();
    window->Build();
    window->Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window->Handle()));
}

void CalendarWindowTest::TearDown()
{
    window.reset();
    app.reset();
    BPrefs::ResetForTesting();
}

std::string RefOf(const fw::Control& control)
{
    if (control.Index() == fw::kNoIndex)
        return control.Name();
    return control.Name() + "(" + std::to_string(control.Index()) + ")";
}

} // namespace calendartest
