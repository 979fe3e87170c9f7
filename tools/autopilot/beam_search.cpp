#include "beam_search.hpp"

#include "engine/automation_options.hpp"
#include "flight_actions.hpp"
#include "flight_state.hpp"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <fstream>
#include <numeric>
#include <set>
#include <sstream>
#include <tuple>
#include <unistd.h>

namespace {

// A search that waits this long for a report has lost a process.
constexpr int ReportTimeoutMs = 120000;

struct Member {
    int slot = -1;
    FlightState state;
};

struct Trial {
    size_t member = 0;
    int action = 0;
    int order = 0; // place in this segment's shuffled action order: the tie-break
    FlightState state;
    bool reported = false;
};

// The search's own generator, apart from the game's (which is part of every flight).
class SearchRandom {
public:
    explicit SearchRandom(uint32_t seed) : state_(seed * 2654435761u + 1u) {}
    uint32_t Next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }

private:
    uint32_t state_;
};

const char* DifficultyName(int difficulty)
{
    static const char* const Names[] = {"Rookie", "Novice", "Expert"};
    return difficulty >= 0 && difficulty <= 2 ? Names[difficulty] : "Rookie";
}

class BeamSearch {
public:
    BeamSearch(const PilotOptions& options, PilotChannel& channel, const StageMarks& marks, std::string workDir)
        : options_(options), channel_(channel), marks_(marks), workDir_(std::move(workDir)), random_(options.seed)
    {
        for (int slot = 1; slot < channel.Slots(); ++slot)
            freeSlots_.insert(slot);
    }

    [[noreturn]] void Run()
    {
        started_ = std::chrono::steady_clock::now();
        Member first{0, {}};
        WaitForReady(first);
        beam_.push_back(first);
        OpenReport();
        for (long step = 0;; ++step) {
            if (const Member* done = Arrived()) {
                // A demo shows the ship alive from start to end.
                if (options_.horizon > 0 && done->state.deaths > 0)
                    GiveUp("every flight went down on the way");
                Finish(*done);
            }
            if (std::all_of(beam_.begin(), beam_.end(), [](const Member& m) { return m.state.gameOver; }))
                GiveUp("every flight was lost");
            if (beam_.front().state.tick >= options_.maxTicks)
                GiveUp("the flight grew longer than --max-ticks");
            Step(step);
        }
    }

private:
    const Member* Arrived() const
    {
        for (const Member& member : beam_)
            if (member.state.cleared)
                return &member;
        if (options_.horizon > 0 && beam_.front().state.tick >= options_.horizon)
            return &beam_.front();
        return nullptr;
    }

    void Step(long step)
    {
        // Every action from every flight of the beam, in an order the seed shuffles.
        std::vector<int> order(FlightActionCount);
        std::iota(order.begin(), order.end(), 0);
        for (size_t i = order.size() - 1; i > 0; --i)
            std::swap(order[i], order[random_.Next() % (i + 1)]);
        std::vector<Trial> trials;
        for (size_t m = 0; m < beam_.size(); ++m) {
            if (beam_[m].state.gameOver)
                continue;
            for (size_t k = 0; k < order.size(); ++k)
                trials.push_back(Trial{m, order[k], static_cast<int>(k), {}, false});
        }
        size_t sent = 0, outstanding = 0;
        while (sent < trials.size() || outstanding > 0) {
            if (sent < trials.size() && outstanding < static_cast<size_t>(options_.jobs)) {
                const Trial& trial = trials[sent];
                channel_.Send(beam_[trial.member].slot,
                              "try " + std::to_string(sent) + " " + std::to_string(trial.action));
                ++sent;
                ++outstanding;
                continue;
            }
            std::string kind, rest;
            long id = 0;
            NextReport(kind, id, rest);
            if (kind != "T" || id < 0 || static_cast<size_t>(id) >= trials.size())
                continue;
            Trial& trial = trials[static_cast<size_t>(id)];
            if (!ParseFlightState(rest, trial.state))
                Fail("a trial reported nonsense: " + rest);
            trial.reported = true;
            --outstanding;
            simulated_ += trial.state.tick - beam_[trial.member].state.tick;
        }
        Choose(step, trials);
    }

