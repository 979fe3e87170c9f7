// The generated pictures of the cavern warden, the fortress guardian and the two mid-bosses:
// each at the size its sheet is cut by, every cell a picture clear of its border; the weak
// points shut in the first cell and open and hot in the last, opening step by step; the
// guardian's core lit in every frame of a loop that moves and wraps cleanly; the gunship's
// guns where the game fires from and the claw's muzzle at its front.
#include "enemies/bosses/boss_sheets.hpp"
#include "tools/art_image_reader.hpp"
#include "tools/sheet_cells.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace sheet_cells;
using namespace BossSheets;

namespace {

// The light of a disc of a cell: the mean brightness (0..255) of its solid pixels and how
// much warmer than blue they are.
struct Light {
    double brightness = 0.0, warmth = 0.0;
};

Light LightOf(const LoadedPicture& p, const Cell& c, double cx, double cy, double radius)
{
    double bright = 0.0, warm = 0.0;
    int n = 0;
    for (int y = c.y0; y < c.y0 + c.h; ++y)
        for (int x = c.x0; x < c.x0 + c.w; ++x) {
            const double dx = x - c.x0 - cx, dy = y - c.y0 - cy;
            if (dx * dx + dy * dy > radius * radius || p.Alpha(x, y) < 200)
                continue;
            const int r = Channel(p, x, y, 0), g = Channel(p, x, y, 1), b = Channel(p, x, y, 2);
            bright += (r + g + b) / 3.0;
            warm += r - b;
            ++n;
        }
    return n ? Light{bright / n, warm / n} : Light{};
}

// Sheets whose cells 0..3 open a weak point in the middle of the cell.
struct WeakPoint {
    SheetSpec sheet;
    double radius; // of the disc looked at, as a share of the cell's width
};

const std::vector<WeakPoint>& WeakPoints()
{
    static const std::vector<WeakPoint> all = {{Boss2, 0.08}, {MidBoss1Core, 0.16}, {MidBoss2Body, 0.12}};
    return all;
}

} // namespace

TEST(BossArtB, EverySheetHasItsSizeAndEveryCellAPictureClearOfItsBorder)
{
    for (const SheetSpec& sheet : {Boss2, Boss3, MidBoss1Hull, MidBoss1Core, MidBoss2Claw, MidBoss2Body}) {
        SCOPED_TRACE(sheet.file);
        ExpectTrueColourAtItsSize(sheet);
        const LoadedPicture p = Generated(sheet);
        ASSERT_TRUE(p.ok);
        for (int cell = 0; cell < sheet.columns * sheet.rows; ++cell) {
            const Cell c = CellOf(sheet, cell);
            EXPECT_GT(OpaquePixels(p, c), c.w * c.h / 8) << "cell " << cell;
            EXPECT_GT(OpaquePixels(p, c, 1), OpaquePixels(p, c, 255)) << "cell " << cell << " has no soft edge";
            EXPECT_FALSE(TouchesBorder(p, c)) << "cell " << cell;
        }
    }
}

TEST(BossArtB, WeakPointsAreShutFirstAndOpenHotLast)
{
    for (const WeakPoint& w : WeakPoints()) {
        SCOPED_TRACE(w.sheet.file);
        const LoadedPicture p = Generated(w.sheet);
        ASSERT_TRUE(p.ok);
        std::vector<Light> steps;
        for (int cell = 0; cell < 4; ++cell) {
            const Cell c = CellOf(w.sheet, cell);
            steps.push_back(LightOf(p, c, c.w / 2.0, c.h / 2.0, c.w * w.radius));
        }
        // Shut: dark armour. Open: a bright, warm core a player sees at a glance.
        EXPECT_LT(steps[0].brightness, 120.0);
        EXPECT_GT(steps[3].brightness, 190.0);
        EXPECT_GT(steps[3].warmth, 50.0);
        EXPECT_GT(steps[3].brightness, steps[0].brightness + 90.0);
        // It opens step by step, never closing on the way (once the middle is bare it may
        // stay as bright).
        EXPECT_GT(steps[1].brightness, steps[0].brightness + 5.0);
        for (int cell = 2; cell < 4; ++cell)
            EXPECT_GT(steps[size_t(cell)].brightness, steps[size_t(cell - 1)].brightness - 8.0) << "cell " << cell;
    }
}

TEST(BossArtB, GuardianLoopMovesAndWrapsWithItsCoreAlwaysLit)
{
    const LoadedPicture p = Generated(Boss3);
    ASSERT_TRUE(p.ok);
    const int frames = Boss3.columns * Boss3.rows;
    double largestStep = 0.0;
    for (int f = 0; f < frames; ++f) {
        const Cell c = CellOf(Boss3, f);
        // A pixel of the sheet is a pixel on screen: the core lies Boss3CoreX from the centre.
        const Light core = LightOf(p, c, c.w / 2.0 + Boss3CoreX * c.w / (2 * Boss3Half), c.h / 2.0, 10.0);
        EXPECT_GT(core.brightness, 190.0) << "frame " << f;
        EXPECT_GT(core.warmth, 40.0) << "frame " << f;
        if (f + 1 < frames) {
            const double step = CellDifference(p, c, CellOf(Boss3, f + 1));
            EXPECT_GT(step, 0.5) << "frames " << f << " and " << f + 1 << " are alike";
            largestStep = std::max(largestStep, step);
        }
    }
    // Frame 15 runs on into frame 0 like any other step: neither a jump nor a repeat.
    const double wrap = CellDifference(p, CellOf(Boss3, frames - 1), CellOf(Boss3, 0));
    EXPECT_GT(wrap, 0.5);
    EXPECT_LT(wrap, largestStep * 1.5);
}

TEST(BossArtB, GunshipGunsAndClawMuzzleSitWhereTheGameFires)
{
    // The wing guns: barrels along the rows 100 screen pixels above and below the centre,
    // reaching well into the front (left) half.
    const LoadedPicture hull = Generated(MidBoss1Hull);
    ASSERT_TRUE(hull.ok);
    const double texels = MidBoss1Hull.width / (2.0 * MidBoss1HullHalf);
    for (const int side : {-1, 1}) {
        const int row = int(std::lround(MidBoss1Hull.height / 2.0 + side * 100.0 * texels));
        int solid = 0;
        for (int x = 0; x < MidBoss1Hull.width / 2; ++x)
            solid += hull.Alpha(x, row) >= 200;
        EXPECT_GT(solid, MidBoss1Hull.width / 4) << "gun row " << row;
    }
    // The claw's muzzle glows at its left end: the hot orange pixels lie in the left third.
    const LoadedPicture claw = Generated(MidBoss2Claw);
    ASSERT_TRUE(claw.ok);
    int hotLeft = 0, hotElsewhere = 0;
    for (int y = 0; y < claw.height; ++y)
        for (int x = 0; x < claw.width; ++x)
            if (claw.Alpha(x, y) >= 200 && Channel(claw, x, y, 0) > 220 && Channel(claw, x, y, 0) - Channel(claw, x, y, 2) > 100)
                (x < claw.width / 3 ? hotLeft : hotElsewhere) += 1;
    EXPECT_GT(hotLeft, 10);
    EXPECT_LT(hotElsewhere, hotLeft);
}
