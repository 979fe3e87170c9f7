// The key-name table the controls screen shows and the scripts name keys by.
#include "input/key_names.hpp"

#include <gtest/gtest.h>
#include <string>

TEST(KeyNames, NamedEntriesAcrossTheTable)
{
    const std::pair<int, const char*> named[] = {
        {0, "UNKNOWN"},      {13, "RETURN"},          {19, "PAUSE"},        {27, "ESCAPE"},
        {48, "0"},           {57, "9"},               {96, "BACKQUOTE"},    {97, "A"},
        {122, "Z"},          {127, "DELETE"},         {160, "WORLD_0"},     {255, "WORLD_95"},
        {256, "KEYPAD0"},    {266, "KEYPAD PERIOD"},  {272, "KEYPAD EQUALS"}, {276, "LEFT"},
        {282, "F1"},         {296, "F15"},            {300, "NUMLOCK"},     {303, "RIGHT SHIFT"},
        {322, "UNDO"},       {323, "JOYLEFT"},        {326, "JOYDOWN"},     {327, "JOYBUTTON1"},
        {346, "JOYBUTTON20"}, {347, "MOUSE1"},        {356, "MOUSE10"},
    };
    for (const auto& [code, name] : named) {
        EXPECT_STREQ(KeyName(code), name) << code;
        EXPECT_EQ(KeyCodeFromName(name), code) << name;
    }
}

TEST(KeyNames, GapsAndCodesOutsideTheTableAreEmpty)
{
    for (int code : {1, 7, 10, 11, 14, 18, 20, 26, 28, 31, 37, 65, 90, 123, 126, 128, 159, 297, 299})
        EXPECT_STREQ(KeyName(code), "") << code;
    // A hand-edited Controls.dat can hold any number.
    for (int code : {-1, 357, 100000, -2147483647 - 1})
        EXPECT_STREQ(KeyName(code), "") << code;
    EXPECT_EQ(KeyCodeFromName(""), -1);
    EXPECT_EQ(KeyCodeFromName("z"), -1);
}

TEST(KeyNames, EveryNamedCodeHasAUniqueName)
{
    int named = 0;
    for (int code = 0; code < KeyCodeCount; ++code) {
        const std::string name = KeyName(code);
        if (name.empty())
            continue;
        ++named;
        EXPECT_EQ(KeyCodeFromName(name), code) << name;
    }
    // 357 codes less the 91 without a name.
    EXPECT_EQ(named, 357 - 91);
}
