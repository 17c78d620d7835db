// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/pictureresources.h"

#include "framework/gui/graphics.h"

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QImage>

using fw::PicturePtr;

namespace {

bool samePixels(fw::Picture& a, fw::Picture& b)
{
    bool same = a.Width() == b.Width() && a.Height() == b.Height();
    for (int y = 0; same && y < a.Height(); ++y)
        for (int x = 0; same && x < a.Width(); ++x)
            same = a.RGBSurface().Pixel(x, y) == b.RGBSurface().Pixel(x, y);
    return same;
}

} // namespace

// Loaded once; a mask getter's picture is drawn into the mask, and a
// transparency applied, as the resource is loaded.
TEST(PictureResources, GettersLoadOnceWithTheirMaskAndTransparency)
{
    for (PicturePtr (*get)() : {&msk, &forbid, &male, &female, &heart, &fer, &ovu, &men, &cycicon, &backg1,
                                &REFLeftMask, &REFLeftPic, &REFMiddleMask, &REFMiddlePic, &REFRightMask,
                                &REFRightPic}) {
        const PicturePtr p = get();
        ASSERT_TRUE(p);
        EXPECT_EQ(get(), p);
    }
    ASSERT_TRUE(forbid()->HasMask());
    EXPECT_TRUE(samePixels(*forbid()->Mask(), *msk()));
    ASSERT_TRUE(REFRightPic()->HasMask());
    EXPECT_TRUE(samePixels(*REFRightPic()->Mask(), *REFRightMask()));
    EXPECT_FALSE(REFMiddlePic()->HasMask());
    EXPECT_EQ(cycicon()->Transparent(), 1);
    EXPECT_EQ(backg1()->Transparent(), 0);
}

// Drawn before anything asks for its pixels, a resource draws as they are,
// at the size its header gave.
TEST(PictureResources, DrawnFirstTheyShowTheirPixels)
{
    ASSERT_TRUE(msk()); // registers the resources
    constexpr QImage::Format kShown = QImage::Format_ARGB32_Premultiplied;
    int seen = 0;
    for (QDirIterator it(QStringLiteral(":/pictures")); it.hasNext(); ++seen) {
        const int id = it.next().section(u'/', -1).section(u'.', 0, 0).toInt();
        SCOPED_TRACE(id);
        const PicturePtr fresh = fw::GetPicture(id);
        ASSERT_TRUE(fresh);
        const QSize header(fresh->Width(), fresh->Height());
        const QImage drawn = fresh->Composited().convertToFormat(kShown);
        EXPECT_FALSE(header.isEmpty());
        EXPECT_EQ(drawn.size(), header);
        EXPECT_EQ(drawn, fresh->Image().convertToFormat(kShown));
    }
    EXPECT_GT(seen, 0);
}
