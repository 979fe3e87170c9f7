// The generated pictures of the player's side: every sheet at the size and cells it is cut
// by; the ships' three tint layers split one silhouette without overlapping and stay light
// grey; frames fill their own cells only; animations move; power-ups differ by colour.
#include "player/player_sheets.hpp"
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

std::vector<SheetSpec> AllSheets()
{
    std::vector<SheetSpec> all;
    for (const auto& layers : PlayerSheets::ShipLayers)
        all.insert(all.end(), layers.begin(), layers.end());
    for (const auto& layers : PlayerSheets::SelectLayers)
        all.insert(all.end(), layers.begin(), layers.end());
    all.push_back(PlayerSheets::Tail);
    all.insert(all.end(), PlayerSheets::Orbs.begin(), PlayerSheets::Orbs.end());
    all.push_back(PlayerSheets::GunPod);
    all.insert(all.end(), PlayerSheets::PowerUps.begin(), PlayerSheets::PowerUps.end());
    all.push_back(PlayerSheets::WeaponGlow);
    all.push_back(PlayerSheets::PowerUpGlows[7]);
    all.push_back(PlayerSheets::PowerUpGlows[8]);
    return all;
}

// The three layers of one ship picture, checked together.
void CheckLayerSplit(const std::array<SheetSpec, 3>& specs)
{
    std::array<LoadedPicture, 3> layers;
    for (size_t i = 0; i < 3; ++i) {
        layers[i] = Generated(specs[i]);
        ASSERT_TRUE(layers[i].ok) << specs[i].file;
    }
    const SheetSpec& s = specs[0];
    for (int cell = 0; cell < s.columns * s.rows; ++cell) {
        SCOPED_TRACE("cell " + std::to_string(cell));
        const Cell c = CellOf(s, cell);
        int covered = 0, overlapping = 0;
        std::array<int, 3> shown{};
        std::array<double, 3> grey{};
        for (int y = c.y0; y < c.y0 + c.h; ++y)
            for (int x = c.x0; x < c.x0 + c.w; ++x) {
                int owners = 0;
                for (size_t i = 0; i < 3; ++i) {
                    const LoadedPicture& p = layers[i];
                    if (!p.Alpha(x, y))
                        continue;
                    ++owners;
                    if (p.Alpha(x, y) < 200)
                        continue;
                    ++shown[i];
                    grey[i] += Channel(p, x, y, 0) / 255.0;
                    // Grey: the game's tint alone gives the colour.
                    EXPECT_EQ(Channel(p, x, y, 0), Channel(p, x, y, 1));
                    EXPECT_EQ(Channel(p, x, y, 1), Channel(p, x, y, 2));
                }
                covered += owners > 0;
                overlapping += owners > 1;
            }
        EXPECT_EQ(overlapping, 0) << "a pixel in two layers";
        EXPECT_GT(covered, c.w * c.h / 20) << "the ship fills its cell";
        EXPECT_GT(shown[0], covered / 3) << "the hull is the largest part";
        // Every layer has something to tint in every frame (the cockpit layer holds the
        // canopy, the engine light and the lamps, one of which always shows).
        for (size_t i = 0; i < 3; ++i)
            EXPECT_GT(shown[i], 8) << specs[i].file;
        // Light grey: a saturation of 2 takes a lit face to the full colour, and shading
        // survives any colour.
        const double hull = grey[0] / std::max(1, shown[0]);
        EXPECT_GT(hull, 0.15);
        EXPECT_LT(hull, 0.6);
        for (size_t i = 0; i < 3; ++i)
            EXPECT_FALSE(TouchesBorder(layers[i], c)) << specs[i].file;
    }
}

} // namespace

TEST(PlayerArt, EverySheetHasItsSizeAndIsTrueColourWithAlpha)
{
    for (const SheetSpec& sheet : AllSheets()) {
        SCOPED_TRACE(sheet.file);
        ExpectTrueColourAtItsSize(sheet);
    }
}

TEST(PlayerArt, ShipLayersSplitOneSilhouetteWithoutOverlap)
{
    for (const auto& ship : PlayerSheets::ShipLayers) {
        SCOPED_TRACE(ship[0].file);
        CheckLayerSplit(ship);
    }
    for (const auto& preview : PlayerSheets::SelectLayers) {
        SCOPED_TRACE(preview[0].file);
        CheckLayerSplit(preview);
    }
}

TEST(PlayerArt, ShipsBankFromDownThroughLevelToUp)
{
    for (const auto& ship : PlayerSheets::ShipLayers) {
        SCOPED_TRACE(ship[0].file);
        const SheetSpec& s = ship[0];
        const LoadedPicture hull = Generated(s);
        ASSERT_TRUE(hull.ok);
        // Frames 8 and 9 are both level flight; the ends of the range are banked away from it.
        EXPECT_LT(CellDifference(hull, CellOf(s, 8), CellOf(s, 9)), 0.01);
        EXPECT_GT(CellDifference(hull, CellOf(s, 0), CellOf(s, 8)), 1.0);
        EXPECT_GT(CellDifference(hull, CellOf(s, 15), CellOf(s, 8)), 1.0);
        EXPECT_GT(CellDifference(hull, CellOf(s, 0), CellOf(s, 15)), 1.0);
    }
}