    void Choose(long step, std::vector<Trial>& trials)
    {
        std::vector<std::pair<double, size_t>> ranked;
        int lostInSegment = 0, lostInLookahead = 0;
        for (size_t i = 0; i < trials.size(); ++i) {
            const Trial& trial = trials[i];
            const int before = beam_[trial.member].state.deaths;
            lostInSegment += trial.state.segmentDeaths > before ? 1 : 0;
            lostInLookahead += trial.state.segmentDeaths == before && trial.state.deaths > before ? 1 : 0;
            ranked.emplace_back(FlightValue(trial.state, options_.aim), i);
        }
        std::sort(ranked.begin(), ranked.end(), [&](const auto& a, const auto& b) {
            if (a.first != b.first)
                return a.first > b.first;
            const Trial& x = trials[a.second];
            const Trial& y = trials[b.second];
            return std::tie(x.member, x.order) < std::tie(y.member, y.order);
        });
        // The best flights that end their segments in different places.
        std::set<std::tuple<int, int, int>> places;
        std::vector<size_t> kept;
        for (const auto& [value, i] : ranked) {
            const FlightState& s = trials[i].state;
            const auto place = std::make_tuple(s.segmentDeaths, static_cast<int>(std::floor(s.segmentX / 12.0f)),
                                               static_cast<int>(std::floor(s.segmentY / 12.0f)));
            if (!places.insert(place).second)
                continue;
            kept.push_back(i);
            if (kept.size() == static_cast<size_t>(options_.beam))
                break;
        }
        std::vector<Member> next;
        for (size_t i : kept) {
            Member member{TakeSlot(), {}};
            channel_.Send(beam_[trials[i].member].slot,
                          "keep " + std::to_string(member.slot) + " " + std::to_string(trials[i].action));
            next.push_back(member);
        }
        for (Member& member : next) {
            WaitForReady(member);
            simulated_ += member.state.tick - beam_.front().state.tick;
        }
        for (const Member& old : beam_)
            channel_.Send(old.slot, "die");
        std::stable_sort(next.begin(), next.end(), [&](const Member& a, const Member& b) {
            return FlightValue(a.state, options_.aim) > FlightValue(b.state, options_.aim);
        });
        beam_ = std::move(next);
        const FlightState& best = beam_.front().state;
        furthest_ = std::max(furthest_, best.timeIndex);
        if (report_)
            report_ << step << '\t' << best.tick << '\t' << best.timeIndex << '\t' << trials.size() << '\t'
                    << lostInSegment << '\t' << lostInLookahead << '\t' << best.lives << '\t' << best.score << '\t'
                    << best.health << '\t' << best.deaths << '\n';
        if (!options_.quiet && step % 25 == 0)
            std::printf("autopilot: segment %ld, tick %ld, time index %ld | best: lives %d, health %.2f, score %d, "
                        "damage %.0f, downs %d | %zu trials, %d lost in the segment, %d in the lookahead\n",
                        step, best.tick, best.timeIndex, best.lives, static_cast<double>(best.health), best.score,
                        best.damage, best.deaths, trials.size(), lostInSegment, lostInLookahead),
                std::fflush(stdout);
    }

    int TakeSlot()
    {
        while (freeSlots_.empty()) {
            std::string kind, rest;
            long id = 0;
            NextReport(kind, id, rest);
        }
        const int slot = *freeSlots_.begin();
        freeSlots_.erase(freeSlots_.begin());
        return slot;
    }

    void WaitForReady(Member& member)
    {
        for (;;) {
            if (auto ready = ready_.find(member.slot); ready != ready_.end()) {
                if (!ParseFlightState(ready->second, member.state))
                    Fail("a worker reported nonsense: " + ready->second);
                ready_.erase(ready);
                return;
            }
            std::string kind, rest;
            long id = 0;
            NextReport(kind, id, rest);
        }
    }

    // The next report; slots freed by exiting workers are taken in on the way.
    void NextReport(std::string& kind, long& id, std::string& rest)
    {
        std::string line;
        if (!channel_.NextReport(line, ReportTimeoutMs))
            Fail("a process of the search stopped answering");
        std::istringstream in(line);
        in >> kind >> id;
        std::getline(in >> std::ws, rest);
        // Workers report in any order: each is kept until it is waited for.
        if (kind == "X")
            freeSlots_.insert(static_cast<int>(id));
        else if (kind == "R")
            ready_[static_cast<int>(id)] = rest;
    }

    void OpenReport()
    {
        if (options_.report.empty())
            return;
        report_.open(options_.report);
        report_ << "# stage " << options_.stage << " difficulty " << options_.difficulty << " from "
                << options_.startTimeIndex << "\n";
        for (long t : marks_.checkpoints)
            report_ << "# checkpoint " << t << "\n";
        for (const auto& [t, type] : marks_.bosses)
            report_ << "# boss " << t << " " << type << "\n";
        report_ << "# segment\ttick\ttimeIndex\ttrials\tlostInSegment\tlostInLookahead\tlives\tscore\thealth\tdowns\n";
    }

