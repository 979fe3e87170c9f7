#pragma once
// Keyboard and joystick reduced to seventeen logical buttons, plus the binding request of
// the controls screen and the short text entry of the high-score screen. Free of any window
// so that every rule can be driven directly; the Engine holds one.
#include "input/input_button.hpp"
#include "input/key_code.hpp"

#include <cstdint>
#include <functional>
#include <string>

// The ten bindable actions; 10..19 name them again for the controls screen's second column.
enum ActionIndex : std::int32_t {
    ActionLeft = 0,
    ActionRight,
    ActionUp,
    ActionDown,
    ActionFire,
    ActionFire2,
    ActionFire3,
    ActionSpeedUp,
    ActionSpeedDown,
    ActionPause,
    ActionCount
};

class InputState {
public:
    InputState();

    // Default bindings, sensitivity and text entry, then Controls.dat over them.
    void ResetInputDefaults(const std::string& controlsFile);
    void ResetInputDefaults();
    void BindKey(int actionIndex, bool toPrimary, KeyCode keyCode);

    void OnKey(KeyCode keyCode, bool pressed);
    // Pseudo-keys of the joystick directions.
    void PressPseudoKey(KeyCode keyCode);
    void ReleasePseudoKey(KeyCode keyCode) { OnKey(keyCode, false); }
    void OnJoyAxis(int axis, int value);
    void OnJoyHat(int hatValue);

    // The caller owns `buffer`, which must hold at least maxLength + 1 characters.
    void BeginTextEntry(char* buffer, int maxLength);
    void OnTextKey(KeyCode keySym, int unicode);
    void OnJoyTextStep();

    void AdvanceButtons();

    // The bindable button of an action index (10..19 wrap to 0..9); null for 20 or more.
    InputButton* Action(int actionIndex);
    const InputButton* Action(int actionIndex) const;

    bool autofire = false;
    int sensitivity = 80; // 50..100
    int axisZone[2] = {0, 0};
    bool bindingPending = false;
    ActionIndex bindingAction = ActionLeft;
    bool bindingToPrimary = true;
    bool textEntryActive = false;
    int textEntryMaxLength = 5;
    int textEntryPosition = 0;
    char* textEntryBuffer = nullptr;

    InputButton Escape;
    InputButton PAUSE;
    InputButton MenuDown;
    InputButton MenuUp;
    InputButton Select;
    InputButton MenuRight;
    InputButton MenuLeft;
    InputButton Delete;
    InputButton RIGHT;
    InputButton LEFT;
    InputButton DOWN;
    InputButton UP;
    InputButton FIRE;
    InputButton FIRE2;
    InputButton FIRE3;
    InputButton SPEEDUP;
    InputButton SPEEDDOWN;

    int hatX = 0; // -1 left, +1 right
    int hatY = 0; // -1 up, +1 down

    // The stage editor's edit layer (1..4); the digit keys set it in every screen.
    int editLayer = 4;

    // F1 on key down; empty where no window exists to capture.
    std::function<void()> takeScreenshot;
    // SDL's Unicode translation for text entry, switched off when the entry ends.
    std::function<void(bool)> enableUnicode;

private:
    // The first action bound to the code in search order, or null; `direction` tells whether
    // it was LEFT, RIGHT, PAUSE, UP or DOWN.
    InputButton* FindBound(KeyCode code, bool& direction);
    void EndTextEntry();
};