TEST(PlayerArt, ShipsAreToldApartByTheirOutlines)
{
    // The level frame's outline (all three layers) of each ship against every other.
    std::vector<std::vector<bool>> outlines;
    for (const auto& ship : PlayerSheets::ShipLayers) {
        const Cell c = CellOf(ship[0], 8);
        std::vector<bool> outline(size_t(c.w * c.h), false);
        for (const SheetSpec& layer : ship) {
            const LoadedPicture p = Generated(layer);
            ASSERT_TRUE(p.ok) << layer.file;
            for (int y = 0; y < c.h; ++y)
                for (int x = 0; x < c.w; ++x)
                    if (p.Alpha(c.x0 + x, c.y0 + y) >= 128)
                        outline[size_t(y * c.w + x)] = true;
        }
        outlines.push_back(outline);
    }
    for (size_t a = 0; a < outlines.size(); ++a)
        for (size_t b = a + 1; b < outlines.size(); ++b) {
            int both = 0, either = 0;
            for (size_t i = 0; i < outlines[a].size(); ++i) {
                both += outlines[a][i] && outlines[b][i];
                either += outlines[a][i] || outlines[b][i];
            }
            EXPECT_LT(double(both) / either, 0.7) << "ships " << a << " and " << b << " look alike";
        }
}

TEST(PlayerArt, AnimatedSheetsFillEveryCellAndMove)
{
    struct Animated {
        SheetSpec sheet;
        int frames;   // cells holding a picture
        int apart;    // two cells of the loop that must differ
    };
    std::vector<Animated> sheets = {{PlayerSheets::Tail, 16, 4}, {PlayerSheets::GunPod, 16, 3}};
    for (const SheetSpec& orb : PlayerSheets::Orbs)
        sheets.push_back({orb, 8, 2});
    for (const SheetSpec& powerUp : PlayerSheets::PowerUps)
        sheets.push_back({powerUp, 32, 4});
    for (const Animated& a : sheets) {
        SCOPED_TRACE(a.sheet.file);
        const LoadedPicture p = Generated(a.sheet);
        ASSERT_TRUE(p.ok);
        for (int cell = 0; cell < a.frames; ++cell) {
            EXPECT_GT(OpaquePixels(p, CellOf(a.sheet, cell)), 20) << "cell " << cell;
            EXPECT_FALSE(TouchesBorder(p, CellOf(a.sheet, cell))) << "cell " << cell;
        }
        EXPECT_GT(CellDifference(p, CellOf(a.sheet, 0), CellOf(a.sheet, a.apart)), 1.0);
    }
}

TEST(PlayerArt, OrbWeaponPowerUpsDifferByColour)
{
    // The mean colour of the opaque pixels of the first frame of each of the seven sheets.
    std::vector<std::array<double, 3>> means;
    for (int kind = 0; kind < 7; ++kind) {
        const SheetSpec& s = PlayerSheets::PowerUps[size_t(kind)];
        const LoadedPicture p = Generated(s);
        ASSERT_TRUE(p.ok) << s.file;
        std::array<double, 3> sum{};
        int n = 0;
        const Cell c = CellOf(s, 0);
        for (int y = c.y0; y < c.y0 + c.h; ++y)
            for (int x = c.x0; x < c.x0 + c.w; ++x)
                if (p.Alpha(x, y) > 200) {
                    for (int k = 0; k < 3; ++k)
                        sum[size_t(k)] += Channel(p, x, y, k);
                    ++n;
                }
        ASSERT_GT(n, 0) << s.file;
        const double total = sum[0] + sum[1] + sum[2] + 1.0;
        means.push_back({sum[0] / total, sum[1] / total, sum[2] / total});
    }
    for (size_t a = 0; a < means.size(); ++a)
        for (size_t b = a + 1; b < means.size(); ++b) {
            const double d = std::abs(means[a][0] - means[b][0]) + std::abs(means[a][1] - means[b][1]) +
                             std::abs(means[a][2] - means[b][2]);
            EXPECT_GT(d, 0.04) << PlayerSheets::PowerUps[a].file << " and " << PlayerSheets::PowerUps[b].file;
        }
}

TEST(PlayerArt, GlowsAreLightOnBlack)
{
    for (const SheetSpec* glow : {&PlayerSheets::WeaponGlow, &PlayerSheets::PowerUpGlows[7],
                                  &PlayerSheets::PowerUpGlows[8]}) {
        SCOPED_TRACE(glow->file);
        const LoadedPicture p = Generated(*glow);
        ASSERT_TRUE(p.ok);
        int lit = 0;
        for (int y = 0; y < p.height; ++y)
            for (int x = 0; x < p.width; ++x) {
                const int brightest = std::max({Channel(p, x, y, 0), Channel(p, x, y, 1), Channel(p, x, y, 2)});
                // Stored as light: alpha is the light's brightness, so both additive modes work.
                ASSERT_EQ(p.Alpha(x, y), brightest) << x << "," << y;
                lit += brightest > 100;
            }
        EXPECT_GT(lit, 32 * 20) << "every frame glows";
        for (int cell = 0; cell < 32; ++cell)
            EXPECT_FALSE(TouchesBorder(p, CellOf(*glow, cell))) << "cell " << cell;
    }
}
