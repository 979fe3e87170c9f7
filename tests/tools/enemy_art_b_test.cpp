// The generated pictures of the enemy family's creatures and heavy gunships (retro thruster,
// insect, radar satellite, growth, jellyfish, globsack and its glob, green serpent, bug,
// graboid): each sheet at the size it is cut by, every cell the game draws filled and clear
// of its border, the unused cells empty, animations moving every frame and looping, and the
// looks the game relies on: a spun bug lit the same from every side, a round toxic glob, a
// jellyfish whose bell squeezes at the stroke, serpent segments long enough to close up.
#include "enemies/enemy_sheets.hpp"
#include "tools/art_image_reader.hpp"
#include "tools/sheet_cells.hpp"

#include <IL/il.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <string>

using namespace sheet_cells;

namespace {

struct Sheet {
    SheetSpec picture;
    int used; // cells the game draws, from the first; the rest stay empty
};

const std::array<Sheet, 11> Sheets{{
    {EnemySheets::RetroThruster, 16},
    {EnemySheets::Insect, 31},
    {EnemySheets::RadarSatellite, 15},
    {EnemySheets::Growth, 1},
    {EnemySheets::Jellyfish, 32},
    {EnemySheets::GlobSack, 16},
    {EnemySheets::GreenSerpentHead, 1},
    {EnemySheets::GreenSerpentBody, 1},
    {EnemySheets::Bug, 8},
    {EnemySheets::Graboid, 2}, // a head and a ring, not frames of one animation
    {EnemySheets::Glob, 16},
}};

// The light a pixel adds over black: its luminance weighted by its coverage.
double Light(const LoadedPicture& p, int x, int y)
{
    return (0.299 * Channel(p, x, y, 0) + 0.587 * Channel(p, x, y, 1) + 0.114 * Channel(p, x, y, 2)) * p.Alpha(x, y) /
           255.0;
}

// The first and last covered pixel along a row or column of a cell (-1, -1 when empty).
std::pair<int, int> CoveredSpan(const LoadedPicture& p, const Cell& c, bool alongRow, int at)
{
    int first = -1, last = -1;
    const int n = alongRow ? c.w : c.h;
    for (int i = 0; i < n; ++i) {
        const int x = alongRow ? c.x0 + i : c.x0 + at, y = alongRow ? c.y0 + at : c.y0 + i;
        if (p.Alpha(x, y) >= 128) {
            first = first < 0 ? i : first;
            last = i;
        }
    }
    return {first, last};
}

} // namespace

TEST(EnemyArtB, EverySheetHasItsSizeAndIsTrueColourWithAlpha)
{
    for (const Sheet& sheet : Sheets) {
        SCOPED_TRACE(sheet.picture.file);
        ExpectTrueColourAtItsSize(sheet.picture);
    }
}

TEST(EnemyArtB, DrawnCellsHoldASoftEdgedPictureInsideTheirBorderAndTheRestAreEmpty)
{
    for (const Sheet& sheet : Sheets) {
        SCOPED_TRACE(sheet.picture.file);
        const LoadedPicture p = Generated(sheet.picture);
        ASSERT_TRUE(p.ok);
        for (int cell = 0; cell < sheet.picture.columns * sheet.picture.rows; ++cell) {
            SCOPED_TRACE("cell " + std::to_string(cell));
            const Cell c = CellOf(sheet.picture, cell);
            int covered = 0, edge = 0, any = 0;
            for (int y = c.y0; y < c.y0 + c.h; ++y)
                for (int x = c.x0; x < c.x0 + c.w; ++x) {
                    covered += p.Alpha(x, y) >= 128;
                    edge += p.Alpha(x, y) > 0 && p.Alpha(x, y) < 255;
                    any += p.Alpha(x, y) > 0;
                }
            if (cell >= sheet.used) {
                EXPECT_EQ(any, 0) << "an unused cell";
                continue;
            }
            // A readable body, not a speck, and anti-aliased rather than cut out.
            EXPECT_GT(covered, c.w * c.h / 12);
            EXPECT_GT(edge, (c.w + c.h) / 2);
            EXPECT_FALSE(TouchesBorder(p, c));
        }
    }
}

TEST(EnemyArtB, AnimationsMoveEveryFrameAndTheLastFlowsIntoTheFirst)
{
    for (const Sheet& sheet : Sheets) {
        if (sheet.used < 3)
            continue;
        SCOPED_TRACE(sheet.picture.file);
        const LoadedPicture p = Generated(sheet.picture);
        ASSERT_TRUE(p.ok);
        double largestStep = 0.0, farthest = 0.0;
        for (int cell = 0; cell + 1 < sheet.used; ++cell) {
            const double step = CellDifference(p, CellOf(sheet.picture, cell), CellOf(sheet.picture, cell + 1));
            EXPECT_GT(step, 0.25) << "cells " << cell << " and " << cell + 1 << " are alike";
            largestStep = std::max(largestStep, step);
            farthest = std::max(farthest, CellDifference(p, CellOf(sheet.picture, 0), CellOf(sheet.picture, cell + 1)));
        }
        // Somewhere in the loop it is clearly away from its first pose: it visibly moves.
        EXPECT_GT(farthest, 1.5);
        const double wrap = CellDifference(p, CellOf(sheet.picture, sheet.used - 1), CellOf(sheet.picture, 0));
        EXPECT_GT(wrap, 0.25);
        EXPECT_LT(wrap, largestStep * 1.5 + 0.5) << "a jump where the loop closes";
    }
}

