#include "input/input_state.hpp"

#include "input/control_config.hpp"

#include <SDL/SDL.h>
#include <array>
#include <cctype>

namespace {

struct DefaultBinding {
    KeyCode primary;
    KeyCode secondary;
};

// By action index.
constexpr std::array<DefaultBinding, ActionCount> DefaultBindings = {{
    {Key::Left, Key::JoyLeft},
    {Key::Right, Key::JoyRight},
    {Key::Up, Key::JoyUp},
    {Key::Down, Key::JoyDown},
    {Key::Z, Key::JoyButton1},
    {Key::X, Key::JoyButton1 + 1},
    {Key::C, Key::JoyButton1 + 2},
    {Key::A, Key::JoyButton1 + 5},
    {Key::S, Key::JoyButton1 + 6},
    {Key::Pause, Key::Pause},
}};

constexpr std::array<InputButton InputState::*, 17> AllButtons = {
    &InputState::Escape, &InputState::PAUSE, &InputState::MenuDown, &InputState::MenuUp,
    &InputState::Select, &InputState::MenuRight, &InputState::MenuLeft, &InputState::Delete,
    &InputState::RIGHT, &InputState::LEFT, &InputState::DOWN, &InputState::UP,
    &InputState::FIRE, &InputState::FIRE2, &InputState::FIRE3, &InputState::SPEEDUP,
    &InputState::SPEEDDOWN,
};

constexpr std::array<InputButton InputState::*, ActionCount> ActionButtons = {
    &InputState::LEFT, &InputState::RIGHT, &InputState::UP, &InputState::DOWN,
    &InputState::FIRE, &InputState::FIRE2, &InputState::FIRE3, &InputState::SPEEDUP,
    &InputState::SPEEDDOWN, &InputState::PAUSE,
};

// The order in which a key code is matched against the bindings; the first match wins, so
// a code bound twice only ever triggers the earlier action.
constexpr std::array<ActionIndex, ActionCount> SearchOrder = {
    ActionLeft, ActionRight, ActionFire, ActionFire2, ActionFire3,
    ActionSpeedUp, ActionSpeedDown, ActionPause, ActionUp, ActionDown,
};

bool IsDirection(ActionIndex action)
{
    return action == ActionLeft || action == ActionRight || action == ActionPause || action == ActionUp ||
           action == ActionDown;
}

} // namespace

InputState::InputState()
    : enableUnicode([](bool on) { SDL_EnableUNICODE(on ? 1 : 0); })
{
}

void InputState::ResetInputDefaults() { ResetInputDefaults(ControlsPath()); }

void InputState::ResetInputDefaults(const std::string& controlsFile)
{
    bindingPending = false;
    for (int action = 0; action < ActionCount; ++action) {
        Action(action)->primary = DefaultBindings[action].primary;
        Action(action)->secondary = DefaultBindings[action].secondary;
    }
    sensitivity = 80;
    autofire = false;
    textEntryActive = false;
    textEntryMaxLength = 5;
    textEntryPosition = 0;
    LoadControls(*this, controlsFile);
    hatX = 0;
    hatY = 0;
}

InputButton* InputState::Action(int actionIndex)
{
    if (actionIndex < 0 || actionIndex >= 2 * ActionCount)
        return nullptr;
    return &(this->*ActionButtons[actionIndex % ActionCount]);
}

const InputButton* InputState::Action(int actionIndex) const
{
    return const_cast<InputState*>(this)->Action(actionIndex);
}

void InputState::BindKey(int actionIndex, bool toPrimary, KeyCode keyCode)
{
    InputButton* button = Action(actionIndex);
    if (!button)
        return;
    (toPrimary ? button->primary : button->secondary) = keyCode;
}

InputButton* InputState::FindBound(KeyCode code, bool& direction)
{
    direction = false;
    for (ActionIndex action : SearchOrder) {
        InputButton* button = Action(action);
        if (button->Bound(code)) {
            direction = IsDirection(action);
            return button;
        }
    }
    return nullptr;
}

void InputState::OnKey(KeyCode keyCode, bool pressed)
{
    if (bindingPending && pressed) {
        // Escape can never be bound; it leaves the request waiting for another key.
        if (keyCode == Key::Escape)
            return;
        BindKey(bindingAction, bindingToPrimary, keyCode);
        bindingPending = false;
        return;
    }

    bool direction = false;
    if (InputButton* bound = FindBound(keyCode, direction))
        bound->Set(pressed);

    switch (keyCode) {
    case Key::Escape:
        Escape.Set(pressed);
        return;
    case Key::Digit1:
    case Key::Digit1 + 1:
    case Key::Digit1 + 2:
    case Key::Digit4:
        editLayer = keyCode - Key::Digit1 + 1;
        return;
    case Key::Delete:
        Delete.Set(pressed);
        return;
    case Key::Up:
        MenuUp.Set(pressed);
        return;
    case Key::Down:
        MenuDown.Set(pressed);
        return;
    case Key::Right:
        MenuRight.Set(pressed);
        return;
    case Key::Left:
        MenuLeft.Set(pressed);
        return;
    case Key::F1:
        if (pressed && takeScreenshot)
            takeScreenshot();
        return;
    default:
        if (!direction)
            Select.Set(pressed);
        return;
    }
}

void InputState::PressPseudoKey(KeyCode keyCode)
{
    if (bindingPending) {
        BindKey(bindingAction, bindingToPrimary, keyCode);
        bindingPending = false;
        return;
    }
    bool direction = false;
    InputButton* bound = FindBound(keyCode, direction);
    if (bound)
        bound->Set(true);
    if (!bound || !direction)
        Select.Set(true);
}

