#pragma once
// The colour pulse of a highlighted menu item: 0..1 and back in steps of 0.05 per tick.

struct MenuPulse {
    float value = 0.0f;
    bool rising = true;

    void Reset()
    {
        value = 0.0f;
        rising = true;
    }
    void Step();
};
