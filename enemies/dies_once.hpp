#pragma once
// An enemy that takes no more blows once it is dead. Two shots can meet it in the same
// tick, or its own test of the player's shots and the collision pass: the second blow must
// not run Destroyed again, which would pay its score, blow it up and drop its load twice.
#include "enemies/hostile.hpp"

template <class Base>
class DiesOnce : public Base, public Hostile {
public:
    using Base::Base;

    void TakeDamage(float amount) override
    {
        if (this->health > 0.0f)
            Base::TakeDamage(amount);
    }
};