    std::vector<std::string> Header(const FlightState& end) const
    {
        std::string args;
        for (const std::string& arg : options_.playArgs)
            args += (args.empty() ? "" : " ") + arg;
        std::vector<std::string> header;
        header.push_back("Skyreaver autopilot flight: stage " + std::to_string(options_.stage) + " from time index " +
                         std::to_string(options_.startTimeIndex) + ", " + DifficultyName(options_.difficulty) + ".");
        header.push_back("Run with: " + args);
        header.push_back("Search: seed " + std::to_string(options_.seed) + ", beam " + std::to_string(options_.beam) +
                         ", segment " + std::to_string(options_.segment) + " ticks, lookahead " +
                         std::to_string(options_.lookahead) + " ticks, aim " +
                         (options_.aim == PilotAim::Clear ? "clear" : "score") +
                         (options_.autofire ? ", autofire" : "") + ".");
        const std::string tally = " with " + std::to_string(end.lives) + " lives, score " + std::to_string(end.score) +
                                  ", " + std::to_string(end.deaths) + " downs.";
        if (end.cleared)
            header.push_back("Result: cleared at tick " + std::to_string(end.tick) + tally);
        else
            header.push_back("Result: flew to tick " + std::to_string(end.tick) + tally);
        return header;
    }

    [[noreturn]] void Finish(const Member& member)
    {
        const std::string events = workDir_ + "/flight.keys";
        channel_.Send(member.slot, "write " + events);
        for (;;) {
            std::string kind, rest;
            long id = 0;
            NextReport(kind, id, rest);
            if (kind != "W" || id != member.slot)
                continue;
            if (rest != "ok")
                Fail("the flight could not be written");
            break;
        }
        std::vector<ScriptedEvent> script;
        std::ifstream in(events);
        if (std::string error; !ParseInputScript(in, script, error))
            Fail("the flight written cannot be read back: " + error);
        if (!WriteFlightScript(options_.out, Header(member.state), script))
            Fail("cannot write " + options_.out);
        const FlightState& s = member.state;
        std::printf("autopilot: %s at tick %ld (time index %ld) with %d lives, score %d, %d downs; wrote %s\n",
                    s.cleared ? "cleared the stage" : "flew the demo", s.tick, s.timeIndex, s.lives, s.score,
                    s.deaths, options_.out.c_str());
        End(0);
    }

    [[noreturn]] void GiveUp(const std::string& why)
    {
        const FlightState& best = beam_.front().state;
        std::fprintf(stderr,
                     "skyreaver_autopilot: no %s found: %s. Furthest: time index %ld; the best flight ended at tick "
                     "%ld, time index %ld, stage %d, with %d lives and %d downs.\n",
                     options_.horizon > 0 ? "flight" : "clear", why.c_str(), furthest_, best.tick, best.timeIndex,
                     best.stageIndex, best.lives, best.deaths);
        End(1);
    }

    [[noreturn]] void Fail(const std::string& why)
    {
        std::fprintf(stderr, "skyreaver_autopilot: %s\n", why.c_str());
        End(1);
    }

    [[noreturn]] void End(int status)
    {
        for (const Member& member : beam_)
            channel_.Send(member.slot, "die");
        if (report_)
            report_.close();
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started_).count();
        if (!options_.quiet)
            std::printf("autopilot: %.0f s, %ld ticks simulated\n", seconds, simulated_);
        std::fflush(stdout);
        std::fflush(stderr);
        std::error_code ignored;
        std::filesystem::remove_all(workDir_, ignored);
        _exit(status);
    }

    const PilotOptions& options_;
    PilotChannel& channel_;
    StageMarks marks_;
    std::string workDir_;
    SearchRandom random_;
    std::set<int> freeSlots_;
    std::map<int, std::string> ready_;
    std::vector<Member> beam_;
    std::ofstream report_;
    long furthest_ = 0;
    long simulated_ = 0;
    std::chrono::steady_clock::time_point started_;
};

} // namespace

void RunBeamSearch(const PilotOptions& options, PilotChannel& channel, const StageMarks& marks,
                   const std::string& workDir)
{
    BeamSearch search(options, channel, marks, workDir);
    search.Run();
}
