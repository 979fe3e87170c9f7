#include "input/key_names.hpp"

#include <array>
#include <string>

namespace {

using NameTable = std::array<std::string, KeyCodeCount>;

void NameRange(NameTable& table, int first, int last, const char* prefix, int firstNumber)
{
    for (int code = first; code <= last; ++code)
        table[code] = prefix + std::to_string(firstNumber + code - first);
}

NameTable BuildNames()
{
    NameTable t{};
    t[0] = "UNKNOWN";
    t[8] = "BACKSPACE";
    t[9] = "TAB";
    t[12] = "CLEAR";
    t[13] = "RETURN";
    t[19] = "PAUSE";
    t[27] = "ESCAPE";
    t[32] = "SPACE";
    t[33] = "EXCLAIM";
    t[34] = "QUOTEDBL";
    t[35] = "HASH";
    t[36] = "DOLLAR";
    t[38] = "AMPERSAND";
    t[39] = "QUOTE";
    t[40] = "LEFTPAREN";
    t[41] = "RIGHTPAREN";
    t[42] = "ASTERISK";
    t[43] = "PLUS";
    t[44] = "COMMA";
    t[45] = "MINUS";
    t[46] = "PERIOD";
    t[47] = "SLASH";
    NameRange(t, 48, 57, "", 0);
    t[58] = "COLON";
    t[59] = "SEMICOLON";
    t[60] = "LESS";
    t[61] = "EQUALS";
    t[62] = "GREATER";
    t[63] = "QUESTION";
    t[64] = "AT";
    t[91] = "LEFTBRACKET";
    t[92] = "BACKSLASH";
    t[93] = "RIGHTBRACKET";
    t[94] = "CARET";
    t[95] = "UNDERSCORE";
    t[96] = "BACKQUOTE";
    for (int code = 97; code <= 122; ++code)
        t[code] = std::string(1, static_cast<char>('A' + code - 97));
    t[127] = "DELETE";
    NameRange(t, 160, 255, "WORLD_", 0);
    NameRange(t, 256, 265, "KEYPAD", 0);
    t[266] = "KEYPAD PERIOD";
    t[267] = "KEYPAD DIVIDE";
    t[268] = "KEYPAD MULTIPLY";
    t[269] = "KEYPAD MINUS";
    t[270] = "KEYPAD PLUS";
    t[271] = "KEYPAD ENTER";
    t[272] = "KEYPAD EQUALS";
    t[273] = "UP";
    t[274] = "DOWN";
    t[275] = "RIGHT";
    t[276] = "LEFT";
    t[277] = "INSERT";
    t[278] = "HOME";
    t[279] = "END";
    t[280] = "PAGEUP";
    t[281] = "PAGEDOWN";
    NameRange(t, 282, 296, "F", 1);
    t[300] = "NUMLOCK";
    t[301] = "CAPSLOCK";
    t[302] = "SCROLLOCK";
    t[303] = "RIGHT SHIFT";
    t[304] = "LEFT SHIFT";
    t[305] = "RIGHT CTRL";
    t[306] = "LEFT CTRL";
    t[307] = "RIGHT ALT";
    t[308] = "LEFT ALT";
    t[309] = "RIGHT META";
    t[310] = "LEFT META";
    t[311] = "LEFT SUPER";
    t[312] = "RIGHT SUPER";
    t[313] = "MODE";
    t[314] = "COMPOSE";
    t[315] = "HELP";
    t[316] = "PRINT";
    t[317] = "SYSREQ";
    t[318] = "BREAK";
    t[319] = "MENU";
    t[320] = "POWER";
    t[321] = "EURO";
    t[322] = "UNDO";
    t[323] = "JOYLEFT";
    t[324] = "JOYRIGHT";
    t[325] = "JOYUP";
    t[326] = "JOYDOWN";
    NameRange(t, 327, 346, "JOYBUTTON", 1);
    NameRange(t, 347, 356, "MOUSE", 1);
    return t;
}

const NameTable& Names()
{
    static const NameTable names = BuildNames();
    return names;
}

} // namespace

const char* KeyName(int keyCode)
{
    if (keyCode < 0 || keyCode >= KeyCodeCount)
        return "";
    return Names()[keyCode].c_str();
}

int KeyCodeFromName(std::string_view name)
{
    if (name.empty())
        return -1;
    const NameTable& names = Names();
    for (int code = 0; code < KeyCodeCount; ++code)
        if (names[code] == name)
            return code;
    return -1;
}
