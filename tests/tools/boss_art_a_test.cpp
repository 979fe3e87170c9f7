// The generated pictures of the first boss: the whole organism, its valve and mouth, and its
// eleven eyes, each at the size its sheet names, every used cell drawn inside its border;
// the body leaves the ship's way open and has recesses where its parts are drawn; the
// valve burns at its core when open and is dark when shut; the mouth's throat heats as it
// gapes; the eyes open from shut to a glowing iris and are not all alike.
#include "enemies/bosses/boss_sheets.hpp"
#include "tools/sheet_cells.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

using namespace sheet_cells;
using namespace BossSheets;

namespace {

// Where a screen offset from the boss falls in the body picture, in texels.
int BodyTexelX(float dx) { return int((dx - Boss1CentreX + Boss1Half) * Boss1.width / (2 * Boss1Half)); }
int BodyTexelY(float dy) { return int((dy + Boss1Half) * Boss1.height / (2 * Boss1Half)); }

struct Light {
    double heat = 0; // mean of red + green over the disc's pixels, weighted by alpha
    double dark = 0; // share of the disc's solid pixels darker than a quarter
    double warmth = 0; // mean of red over blue, weighted by alpha: glows, not grey metal
};

// How hot and how dark a disc of radius `r` around (cx, cy) is.
Light LightIn(const LoadedPicture& p, int cx, int cy, int r)
{
    Light l;
    double weight = 0;
    int solid = 0, dark = 0;
    for (int y = cy - r; y <= cy + r; ++y)
        for (int x = cx - r; x <= cx + r; ++x) {
            if ((x - cx) * (x - cx) + (y - cy) * (y - cy) > r * r)
                continue;
            const double a = p.Alpha(x, y) / 255.0;
            l.heat += a * (Channel(p, x, y, 0) + Channel(p, x, y, 1)) / 2.0;
            l.warmth += a * std::max(0, Channel(p, x, y, 0) - Channel(p, x, y, 2));
            weight += a;
            if (a > 0.5) {
                ++solid;
                dark += std::max({Channel(p, x, y, 0), Channel(p, x, y, 1), Channel(p, x, y, 2)}) < 64;
            }
        }
    l.heat = weight > 0 ? l.heat / weight : 0;
    l.warmth = weight > 0 ? l.warmth / weight : 0;
    l.dark = solid ? double(dark) / solid : 0;
    return l;
}

Light CellCentre(const LoadedPicture& p, const SheetSpec& s, int cell, double share)
{
    const Cell c = CellOf(s, cell);
    return LightIn(p, c.x0 + c.w / 2, c.y0 + c.h / 2, int(c.w * share));
}

void ExpectDrawnInside(const LoadedPicture& p, const SheetSpec& s)
{
    for (int cell = 0; cell < s.columns * s.rows; ++cell) {
        const Cell c = CellOf(s, cell);
        EXPECT_GT(OpaquePixels(p, c), c.w * c.h / 4) << "cell " << cell;
        EXPECT_GT(OpaquePixels(p, c, 1), OpaquePixels(p, c, 255)) << "cell " << cell << " has no soft edge";
        EXPECT_FALSE(TouchesBorder(p, c)) << "cell " << cell;
    }
}

} // namespace

TEST(BossArtA, EveryPictureHasItsSizeAndEveryCellIsDrawnInsideIt)
{
    std::vector<SheetSpec> all = {Boss1, Boss1Valve};
    all.insert(all.end(), Boss1Eyes.begin(), Boss1Eyes.end());
    for (const SheetSpec& s : all) {
        SCOPED_TRACE(s.file);
        ExpectTrueColourAtItsSize(s);
        const LoadedPicture p = Generated(s);
        ASSERT_TRUE(p.ok);
        ExpectDrawnInside(p, s);
    }
}

