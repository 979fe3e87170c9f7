#pragma once
// The ending's moving parts without any drawing: the fleet of ships flying right, the star
// field drifting left and the credits roll rising. Built from the seeded generator, so every
// completed game shows the same scene; stepped once per tick.
#include "game/high_score_table.hpp"
#include "player/ship_settings.hpp"

#include <array>
#include <cstdint>

struct EndingShip {
    float x = 0.0f;
    float y = 0.0f;
    float prevX = 0.0f;
    float prevY = 0.0f;
    int32_t kind = 1;  // 1..3: the Mk I, Mk II and Mk III pictures
    int32_t phase = 0; // 0..3: fastest and nearest to slowest and farthest
    std::array<ShipColour, 3> colours{};
};

struct EndingStar {
    float x = 0.0f;
    float y = 0.0f;
    float prevX = 0.0f;
    float prevY = 0.0f;
    int32_t cell = 0; // 0..7 in the star sheet, small and dim to large and bright
};

struct EndingScene {
    static constexpr int Ships = 50;
    static constexpr int Stars = 50;
    std::array<EndingShip, Ships> fleet{};
    std::array<EndingStar, Stars> stars{};
    // Where the credits' first line is; each line sits at its offset below it.
    float roll = 0.0f;
    float prevRoll = 0.0f;
};

// The screen lasts this long, then leads to the name entry or to game over.
constexpr uint32_t EndingTicks = 3245;
constexpr float CreditsRollStart = 500.0f;
constexpr float CreditsRollStep = 0.45f;
// Ships and stars leave the screen this far beyond its edge before they come round again:
// a ship is drawn up to 40 pixels either side of its centre, a star up to 16.
constexpr float ShipWrapMargin = 48.0f;
constexpr float StarWrapMargin = 16.0f;

// Reseeds the generator with 1000 and draws the fleet and then the stars from it.
void BuildEndingScene(EndingScene& scene);
// One tick: ships right by their phase's speed, stars left by their cell's speed, the roll up.
void StepEndingScene(EndingScene& scene);
// Pixels per tick.
float EndingShipSpeed(int32_t phase);
float EndingStarSpeed(int32_t cell);

enum class EndingOutcome {
    Stay,
    HiScore,  // the score enters the table: straight to the name entry
    GameOver, // otherwise a fade to white into game over
};

// Acts only on the last tick.
EndingOutcome EndingOutcomeAt(uint32_t stateTicks, int32_t score, const HighScoreTable& scores);
