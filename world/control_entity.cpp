#include "world/control_entity.hpp"
#include "input/input_state.hpp"

#include "world/play_context.hpp"
#include "core/log.hpp"
#include "core/data_file.hpp"

#include <array>

namespace {

// The file order of the nine controls.
constexpr std::array<uint8_t ControlBlock::*, 9> FileOrder = {
    &ControlBlock::DOWN,  &ControlBlock::FIRE,    &ControlBlock::FIRE2,
    &ControlBlock::LEFT,  &ControlBlock::RIGHT,   &ControlBlock::UP,
    &ControlBlock::FIRE3, &ControlBlock::SPEEDUP, &ControlBlock::SPEEDDOWN,
};

constexpr uint64_t RecordBytes = 13;

} // namespace

ControlBlock LiveControls(const InputState& input)
{
    const auto state = [](const InputButton& button) { return static_cast<uint8_t>(button.state); };
    ControlBlock block;
    block.LEFT = state(input.LEFT);
    block.RIGHT = state(input.RIGHT);
    block.UP = state(input.UP);
    block.DOWN = state(input.DOWN);
    block.FIRE = state(input.FIRE);
    block.FIRE2 = state(input.FIRE2);
    block.SPEEDUP = state(input.SPEEDUP);
    block.SPEEDDOWN = state(input.SPEEDDOWN);
    block.FIRE3 = state(input.FIRE3);
    return block;
}

void ControlEntity::Update()
{
    hitFlash = 0;
    prevX = x;
    prevY = y;
    prevAngle = angle;
    if (recording)
        RecordStep();
    else
        PlaybackStep();
    if (float cx = 0.0f, cy = 0.0f; LayerCamera(cx, cy))
        UpdateActivation(cx, cy);
    if (!CurrentPlay().paused)
        Think();
    (this->*placeCircles)(circles);
    ++patternTick;
    ++age;
    CheckWater();
}

void ControlEntity::RecordStep()
{
    const ControlBlock live = LiveControls(CurrentPlay().input);
    if (live == control.controls)
        return;
    control.controls = live;
    control.tick = patternTick;
    pattern.push_back(control);
}

void ControlEntity::PlaybackStep()
{
    if (pattern.empty() || patternTick < pattern.front().tick)
        return;
    control = pattern.front();
    pattern.pop_front();
}

void ControlEntity::StartRecording()
{
    pattern.clear();
    patternTick = 0;
    recording = 1;
}

void ControlEntity::StopRecording() { recording = 0; }

bool ControlEntity::Load(DataFile& file)
{
    GameLog().Write(">>Loading Control Entity.\n");
    if (!file.ReadF32(x) || !file.ReadF32(y))
        return false;
    prevX = x;
    prevY = y;
    return LoadProperties(file) && ReadControlPattern(file, pattern);
}

bool ControlEntity::Save(DataFile& file)
{
    return file.WriteF32(x) && file.WriteF32(y) && SaveProperties(file) && WriteControlPattern(file, pattern);
}

bool ReadControlPattern(DataFile& file, std::deque<ControlRecord>& pattern)
{
    int32_t count = 0;
    if (!file.ReadI32(count))
        return false;
    if (count < 1)
        return true;
    if (static_cast<uint64_t>(count) * RecordBytes > file.BytesLeft()) {
        GameLog().Writef("%s: a control pattern of %i records is longer than the file.\n", file.Path().c_str(), count);
        return false;
    }
    pattern.clear();
    for (int32_t i = 0; i < count; ++i) {
        ControlRecord record;
        if (!file.ReadU32(record.tick))
            return false;
        for (uint8_t ControlBlock::*control : FileOrder)
            if (!file.ReadU8(record.controls.*control))
                return false;
        pattern.push_back(record);
    }
    return true;
}

bool WriteControlPattern(DataFile& file, const std::deque<ControlRecord>& pattern)
{
    if (!file.WriteI32(static_cast<int32_t>(pattern.size())))
        return false;
    for (const ControlRecord& record : pattern) {
        if (!file.WriteU32(record.tick))
            return false;
        for (uint8_t ControlBlock::*control : FileOrder)
            if (!file.WriteU8(record.controls.*control))
                return false;
    }
    return true;
}
