#pragma once
// The fourteen screens of the game, by the numbers SetState accepts.
#include <cstdint>

enum GameState : int32_t {
    Title = 0,
    Controls = 1,
    Options = 2,
    StudioLogo = 3,
    IntroStory = 4,
    Cheats = 5,
    Banner = 6,
    ShipSelect = 7,
    Play = 8,
    Continue = 9,
    GameOver = 10,
    HiScore = 11,
    Ending = 12,
    Editor = 13,
};

constexpr int32_t GameStateCount = 14;

constexpr bool IsGameState(int32_t number)
{
    return number >= 0 && number < GameStateCount;
}
