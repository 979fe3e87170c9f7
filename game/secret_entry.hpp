#pragma once
// The studio logo's secret entry to the cheats screen: eleven presses of the seven
// direction and fire buttons, compared with the code as they come.
#include <cstdint>
#include <vector>

// Press values in test order: LEFT, RIGHT, UP, DOWN, FIRE, FIRE2, FIRE3. 7 marks a press that
// was off the code.
enum SecretPress : int32_t {
    PressLeft = 0,
    PressRight,
    PressUp,
    PressDown,
    PressFire,
    PressFire2,
    PressFire3,
    PressWrong,
};

constexpr int SecretCodeLength = 11;
extern const int32_t SecretCode[SecretCodeLength];

enum class SecretOutcome { Waiting, Cheats, Intro };

// Records one press (a SecretPress value 0..6); a full list decides where the logo leads.
SecretOutcome RecordSecretPress(std::vector<int32_t>& presses, int32_t press);
