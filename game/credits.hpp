#pragma once
// The lines of the ending's credits roll, each at its offset below the roll position.
#include <span>

struct CreditLine {
    float offset;
    const char* text;
};

std::span<const CreditLine> EndingCredits();
