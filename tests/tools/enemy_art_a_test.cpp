// The generated pictures of the enemy family's machines and fliers (butterfly, turrets,
// super mine, serpent, power droid, falling rock, pod spawner, droid, vulcan droid): every
// sheet at the size its class cuts it by; each frame inside its own cell and unused cells
// empty; animations that move and loop; turrets that aim from left through up to right;
// walkers standing on the cell's floor; serpent pieces that chain; glows that are light
// lying on the sprite; the tinted droid grey; the rock dark.
#include "enemies/enemy_sheets.hpp"
#include "tools/art_image_reader.hpp"
#include "tools/sheet_cells.hpp"

#include <IL/il.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

using namespace sheet_cells;

namespace {

using namespace EnemySheets;

// Where a cell's picture lies, in cell pixels (rows and columns holding alpha >= threshold).
struct Extent {
    int left = 0, top = 0, right = -1, bottom = -1;
    bool Empty() const { return right < left; }
    int Width() const { return right - left + 1; }
    int Height() const { return bottom - top + 1; }
};

Extent ExtentOf(const LoadedPicture& p, const Cell& c, int threshold)
{
    Extent e{c.w, c.h, -1, -1};
    for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x)
            if (p.Alpha(c.x0 + x, c.y0 + y) >= threshold) {
                e.left = std::min(e.left, x);
                e.right = std::max(e.right, x);
                e.top = std::min(e.top, y);
                e.bottom = std::max(e.bottom, y);
            }
    return e;
}

// The silhouette of a cell (alpha >= 128), optionally mirrored left-right or top-bottom.
std::vector<bool> Outline(const LoadedPicture& p, const Cell& c, bool mirrorX = false, bool mirrorY = false)
{
    std::vector<bool> out(size_t(c.w * c.h));
    for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x) {
            const int sx = mirrorX ? c.w - 1 - x : x, sy = mirrorY ? c.h - 1 - y : y;
            out[size_t(y * c.w + x)] = p.Alpha(c.x0 + sx, c.y0 + sy) >= 128;
        }
    return out;
}

// How much two silhouettes of the same size agree: shared area over joint area.
double Overlap(const std::vector<bool>& a, const std::vector<bool>& b)
{
    int both = 0, either = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        both += a[i] && b[i];
        either += a[i] || b[i];
    }
    return either ? double(both) / either : 1.0;
}

// The alpha-weighted centre of a cell's picture, in cell pixels.
std::pair<double, double> CentreOf(const LoadedPicture& p, const Cell& c)
{
    double sx = 0, sy = 0, sw = 0;
    for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x) {
            const double a = p.Alpha(c.x0 + x, c.y0 + y);
            sx += a * x;
            sy += a * y;
            sw += a;
        }
    return {sw ? sx / sw : 0.0, sw ? sy / sw : 0.0};
}

struct Animation {
    SheetSpec sheet;
    int frames; // cells holding a picture; the rest stay empty
    bool loops; // the last frame leads back into the first
};

const std::vector<Animation>& Sheets()
{
    static const std::vector<Animation> all = {
        {Butterfly, 16, true},       {Turret, 32, false},          {SuperTurret, 32, false},
        {SuperMine, 8, true},        {SerpentHead, 1, false},      {SerpentBody, 1, false},
        {SerpentTail, 1, false},     {PowerDroidWalk, 16, true},   {PowerDroidFly, 16, true},
        {FallingRock, 1, false},     {PodSpawner, 15, true},       {Droid, 16, true},
        {VulcanDroidWalk, 16, true}, {VulcanDroidTurn, 8, false},  {VulcanDroidSquat, 8, false},
    };
    return all;
}

} // namespace

TEST(EnemyArtA, EverySheetHasItsSizeAndIsTrueColourWithAlpha)
{
    std::vector<SheetSpec> all = {ButterflyGlow, PowerDroidFlyGlow};
    for (const Animation& a : Sheets())
        all.push_back(a.sheet);
    for (const SheetSpec& sheet : all) {
        SCOPED_TRACE(sheet.file);
        ExpectTrueColourAtItsSize(sheet);
    }
}

