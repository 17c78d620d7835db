// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/pictureresources.h"

#include "framework/gui/graphics.h"

#include <gtest/gtest.h>

#include <string>

using fw::Color;
using fw::PicturePtr;

namespace {

using Getter = PicturePtr (*)();

struct Entry {
    const char* name;
    Getter get;
    int id;
    int width;
    int height;
    Getter mask;   // the getter whose picture is drawn into this one's mask
};

// Sizes follow the controls that show them: 24 x 24 legend and day-cell
// canvases, caps 10 wide on a 20-high frame, icon canvases of about 130 x 130,
// the backdrop as wide as the calendar window and as high as the help window.
const Entry kEntries[] = {
    {"msk", &msk, 168, 24, 24, nullptr},
    {"forbid", &forbid, 169, 24, 24, &msk},
    {"male", &male, 170, 24, 24, &msk},
    {"female", &female, 171, 24, 24, &msk},
    {"heart", &heart, 172, 24, 24, &msk},
    {"fer", &fer, 173, 24, 24, &msk},
    {"ovu", &ovu, 174, 24, 24, &msk},
    {"men", &men, 175, 24, 24, &msk},
    {"cycicon", &cycicon, 177, 128, 128, nullptr},
    {"backg1", &backg1, 178, 702, 418, nullptr},
    {"REFLeftMask", &REFLeftMask, 179, 10, 20, nullptr},
    {"REFLeftPic", &REFLeftPic, 180, 10, 20, &REFLeftMask},
    {"REFMiddleMask", &REFMiddleMask, 181, 10, 20, nullptr},
    {"REFMiddlePic", &REFMiddlePic, 182, 10, 20, nullptr},
    {"REFRightMask", &REFRightMask, 183, 10, 20, nullptr},
    {"REFRightPic", &REFRightPic, 184, 10, 20, &REFRightMask},
};

bool samePixels(fw::Picture& a, fw::Picture& b)
{
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.RGBSurface().Pixel(x, y) != b.RGBSurface().Pixel(x, y))
                return false;
    return true;
}

// The picture as it shows over a plain ground of the given colour.
PicturePtr drawnOver(const PicturePtr& picture, Color ground)
{
    PicturePtr out = fw::Picture::New(picture->Width(), picture->Height());
    out->Graphics().SetForeColor(ground);
    out->Graphics().FillRect(0, 0, out->Width(), out->Height());
    out->Graphics().DrawPicture(*picture, 0, 0);
    return out;
}

int channelDistance(Color a, Color b)
{
    return std::abs(a.Red - b.Red) + std::abs(a.Green - b.Green) + std::abs(a.Blue - b.Blue);
}

} // namespace

// Each getter loads its own resource once, at its size, masked as the table
// says.
TEST(PictureResources, EveryGetterLoadsItsOwnResourceOnce)
{
    for (const Entry& e : kEntries) {
        SCOPED_TRACE(e.name);
        const PicturePtr p = e.get();
        ASSERT_TRUE(p);
        EXPECT_EQ(e.get(), p);
        EXPECT_EQ(p->Width(), e.width);
        EXPECT_EQ(p->Height(), e.height);
        const PicturePtr resource = fw::GetPicture(e.id);
        ASSERT_TRUE(resource);
        EXPECT_TRUE(samePixels(*p, *resource));
        ASSERT_EQ(p->HasMask(), e.mask != nullptr);
        if (e.mask) {
            EXPECT_TRUE(samePixels(*p->Mask(), *e.mask()));
        }
    }
    EXPECT_FALSE(fw::GetPicture(176)) << "id 176 is not a picture of the application";
    EXPECT_EQ(cycicon()->Transparent(), 1);
    EXPECT_EQ(backg1()->Transparent(), 0);
}

TEST(PictureResources, DayMarksAreClearWhereTheirMaskIsWhite)
{
    const PicturePtr mask = msk();
    ASSERT_TRUE(mask);
    const Getter marks[] = {&forbid, &male, &female, &heart, &fer, &ovu, &men};
    const Color grounds[] = {fw::RGB(0, 200, 0), fw::RGB(20, 0, 160)};
    int clear = 0, opaque = 0, partial = 0;
    for (Getter get : marks) {
        const PicturePtr mark = get();
        ASSERT_TRUE(mark);
        const PicturePtr overA = drawnOver(mark, grounds[0]);
        const PicturePtr overB = drawnOver(mark, grounds[1]);
        for (int y = 0; y < 24; ++y) {
            for (int x = 0; x < 24; ++x) {
                const int grey = mask->RGBSurface().Pixel(x, y).Red;
                const Color a = overA->RGBSurface().Pixel(x, y);
                const Color b = overB->RGBSurface().Pixel(x, y);
                const Color own = mark->RGBSurface().Pixel(x, y);
                if (grey == 255) {
                    ++clear;
                    ASSERT_EQ(a, grounds[0]) << x << "," << y;
                    ASSERT_EQ(b, grounds[1]) << x << "," << y;
                } else if (grey == 0) {
                    ++opaque;
                    ASSERT_EQ(a, own) << x << "," << y;
                    ASSERT_EQ(b, own) << x << "," << y;
                } else if (grey >= 8 && grey <= 247) {
                    // Partly clear: the ground shows through, more so where
                    // the mask is lighter.
                    ++partial;
                    ASSERT_NE(a, b) << x << "," << y;
                }
            }
        }
    }
    // A round silhouette: clear corners, opaque inside, an anti-aliased rim.
    EXPECT_GT(clear, 0);
    EXPECT_GT(opaque, 7 * 300);
    EXPECT_GT(partial, 0);
    EXPECT_EQ(mask->RGBSurface().Pixel(0, 0), fw::RGB(255, 255, 255));
    EXPECT_EQ(mask->RGBSurface().Pixel(12, 12), fw::RGB(0, 0, 0));
}

