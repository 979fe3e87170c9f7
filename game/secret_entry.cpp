#include "game/secret_entry.hpp"

#include <algorithm>

const int32_t SecretCode[SecretCodeLength] = {PressUp,   PressDown, PressFire2, PressLeft, PressRight, PressFire,
                                              PressUp,   PressFire3, PressDown, PressLeft, PressRight};

SecretOutcome RecordSecretPress(std::vector<int32_t>& presses, int32_t press)
{
    if (presses.size() >= size_t(SecretCodeLength))
        return SecretOutcome::Waiting;
    presses.push_back(press);
    if (presses.back() != SecretCode[presses.size() - 1])
        presses.back() = PressWrong;
    if (presses.size() < size_t(SecretCodeLength))
        return SecretOutcome::Waiting;
    return std::equal(presses.begin(), presses.end(), SecretCode) ? SecretOutcome::Cheats : SecretOutcome::Intro;
}