TEST(EnemyArtB, TheSpunBugIsLitTheSameFromEverySide)
{
    // The beetle is mirror-alike across its long axis; a key light from one side would show
    // as one half brighter than the other, which the game's spin would swing round it.
    const SheetSpec& s = EnemySheets::Bug;
    const LoadedPicture p = Generated(s);
    ASSERT_TRUE(p.ok);
    for (int cell = 0; cell < 8; ++cell) {
        const Cell c = CellOf(s, cell);
        double upper = 0.0, lower = 0.0;
        for (int y = 0; y < c.h / 2; ++y)
            for (int x = 0; x < c.w; ++x) {
                upper += Light(p, c.x0 + x, c.y0 + y);
                lower += Light(p, c.x0 + x, c.y0 + c.h - 1 - y);
            }
        ASSERT_GT(lower, 0.0);
        EXPECT_NEAR(upper / lower, 1.0, 0.1) << "cell " << cell;
    }
}

TEST(EnemyArtB, TheGlobIsARoundToxicBlob)
{
    const SheetSpec& s = EnemySheets::Glob;
    const LoadedPicture p = Generated(s);
    ASSERT_TRUE(p.ok);
    for (int cell = 0; cell < 16; ++cell) {
        SCOPED_TRACE("cell " + std::to_string(cell));
        const Cell c = CellOf(s, cell);
        double cx = 0.0, cy = 0.0;
        std::array<double, 3> colour{};
        int n = 0;
        for (int y = c.y0; y < c.y0 + c.h; ++y)
            for (int x = c.x0; x < c.x0 + c.w; ++x)
                if (p.Alpha(x, y) >= 128) {
                    cx += x;
                    cy += y;
                    for (int k = 0; k < 3; ++k)
                        colour[size_t(k)] += Channel(p, x, y, k);
                    ++n;
                }
        ASSERT_GT(n, 0);
        cx /= n;
        cy /= n;
        double reach = 0.0;
        for (int y = c.y0; y < c.y0 + c.h; ++y)
            for (int x = c.x0; x < c.x0 + c.w; ++x)
                if (p.Alpha(x, y) >= 128)
                    reach = std::max(reach, std::hypot(x - cx, y - cy));
        // It fills most of the circle it reaches into: a spiked outline would not.
        EXPECT_GT(n / (std::numbers::pi * reach * reach), 0.6);
        // Toxic green (or violet), never the steel and red of a mine.
        const double r = colour[0], g = colour[1], b = colour[2];
        EXPECT_TRUE((g > 1.25 * r && g > 1.25 * b) || (b > 1.25 * g && r > g)) << r / n << " " << g / n << " " << b / n;
    }
}

TEST(EnemyArtB, TheJellyfishBellSqueezesAtTheStroke)
{
    // The game strokes the jellyfish upward as its frame passes from cell 15 to 16, so the
    // bell is narrowest there and open wide at the start of the loop.
    const SheetSpec& s = EnemySheets::Jellyfish;
    const LoadedPicture p = Generated(s);
    ASSERT_TRUE(p.ok);
    std::array<int, 32> width{};
    for (int cell = 0; cell < 32; ++cell) {
        const Cell c = CellOf(s, cell);
        for (int y = 0; y < c.h * 45 / 100; ++y) {
            const auto [first, last] = CoveredSpan(p, c, true, y);
            if (first >= 0)
                width[size_t(cell)] = std::max(width[size_t(cell)], last - first + 1);
        }
    }
    const auto narrowest = int(std::min_element(width.begin(), width.end()) - width.begin());
    EXPECT_GE(narrowest, 14);
    EXPECT_LE(narrowest, 17);
    EXPECT_LT(width[size_t(narrowest)], width[0] * 85 / 100);
}

TEST(EnemyArtB, GreenSerpentSegmentsCloseUpBehindItsHead)
{
    // Segments drawn 56 px about 30 px apart must overlap, and be about as thick as the head
    // (drawn 64 px) so the body does not look like a string of beads or a tail.
    const LoadedPicture body = Generated(EnemySheets::GreenSerpentBody);
    const LoadedPicture head = Generated(EnemySheets::GreenSerpentHead);
    ASSERT_TRUE(body.ok);
    ASSERT_TRUE(head.ok);
    const Cell b = CellOf(EnemySheets::GreenSerpentBody, 0), h = CellOf(EnemySheets::GreenSerpentHead, 0);
    const auto [left, right] = CoveredSpan(body, b, true, b.h / 2);
    ASSERT_GE(left, 0);
    const double length = (right - left + 1) * 56.0 / b.w;
    EXPECT_GT(length, 36.0);
    const auto [top, bottom] = CoveredSpan(body, b, false, b.w / 2);
    const auto [headTop, headBottom] = CoveredSpan(head, h, false, h.w / 2);
    ASSERT_GE(top, 0);
    ASSERT_GE(headTop, 0);
    const double thickness = (bottom - top + 1) * 56.0 / b.h, headThickness = (headBottom - headTop + 1) * 64.0 / h.h;
    EXPECT_GT(thickness, 16.0);
    EXPECT_GT(headThickness, thickness * 0.85);
    EXPECT_LT(headThickness, thickness * 1.8);
}
