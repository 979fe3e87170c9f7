#include "game/credits.hpp"

namespace {

constexpr CreditLine Lines[] = {
    {0.0f, "CONGRATULATIONS"},
    {50.0f, "YOU HAVE COMPLETED THE DEMO"},
    {70.0f, "VERSION OF SKYREAVER"},
    {90.0f, "LOOK OUT FOR THE FULL VERSION"},
    {110.0f, "COMING TO A PORTAL NEAR YOU 2008"},
    {170.0f, "PROGRAMMING & GFX"},
    {190.0f, "THE SKYREAVER TEAM"},
    {240.0f, "MUSIC & SFX"},
    {260.0f, "SYNTHESISED IN HOUSE"},
    {280.0f, "FFMPEG ENCODERS"},
    {300.0f, "POV-RAY RENDERS"},
    {350.0f, "THANKYOU TO THE FOLLOWING BETA TESTERS"},
    {370.0f, "GOOGLETEST"},
    {390.0f, "XVFB"},
    {410.0f, "ADDRESSSANITIZER"},
    {430.0f, "LIBFUZZER"},
    {450.0f, "LLVMPIPE"},
    {470.0f, "THE AUTOPILOT"},
    {490.0f, "KEY SCRIPTS"},
    {510.0f, "HEADLESS TRACES"},
    {530.0f, "CTEST"},
    {550.0f, "GDB"},
    {570.0f, "...AND ANYONE I MISSED"},
    {820.0f, "HOPE YOU ENJOYED THE GAME!"},
};

} // namespace

std::span<const CreditLine> EndingCredits()
{
    return Lines;
}
