#include "pilot_game.hpp"

#include "beam_search.hpp"
#include "enemies/hostile.hpp"
#include "engine/engine.hpp"
#include "flight_actions.hpp"
#include "flight_state.hpp"
#include "world/entity.hpp"
#include "world/entity_type.hpp"

#include <csignal>
#include <cstdio>
#include <map>
#include <sstream>
#include <unistd.h>

namespace {

enum class Role { Root, Worker, Trial, Keeper };

// The state of this process's part in the search; a fork copies it with the game.
struct Pilot {
    const PilotOptions* options = nullptr;
    std::string workDir;
    PilotChannel channel;
    Role role = Role::Root;
    int slot = -1;     // a worker's command slot (a keeper's once it becomes one)
    long trialId = -1; // a trial's number in its segment
    long segmentEnd = 0;
    long runEnd = 0;
    HeldKeys held;
    // Followed every tick, in every process, so that a fork inherits them.
    double damage = 0.0;
    int deaths = 0;
    bool shipDown = false;
    std::map<const Entity*, float> hostileHealth;
    FlightState segmentState; // a trial's deaths and place at the end of its segment
};

Pilot pilot;

bool IsBossType(int32_t type)
{
    switch (static_cast<EntityType>(type)) {
    case EntityType::MidBoss1:
    case EntityType::MidBoss2:
    case EntityType::Boss1:
    case EntityType::Boss2:
    case EntityType::Boss3:
        return true;
    default:
        return false;
    }
}

StageMarks ReadStageMarks(const Engine& engine)
{
    StageMarks marks;
    for (const auto& layer : engine.world.generators)
        for (const Generator& generator : layer) {
            if (generator.type == TypeId(EntityType::CheckPoint))
                marks.checkpoints.push_back(static_cast<long>(generator.timeIndex));
            else if (IsBossType(generator.type))
                marks.bosses.emplace_back(static_cast<long>(generator.timeIndex), generator.type);
        }
    return marks;
}

// Damage is the fall in health of each hostile from one tick to the next (down to zero), so
// that a boss worn down counts before it dies and an enemy that leaves the screen does not.
void FollowFlight(const Engine& engine)
{
    std::map<const Entity*, float> health;
    for (const auto& layer : engine.world.entityLayers)
        for (const auto& entity : layer) {
            if (!dynamic_cast<const Hostile*>(entity.get()))
                continue;
            const float now = entity->health > 0.0f ? entity->health : 0.0f;
            if (auto before = pilot.hostileHealth.find(entity.get());
                before != pilot.hostileHealth.end() && before->second > now)
                pilot.damage += before->second - now;
            health[entity.get()] = now;
        }
    pilot.hostileHealth.swap(health);

    const bool down = engine.state == Play && engine.player.health <= 0.0f;
    if (down && !pilot.shipDown)
        ++pilot.deaths;
    pilot.shipDown = down;
}

FlightState CurrentState(const Engine& engine)
{
    FlightState state;
    state.tick = engine.ticksSinceLaunch;
    state.timeIndex = engine.stateTicks;
    state.stageIndex = engine.stageIndex;
    state.state = engine.state;
    state.lives = engine.lives;
    state.score = engine.score;
    state.health = engine.player.health;
    state.screenX = engine.player.x - engine.world.camera.x;
    state.screenY = engine.player.y - engine.world.camera.y;
    state.damage = pilot.damage;
    state.deaths = pilot.deaths;
    state.segmentDeaths = pilot.deaths;
    state.segmentX = state.screenX;
    state.segmentY = state.screenY;
    state.cleared = engine.stageIndex != pilot.options->stage;
    state.gameOver = !state.cleared && engine.state != Play;
    return state;
}

bool Finished(const FlightState& state, const PilotOptions& options)
{
    return state.cleared || state.gameOver || (options.horizon > 0 && state.tick >= options.horizon);
}

// Schedules `action` over the next `ticks` ticks of this process's own script.
long Fly(const Engine& engine, const FlightAction& action, long ticks)
{
    const long first = engine.ticksSinceLaunch + 1;
    const long last = engine.ticksSinceLaunch + ticks;
    ScheduleAction(Automation().script, pilot.held, first, last, action, pilot.options->autofire);
    return last;
}

// A worker's loop. Returns only in a process it forked, which goes on with the game.
void Serve(const Engine& engine)
{
    pilot.role = Role::Worker;
    pilot.channel.ForgetReadLines();
    pilot.channel.Report("R " + std::to_string(pilot.slot) + " " + FormatFlightState(CurrentState(engine)));
    for (;;) {
        std::istringstream command(pilot.channel.NextCommand(pilot.slot));
        std::string verb;
        command >> verb;
        if (verb == "try" || verb == "keep") {
            long number = 0;
            int action = 0;
            command >> number >> action;
            if (fork() != 0)
                continue;
            pilot.channel.ForgetReadLines();
            const FlightAction flown = FlightActionAt(action);
            pilot.segmentEnd = Fly(engine, flown, pilot.options->segment);
            if (verb == "try") {
                pilot.role = Role::Trial;
                pilot.trialId = number;
                pilot.runEnd = pilot.segmentEnd + pilot.options->lookahead;
            } else {
                pilot.role = Role::Keeper;
                pilot.slot = static_cast<int>(number);
            }
            return;
        }
        if (verb == "write") {
            std::string path;
            command >> path;
            // A flight that ended inside its segment leaves keys scheduled past its end.
            std::vector<ScriptedEvent> flown;
            for (const ScriptedEvent& event : Automation().script)
                if (event.tick <= engine.ticksSinceLaunch)
                    flown.push_back(event);
            const bool written = WriteFlightScript(path, {}, flown);
            pilot.channel.Report("W " + std::to_string(pilot.slot) + (written ? " ok" : " failed"));
            continue;
        }
        // "die", or the search is gone.
        pilot.channel.Report("X " + std::to_string(pilot.slot));
        _exit(0);
    }
}

void AfterTick()
{
    const Engine& engine = *TheEngine;
    FollowFlight(engine);
    switch (pilot.role) {
    case Role::Root: {
        const StageMarks marks = ReadStageMarks(engine);
        std::signal(SIGCHLD, SIG_IGN); // trials and workers are never waited for
        if (!pilot.channel.Open(2 * pilot.options->beam + 2)) {
            std::fprintf(stderr, "skyreaver_autopilot: cannot make the pipes of the search\n");
            _exit(1);
        }
        pilot.slot = 0;
        if (fork() == 0) {
            Serve(engine);
            return;
        }
        RunBeamSearch(*pilot.options, pilot.channel, marks, pilot.workDir);
    }
    case Role::Worker:
        return; // never reached: a worker only serves
    case Role::Trial: {
        FlightState state = CurrentState(engine);
        if (state.tick == pilot.segmentEnd) {
            pilot.segmentState = state;
            if (pilot.runEnd > pilot.segmentEnd)
                Fly(engine, HandsOff, pilot.runEnd - pilot.segmentEnd);
        }
        if (state.tick >= pilot.runEnd || Finished(state, *pilot.options)) {
            if (state.tick >= pilot.segmentEnd) {
                state.segmentDeaths = pilot.segmentState.segmentDeaths;
                state.segmentX = pilot.segmentState.segmentX;
                state.segmentY = pilot.segmentState.segmentY;
            }
            pilot.channel.Report("T " + std::to_string(pilot.trialId) + " " + FormatFlightState(state));
            _exit(0);
        }
        return;
    }
    case Role::Keeper:
        if (engine.ticksSinceLaunch >= pilot.segmentEnd || Finished(CurrentState(engine), *pilot.options))
            Serve(engine);
        return;
    }
}

} // namespace

void InstallPilot(const PilotOptions& options, const std::string& workDir)
{
    pilot.options = &options;
    pilot.workDir = workDir;
    Automation().afterTick = AfterTick;
}
