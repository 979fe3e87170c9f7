#pragma once
// The activation window with margins of the caller's choosing: entities larger than the
// usual 64-pixel margin (tile animations) keep themselves alive while any of them shows.
class Entity;

// As the base rule, with marginX / marginY in place of 64 and twice them in place of 128.
void ApplyActivationWindow(Entity& entity, float cx, float cy, float marginX, float marginY);
