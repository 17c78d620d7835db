// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/platform.h"
#include "support/gui.h"

#include <QBackingStore>
#include <QLabel>

#include <gtest/gtest.h>

namespace {

// What the window's backing store holds (an image on the offscreen platform).
QImage Stored(QWidget& window)
{
    const auto* image = dynamic_cast<const QImage*>(window.backingStore()->paintDevice());
    return image ? image->copy() : QImage();
}

TEST(PlatformTest, HiddenWindowGivesBackItsStoreAndPaintsWholeWhenShownAgain)
{
    fw::ReleaseStoresOfHiddenWindows();
    QLabel window("Shown again");
    window.setAutoFillBackground(true);
    window.resize(120, 40);
    window.show();
    testenv::runFor(50);
    const QImage before = Stored(window);
    ASSERT_EQ(before.size(), QSize(120, 40));

    window.hide();
    testenv::runFor(20);
    EXPECT_TRUE(window.backingStore()->size().isEmpty());

    window.show();
    testenv::runFor(50);
    EXPECT_EQ(Stored(window), before);
}

} // namespace