TEST(EnemyArtA, EveryFrameFillsItsOwnCellAndUnusedCellsAreEmpty)
{
    for (const Animation& a : Sheets()) {
        SCOPED_TRACE(a.sheet.file);
        const LoadedPicture p = Generated(a.sheet);
        ASSERT_TRUE(p.ok);
        for (int cell = 0; cell < a.sheet.columns * a.sheet.rows; ++cell) {
            const Cell c = CellOf(a.sheet, cell);
            if (cell < a.frames) {
                // A readable sprite: at least an eighth of its cell solid, soft-edged, clear of the border.
                EXPECT_GT(OpaquePixels(p, c), c.w * c.h / 8) << "cell " << cell;
                EXPECT_GT(OpaquePixels(p, c, 1), OpaquePixels(p, c, 255)) << "cell " << cell << " has no soft edge";
                EXPECT_FALSE(TouchesBorder(p, c)) << "cell " << cell;
            } else {
                EXPECT_EQ(OpaquePixels(p, c, 1), 0) << "unused cell " << cell;
            }
        }
    }
}

TEST(EnemyArtA, AnimationsMoveFromFrameToFrameAndLoopCleanly)
{
    for (const Animation& a : Sheets()) {
        if (a.frames < 2)
            continue;
        SCOPED_TRACE(a.sheet.file);
        const LoadedPicture p = Generated(a.sheet);
        ASSERT_TRUE(p.ok);
        double largestStep = 0.0;
        for (int f = 0; f + 1 < a.frames; ++f) {
            const double step = CellDifference(p, CellOf(a.sheet, f), CellOf(a.sheet, f + 1));
            EXPECT_GT(step, 0.2) << "frames " << f << " and " << f + 1 << " are alike";
            largestStep = std::max(largestStep, step);
        }
        if (a.loops) {
            // The wrap is one more step of the motion: neither a jump nor a repeated frame.
            const double wrap = CellDifference(p, CellOf(a.sheet, a.frames - 1), CellOf(a.sheet, 0));
            EXPECT_GT(wrap, 0.2);
            EXPECT_LT(wrap, largestStep * 1.5 + 0.5);
        }
    }
}

TEST(EnemyArtA, TurretsAimFromLeftThroughUpToRightOnTheirFloor)
{
    for (const SheetSpec& s : {Turret, SuperTurret}) {
        SCOPED_TRACE(s.file);
        const LoadedPicture p = Generated(s);
        ASSERT_TRUE(p.ok);
        double previousX = -1.0;
        int highest = s.height;
        for (int f = 0; f < 32; ++f) {
            const Cell c = CellOf(s, f);
            // The barrel swings the picture's weight steadily from left to right...
            const double x = CentreOf(p, c).first;
            EXPECT_GT(x, previousX - 0.25) << "frame " << f;
            previousX = x;
            // ...and the plinth stands on the cell's bottom edge in every frame.
            EXPECT_GE(ExtentOf(p, c, 128).bottom, c.h - 4) << "frame " << f;
            highest = std::min(highest, ExtentOf(p, c, 128).top);
        }
        EXPECT_GT(CentreOf(p, CellOf(s, 31)).first, CentreOf(p, CellOf(s, 0)).first + 4.0);
        // Straight up (15, 16) reaches highest, and the sweep is symmetric: frame f is the
        // mirror of frame 31 - f.
        EXPECT_LE(ExtentOf(p, CellOf(s, 15), 128).top, highest + 1);
        for (int f : {0, 5, 10, 15})
            EXPECT_GT(Overlap(Outline(p, CellOf(s, f)), Outline(p, CellOf(s, 31 - f), true)), 0.85) << "frame " << f;
    }
    // The two guns are told apart by their outlines.
    const LoadedPicture light = Generated(Turret), heavy = Generated(SuperTurret);
    ASSERT_TRUE(light.ok && heavy.ok);
    EXPECT_LT(Overlap(Outline(light, CellOf(Turret, 8)), Outline(heavy, CellOf(SuperTurret, 8))), 0.6);
}

TEST(EnemyArtA, WalkersStandOnTheCellFloor)
{
    for (const SheetSpec& s : {PowerDroidWalk, Droid, VulcanDroidWalk, VulcanDroidTurn, VulcanDroidSquat}) {
        SCOPED_TRACE(s.file);
        const LoadedPicture p = Generated(s);
        ASSERT_TRUE(p.ok);
        const int frames = s.columns * s.rows;
        const int floor = ExtentOf(p, CellOf(s, 0), 128).bottom;
        EXPECT_GE(floor, s.height / s.rows - 5) << "the feet are near the cell's bottom";
        // A planted foot stays on the same row through the whole sequence.
        for (int f = 1; f < frames; ++f)
            EXPECT_NEAR(ExtentOf(p, CellOf(s, f), 128).bottom, floor, 1) << "frame " << f;
    }
}