void InputState::OnJoyAxis(int axis, int value)
{
    if (axis != 0 && axis != 1)
        return;
    const KeyCode negative = axis == 0 ? Key::JoyLeft : Key::JoyUp;
    const KeyCode positive = axis == 0 ? Key::JoyRight : Key::JoyDown;
    // Integer zones: 50..99 count only full deflection, 100 counts from half deflection.
    int divisor = sensitivity / 50;
    if (divisor < 1)
        divisor = 1; // sensitivity is clamped on load; this only guards against a zero divisor
    const int limit = value < 0 ? 32768 / divisor : 32767 / divisor;
    const int zone = value / limit;
    int& stored = axisZone[axis];
    if (zone != stored) {
        if (stored < 0)
            ReleasePseudoKey(negative);
        if (stored > 0)
            ReleasePseudoKey(positive);
    }
    if (zone < 0)
        PressPseudoKey(negative);
    if (zone > 0)
        PressPseudoKey(positive);
    stored = zone;
}

void InputState::OnJoyHat(int hatValue)
{
    // One axis of the hat: `toward` is -1 or +1. Moving against a held direction only
    // releases it, so rolling the hat across goes through centre on that axis; a diagonal
    // goes on to its vertical half either way.
    auto axisStep = [this](int& held, int toward, KeyCode towardKey, KeyCode oppositeKey) {
        if (held == -toward) {
            ReleasePseudoKey(oppositeKey);
            held = 0;
            return;
        }
        PressPseudoKey(towardKey);
        held = toward;
    };
    auto horizontal = [&](int toward) {
        axisStep(hatX, toward, toward < 0 ? Key::JoyLeft : Key::JoyRight, toward < 0 ? Key::JoyRight : Key::JoyLeft);
    };
    auto vertical = [&](int toward) {
        axisStep(hatY, toward, toward < 0 ? Key::JoyUp : Key::JoyDown, toward < 0 ? Key::JoyDown : Key::JoyUp);
    };

    switch (hatValue) {
    case SDL_HAT_CENTERED:
        if (hatX < 0)
            ReleasePseudoKey(Key::JoyLeft);
        if (hatX > 0)
            ReleasePseudoKey(Key::JoyRight);
        if (hatY < 0)
            ReleasePseudoKey(Key::JoyUp);
        if (hatY > 0)
            ReleasePseudoKey(Key::JoyDown);
        hatX = 0;
        hatY = 0;
        break;
    case SDL_HAT_UP:
        vertical(-1);
        break;
    case SDL_HAT_DOWN:
        vertical(+1);
        break;
    case SDL_HAT_RIGHT:
        horizontal(+1);
        break;
    case SDL_HAT_LEFT:
        horizontal(-1);
        break;
    case SDL_HAT_RIGHTUP:
        horizontal(+1);
        vertical(-1);
        break;
    case SDL_HAT_RIGHTDOWN:
        horizontal(+1);
        vertical(+1);
        break;
    case SDL_HAT_LEFTUP:
        horizontal(-1);
        vertical(-1);
        break;
    case SDL_HAT_LEFTDOWN:
        horizontal(-1);
        vertical(+1);
        break;
    default:
        break;
    }
}

void InputState::BeginTextEntry(char* buffer, int maxLength)
{
    textEntryBuffer = buffer;
    textEntryMaxLength = maxLength;
    textEntryPosition = 0;
    textEntryActive = buffer != nullptr && maxLength > 0;
    if (textEntryActive && enableUnicode)
        enableUnicode(true);
}

void InputState::EndTextEntry()
{
    textEntryActive = false;
    if (enableUnicode)
        enableUnicode(false);
}

void InputState::OnTextKey(KeyCode keySym, int unicode)
{
    if (!textEntryActive)
        return;
    if (!textEntryBuffer) {
        EndTextEntry();
        return;
    }
    if (keySym == Key::Return) {
        EndTextEntry();
        textEntryBuffer[textEntryPosition] = 0;
        return;
    }
    if (unicode == 0)
        return;
    // Outside ASCII nothing is written, but the position still advances.
    if ((unicode & 0xff80) == 0)
        textEntryBuffer[textEntryPosition] = static_cast<char>(std::toupper(unicode & 127));
    if (++textEntryPosition >= textEntryMaxLength)
        EndTextEntry();
}

void InputState::OnJoyTextStep()
{
    if (!textEntryActive)
        return;
    if (!textEntryBuffer) {
        EndTextEntry();
        return;
    }
    // The pad steps through the codes 32..96: space, digits, punctuation, capitals, backquote.
    char& current = textEntryBuffer[textEntryPosition];
    if (UP.JustPressed()) {
        int value = static_cast<unsigned char>(current) + 1;
        if (value > 96)
            value = 32;
        current = static_cast<char>(value);
    }
    if (DOWN.JustPressed()) {
        int value = static_cast<unsigned char>(current) - 1;
        if (value < 32 || value > 96)
            value = 96;
        current = static_cast<char>(value);
    }
    if (FIRE.JustPressed()) {
        if (++textEntryPosition >= textEntryMaxLength)
            EndTextEntry();
        else
            textEntryBuffer[textEntryPosition] = textEntryBuffer[textEntryPosition - 1];
    }
}

void InputState::AdvanceButtons()
{
    for (InputButton InputState::*button : AllButtons)
        (this->*button).Advance();
}
