#pragma once
// The mark every enemy and boss carries, and stage furniture does not: the first boss's death
// takes every hostile on the play layer with it and leaves the scenery standing.
struct StageWorld;

class Hostile {
public:
    virtual ~Hostile() = default;
};

// Live hostiles whose position lies inside their own layer's view: what a player sees
// coming at them this tick.
int HostilesOnScreen(const StageWorld& world);
