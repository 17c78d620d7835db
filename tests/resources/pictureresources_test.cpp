// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/pictureresources.h"

#include "framework/gui/graphics.h"

#include <gtest/gtest.h>

#include <QImage>

using fw::PicturePtr;

namespace {

using Getter = PicturePtr (*)();

// mask: the getter whose picture is drawn into this one's mask.
struct Entry { const char* name; Getter get; int id; int width, height; Getter mask; };

// Sizes follow the controls that show them: 24 x 24 legend and day-cell
// canvases, caps 10 wide on a 20-high frame, icon canvases of about 130 x 130,
// the backdrop as wide as the calendar window and as high as the help window.
const Entry kEntries[] = {
    {"msk", &msk, 168, 24, 24, nullptr},          {"forbid", &forbid, 169, 24, 24, &msk},
    {"male", &male, 170, 24, 24, &msk},           {"female", &female, 171, 24, 24, &msk},
    {"heart", &heart, 172, 24, 24, &msk},         {"fer", &fer, 173, 24, 24, &msk},
    {"ovu", &ovu, 174, 24, 24, &msk},             {"men", &men, 175, 24, 24, &msk},
    {"cycicon", &cycicon, 177, 128, 128, nullptr}, {"backg1", &backg1, 178, 702, 418, nullptr},
    {"REFLeftMask", &REFLeftMask, 179, 10, 20, nullptr},
    {"REFLeftPic", &REFLeftPic, 180, 10, 20, &REFLeftMask},
    {"REFMiddleMask", &REFMiddleMask, 181, 10, 20, nullptr},
    {"REFMiddlePic", &REFMiddlePic, 182, 10, 20, nullptr},
    {"REFRightMask", &REFRightMask, 183, 10, 20, nullptr},
    {"REFRightPic", &REFRightPic, 184, 10, 20, &REFRightMask},
};

bool samePixels(fw::Picture& a, fw::Picture& b)
{
    bool same = a.Width() == b.Width() && a.Height() == b.Height();
    for (int y = 0; same && y < a.Height(); ++y)
        for (int x = 0; same && x < a.Width(); ++x)
            same = a.RGBSurface().Pixel(x, y) == b.RGBSurface().Pixel(x, y);
    return same;
}

} // namespace

TEST(PictureResources, EveryGetterLoadsItsOwnResourceOnce)
{
    for (const Entry& e : kEntries) {
        SCOPED_TRACE(e.name);
        const PicturePtr p = e.get();
        ASSERT_TRUE(p);
        EXPECT_EQ(e.get(), p);
        EXPECT_EQ(std::pair(p->Width(), p->Height()), std::pair(e.width, e.height));
        const PicturePtr resource = fw::GetPicture(e.id);
        ASSERT_TRUE(resource);
        EXPECT_TRUE(samePixels(*p, *resource));
        ASSERT_EQ(p->HasMask(), e.mask != nullptr);
        EXPECT_TRUE(!e.mask || samePixels(*p->Mask(), *e.mask()));
    }
    EXPECT_EQ(cycicon()->Transparent(), 1);
    EXPECT_EQ(backg1()->Transparent(), 0);
}

// Drawn before anything asks for its pixels, a resource draws as they are.
TEST(PictureResources, DrawnFirstTheyShowTheirPixels)
{
    constexpr QImage::Format kShown = QImage::Format_ARGB32_Premultiplied;
    for (const Entry& e : kEntries) {
        SCOPED_TRACE(e.name);
        const PicturePtr fresh = fw::GetPicture(e.id);
        ASSERT_TRUE(fresh);
        const QImage drawn = fresh->Composited().convertToFormat(kShown);
        EXPECT_EQ(drawn.size(), QSize(e.width, e.height));
        EXPECT_EQ(drawn, fresh->Image().convertToFormat(kShown));
    }
}