TEST(EnemyArtA, VulcanDroidTurnsToItsMirrorAndSquatsLow)
{
    const LoadedPicture turn = Generated(VulcanDroidTurn), squat = Generated(VulcanDroidSquat);
    ASSERT_TRUE(turn.ok && squat.ok);
    // Facing left at the end is the mirror of facing right at the start, so the game can
    // flip the walk for a droid facing left; half way it faces neither way.
    const auto right = Outline(turn, CellOf(VulcanDroidTurn, 0));
    EXPECT_GT(Overlap(Outline(turn, CellOf(VulcanDroidTurn, 7), true), right), 0.85);
    EXPECT_LT(Overlap(Outline(turn, CellOf(VulcanDroidTurn, 3)), right), 0.8);
    // The squat starts from the standing pose and ends lower, the gun raised.
    EXPECT_GT(Overlap(Outline(squat, CellOf(VulcanDroidSquat, 0)), right), 0.95);
    EXPECT_GT(CentreOf(squat, CellOf(VulcanDroidSquat, 7)).second,
              CentreOf(squat, CellOf(VulcanDroidSquat, 0)).second + 1.5);
}

TEST(EnemyArtA, DroidAndVulcanDroidAreToldApart)
{
    const LoadedPicture droid = Generated(Droid), vulcan = Generated(VulcanDroidWalk);
    ASSERT_TRUE(droid.ok && vulcan.ok);
    // The droid is tinted by its colour: pure grey, and light enough for any colour to show.
    double grey = 0.0;
    int solid = 0;
    for (int y = 0; y < droid.height; ++y)
        for (int x = 0; x < droid.width; ++x) {
            if (!droid.Alpha(x, y))
                continue;
            ASSERT_EQ(Channel(droid, x, y, 0), Channel(droid, x, y, 1)) << x << "," << y;
            ASSERT_EQ(Channel(droid, x, y, 1), Channel(droid, x, y, 2)) << x << "," << y;
            if (droid.Alpha(x, y) >= 200) {
                grey += Channel(droid, x, y, 0) / 255.0;
                ++solid;
            }
        }
    ASSERT_GT(solid, 0);
    EXPECT_GT(grey / solid, 0.45);
    // The vulcan droid wears its own warm colours, and its outline is another shape.
    int warm = 0;
    for (int y = 0; y < vulcan.height; ++y)
        for (int x = 0; x < vulcan.width; ++x)
            warm += vulcan.Alpha(x, y) >= 200 && Channel(vulcan, x, y, 0) - Channel(vulcan, x, y, 2) > 80;
    EXPECT_GT(warm, 16 * 40);
    for (int f : {0, 4, 8, 12})
        EXPECT_LT(Overlap(Outline(droid, CellOf(Droid, f)), Outline(vulcan, CellOf(VulcanDroidWalk, f))), 0.6)
            << "frame " << f;
}

TEST(EnemyArtA, SerpentPiecesChainWhicheverWayTheyTurn)
{
    const LoadedPicture head = Generated(SerpentHead), body = Generated(SerpentBody), tail = Generated(SerpentTail);
    ASSERT_TRUE(head.ok && body.ok && tail.ok);
    const Cell c = CellOf(SerpentBody, 0);
    const Extent e = ExtentOf(body, c, 128);
    ASSERT_FALSE(e.Empty());
    // Segments are drawn 20 of 48 pixels apart (27 of the picture's 64): a segment longer
    // than that, centred on its position, overlaps both neighbours.
    EXPECT_GT(e.Width(), 64 * 20 / 48 + 4);
    EXPECT_NEAR((e.left + e.right) / 2.0, (c.w - 1) / 2.0, 1.5);
    EXPECT_NEAR((e.top + e.bottom) / 2.0, (c.h - 1) / 2.0, 1.5);
    // Turned to any heading (upside down when heading left), each piece reads the same.
    for (const LoadedPicture* piece : {&head, &body, &tail})
        EXPECT_GT(Overlap(Outline(*piece, c), Outline(*piece, c, false, true)), 0.9);
    // The head leads: at least as broad as the body it pulls.
    EXPECT_GE(ExtentOf(head, c, 128).Height(), e.Height());
}

