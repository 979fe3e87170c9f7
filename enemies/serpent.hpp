#pragma once
// "SERPENT" (type 6): a segmented machine serpent flown by its recorded pattern; it fires
// aimed bullets on Novice and Expert only.
#include "enemies/declared_enemy.hpp"
#include "enemies/serpent_body.hpp"

class Serpent : public DeclaredEnemy<Serpent, SerpentBody> {
public:
    static constexpr int32_t Score = 200;

    Serpent();

    bool LoadResources() override;
    void Spawn(float sx, float sy) override;
    void Draw(float interpolation, int pass) override;
    static std::span<const PropertyDecl<Serpent>> Properties();

    SpriteSheet head;
    SpriteSheet segment;
    SpriteSheet tail;
    int32_t fireTimer = 0;

protected:
    void StepFiring() override;
};
