#pragma once
// An entity driven by the nine bindable controls: the player ship fills its control block
// from live input, enemies replay a recorded pattern. Recording compares the live buttons
// with the block each tick and appends a stamped copy whenever they change; playback
// consumes at most one record per tick, once its stamp is due.
#include "world/control_record.hpp"
#include "world/entity.hpp"

#include <deque>

class ControlEntity : public Entity {
public:
    ControlEntity() = default;
    ControlEntity(const ControlEntity&) = default;

    // hitFlash 0, previous position and angle, record or play back a step,
    // UpdateActivation, Think (unless paused), placeCircles, patternTick and age + 1,
    // CheckWater.
    void Update() override;
    // ">>Loading Control Entity.\n", x, y, LoadProperties, then the pattern.
    bool Load(DataFile& file) override;
    bool Save(DataFile& file) override;

    // 19, 20.
    virtual void StartRecording();
    virtual void StopRecording();

    void RecordStep();
    void PlaybackStep();

    uint8_t recording = 0;
    ControlRecord control;
    uint32_t patternTick = 0;
    std::deque<ControlRecord> pattern;
};

// The nine bindable buttons as they are now.
struct InputState;
ControlBlock LiveControls(const InputState& input);

// The pattern as stored: an i32 count, then per record a u32 tick and the nine controls in
// the file order DOWN, FIRE, FIRE2, LEFT, RIGHT, UP, FIRE3, SPEEDUP, SPEEDDOWN.
bool ReadControlPattern(DataFile& file, std::deque<ControlRecord>& pattern);
bool WriteControlPattern(DataFile& file, const std::deque<ControlRecord>& pattern);
