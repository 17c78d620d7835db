// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/pictureresources.h"

#include "framework/gui/graphics.h"
#include "framework/gui/picture_seam.h"

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QImage>

#include <vector>

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

// Whether a test of this process has asked for the pictures already: they
// are loaded once per process, so what the first calls read can be seen
// only in a process that has not asked before (ctest runs each test alone).
bool g_asked = false;

// In the order the calls below make them, what each getter reads from the
// resources (its own id, and its mask's when the mask is not loaded yet),
// what it draws into its mask and its transparency setting.
TEST(PictureResources, EachIsReadOnceByItsIdWithItsMask)
{
    if (g_asked)
        GTEST_SKIP() << "the pictures were loaded by an earlier test of this process";
    g_asked = true;
    std::vector<int> reads;
    const fw::GetPictureHook previous = fw::SetGetPictureHook([&reads](int id) { reads.push_back(id); });
    struct Row { const char* name; PicturePtr (*get)(); std::vector<int> reads; PicturePtr (*mask)(); int transparent; };
    const Row rows[] = {
        {"forbid, the first icon: msk comes with it", &forbid, {169, 168}, &msk, 0},
        {"male", &male, {170}, &msk, 0},
        {"female", &female, {171}, &msk, 0},
        {"heart", &heart, {172}, &msk, 0},
        {"fer", &fer, {173}, &msk, 0},
        {"ovu", &ovu, {174}, &msk, 0},
        {"men", &men, {175}, &msk, 0},
        {"msk, loaded already", &msk, {}, nullptr, 0},
        {"cycicon", &cycicon, {177}, nullptr, 1},
        {"backg1", &backg1, {178}, nullptr, 0},
        {"REFLeftPic: its mask comes with it", &REFLeftPic, {180, 179}, &REFLeftMask, 0},
        {"REFLeftMask, loaded already", &REFLeftMask, {}, nullptr, 0},
        {"REFMiddlePic: no mask of its own", &REFMiddlePic, {182}, nullptr, 0},
        {"REFMiddleMask", &REFMiddleMask, {181}, nullptr, 0},
        {"REFRightMask", &REFRightMask, {183}, nullptr, 0},
        {"REFRightPic, its mask loaded already", &REFRightPic, {184}, &REFRightMask, 0},
    };
    std::vector<PicturePtr> got;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        reads.clear();
        const PicturePtr p = row.get();
        EXPECT_EQ(reads, row.reads);
        ASSERT_TRUE(p);
        got.push_back(p);
        EXPECT_EQ(p->Transparent(), row.transparent);
        EXPECT_EQ(p->HasMask(), row.mask != nullptr);
        if (row.mask && p->HasMask()) {
            EXPECT_TRUE(samePixels(*p->Mask(), *row.mask()));
        }
    }
    // Asked again, every getter hands out its picture without reading.
    reads.clear();
    for (std::size_t i = 0; i < got.size(); ++i)
        for (int again = 0; again < 3; ++again)
            EXPECT_EQ(rows[i].get(), got[i]) << rows[i].name;
    EXPECT_TRUE(reads.empty());
    fw::SetGetPictureHook(previous);
}

// Drawn before anything asks for its pixels, a resource draws as they are,
// at the size its header gave.
TEST(PictureResources, DrawnFirstTheyShowTheirPixels)
{
    g_asked = true;
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
