#include "game/ending_scene.hpp"

#include "core/random.hpp"
#include "core/screen_size.hpp"

namespace {

constexpr int32_t RandomSeed = 1000;
// The screen in whole pixels, for the random places.
constexpr int32_t WholeWidth = static_cast<int32_t>(ScreenWidth);
constexpr int32_t WholeHeight = static_cast<int32_t>(ScreenHeight);
constexpr float ShipSpeeds[] = {0.5f, 0.4f, 0.3f, 0.2f};

float ColourChannel()
{
    return static_cast<float>(Random() % 256) / 255.0f;
}

} // namespace

void BuildEndingScene(EndingScene& scene)
{
    SeedRandom(RandomSeed);
    // One statement per draw: the order of the draws is the scene.
    for (EndingShip& ship : scene.fleet) {
        ship.y = static_cast<float>(Random() % 400 + 40);
        ship.x = -static_cast<float>(Random() % WholeWidth); // all start left of the screen
        for (ShipColour& colour : ship.colours) {
            colour.red = ColourChannel();
            colour.green = ColourChannel();
            colour.blue = ColourChannel();
            colour.saturation = 2.0f;
        }
        ship.kind = Random() % 3 + 1;
        ship.phase = Random() % 4;
        ship.prevX = ship.x;
        ship.prevY = ship.y;
    }
    for (EndingStar& star : scene.stars) {
        star.y = static_cast<float>(Random() % WholeHeight);
        star.x = static_cast<float>(Random() % WholeWidth);
        star.cell = Random() % 8;
        star.prevX = star.x;
        star.prevY = star.y;
    }
    scene.roll = CreditsRollStart;
    scene.prevRoll = CreditsRollStart;
}

float EndingShipSpeed(int32_t phase)
{
    return ShipSpeeds[phase & 3];
}

// Bigger, brighter stars are nearer and pass faster; the field drifts against the fleet so
// the ships seem to fly rather than slide.
float EndingStarSpeed(int32_t cell)
{
    return 0.1f + 0.1f * static_cast<float>(cell & 7);
}

void StepEndingScene(EndingScene& scene)
{
    for (EndingShip& ship : scene.fleet) {
        ship.prevX = ship.x;
        ship.prevY = ship.y;
        ship.x += EndingShipSpeed(ship.phase);
        // Past the right edge a ship comes back in from the left at the same height, with
        // its previous position moved along so the drawing does not streak across.
        if (ship.x > ScreenWidth + ShipWrapMargin) {
            ship.x -= ScreenWidth + 2.0f * ShipWrapMargin;
            ship.prevX = ship.x;
        }
    }
    for (EndingStar& star : scene.stars) {
        star.prevX = star.x;
        star.prevY = star.y;
        star.x -= EndingStarSpeed(star.cell);
        if (star.x < -StarWrapMargin) {
            star.x += ScreenWidth + 2.0f * StarWrapMargin;
            star.prevX = star.x;
        }
    }
    scene.prevRoll = scene.roll;
    scene.roll -= CreditsRollStep;
}

EndingOutcome EndingOutcomeAt(uint32_t stateTicks, int32_t score, const HighScoreTable& scores)
{
    if (stateTicks != EndingTicks)
        return EndingOutcome::Stay;
    return score > scores.scores[HighScoreTable::Places - 1] ? EndingOutcome::HiScore : EndingOutcome::GameOver;
}