TEST(BossArtA, BodyLeavesTheShipsWayOpenAndHoldsItsParts)
{
    const LoadedPicture p = Generated(Boss1);
    ASSERT_TRUE(p.ok);
    // The middle-left, from the left edge to well short of the face, is clear to fly in.
    for (int dy = -150; dy <= 150; dy += 10)
        for (int dx = -530; dx <= -260; dx += 10)
            ASSERT_EQ(p.Alpha(BodyTexelX(float(dx)), BodyTexelY(float(dy))), 0) << dx << "," << dy;
    // Under every part the game draws over it there is body, and an eye socket is a dark
    // recess.
    for (const EyePlace& e : EyePlaces) {
        const Light l = LightIn(p, BodyTexelX(e.x), BodyTexelY(e.y), int(e.half * 0.6f));
        EXPECT_EQ(p.Alpha(BodyTexelX(e.x), BodyTexelY(e.y)), 255) << e.x << "," << e.y;
        EXPECT_GT(l.dark, 0.6) << "socket at " << e.x << "," << e.y;
    }
    for (auto [x, y] : {std::pair{ValveX, ValveY}, std::pair{MouthX, MouthY}})
        EXPECT_EQ(p.Alpha(BodyTexelX(x), BodyTexelY(y)), 255) << x << "," << y;
    // The roots reach the arms' openings at the left; the front arm leaves the body.
    for (const ArmRoot& a : ArmRoots)
        EXPECT_EQ(p.Alpha(BodyTexelX(a.x), BodyTexelY(a.y)), 255) << a.x << "," << a.y;
}

TEST(BossArtA, ValveBurnsWhenOpenAndIsDarkWhenShut)
{
    const LoadedPicture p = Generated(Boss1Valve);
    ASSERT_TRUE(p.ok);
    // Its core, where it can be hurt: white-hot when open, cooling as it closes, dark shut.
    const Light open = CellCentre(p, Boss1Valve, 0, 0.12), shut = CellCentre(p, Boss1Valve, 3, 0.12);
    EXPECT_GT(open.heat, 200);
    EXPECT_LT(shut.heat, 110);
    double previous = 256;
    for (int cell = 0; cell < 4; ++cell) {
        const double heat = CellCentre(p, Boss1Valve, cell, 0.3).heat;
        EXPECT_LT(heat, previous) << "cell " << cell;
        previous = heat;
    }
    // The mouth gapes: its throat grows hotter from at rest to wide, and every step shows.
    previous = CellCentre(p, Boss1Valve, MouthFirstCell, 0.15).warmth;
    for (int cell = MouthFirstCell + 1; cell < MouthFirstCell + 4; ++cell) {
        const double heat = CellCentre(p, Boss1Valve, cell, 0.15).warmth;
        EXPECT_GT(heat, previous + 5) << "cell " << cell;
        previous = heat;
        EXPECT_GT(CellDifference(p, CellOf(Boss1Valve, cell - 1), CellOf(Boss1Valve, cell)), 2.0) << cell;
    }
}

TEST(BossArtA, EyesOpenOnAGlowingIrisAndDifferFromEachOther)
{
    std::set<int> irisHues;
    for (const SheetSpec& s : Boss1Eyes) {
        SCOPED_TRACE(s.file);
        const LoadedPicture p = Generated(s);
        ASSERT_TRUE(p.ok);
        // Shut, the lid hides the iris; wide open, its light shows.
        const Light shut = CellCentre(p, s, 0, 0.15), open = CellCentre(p, s, 3, 0.15);
        EXPECT_GT(open.heat, shut.heat + 40);
        for (int cell = 1; cell < 4; ++cell)
            EXPECT_GT(CellDifference(p, CellOf(s, cell - 1), CellOf(s, cell)), 2.0) << "cell " << cell;
        // The iris's colour: what most of the open eye's saturated pixels are.
        const Cell c = CellOf(s, 3);
        int votes[3] = {0, 0, 0}; // amber, red, green
        for (int y = c.y0; y < c.y0 + c.h; ++y)
            for (int x = c.x0; x < c.x0 + c.w; ++x) {
                const int r = Channel(p, x, y, 0), g = Channel(p, x, y, 1), b = Channel(p, x, y, 2);
                if (p.Alpha(x, y) < 255 || std::max(r, g) - b < 100)
                    continue;
                ++votes[g > r ? 2 : g * 20 < r * 9 ? 1 : 0];
            }
        irisHues.insert(int(std::max_element(votes, votes + 3) - votes));
    }
    // Hot amber, red and toxic green all appear among them.
    EXPECT_GE(irisHues.size(), 3u);
}