TEST(EnemyArtA, SuperMineCorePulses)
{
    const LoadedPicture p = Generated(SuperMine);
    ASSERT_TRUE(p.ok);
    // The glowing red of the core: dim at frame 0, brightest half way round the loop.
    const auto redLight = [&](int frame) {
        const Cell c = CellOf(SuperMine, frame);
        double sum = 0.0;
        for (int y = c.y0; y < c.y0 + c.h; ++y)
            for (int x = c.x0; x < c.x0 + c.w; ++x)
                if (p.Alpha(x, y) >= 200 && Channel(p, x, y, 0) > 2 * Channel(p, x, y, 2) + 40)
                    sum += Channel(p, x, y, 0) + Channel(p, x, y, 1);
        return sum;
    };
    EXPECT_GT(redLight(4), redLight(0) * 1.3);
    EXPECT_NEAR(redLight(1), redLight(7), redLight(0) * 0.25);
}

TEST(EnemyArtA, FallingRockIsDarkAndFillsItsCell)
{
    const LoadedPicture p = Generated(FallingRock);
    ASSERT_TRUE(p.ok);
    const Cell c = CellOf(FallingRock, 0);
    // Rocks stack 60 of their 64 pixels apart: the boulder fills nearly the cell's height.
    EXPECT_GT(ExtentOf(p, c, 128).Height(), c.h * 56 / 64);
    // A front-layer picture: dark, no bright colour.
    double light = 0.0;
    int solid = 0, coloured = 0;
    for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x)
            if (p.Alpha(x, y) >= 200) {
                const int r = Channel(p, x, y, 0), g = Channel(p, x, y, 1), b = Channel(p, x, y, 2);
                light += (r + g + b) / (3 * 255.0);
                coloured += std::max({r, g, b}) - std::min({r, g, b}) > 60;
                ++solid;
            }
    ASSERT_GT(solid, 0);
    EXPECT_LT(light / solid, 0.3);
    EXPECT_LT(coloured, solid / 50);
}

TEST(EnemyArtA, GlowsAreLightLyingOnTheSprite)
{
    struct Glow {
        SheetSpec light, sprite;
        int radius; // the halo's reach beyond the lit surfaces
    };
    for (const Glow& g : {Glow{ButterflyGlow, Butterfly, 4}, Glow{PowerDroidFlyGlow, PowerDroidFly, 5}}) {
        SCOPED_TRACE(g.light.file);
        const LoadedPicture light = Generated(g.light), sprite = Generated(g.sprite);
        ASSERT_TRUE(light.ok && sprite.ok);
        for (int cell = 0; cell < g.light.columns * g.light.rows; ++cell) {
            const Cell c = CellOf(g.light, cell);
            int lit = 0, stray = 0;
            for (int y = c.y0; y < c.y0 + c.h; ++y)
                for (int x = c.x0; x < c.x0 + c.w; ++x) {
                    const int brightest =
                        std::max({Channel(light, x, y, 0), Channel(light, x, y, 1), Channel(light, x, y, 2)});
                    // Stored as light: alpha is the brightness, so both additive modes work.
                    ASSERT_EQ(light.Alpha(x, y), brightest) << x << "," << y;
                    if (brightest < 24)
                        continue;
                    lit += brightest > 128;
                    // Light lies on the sprite or within the halo's reach of it.
                    bool near = false;
                    for (int dy = -g.radius; dy <= g.radius && !near; ++dy)
                        for (int dx = -g.radius; dx <= g.radius && !near; ++dx) {
                            const int sx = x + dx, sy = y + dy;
                            near = sx >= c.x0 && sy >= c.y0 && sx < c.x0 + c.w && sy < c.y0 + c.h &&
                                   sprite.Alpha(sx, sy) >= 16;
                        }
                    stray += !near;
                }
            EXPECT_GE(lit, 3) << "cell " << cell << " has its lights";
            EXPECT_EQ(stray, 0) << "cell " << cell;
            EXPECT_FALSE(TouchesBorder(light, c)) << "cell " << cell;
            // Only the lights: a small part of the sprite glows.
            EXPECT_LT(lit, OpaquePixels(sprite, c) / 4) << "cell " << cell;
        }
    }
}
