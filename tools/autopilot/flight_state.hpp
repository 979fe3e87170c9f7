#pragma once
// What a flight has come to, as a process of the search reports it, and what the search
// makes of it.
#include "pilot_options.hpp"

#include <string>

struct FlightState {
    long tick = 0;        // ticks since launch
    long timeIndex = 0;   // the stage clock
    int stageIndex = 0;
    int state = 0;        // the GameState number
    int lives = 0;
    int score = 0;
    float health = 0.0f;
    float screenX = 0.0f; // the ship on the screen
    float screenY = 0.0f;
    double damage = 0.0;  // health taken from hostiles since launch
    int deaths = 0;       // times the ship went down since launch
    // At the end of the segment proper, before the lookahead.
    int segmentDeaths = 0;
    float segmentX = 0.0f;
    float segmentY = 0.0f;
    bool cleared = false;
    bool gameOver = false;
};

// One line of text, and back; false for a line that is not one.
std::string FormatFlightState(const FlightState& state);
bool ParseFlightState(const std::string& text, FlightState& state);

// How much the search likes where a flight has got to: a clear above all, then the fewest
// downs (in the segment worst, in the lookahead nearly as bad), then the score and the
// damage dealt, the ship's health, and room to move away from the screen's edges.
double FlightValue(const FlightState& state, PilotAim aim);
