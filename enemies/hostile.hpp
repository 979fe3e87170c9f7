#pragma once
// The mark every enemy and boss carries, and stage furniture does not: the first boss's death
// takes every hostile on the play layer with it and leaves the scenery standing.
class Hostile {
public:
    virtual ~Hostile() = default;
};