TEST(PictureResources, FramePiecesJoinIntoARoundedField)
{
    const PicturePtr left = REFLeftPic();
    const PicturePtr middle = REFMiddlePic();
    const PicturePtr right = REFRightPic();
    const PicturePtr middleMask = REFMiddleMask();
    ASSERT_TRUE(left && middle && right && middleMask);

    // The frame as the rounded field paints it, 92 wide, over a green ground.
    const Color ground = fw::RGB(0, 200, 0);
    PicturePtr frame = fw::Picture::New(92, 20);
    frame->Graphics().SetForeColor(ground);
    frame->Graphics().FillRect(0, 0, 92, 20);
    frame->Graphics().DrawPicture(*left, 0, 0);
    frame->Graphics().DrawPicture(*right, 82, 0);
    frame->Graphics().DrawPicture(*middle, 10, 0, 72, 20, 0, 0, middle->Width(), middle->Height());

    struct Row {
        const char* name;
        int x, y;
        bool showsGround;
    };
    const Row rows[] = {
        {"left outer corner", 0, 0, true},
        {"left lower corner", 0, 19, true},
        {"right outer corner", 91, 0, true},
        {"right lower corner", 91, 19, true},
        {"left end, mid height", 1, 10, false},
        {"right end, mid height", 90, 10, false},
        {"middle top edge", 46, 0, false},
        {"middle bottom edge", 46, 19, false},
        {"inside", 46, 10, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Color c = frame->RGBSurface().Pixel(row.x, row.y);
        if (row.showsGround)
            EXPECT_EQ(c, ground);
        else
            EXPECT_GT(channelDistance(c, ground), 150);
    }
    // The interior is white where the field lies over it, so no seam shows.
    EXPECT_EQ(frame->RGBSurface().Pixel(46, 10), fw::RGB(255, 255, 255));
    EXPECT_EQ(frame->RGBSurface().Pixel(6, 10), fw::RGB(255, 255, 255));
    EXPECT_EQ(frame->RGBSurface().Pixel(85, 10), fw::RGB(255, 255, 255));
    // The middle piece's mask is opaque: the straight part covers the full height.
    for (int y = 0; y < middleMask->Height(); ++y)
        EXPECT_EQ(middleMask->RGBSurface().Pixel(0, y), fw::RGB(0, 0, 0)) << y;
}

TEST(PictureResources, IconIsClearAroundItsArtwork)
{
    const PicturePtr icon = cycicon();
    ASSERT_TRUE(icon);
    const Color ground = fw::RGB(0, 200, 0);
    const PicturePtr over = drawnOver(icon, ground);
    EXPECT_EQ(over->RGBSurface().Pixel(0, 0), ground);
    EXPECT_EQ(over->RGBSurface().Pixel(127, 0), ground);
    EXPECT_EQ(over->RGBSurface().Pixel(0, 127), ground);
    EXPECT_GT(channelDistance(over->RGBSurface().Pixel(64, 64), ground), 150);
}

TEST(PictureResources, MissingResourceGivesNoneAndLeavesTheMaskAlone)
{
    static int maskCalls = 0;
    maskCalls = 0;
    const Getter countingMask = [] {
        ++maskCalls;
        return msk();
    };
    struct Row {
        const char* name;
        int id;
        Getter mask;
        int transparent;
        bool present;
    };
    const Row rows[] = {
        {"missing masked picture", 176, countingMask, 0, false},
        {"missing transparent picture", 176, nullptr, 1, false},
        {"missing id below the range", 167, countingMask, 0, false},
        {"present masked picture", 172, countingMask, 0, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        maskCalls = 0;
        const PicturePtr p = LoadPictureResource(row.id, row.mask, row.transparent);
        EXPECT_EQ(p != nullptr, row.present);
        EXPECT_EQ(maskCalls, row.present && row.mask ? 1 : 0);
    }
    // The none picture draws nothing.
    PicturePtr ground = fw::Picture::New(4, 4);
    ground->Graphics().DrawPicture(LoadPictureResource(176).get(), 0, 0);
    EXPECT_EQ(ground->RGBSurface().Pixel(1, 1), fw::RGB(255, 255, 255));
}
