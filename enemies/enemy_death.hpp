#pragma once
// The family's death: the score, the mark, a fireball at a random angle with a glow over it,
// and the explosion sound (the large one for the large enemies).
#include "audio/sound_id.hpp"

#include <cstdint>

class Entity;

struct DeathBlast {
    int32_t score = 0;
    float fireballHalf = 64.0f;
    float glowHalf = 48.0f;
    SoundId sound = SoundId::Explosion;
    float offsetX = 0.0f; // from the entity's position to the blast's centre
    float offsetY = 0.0f;
};

// Adds the score, sets health -1, adds the explosion pair at the entity's position plus the
// offset, on its layer, and plays the sound.
void ExplodeEnemy(Entity& entity, const DeathBlast& blast);
// The explosion pair alone, at a point of the entity's layer (bodies that burst along their
// length).
void AddBlastAt(const Entity& entity, float x, float y, float fireballHalf, float glowHalf);
